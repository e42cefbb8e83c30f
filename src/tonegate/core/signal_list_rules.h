// The rules of the main dialog's signal list that need no window: its columns and cell
// texts, what the Edit command shows when it refuses, the Delete command with its
// question, and the description that follows the selection after an edit or a delete.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shared/box_message.h"
#include "shared/list_column.h"
#include "shared/message_box_port.h"
#include "shared/ordered_records.h"
#include "shared/record_delete.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

// The signals of the list, one per row, in save order.
using SignalRecords = core::OrderedRecords<CDTMFTaskInfo>;

// Column identifiers, kept in each header item's data (their positions plus one).
constexpr int kNameColumn = 1;
constexpr int kActionColumn = 2;
constexpr int kCommentColumn = 3;

using SignalListColumn = core::ListColumn;

// The three columns in their order; the comment column takes the client width less the
// 250 pixels of the other two (never less than 0).
std::vector<SignalListColumn> SignalListColumns(int listClientWidth);

// The text of the signal's cell in the column; empty for an unknown column.
std::wstring SignalCellText(const CDTMFTaskInfo& signal, int columnId);

// The names of the signals in list order, without the one excluded (if any): the names
// the signal editor checks a new or changed name against.
std::vector<std::wstring> SignalNames(const SignalRecords& signals,
                                      const CDTMFTaskInfo* excluded = nullptr);

// selectedRow is -1 (or out of range) when no row is selected.
// Edit: IDS_SIGNAL_LIST_EMPTY for an empty list, IDS_NO_SIGNAL_SELECTED_TO_EDIT without a
// selection (caption IDS_EDIT_SIGNAL_CAPTION, warning icon).
std::optional<core::BoxMessage> EditRefusal(int rowCount, int selectedRow);

// The question before a delete: IDS_CONFIRM_DELETE_SIGNAL with the name, under
// IDS_DELETE_SIGNAL_CAPTION, question icon, Yes and No.
core::BoxMessage DeleteConfirmation(const std::wstring& signalName);

// The Delete command (the "Delete" button and the Delete key): refuses an empty list or a
// list without a selection (warning icon), otherwise asks; on Yes the signal leaves the
// list and the outcome says which row to select. Every box is owned by owner.
core::DeleteOutcome<CDTMFTaskInfo> DeleteSelectedSignal(SignalRecords& signals, int selectedRow,
                                                        core::MessageBoxPort& boxes,
                                                        core::WindowHandle owner);

// The description to show with the row selected (after an edit, or the outcome's row
// after a delete); empty when no row is selected.
std::wstring DescriptionOfRow(const SignalRecords& signals, int selectedRow);

}  // namespace tonegate
