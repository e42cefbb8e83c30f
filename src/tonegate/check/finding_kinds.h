// Tonegate's table of finding kinds: every kind the configuration check reports, in the
// order the list shows them within a severity (errors, then warnings, then notes).
#pragma once

#include "shared/config_check.h"

namespace tonegate {
namespace findings {

enum Kind : int {
    // Errors.
    SignalNotAnInput,
    SignalNameTwins,
    BoardWithoutInstance,
    NoPlayoutInstance,
    SameTones,
    // Warnings.
    SymbolsBeginAnother,
    RejectedSymbol,
    ShortSymbol,
    RepeatBridged,
    EventsWithoutSignal,
    UnparsedRecords,
    BoardByDefault,
    TimingNotANumber,
    TimingOutOfRange,
    SymbolsNotKept,
    // Notes.
    TableUnreadable,
    KindCount
};

// Indexed by Kind.
extern const core::FindingKind kKinds[KindCount];

}  // namespace findings

// The check's common texts from Tonegate's string table.
core::CheckTexts TonegateCheckTexts();

}  // namespace tonegate
