// Events of converted entries whose action the current playout schedule no longer
// offers: the conversion sets them to "Wait command" and tells the operator which
// entries were affected.
#pragma once

#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "shared/action_info.h"
#include "shared/event_table.h"

namespace cuebell {

// For every entry name and every instance, the first event of the tool (its name begins
// with the tool prefix, case-sensitively) that carries the name without regard to case
// and whose attached action is not named like waitCommand gets waitCommand's code and
// action and an empty comment. Answers the names of the entries so changed, in entry
// order; changedTables (one flag per instance) tells which tables changed.
std::vector<std::wstring> CheckInvalidActions(const std::vector<std::wstring>& entryNames,
                                              const core::CActionInfo& waitCommand,
                                              core::PlayoutInstanceList* instances,
                                              std::vector<bool>* changedTables);

// The names as the message lists them: numbered when there are several, each ending in
// ";" and a line break; from five names on, the first three and "...". Otherwise the
// list ends in "." instead of the last ";".
std::wstring InvalidActionNameList(const std::vector<std::wstring>& names);

// The warning about the changed actions (no owner is needed: it is shown as it stands).
BoxMessage InvalidActionMessage(const std::vector<std::wstring>& names);

}  // namespace cuebell
