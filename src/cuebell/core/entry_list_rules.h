// The main dialog's detection entry list, without the window: its description (the
// columns Name, Action and Comment and the boxes of Edit and Delete in Cuebell's words),
// the names an edited entry must differ from, and what Add shows when it refuses.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/model/records.h"
#include "shared/named_action_list.h"

namespace cuebell {

// The entries of the list, one per row, in save order.
using EntryRecords = core::OrderedRecords<GpiInfo>;

using core::kActionColumn;
using core::kCommentColumn;
using core::kNameColumn;

// Edit refuses IDS_ENTRY_LIST_EMPTY and IDS_NO_ENTRY_SELECTED_TO_EDIT (caption
// IDS_EDIT_ENTRY_TITLE); Delete refuses IDS_ENTRY_LIST_EMPTY and
// IDS_NO_ENTRY_SELECTED_TO_DELETE and asks IDS_CONFIRM_DELETE_ENTRY with the entry's name
// (caption IDS_DELETE_ENTRY_CAPTION).
// Deliberately, the Delete and Insert keys of this list leave the row buttons as they
// are: only the "Add..." and "Delete" buttons refresh them. A click beside the rows
// leaves no row selected.
const core::RecordListDescription<GpiInfo>& EntryListDescription();

// The names of the entries in list order, without the one excluded (if any): the names
// the entry editor checks a new or changed name against.
inline std::vector<std::wstring> EntryNames(const EntryRefs& entries,
                                            const GpiInfo* excluded = nullptr) {
    return core::RecordNames(entries, excluded);
}

// Add: IDS_NO_SAMPLES without samples (checked first), IDS_NO_DEVICES without devices
// (caption IDS_ADD_ENTRY_CAPTION, error icon).
std::optional<BoxMessage> AddRefusal(const SampleList& samples, const DeviceList& devices);

}  // namespace cuebell
