// The device manager's list (control 1023): one device per row, each row owning its copy.
// Insert asks the manager to add, Delete deletes through the manager, a double click
// asks it to edit; a click beside the rows never leaves a non-empty list unselected.
#pragma once

#include <windows.h>

#include "cuebell/model/records.h"
#include "shared/win32/record_list_view.h"

namespace cuebell {

// The device manager's private requests, posted by its list so that the key press or
// click is finished before an editor opens.
constexpr UINT kEditDeviceMessage = WM_USER + 3;
constexpr UINT kAddDeviceMessage = WM_USER + 4;

// What the list needs from the manager it lives in.
class DeviceListOwner {
  public:
    virtual ~DeviceListOwner() = default;
    virtual void DeleteSelectedDevice() = 0;
};

class CDeviceListCtrl : public win32::CRecordListView<DeviceInfo> {
  public:
    explicit CDeviceListCtrl(DeviceListOwner& owner) : owner_(owner) {}

    // Binds the list to the dialog's control and switches on full-row selection.
    bool SubclassDlgItem(HWND dialog, int controlId) {
        return CRecordListView::SubclassDlgItem(dialog, controlId, LVS_EX_FULLROWSELECT);
    }
    // Name, rate and interval, the last two centred, sized to the list's client width.
    void SetupDeviceColumns();

  protected:
    void WriteCells(int row, const DeviceInfo& device) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    DeviceListOwner& owner_;
};

}  // namespace cuebell
