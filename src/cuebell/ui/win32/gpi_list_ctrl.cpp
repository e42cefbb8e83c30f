#include "cuebell/ui/win32/gpi_list_ctrl.h"

#include <utility>
#include <vector>

namespace cuebell {

CGPIListCtrl::CGPIListCtrl(core::MessageBoxPort& boxes, GpiListOwner& owner)
    : boxes_(boxes), owner_(owner) {}

void CGPIListCtrl::SetupColumns() {
    const RECT client = GetClientRect();
    CRecordListView::SetupColumns(EntryListColumns(client.right - client.left));
}

void CGPIListCtrl::WriteCells(int row, const GpiInfo& entry) {
    SetCellTexts(row, [&entry](int columnId) { return EntryCellText(entry, columnId); });
}

void CGPIListCtrl::DeleteSelectedEntry() {
    const int selected = SelectedRow();
    core::DeleteOutcome<GpiInfo> deleted = cuebell::DeleteSelectedEntry(
        Records(), selected, boxes_, reinterpret_cast<core::WindowHandle>(GetHwnd()), owner_);
    if (!ApplyDelete(std::move(deleted))) {
        return;
    }
    // With no row left no selection changes, and the description must not go on
    // describing the deleted entry.
    owner_.RebuildDescription();
}

LRESULT CGPIListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        if (wParam == VK_INSERT) {
            ::PostMessageW(GetParent(), kAddEntryMessage, 0, 0);
        } else if (wParam == VK_DELETE) {
            DeleteSelectedEntry();
        }
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace cuebell
