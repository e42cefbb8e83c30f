// The main dialog's detection entry list (control 1007): one row per entry, in save
// order. The rows own their entries; each row's item data points to its entry, and its
// cells are copies of the entry's name, action and comment, refreshed explicitly.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "cuebell/model/records.h"
#include "shared/message_box_port.h"
#include "shared/win32/controls.h"
#include "shared/win32/subclass.h"

namespace cuebell {

// The main dialog's private message that adds an entry; the list posts it for the
// Insert key.
constexpr UINT kAddEntryMessage = WM_USER + 6;

// What the list needs from the dialog it lives in.
class GpiListOwner {
  public:
    virtual ~GpiListOwner() = default;
    // 1 while the delete confirmation is open, 0 otherwise.
    virtual void SetConfirmationOpen(int open) = 0;
    virtual void RebuildDescription() = 0;
};

class CGPIListCtrl : public win32::CSubclassed<win32::CListView> {
  public:
    CGPIListCtrl(core::MessageBoxPort& boxes, GpiListOwner& owner);
    CGPIListCtrl(const CGPIListCtrl&) = delete;
    CGPIListCtrl& operator=(const CGPIListCtrl&) = delete;

    // Binds the list to the dialog's control and adds the extended styles full-row
    // select, border select and double buffering to the ones it has.
    bool SubclassDlgItem(HWND dialog, int controlId);

    // Deletes every column, then inserts Name, Action and Comment, each header item
    // tagged with its column identifier.
    void SetupColumns();
    // Position of the column tagged with the identifier; -1 when there is none.
    int FindColumn(int columnId) const;

    // Removes every row (their entries go with them), then shows the entries in order and
    // selects the first row.
    void FillList(EntryList entries);
    // Appends a row holding the entry and selects it; returns its position, -1 when the
    // row could not be inserted (the entry is then freed).
    int AppendRow(std::unique_ptr<GpiInfo> entry);
    // Rewrites the row's cells from its entry.
    void RefreshRow(int row);
    // The delete command: refuses on an empty list or without a selection, otherwise asks
    // and, on Yes, deletes the selected entry and selects the row that takes its place.
    void DeleteSelectedEntry();
    // Deletes every entry and removes every row.
    void DeleteAllRows();

    EntryRefs EntriesInListOrder() const;
    // The entry of the row; null when there is no such row.
    GpiInfo* EntryAt(int row) const;
    // The selected row, -1 when none is.
    int SelectedRow() const { return GetSelectedIndex(); }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The columns of the name, the action and the comment, in this order.
    static constexpr int kCellColumns = 3;
    using ColumnPositions = std::array<int, kCellColumns>;
    ColumnPositions FindCellColumns() const;
    void WriteCells(int row, const GpiInfo& entry, const ColumnPositions& columns);
    // Removes the row and frees its entry.
    void RemoveRow(int row);
    void Free(const GpiInfo* entry);

    core::MessageBoxPort& boxes_;
    GpiListOwner& owner_;
    // Every entry a row points to. Freed with their rows, and at the latest with the
    // list object, so that no entry outlives it even when the window went first.
    std::vector<std::unique_ptr<GpiInfo>> owned_;
};

}  // namespace cuebell
