// The main dialog's detection entry list (IDC_ENTRY_LIST): one row per entry, in save
// order. The list owns its entries; each row's item data points to its entry, and its
// cells are copies of the entry's name, action and comment, refreshed explicitly.
#pragma once

#include <windows.h>

#include "cuebell/core/entry_list_rules.h"
#include "cuebell/model/records.h"
#include "shared/message_box_port.h"
#include "shared/win32/record_list_view.h"

namespace cuebell {

// The main dialog's private message that adds an entry; the list posts it for the
// Insert key.
constexpr UINT kAddEntryMessage = WM_USER + 6;

// What the list needs from the dialog it lives in: the confirmation-open flag and the
// description of the selected entry.
class GpiListOwner : public ConfirmationFlag {
  public:
    virtual void RebuildDescription() = 0;
};

class CGPIListCtrl : public win32::CRecordListView<GpiInfo> {
  public:
    CGPIListCtrl(core::MessageBoxPort& boxes, GpiListOwner& owner);

    // Binds the list to the dialog's control and adds the extended styles full-row
    // select, border select and double buffering to the ones it has.
    bool SubclassDlgItem(HWND dialog, int controlId) {
        return CRecordListView::SubclassDlgItem(
            dialog, controlId, LVS_EX_FULLROWSELECT | LVS_EX_BORDERSELECT | LVS_EX_DOUBLEBUFFER);
    }

    // Deletes every column, then inserts Name, Action and Comment, each header item
    // tagged with its column identifier.
    void SetupColumns();

    // Removes every row (their entries go with them), then shows the entries in order and
    // selects the first row.
    void FillList(EntryList entries) { FillRows(std::move(entries)); }
    // The delete command: refuses on an empty list or without a selection, otherwise asks
    // and, on Yes, deletes the selected entry and selects the row that takes its place.
    void DeleteSelectedEntry();

    EntryRefs EntriesInListOrder() const { return RecordsInOrder(); }
    // The entry of the row; null when there is no such row.
    GpiInfo* EntryAt(int row) const { return RecordAt(row); }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void WriteCells(int row, const GpiInfo& entry) override;

  private:
    core::MessageBoxPort& boxes_;
    GpiListOwner& owner_;
};

}  // namespace cuebell
