// A report-style list view that shows an ordered list of records, one row each, and owns
// them: row n shows record n of its OrderedRecords, and each row's item data points to
// its record. A row is removed before its record is freed, so no row ever points at a
// freed record. Each column carries an identifier in its header item's data, so cells are
// found by what they show, not by position. Derived lists say how a record fills its
// row's cells.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "shared/list_column.h"
#include "shared/ordered_records.h"
#include "shared/record_delete.h"
#include "subclass.h"

namespace win32 {

template <class T>
class CRecordListView : public CSubclassed<CListView> {
  public:
    CRecordListView() = default;
    CRecordListView(const CRecordListView&) = delete;
    CRecordListView& operator=(const CRecordListView&) = delete;

    // Binds the list to the dialog's control and adds the extended styles to the ones it has.
    bool SubclassDlgItem(HWND dialog, int controlId, DWORD extendedStyles) {
        if (!Subclass(::GetDlgItem(dialog, controlId))) {
            return false;
        }
        SetExtendedListViewStyle(extendedStyles, GetExtendedListViewStyle() | extendedStyles);
        return true;
    }

    // Deletes every column (last to first), then inserts these, each tagged with its
    // identifier. The list view keeps its first column left-aligned whatever it is given;
    // the others take laterFormat.
    void SetupColumns(const std::vector<core::ListColumn>& columns, int laterFormat = LVCFMT_LEFT) {
        for (int column = GetHeader().GetItemCount() - 1; column >= 0; --column) {
            DeleteColumn(column);
        }
        cellColumns_.clear();
        for (size_t i = 0; i < columns.size(); ++i) {
            const int position = InsertColumn(static_cast<int>(i), columns[i].title,
                                              columns[i].width, i == 0 ? LVCFMT_LEFT : laterFormat);
            if (position >= 0) {
                GetHeader().SetItemParam(position, columns[i].id);
                cellColumns_.push_back(CellColumn{columns[i].id, position});
            }
        }
    }

    // Which row a fill leaves selected: the main lists show their first record, the
    // managers their last (as if each row had been appended and selected in turn).
    enum class SelectAfterFill { First, Last };

    // Removes every row (their records go with them), then shows the records in order
    // and selects one row. A record whose row cannot be inserted is freed.
    void FillRows(std::vector<std::unique_ptr<T>> records,
                  SelectAfterFill select = SelectAfterFill::First) {
        // One repaint for the whole list instead of one per row, and one selection: a
        // selection per row costs the list view a walk over its rows each time.
        SendMessage(WM_SETREDRAW, FALSE);
        DeleteAllRows();
        for (std::unique_ptr<T>& record : records) {
            InsertRow(std::move(record));
        }
        SendMessage(WM_SETREDRAW, TRUE);
        Invalidate(true);
        const int count = GetItemCount();
        if (count > 0) {
            const int row = select == SelectAfterFill::First ? 0 : count - 1;
            SelectItem(row);
            EnsureVisible(row);
        }
    }

    // Appends a row showing the record and selects it; returns its position, -1 when the
    // row could not be inserted (the record is then freed).
    int AppendRow(std::unique_ptr<T> record) {
        const int row = InsertRow(std::move(record));
        if (row >= 0) {
            SelectItem(row);
            EnsureVisible(row);
        }
        return row;
    }

    // Rewrites the row's cells from its record.
    void RefreshRow(int row) {
        if (const T* record = RecordAt(row)) {
            WriteCells(row, *record);
        }
    }

    // Removes the row, then frees its record.
    void RemoveRow(int row) { DeleteRowOf(records_.Remove(row), row); }

    // Removes every row, then frees every record.
    void DeleteAllRows() {
        DeleteAllItems();
        records_.Clear();
    }

    // The record the row shows; null when there is no such row, or the row does not
    // point at the record the list holds in its place.
    T* RecordAt(int row) const {
        T* record = records_.At(row);
        return record != nullptr && reinterpret_cast<T*>(GetItemData(row)) == record ? record
                                                                                     : nullptr;
    }
    // The row that shows the record; -1 when the list does not hold it.
    int RowOf(const T* record) const { return records_.RowOf(record); }
    std::vector<T*> RecordsInOrder() const { return records_.InOrder(); }
    int RowCount() const { return records_.Count(); }
    // The selected row, -1 when none is.
    int SelectedRow() const { return GetSelectedIndex(); }
    // With rows but none selected (a click hit empty space), the last row is selected.
    void SelectLastWhenNoneIs() {
        const int count = RowCount();
        if (SelectedRow() < 0 && count > 0) {
            SelectItem(count - 1);
            EnsureVisible(count - 1);
        }
    }

  protected:
    // Writes the row's cells from its record.
    virtual void WriteCells(int row, const T& record) = 0;
    // A mouse click's default handling; a click beside the rows clears the selection, and
    // the last row is selected again.
    LRESULT ClickKeepingSelection(UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = this->DefaultProc(message, wParam, lParam);
        SelectLastWhenNoneIs();
        return result;
    }
    // Sets every cell of the row that SetupColumns made: textOf(columnId) is its text.
    template <class CellText>
    void SetCellTexts(int row, CellText textOf) {
        for (const CellColumn& column : cellColumns_) {
            SetItemText(row, column.position, textOf(column.id));
        }
    }

    // The records in row order, for the core's commands on them. A command that takes a
    // record out hands it to DeleteRowOf.
    core::OrderedRecords<T>& Records() { return records_; }
    const core::OrderedRecords<T>& Records() const { return records_; }
    // Removes the row of a record already taken out of the list, then frees the record.
    void DeleteRowOf(std::unique_ptr<T> removed, int row) {
        if (removed) {
            DeleteItem(row);
        }
    }
    // Carries out a delete command's outcome: removes the deleted record's row, frees the
    // record and selects the row the command chose. False when nothing was deleted.
    bool ApplyDelete(core::DeleteOutcome<T> deleted) {
        if (!deleted.removed) {
            return false;
        }
        DeleteRowOf(std::move(deleted.removed), deleted.removedRow);
        if (deleted.rowToSelect >= 0) {
            SelectItem(deleted.rowToSelect);
            EnsureVisible(deleted.rowToSelect);
        }
        return true;
    }

  private:
    int InsertRow(std::unique_ptr<T> record) {
        if (!record) {
            return -1;
        }
        const int row = InsertItem(GetItemCount(), L"", reinterpret_cast<LPARAM>(record.get()));
        if (row < 0) {
            return -1;
        }
        // The list is never sorted: the row inserted at the end is the record appended.
        records_.Append(std::move(record));
        WriteCells(row, *records_.At(row));
        return row;
    }

    // Where each column of SetupColumns went, found once rather than for every cell.
    struct CellColumn {
        int id;
        int position;
    };
    std::vector<CellColumn> cellColumns_;
    core::OrderedRecords<T> records_;
};

}  // namespace win32
