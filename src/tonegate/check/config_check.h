// Tonegate's configuration check: every finding about the signals as they stand in the
// main dialog (unsaved edits included) that would miss or double a detection on air,
// computed from the signals, the boards and the playout instances.
#pragma once

#include "shared/boards.h"
#include "shared/config_check.h"
#include "shared/event_table.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

// What the check looks at. Record references in the findings are positions in these
// lists: RecordKind::Signal in signals (list order), Instance in instances.
struct TonegateConfiguration {
    const SignalRefs& signals;  // null signals are passed over
    const core::StringList& boards;
    const core::PlayoutInstanceList& instances;
};

// The findings, sorted for the list (core::SortFindings).
core::FindingList CheckTonegateConfiguration(const TonegateConfiguration& configuration);

}  // namespace tonegate
