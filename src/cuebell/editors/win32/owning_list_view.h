// A report list view that owns one record per row, in row order: row i shows records_[i]
// (also kept as the row's item data), so finding a row's record takes no search. Rows
// are appended at the end and removed anywhere; the header is not clickable, so the
// order never changes behind the records' back. A derived list says how a record fills
// its cells.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "shared/win32/controls.h"
#include "shared/win32/subclass.h"

namespace cuebell {

struct ListViewColumn {
    int id;  // kept in the header item's data: cells are written by identifier
    std::wstring title;
    int width;   // pixels
    int format;  // LVCFMT_LEFT, LVCFMT_CENTER, ...
};

template <class Record>
class COwningListView : public win32::CSubclassed<win32::CListView> {
  public:
    COwningListView() = default;
    COwningListView(const COwningListView&) = delete;
    COwningListView& operator=(const COwningListView&) = delete;

    // Deletes every column (last to first), then inserts these, each tagged with its id.
    void SetupColumns(const std::vector<ListViewColumn>& columns) {
        for (int column = GetHeader().GetItemCount() - 1; column >= 0; --column) {
            DeleteColumn(column);
        }
        for (size_t i = 0; i < columns.size(); ++i) {
            const int position = InsertColumn(static_cast<int>(i), columns[i].title,
                                              columns[i].width, columns[i].format);
            if (position >= 0) {
                GetHeader().SetItemParam(position, columns[i].id);
            }
        }
    }

    // Position of the column tagged with the identifier; -1 when there is none.
    int FindColumn(int columnId) const {
        const win32::CHeader header = GetHeader();
        for (int position = 0; position < header.GetItemCount(); ++position) {
            LPARAM tag = 0;
            if (header.GetItemParam(position, &tag) && tag == columnId) {
                return position;
            }
        }
        return -1;
    }

    // Appends a row showing the record and selects it; -1 (the record freed) when the
    // row cannot be inserted.
    int AppendRow(std::unique_ptr<Record> record) {
        if (!record) {
            return -1;
        }
        const int row = InsertItem(RowCount(), L"", reinterpret_cast<LPARAM>(record.get()));
        if (row != RowCount()) {
            if (row >= 0) {
                DeleteItem(row);  // rows and records must stay in step
            }
            return -1;
        }
        records_.push_back(std::move(record));
        RefreshRow(row);
        SelectItem(row);
        EnsureVisible(row);
        return row;
    }

    // Rewrites the row's cells from its record.
    void RefreshRow(int row) {
        const Record* record = RecordAt(row);
        if (!record) {
            return;
        }
        const win32::CHeader header = GetHeader();
        for (int position = 0; position < header.GetItemCount(); ++position) {
            LPARAM columnId = 0;
            if (header.GetItemParam(position, &columnId)) {
                SetItemText(row, position, CellText(*record, static_cast<int>(columnId)));
            }
        }
    }

    // Removes the row and frees its record.
    void RemoveRow(int row) {
        if (RecordAt(row) && DeleteItem(row)) {
            records_.erase(records_.begin() + row);
        }
    }

    // Removes every row and frees every record.
    void RemoveAllRows() {
        DeleteAllItems();
        records_.clear();
    }

    int RowCount() const { return static_cast<int>(records_.size()); }
    // The row's record; null when there is no such row.
    Record* RecordAt(int row) const {
        return row >= 0 && row < RowCount() ? records_[static_cast<size_t>(row)].get() : nullptr;
    }
    // The records in row order.
    std::vector<const Record*> Records() const {
        std::vector<const Record*> records;
        for (const auto& record : records_) {
            records.push_back(record.get());
        }
        return records;
    }
    // The selected row, -1 when none is.
    int SelectedRow() const { return GetSelectedIndex(); }

  protected:
    // The text of the record's cell in the column with this identifier.
    virtual std::wstring CellText(const Record& record, int columnId) const = 0;

  private:
    std::vector<std::unique_ptr<Record>> records_;
};

}  // namespace cuebell
