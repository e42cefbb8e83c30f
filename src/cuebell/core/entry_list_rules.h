// The rules of the main dialog's detection entry list that need no window: its columns
// and cell texts, which row to select after a delete, when the entry buttons are
// enabled, and what the Add, Edit and Delete commands show when they refuse or ask.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/model/records.h"

namespace cuebell {

// Column identifiers, kept in each header item's data.
constexpr int kNameColumn = 1;
constexpr int kActionColumn = 2;
constexpr int kCommentColumn = 3;

struct EntryListColumn {
    int id;
    std::wstring title;
    int width;  // pixels
};

// The three columns in their order; the comment column takes the client width less
// the 250 pixels of the other two (never less than 0).
std::vector<EntryListColumn> EntryListColumns(int listClientWidth);

// The text of the entry's cell in the column; empty for an unknown column.
std::wstring EntryCellText(const GpiInfo& entry, int columnId);

// The names of the entries in list order, without the one excluded (if any): the names
// the entry editor checks a new or changed name against.
std::vector<std::wstring> EntryNames(const EntryRefs& entries, const GpiInfo* excluded = nullptr);

// The row to select after the row at deletedRow was removed and rowsLeft rows remain:
// the row now at the same position, the last row when the deleted one was last, -1
// when no row is left.
int RowToSelectAfterDelete(int deletedRow, int rowsLeft);

// The label above the description and the "Edit..." and "Delete" buttons are enabled
// exactly when the list has a row.
bool EntryButtonsEnabled(int rowCount);

// selectedRow is -1 (or out of range) when no row is selected.
// Delete: 10061 for an empty list, 10064 without a selection (caption 10063, warning).
std::optional<BoxMessage> DeleteRefusal(int rowCount, int selectedRow);
// The question before a delete: 10065 with the name, caption 10063, question, Yes/No.
BoxMessage DeleteConfirmation(const std::wstring& entryName);
// Add: 10082 without samples (checked first), 10081 without devices (caption 10080,
// error icon).
std::optional<BoxMessage> AddRefusal(const SampleList& samples, const DeviceList& devices);
// Edit: 10061 for an empty list, 10062 without a selection (caption 10045, warning).
std::optional<BoxMessage> EditRefusal(int rowCount, int selectedRow);

}  // namespace cuebell
