// Tonegate's side of the playout event tables: every signal is one event, named like the
// signal, in each playout instance on the board its device name ends in. At start-up the
// signals take their action and comment from the tables, and copies that sit on the
// wrong board or repeat are removed (each removal announced with the one merge message);
// at save the tables are rebuilt from the signals, followed by the events of other owners.
#pragma once

#include <cstdint>
#include <vector>

#include "shared/action_info.h"
#include "shared/event_table.h"
#include "shared/message_box_port.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

// The board of the signal: the trailing digits of its device name; -1 when there are none.
int32_t SignalBoard(const CDTMFTaskInfo& signal);

// Matches the signals, in order, with the events of the instances on their board: the
// first instance holding a signal's event gives it its action and comment, later ones are
// brought into line with it; repeated and misplaced events are removed, each after
// IDS_EVENT_REMOVED under IDS_SET_PLAYOUT_INFO_CAPTION (warning icon), owned by owner.
void MergeSignalsWithTables(core::MessageBoxPort& boxes, core::WindowHandle owner,
                            const std::vector<CDTMFTaskInfo*>& signals,
                            core::PlayoutInstanceList* instances, const core::ActionList& actions);

// Replaces every instance's Events with one event per signal on the instance's board, in
// signal order, followed by the instance's ForeignEvents.
void RebuildEventTables(const SignalRefs& signals, core::PlayoutInstanceList* instances);

}  // namespace tonegate
