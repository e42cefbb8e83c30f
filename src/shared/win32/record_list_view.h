// A report-style list view that shows an ordered list of records, one row each, and owns
// them: row n shows record n of its OrderedRecords, and each row's item data points to
// its record. A row is removed before its record is freed, so no row ever points at a
// freed record. Each column carries an identifier in its header item's data, so cells are
// found by what they show, not by position.
//
// Every list works the same way; what differs comes from the core's description of the
// list (core::RecordListDescription): columns, cell texts, the boxes of Edit and Delete,
// and how its keys treat the row buttons. The Insert key and a double click post the add
// and edit requests to the dialog, so that the key press or click is finished before an
// editor opens; the dialog hands them back through TakeRequest. The Delete key runs the
// delete command at once. The dialog says what a new record is and how a record is edited.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "shared/record_list.h"
#include "subclass.h"

namespace win32 {

// The list's requests to its dialog, with the list's window as lParam. Above WM_APP, so
// that no number of the dialog manager (DM_SETDEFID, DM_REPOSITION) can be taken for one.
constexpr UINT kAddRecordRequest = WM_APP + 1;
constexpr UINT kEditRecordRequest = WM_APP + 2;

// What a record list needs from the dialog it lives in.
template <class T>
class RecordListOwner {
  public:
    virtual ~RecordListOwner() = default;
    // Add: the new record the operator confirmed in the editor; null when Add refused or
    // the operator cancelled.
    virtual std::unique_ptr<T> NewRecord() = 0;
    // Edit, once the list's refusals and question let it: true when the editor changed
    // the record.
    virtual bool EditRecord(T& record) = 0;
    // After a record was added, edited or deleted: what the dialog shows of the selection
    // follows (a delete of the last row changes no selection).
    virtual void RecordsChanged() {}
};

// The dialog's buttons of the list's commands (0: the dialog has none), and the buttons
// that are enabled exactly while the list has a row (none: the dialog never disables
// its buttons).
struct ListButtons {
    int add = 0;
    int edit = 0;
    int remove = 0;
    std::vector<int> needingRows;
};

template <class T>
class CRecordListView : public CSubclassed<CListView> {
  public:
    CRecordListView(core::RecordListDescription<T> description, core::MessageBoxPort& boxes,
                    RecordListOwner<T>& owner)
        : description_(std::move(description)), boxes_(boxes), owner_(owner) {}
    CRecordListView(const CRecordListView&) = delete;
    CRecordListView& operator=(const CRecordListView&) = delete;

    // Binds the list to the dialog's control, adds the extended styles to the ones it
    // has, and takes the dialog's buttons of its commands.
    bool Bind(HWND dialog, int controlId, DWORD extendedStyles, ListButtons buttons) {
        if (!Subclass(::GetDlgItem(dialog, controlId))) {
            return false;
        }
        SetExtendedListViewStyle(extendedStyles, GetExtendedListViewStyle() | extendedStyles);
        buttons_ = std::move(buttons);
        return true;
    }

    // Deletes every column (last to first), then inserts the description's columns for the
    // list's client width, each tagged with its identifier. The list view keeps its first
    // column left-aligned whatever it is given.
    void SetupColumns() {
        for (int column = GetHeader().GetItemCount() - 1; column >= 0; --column) {
            DeleteColumn(column);
        }
        cellColumns_.clear();
        const RECT client = GetClientRect();
        const std::vector<core::ListColumn> columns =
            description_.columns(client.right - client.left);
        const int laterFormat = description_.centreLaterColumns ? LVCFMT_CENTER : LVCFMT_LEFT;
        for (size_t i = 0; i < columns.size(); ++i) {
            const int position = InsertColumn(static_cast<int>(i), columns[i].title,
                                              columns[i].width, i == 0 ? LVCFMT_LEFT : laterFormat);
            if (position >= 0) {
                GetHeader().SetItemParam(position, columns[i].id);
                cellColumns_.push_back(CellColumn{columns[i].id, position});
            }
        }
    }

    // Removes every row (their records go with them), then shows the records in order,
    // selects the first or the last row as the description says, and refreshes the row
    // buttons. A record whose row cannot be inserted is freed.
    void FillRows(std::vector<std::unique_ptr<T>> records) {
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
            SelectRow(description_.selectLastAfterFill ? count - 1 : 0);
        }
        RefreshButtons();
    }

    // The Add command (the Add button): the owner's new record becomes the selected last
    // row; the row buttons follow.
    void Add() {
        AddRecord();
        RefreshButtons();
    }
    // The Edit command (the Edit button, a double click): refusals and question, then the
    // owner's editor; an edited row shows its record anew.
    void Edit() {
        const int row = SelectedRow();
        T* record =
            core::RecordToEdit(records_, row, description_, boxes_, OwnerOfBoxes(GetParent()));
        if (record != nullptr && owner_.EditRecord(*record)) {
            RefreshRow(row);
            owner_.RecordsChanged();
        }
    }
    // The Delete command (the Delete button): refusals and question, then the selected
    // record goes and the row that takes its place is selected; the row buttons follow.
    void Delete() {
        DeleteSelected();
        RefreshButtons();
    }

    // Carries out the command of the dialog's button; false when the button is none of
    // the list's.
    bool TakeCommand(int buttonId) {
        if (buttonId == 0) {
            return false;
        }
        if (buttonId == buttons_.add) {
            Add();
        } else if (buttonId == buttons_.edit) {
            Edit();
        } else if (buttonId == buttons_.remove) {
            Delete();
        } else {
            return false;
        }
        return true;
    }

    // Carries out the list's request if the message is one (from this list); false
    // when it is not.
    bool TakeRequest(UINT message, LPARAM lParam) {
        if ((message != kAddRecordRequest && message != kEditRecordRequest) ||
            reinterpret_cast<HWND>(lParam) != GetHwnd() || GetHwnd() == nullptr) {
            return false;
        }
        if (message == kEditRecordRequest) {
            Edit();
        } else {
            AddRecord();
            if (description_.insertKeyRefreshesButtons) {
                RefreshButtons();
            }
        }
        return true;
    }

    // Rewrites the row's cells from its record.
    void RefreshRow(int row) {
        if (const T* record = RecordAt(row)) {
            WriteCells(row, *record);
        }
    }

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
    std::vector<T*> RecordsInOrder() const { return records_.InOrder(); }
    int RowCount() const { return records_.Count(); }
    // The selected row, -1 when none is.
    int SelectedRow() const { return GetSelectedIndex(); }
    // True while a box of the delete command is open.
    bool DeleteBoxOpen() const { return deleteBoxOpen_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_KEYDOWN:
                if (wParam == VK_INSERT) {
                    PostRequest(kAddRecordRequest);
                } else if (wParam == VK_DELETE) {
                    DeleteSelected();
                    if (description_.deleteKeyRefreshesButtons) {
                        RefreshButtons();
                    }
                }
                break;
            case WM_LBUTTONDOWN:
                return Click(message, wParam, lParam);
            case WM_LBUTTONDBLCLK: {
                // Also beside the rows: Edit then refuses what it must.
                const LRESULT result = Click(message, wParam, lParam);
                PostRequest(kEditRecordRequest);
                return result;
            }
            default:
                break;
        }
        return DefaultProc(message, wParam, lParam);
    }
    // After a row was deleted (a derived list's own follow-up).
    virtual void OnRowDeleted() {}

  private:
    static core::WindowHandle OwnerOfBoxes(HWND window) {
        return reinterpret_cast<core::WindowHandle>(window);
    }

    void PostRequest(UINT request) {
        ::PostMessageW(GetParent(), request, 0, reinterpret_cast<LPARAM>(GetHwnd()));
    }

    // A mouse click's default handling; where the description says so, a click beside
    // the rows, which clears the selection, selects the last row again.
    LRESULT Click(UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        const int count = RowCount();
        if (description_.clickKeepsSelection && SelectedRow() < 0 && count > 0) {
            SelectRow(count - 1);
        }
        return result;
    }

    void AddRecord() {
        std::unique_ptr<T> record = owner_.NewRecord();
        if (record && InsertRow(std::move(record)) >= 0) {
            SelectRow(RowCount() - 1);
            owner_.RecordsChanged();
        }
    }

    // The delete command; its boxes are owned by the list.
    void DeleteSelected() {
        core::DeleteOutcome<T> deleted = core::DeleteSelectedRecord(
            records_, SelectedRow(), description_, boxes_, OwnerOfBoxes(GetHwnd()),
            [this](bool open) { deleteBoxOpen_ = open; });
        if (!deleted.removed) {
            return;
        }
        DeleteItem(deleted.removedRow);
        deleted.removed.reset();
        if (deleted.rowToSelect >= 0) {
            SelectRow(deleted.rowToSelect);
        }
        OnRowDeleted();
        owner_.RecordsChanged();
    }

    void RefreshButtons() {
        const BOOL enabled = core::RowButtonsEnabled(RowCount()) ? TRUE : FALSE;
        for (int id : buttons_.needingRows) {
            ::EnableWindow(::GetDlgItem(GetParent(), id), enabled);
        }
    }

    void SelectRow(int row) {
        SelectItem(row);
        EnsureVisible(row);
    }

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

    void WriteCells(int row, const T& record) {
        for (const CellColumn& column : cellColumns_) {
            SetItemText(row, column.position, description_.cellText(record, column.id));
        }
    }

    // Where each column of SetupColumns went, found once rather than for every cell.
    struct CellColumn {
        int id;
        int position;
    };
    const core::RecordListDescription<T> description_;
    core::MessageBoxPort& boxes_;
    RecordListOwner<T>& owner_;
    ListButtons buttons_;
    std::vector<CellColumn> cellColumns_;
    core::OrderedRecords<T> records_;
    bool deleteBoxOpen_ = false;
};

}  // namespace win32
