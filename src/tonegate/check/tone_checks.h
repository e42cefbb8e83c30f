// What Tonegate's checks share while one check runs, and the checks on the cue tones
// themselves: signals that hear the same tones on one input, symbols that begin another
// signal's, symbols shorter than receivers must detect, and repeats that receivers bridge.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "shared/config_check.h"
#include "tonegate/check/config_check.h"
#include "tonegate/check/finding_kinds.h"

namespace tonegate {

struct SignalChecks {
    const TonegateConfiguration& config;
    const core::FindingMaker& maker;
    core::FindingList* findings;

    // A finding on one signal (where: its name).
    void Add(findings::Kind kind, size_t signal, std::initializer_list<core::FormatArg> args) const;
    // A finding on a group of signals (where: their names).
    void AddGroup(findings::Kind kind, const std::vector<int>& signals,
                  std::initializer_list<core::FormatArg> args) const;
};

// Receivers must detect tones of this length (ITU-T Q.24) ...
inline constexpr int32_t kReceiverMustDetectMs = 40;
// ... and reject shorter ones than this.
inline constexpr int32_t kReceiverRejectsMs = 23;
// Receivers bridge interruptions of up to this length, so a repeated symbol needs a longer gap.
inline constexpr int32_t kReceiverBridgesMs = 10;

void CheckTones(const SignalChecks& checks);

}  // namespace tonegate
