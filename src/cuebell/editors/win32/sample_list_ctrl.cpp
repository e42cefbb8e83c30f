#include "cuebell/editors/win32/sample_list_ctrl.h"

#include <commctrl.h>

namespace cuebell {

void CSampleListCtrl::EnableCellTips() {
    if (tooltip_ != nullptr) {
        return;
    }
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
}

void CSampleListCtrl::TrackCellUnderMouse(POINT point) {
    LVHITTESTINFO hit{};
    hit.pt = point;
    SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem < 0 || (hit.flags & LVHT_ONITEM) == 0) {
        SetCellTool(0, RECT{});
        return;
    }
    const int toolId = SampleCellToolId(hit.iItem, hit.iSubItem);
    if (toolId == cellTool_) {
        return;
    }
    RECT cell{};
    cell.top = hit.iSubItem;
    cell.left = hit.iSubItem == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(hit.iItem),
                reinterpret_cast<LPARAM>(&cell));
    SetCellTool(toolId, cell);
}

void CSampleListCtrl::SetCellTool(int toolId, const RECT& cell) {
    if (tooltip_ == nullptr || toolId == cellTool_) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = hwnd_;
    if (cellTool_ != 0) {
        tool.uId = static_cast<UINT_PTR>(cellTool_);
        ::SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    cellTool_ = toolId;
    if (toolId == 0) {
        return;
    }
    tool.uFlags = TTF_SUBCLASS;
    tool.uId = static_cast<UINT_PTR>(toolId);
    tool.rect = cell;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CSampleListCtrl::FillTipText(NMTTDISPINFOW* info) {
    const int row = static_cast<int>(info->hdr.idFrom - 1) / kToolRowStride;
    const SampleInfo* sample = RecordAt(row);
    tipText_ = sample != nullptr ? SampleTooltip(*sample) : std::wstring();
    info->lpszText = tipText_.data();
}

LRESULT CSampleListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            TrackCellUnderMouse(
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            break;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header != nullptr && tooltip_ != nullptr && header->hwndFrom == tooltip_ &&
                header->code == TTN_GETDISPINFOW) {
                FillTipText(reinterpret_cast<NMTTDISPINFOW*>(lParam));
                return 0;
            }
            break;
        }
        default:
            break;
    }
    return CRecordListView::OnMessage(message, wParam, lParam);
}

}  // namespace cuebell
