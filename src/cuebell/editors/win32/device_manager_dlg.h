// The device manager (template IDD_DEVICE_MANAGER): lists copies of the owner's devices
// and adds, edits and deletes them through the device editor. The owner's devices are
// replaced by the rows' records, in row order, only on OK; Cancel leaves them as they were.
#pragma once

#include <windows.h>

#include <memory>

#include "cuebell/editors/device_manager_rules.h"
#include "cuebell/editors/win32/device_add_edit_dlg.h"
#include "cuebell/model/records.h"
#include "shared/system_port.h"
#include "shared/win32/record_list_dialog.h"

namespace cuebell {

// What the manager works on: the owner's devices (replaced on OK), its board list, its
// detection entries in list order (read only, for the usage checks), and the ports.
struct DeviceManagerInputs {
    DeviceList& devices;
    const core::StringList& boards;
    EntryRefs entries;
    core::MessageBoxPort& boxes;
    core::BoardDriverPort& boardDriver;
    core::SystemPort& system;  // the identifiers of new devices
};

class CDeviceManagerDlg : public win32::CRecordListDialog<DeviceInfo> {
  public:
    CDeviceManagerDlg(HINSTANCE resources, const DeviceManagerInputs& inputs);

    // DoModal(owner) answers IDOK after the owner's devices were replaced, IDCANCEL when
    // they are unchanged.

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    std::unique_ptr<DeviceInfo> NewRecord() override;
    bool EditRecord(DeviceInfo& device) override;
    DeviceEditorContext EditorContext() const;

    DeviceManagerInputs inputs_;
};

}  // namespace cuebell
