// The delete command of a list of records, without the window: refuse when the list is
// empty or no row is selected, ask about the selected record, and on consent take it out
// of the list and say which row to select next. What each refusal and the question say
// is the list's own.
#pragma once

#include <memory>

#include "ordered_records.h"

namespace core {

enum class DeleteRefusalReason {
    EmptyList,
    NoSelection,
};

// The messages of one list's delete command.
template <class T>
class DeleteDialogue {
  public:
    virtual ~DeleteDialogue() = default;
    virtual void Refuse(DeleteRefusalReason reason) = 0;
    // Asks before the record is deleted (or refuses then, when the record may not go);
    // true to delete it.
    virtual bool Confirm(const T& record) = 0;
};

template <class T>
struct DeleteOutcome {
    // The deleted record, out of the list: the caller frees it once no row points at it.
    // Null when nothing was deleted.
    std::unique_ptr<T> removed;
    int removedRow = -1;
    // The row to select now; -1 for none.
    int rowToSelect = -1;
};

// The row to select after the row at deletedRow was removed and rowsLeft rows remain:
// the row now at the same position, the last row when the deleted one was last, -1 when
// no row is left.
inline int RowToSelectAfterDelete(int deletedRow, int rowsLeft) {
    if (rowsLeft <= 0) {
        return -1;
    }
    if (deletedRow < 0) {
        return 0;
    }
    return deletedRow < rowsLeft ? deletedRow : rowsLeft - 1;
}

// selectedRow is -1 (or out of range) when no row is selected.
template <class T>
DeleteOutcome<T> DeleteSelectedRecord(OrderedRecords<T>& records, int selectedRow,
                                      DeleteDialogue<T>& dialogue) {
    DeleteOutcome<T> outcome;
    if (records.Empty()) {
        dialogue.Refuse(DeleteRefusalReason::EmptyList);
        return outcome;
    }
    const T* selected = records.At(selectedRow);
    if (selected == nullptr) {
        dialogue.Refuse(DeleteRefusalReason::NoSelection);
        return outcome;
    }
    if (!dialogue.Confirm(*selected)) {
        return outcome;
    }
    outcome.removed = records.Remove(selectedRow);
    outcome.removedRow = selectedRow;
    outcome.rowToSelect = RowToSelectAfterDelete(selectedRow, records.Count());
    return outcome;
}

}  // namespace core
