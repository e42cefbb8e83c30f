// The main dialog's signal list, without the window: its description (the columns Name,
// Action and Comment and the boxes of Edit and Delete in Tonegate's words) and the names an
// edited signal must differ from.
#pragma once

#include <string>
#include <vector>

#include "shared/named_action_list.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

// The signals of the list, one per row, in save order.
using SignalRecords = core::OrderedRecords<CDTMFTaskInfo>;

using core::kActionColumn;
using core::kCommentColumn;
using core::kNameColumn;

// Edit refuses IDS_SIGNAL_LIST_EMPTY and IDS_NO_SIGNAL_SELECTED_TO_EDIT (caption
// IDS_EDIT_SIGNAL_CAPTION); Delete refuses IDS_SIGNAL_LIST_EMPTY and
// IDS_NO_SIGNAL_SELECTED_TO_DELETE and asks IDS_CONFIRM_DELETE_SIGNAL with the name
// (caption IDS_DELETE_SIGNAL_CAPTION).
const core::RecordListDescription<CDTMFTaskInfo>& SignalListDescription();

// The names of the signals in list order, without the one excluded (if any): the names
// the signal editor checks a new or changed name against.
std::vector<std::wstring> SignalNames(const SignalRecords& signals,
                                      const CDTMFTaskInfo* excluded = nullptr);

}  // namespace tonegate
