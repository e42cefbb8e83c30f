// Cuebell's table of finding kinds: every kind the configuration check reports, in the
// order the list shows them within a severity (errors, then warnings, then notes).
#pragma once

#include "shared/config_check.h"

namespace cuebell {
namespace findings {

enum Kind : int {
    // Errors.
    FileMissing,
    FileUnreadable,
    FileTooShort,
    OffsetPastFile,
    DeviceNotAnInput,
    RateNotOffered,
    DeviceNameTwins,
    EntryNameTwins,
    BoardWithoutInstance,
    NoPlayoutInstance,
    // Warnings.
    SameDeviceSameFile,
    IntervalTooLong,
    EventsWithoutEntry,
    UnparsedRecords,
    BoardByDefault,
    DelayBelowOffset,
    DelayTooLong,
    ThresholdTooHigh,
    DigitNotOffered,
    GeneralOutOfRange,
    // Notes.
    TableUnreadable,
    UnusedSample,
    UnusedDevice,
    UnusedDeviceOffBoard,
    KindCount
};

// Indexed by Kind.
extern const core::FindingKind kKinds[KindCount];

}  // namespace findings

// The check's common texts from Cuebell's string table.
core::CheckTexts CuebellCheckTexts();

}  // namespace cuebell
