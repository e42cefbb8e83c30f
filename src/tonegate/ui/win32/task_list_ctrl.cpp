#include "tonegate/ui/win32/task_list_ctrl.h"

#include <utility>

namespace tonegate {

namespace {

constexpr DWORD kExtendedStyles = LVS_EX_FULLROWSELECT;

const int kColumnIds[] = {kNameColumn, kActionColumn, kCommentColumn};

}  // namespace

CTaskListCtrl::CTaskListCtrl(core::MessageBoxPort& boxes, TaskListOwner& owner)
    : boxes_(boxes), owner_(owner) {}

bool CTaskListCtrl::SubclassDlgItem(HWND dialog, int controlId) {
    if (!Subclass(::GetDlgItem(dialog, controlId))) {
        return false;
    }
    SetExtendedListViewStyle(kExtendedStyles, GetExtendedListViewStyle() | kExtendedStyles);
    return true;
}

void CTaskListCtrl::SetupColumns() {
    const RECT client = GetClientRect();
    CRecordListView::SetupColumns(SignalListColumns(client.right - client.left));
    // Where the cells go, looked up by identifier once rather than for every cell.
    for (int i = 0; i < kCellColumns; ++i) {
        columns_[i] = FindColumn(kColumnIds[i]);
    }
}

void CTaskListCtrl::WriteCells(int row, const CDTMFTaskInfo& signal) {
    for (int i = 0; i < kCellColumns; ++i) {
        if (columns_[i] >= 0) {
            SetItemText(row, columns_[i], SignalCellText(signal, kColumnIds[i]));
        }
    }
}

SignalRefs CTaskListCtrl::SignalsInListOrder() const {
    const std::vector<CDTMFTaskInfo*> rows = RecordsInOrder();
    return SignalRefs(rows.begin(), rows.end());
}

void CTaskListCtrl::KeepSelection() {
    const int count = RowCount();
    if (SelectedRow() < 0 && count > 0) {
        SelectItem(count - 1);
        EnsureVisible(count - 1);
    }
}

void CTaskListCtrl::RequestEdit() {
    KeepSelection();
    PostToParent(kEditSignalRequest);
}

void CTaskListCtrl::PostToParent(UINT request) {
    ::PostMessageW(GetParent(), request, 0, reinterpret_cast<LPARAM>(GetHwnd()));
}

void CTaskListCtrl::DeleteSelectedSignal() {
    core::DeleteOutcome<CDTMFTaskInfo> deleted = tonegate::DeleteSelectedSignal(
        Records(), SelectedRow(), boxes_, reinterpret_cast<core::WindowHandle>(GetHwnd()));
    if (!deleted.removed) {
        return;
    }
    DeleteRowOf(std::move(deleted.removed), deleted.removedRow);
    if (deleted.rowToSelect >= 0) {
        SelectItem(deleted.rowToSelect);
        EnsureVisible(deleted.rowToSelect);
    }
    // With no row left no selection changes, and the description must not go on
    // describing the deleted signal.
    owner_.RebuildDescription();
}

LRESULT CTaskListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        if (wParam == VK_INSERT) {
            PostToParent(kAddSignalRequest);
        } else if (wParam == VK_DELETE) {
            DeleteSelectedSignal();
        }
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace tonegate
