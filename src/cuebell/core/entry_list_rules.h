// The rules of the main dialog's detection entry list that need no window: its columns
// and cell texts, when the entry buttons are enabled, what the Add and Edit commands show
// when they refuse, and the Delete command itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/model/records.h"
#include "shared/list_column.h"
#include "shared/ordered_records.h"
#include "shared/record_delete.h"

namespace cuebell {

// The entries of the list, one per row, in save order.
using EntryRecords = core::OrderedRecords<GpiInfo>;

// Column identifiers, kept in each header item's data.
constexpr int kNameColumn = 1;
constexpr int kActionColumn = 2;
constexpr int kCommentColumn = 3;

using EntryListColumn = core::ListColumn;

// The three columns in their order; the comment column takes the client width less
// the 250 pixels of the other two (never less than 0).
std::vector<EntryListColumn> EntryListColumns(int listClientWidth);

// The text of the entry's cell in the column; empty for an unknown column.
std::wstring EntryCellText(const GpiInfo& entry, int columnId);

// The names of the entries in list order, without the one excluded (if any): the names
// the entry editor checks a new or changed name against.
std::vector<std::wstring> EntryNames(const EntryRefs& entries, const GpiInfo* excluded = nullptr);

// The label above the description and the "Edit..." and "Delete" buttons are enabled
// exactly when the list has a row.
bool EntryButtonsEnabled(int rowCount);

// Told while the delete confirmation is open: the main dialog keeps its About box (F1)
// away from the question meanwhile.
class ConfirmationFlag {
  public:
    virtual ~ConfirmationFlag() = default;
    // 1 when the question opens, 0 when it closes.
    virtual void SetConfirmationOpen(int open) = 0;
};

// The Delete command (the "Delete" button and the Delete key): refuses an empty list
// (IDS_ENTRY_LIST_EMPTY) or a list without a selection (IDS_NO_ENTRY_SELECTED_TO_DELETE),
// otherwise asks IDS_CONFIRM_DELETE_ENTRY with the entry's name, with the flag set while
// the question is open; on Yes the entry leaves the list. Every box is owned by owner.
core::DeleteOutcome<GpiInfo> DeleteSelectedEntry(EntryRecords& entries, int selectedRow,
                                                 core::MessageBoxPort& boxes,
                                                 core::WindowHandle owner, ConfirmationFlag& flag);
// The question before a delete: IDS_CONFIRM_DELETE_ENTRY with the name, under
// IDS_DELETE_ENTRY_CAPTION, question icon, Yes and No.
BoxMessage DeleteConfirmation(const std::wstring& entryName);
// Add: 10082 without samples (checked first), 10081 without devices (caption 10080,
// error icon).
std::optional<BoxMessage> AddRefusal(const SampleList& samples, const DeviceList& devices);
// selectedRow is -1 (or out of range) when no row is selected.
// Edit: 10061 for an empty list, 10062 without a selection (caption 10045, warning).
std::optional<BoxMessage> EditRefusal(int rowCount, int selectedRow);

}  // namespace cuebell
