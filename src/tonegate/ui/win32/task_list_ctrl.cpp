#include "tonegate/ui/win32/task_list_ctrl.h"

#include <utility>

namespace tonegate {

CTaskListCtrl::CTaskListCtrl(core::MessageBoxPort& boxes, TaskListOwner& owner)
    : boxes_(boxes), owner_(owner) {}

void CTaskListCtrl::SetupColumns() {
    const RECT client = GetClientRect();
    CRecordListView::SetupColumns(SignalListColumns(client.right - client.left));
}

void CTaskListCtrl::WriteCells(int row, const CDTMFTaskInfo& signal) {
    SetCellTexts(row, [&signal](int columnId) { return SignalCellText(signal, columnId); });
}

SignalRefs CTaskListCtrl::SignalsInListOrder() const {
    const std::vector<CDTMFTaskInfo*> rows = RecordsInOrder();
    return SignalRefs(rows.begin(), rows.end());
}

void CTaskListCtrl::PostToParent(UINT request) {
    ::PostMessageW(GetParent(), request, 0, reinterpret_cast<LPARAM>(GetHwnd()));
}

void CTaskListCtrl::DeleteSelectedSignal() {
    core::DeleteOutcome<CDTMFTaskInfo> deleted = tonegate::DeleteSelectedSignal(
        Records(), SelectedRow(), boxes_, reinterpret_cast<core::WindowHandle>(GetHwnd()));
    if (!ApplyDelete(std::move(deleted))) {
        return;
    }
    // With no row left no selection changes, and the description must not go on
    // describing the deleted signal.
    owner_.RebuildDescription();
}

LRESULT CTaskListCtrl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_INSERT) {
                PostToParent(kAddSignalRequest);
            } else if (wParam == VK_DELETE) {
                DeleteSelectedSignal();
            }
            break;
        case WM_LBUTTONDOWN:
            return ClickKeepingSelection(message, wParam, lParam);
        case WM_LBUTTONDBLCLK: {
            // Also beside the rows: the dialog then refuses an empty list.
            const LRESULT result = ClickKeepingSelection(message, wParam, lParam);
            PostToParent(kEditSignalRequest);
            return result;
        }
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

}  // namespace tonegate
