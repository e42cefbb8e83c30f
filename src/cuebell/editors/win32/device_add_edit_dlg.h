// The device editor (template IDD_DEVICE_ADD_EDIT): a board input, its sample rate and its analysis
// interval, each chosen from what the form offers. The form holds every rule; the
// dialog shows its lists, hands back each change of selection, and writes the device
// only when the form accepts OK.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "cuebell/editors/device_editor_form.h"
#include "shared/win32/controls.h"
#include "shared/win32/dialog.h"

namespace cuebell {

// What the device editor works with besides the device: the board driver (asked for
// each board's rates), the message boxes, and the board list "1" to "n".
struct DeviceEditorContext {
    HINSTANCE resources;
    core::BoardDriverPort& boardDriver;
    core::MessageBoxPort& boxes;
    const core::StringList& boards;
};

class CDeviceAddEditDlg : public win32::CDialog {
  public:
    // Edits the device ("Edit device"); a changed name is not checked against others.
    CDeviceAddEditDlg(const DeviceEditorContext& context, DeviceInfo* device);
    // Adds the device ("Add device"); its name must differ from every one given.
    CDeviceAddEditDlg(const DeviceEditorContext& context, DeviceInfo* device,
                      std::vector<std::wstring> existingNames);

    // DoModal(owner) answers IDOK once the device holds the choices, IDCANCEL when it is
    // unchanged.

    // A device on no offered input opens with none chosen, and OK requires one.
    void RequireOfferedInput() { form_.RequireOfferedInput(); }

  protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

  private:
    void ShowNames();
    void ShowRates();
    void ShowIntervals();

    core::MessageBoxPort& boxes_;
    DeviceInfo* device_;
    const int titleId_;
    DeviceEditorForm form_;
    win32::CComboBox names_;
    win32::CComboBox rates_;
    win32::CComboBox intervals_;
};

}  // namespace cuebell
