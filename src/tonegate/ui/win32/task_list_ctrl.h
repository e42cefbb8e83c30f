// The main dialog's signal list (IDC_SIGNAL_LIST): one row per cue-tone signal, in save
// order. The list owns its signals; each row's item data points to its signal, and its
// cells are copies of the signal's name, action and comment, refreshed explicitly.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shared/message_box_port.h"
#include "shared/win32/record_list_view.h"
#include "tonegate/core/signal_list_rules.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

// Posted to the main dialog: edit the selected signal (double click) and add a signal
// (Insert key). Their numbers are also the dialog manager's DM_SETDEFID and DM_REPOSITION,
// so the list sends its own window as lParam and the dialog takes only those.
constexpr UINT kEditSignalRequest = WM_USER + 1;
constexpr UINT kAddSignalRequest = WM_USER + 2;

// What the list needs from the dialog it lives in: the description of the selected signal,
// which a delete must rebuild even when no selection changes (the last row went).
class TaskListOwner {
  public:
    virtual ~TaskListOwner() = default;
    virtual void RebuildDescription() = 0;
};

class CTaskListCtrl : public win32::CRecordListView<CDTMFTaskInfo> {
  public:
    CTaskListCtrl(core::MessageBoxPort& boxes, TaskListOwner& owner);

    // Binds the list to the dialog's control and switches on full-row selection.
    bool SubclassDlgItem(HWND dialog, int controlId) {
        return CRecordListView::SubclassDlgItem(dialog, controlId, LVS_EX_FULLROWSELECT);
    }
    // Deletes every column, then inserts Name, Action and Comment, each header item
    // tagged with its column identifier.
    void SetupColumns();
    // Removes every row (their signals go with them), then shows the signals in order and
    // selects the first row.
    void FillList(SignalList signals) { FillRows(std::move(signals)); }

    // The delete command: refuses on an empty list or without a selection, otherwise asks
    // and, on Yes, deletes the selected signal and selects the row that takes its place.
    void DeleteSelectedSignal();

    SignalRefs SignalsInListOrder() const;
    // The names of every signal but the excluded one: what the editor checks a name against.
    std::vector<std::wstring> Names(const CDTMFTaskInfo* excluded = nullptr) const {
        return SignalNames(Records(), excluded);
    }
    // The signal of the row; null when there is no such row.
    CDTMFTaskInfo* SignalAt(int row) const { return RecordAt(row); }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WriteCells(int row, const CDTMFTaskInfo& signal) override;

  private:
    void PostToParent(UINT request);

    core::MessageBoxPort& boxes_;
    TaskListOwner& owner_;
};

}  // namespace tonegate
