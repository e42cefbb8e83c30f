// What makes one record list unlike another, as the core composes it: its columns and
// cell texts, the boxes of its Edit and Delete commands, and how its keys and clicks
// treat the dialog's row buttons and the selection. The list view does everything else
// the same way for every list; the Edit and Delete commands below need no window.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "box_message.h"
#include "list_column.h"
#include "ordered_records.h"
#include "record_delete.h"

namespace core {

template <class T>
struct RecordListDescription {
    // The columns in their order, for the list's client width in pixels.
    std::function<std::vector<ListColumn>(int listClientWidth)> columns;
    // The first column is always left-aligned; the others are centred when this is set.
    bool centreLaterColumns = false;
    // The text of the record's cell in the column; empty for an unknown column.
    std::function<std::wstring(const T& record, int columnId)> cellText;
    // A fill selects the first row, or the last (as if each row had been appended).
    bool selectLastAfterFill = false;
    // A click beside the rows selects the last row again instead of leaving none selected.
    bool clickKeepsSelection = true;

    // Edit refuses an empty list, then a list without a selection; it then asks this
    // question about the selected record, if any, and opens the editor only on Yes.
    BoxMessage editEmpty;
    BoxMessage editNoSelection;
    std::function<std::optional<BoxMessage>(const T& record)> editQuestion;
    // Delete refuses an empty list, then a list without a selection, then a record that
    // may not go (deleteRefusal, if any); it then asks deleteQuestion.
    BoxMessage deleteEmpty;
    BoxMessage deleteNoSelection;
    std::function<std::optional<BoxMessage>(const T& record)> deleteRefusal;
    std::function<BoxMessage(const T& record)> deleteQuestion;

    // Whether the Delete key and the Insert key refresh the row buttons as the Delete and
    // Add buttons always do.
    bool deleteKeyRefreshesButtons = true;
    bool insertKeyRefreshesButtons = true;
};

// The row buttons (Edit, Delete and what goes with them) are enabled exactly when the
// list has a row.
inline bool RowButtonsEnabled(int rowCount) {
    return rowCount > 0;
}

// The refusal of the list as it stands: emptyList without rows, noSelection without a
// selected row; none when a row is selected.
inline std::optional<BoxMessage> ListRefusal(int rowCount, int selectedRow,
                                             const BoxMessage& emptyList,
                                             const BoxMessage& noSelection) {
    if (rowCount <= 0) {
        return emptyList;
    }
    if (selectedRow < 0 || selectedRow >= rowCount) {
        return noSelection;
    }
    return std::nullopt;
}

template <class T>
std::optional<BoxMessage> EditRefusal(const RecordListDescription<T>& list, int rowCount,
                                      int selectedRow) {
    return ListRefusal(rowCount, selectedRow, list.editEmpty, list.editNoSelection);
}

template <class T>
std::optional<BoxMessage> DeleteRefusal(const RecordListDescription<T>& list, int rowCount,
                                        int selectedRow) {
    return ListRefusal(rowCount, selectedRow, list.deleteEmpty, list.deleteNoSelection);
}

// The Edit command up to the editor: shows its refusal or asks its question; the record
// the editor may open on, null when it may not. Every box is owned by owner.
template <class T>
T* RecordToEdit(const OrderedRecords<T>& records, int selectedRow,
                const RecordListDescription<T>& list, MessageBoxPort& boxes, WindowHandle owner) {
    if (const auto refusal = EditRefusal(list, records.Count(), selectedRow)) {
        ShowBoxMessage(boxes, owner, *refusal);
        return nullptr;
    }
    T* record = records.At(selectedRow);
    if (list.editQuestion) {
        if (const auto question = list.editQuestion(*record)) {
            return ShowBoxMessage(boxes, owner, *question) == kIdYes ? record : nullptr;
        }
    }
    return record;
}

// The Delete command's boxes as the description words them. boxOpen, if given, is told
// true before each box and false after it: the main dialogs keep their About box away
// from a delete box meanwhile.
template <class T>
class DescribedDeleteDialogue : public DeleteDialogue<T> {
  public:
    DescribedDeleteDialogue(const RecordListDescription<T>& list, MessageBoxPort& boxes,
                            WindowHandle owner, std::function<void(bool)> boxOpen)
        : list_(list), boxes_(boxes), owner_(owner), boxOpen_(std::move(boxOpen)) {}

    void Refuse(DeleteRefusalReason reason) override {
        Show(reason == DeleteRefusalReason::EmptyList ? list_.deleteEmpty
                                                      : list_.deleteNoSelection);
    }

    bool Confirm(const T& record) override {
        if (list_.deleteRefusal) {
            if (const auto refusal = list_.deleteRefusal(record)) {
                Show(*refusal);
                return false;
            }
        }
        return Show(list_.deleteQuestion(record)) == kIdYes;
    }

  private:
    int Show(const BoxMessage& message) {
        if (boxOpen_) {
            boxOpen_(true);
        }
        const int answer = ShowBoxMessage(boxes_, owner_, message);
        if (boxOpen_) {
            boxOpen_(false);
        }
        return answer;
    }

    const RecordListDescription<T>& list_;
    MessageBoxPort& boxes_;
    WindowHandle owner_;
    std::function<void(bool)> boxOpen_;
};

// The Delete command: refuses or asks as the description says, and on Yes takes the
// selected record out of the list (see DeleteSelectedRecord).
template <class T>
DeleteOutcome<T> DeleteSelectedRecord(OrderedRecords<T>& records, int selectedRow,
                                      const RecordListDescription<T>& list, MessageBoxPort& boxes,
                                      WindowHandle owner,
                                      std::function<void(bool)> boxOpen = nullptr) {
    DescribedDeleteDialogue<T> dialogue(list, boxes, owner, std::move(boxOpen));
    return DeleteSelectedRecord(records, selectedRow, dialogue);
}

// The names of the records in list order, without the one excluded (if any): the names a
// new or changed record's name must differ from.
template <class T>
std::vector<std::wstring> RecordNames(const std::vector<T*>& records, const T* excluded = nullptr) {
    std::vector<std::wstring> names;
    for (const T* record : records) {
        if (record != nullptr && record != excluded) {
            names.push_back(record->Name);
        }
    }
    return names;
}

}  // namespace core
