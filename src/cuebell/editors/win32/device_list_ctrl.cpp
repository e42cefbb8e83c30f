#include "cuebell/editors/win32/device_list_ctrl.h"

#include "cuebell/editors/device_manager_rules.h"

namespace cuebell {

void CDeviceListCtrl::SetupDeviceColumns() {
    const RECT client = GetClientRect();
    // The rate and the interval are centred.
    SetupColumns(DeviceListColumns(client.right - client.left), LVCFMT_CENTER);
}

void CDeviceListCtrl::WriteCells(int row, const DeviceInfo& device) {
    SetCellTexts(row, [&device](int columnId) { return DeviceCellText(device, columnId); });
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
        case WM_LBUTTONDOWN:
            return ClickKeepingSelection(message, wParam, lParam);
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = ClickKeepingSelection(message, wParam, lParam);
            ::PostMessageW(GetParent(), kEditDeviceMessage, 0, 0);
            return result;
        }
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace cuebell
