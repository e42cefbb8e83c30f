#include "cuebell/editors/win32/device_list_ctrl.h"

#include "cuebell/editors/device_manager_rules.h"

namespace cuebell {

bool CDeviceListCtrl::SubclassDlgItem(HWND dialog, int controlId) {
    if (!Subclass(::GetDlgItem(dialog, controlId))) {
        return false;
    }
    SetExtendedListViewStyle(LVS_EX_FULLROWSELECT,
                             GetExtendedListViewStyle() | LVS_EX_FULLROWSELECT);
    return true;
}

void CDeviceListCtrl::SetupDeviceColumns() {
    const RECT client = GetClientRect();
    // The rate and the interval are centred.
    SetupColumns(DeviceListColumns(client.right - client.left), LVCFMT_CENTER);
}

void CDeviceListCtrl::WriteCells(int row, const DeviceInfo& device) {
    const win32::CHeader header = GetHeader();
    for (int position = 0; position < header.GetItemCount(); ++position) {
        LPARAM columnId = 0;
        if (header.GetItemParam(position, &columnId)) {
            SetItemText(row, position, DeviceCellText(device, static_cast<int>(columnId)));
        }
    }
}

LRESULT CDeviceListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_INSERT) {
                ::PostMessageW(GetParent(), kAddDeviceMessage, 0, 0);
                return 0;
            }
            if (wParam == VK_DELETE) {
                owner_.DeleteSelectedDevice();
                return 0;
            }
            break;
        case WM_LBUTTONDOWN: {
            // The list clears the selection on a click beside the rows; put one back.
            const LRESULT result = DefaultProc(message, wParam, lParam);
            SelectLastRowIfNoneIs();
            return result;
        }
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = DefaultProc(message, wParam, lParam);
            SelectLastRowIfNoneIs();
            ::PostMessageW(GetParent(), kEditDeviceMessage, 0, 0);
            return result;
        }
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

void CDeviceListCtrl::SelectLastRowIfNoneIs() {
    if (SelectedRow() < 0 && RowCount() > 0) {
        SelectItem(RowCount() - 1);
    }
}

}  // namespace cuebell
