#include "tonegate/check/tone_checks.h"

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>
#include <unordered_map>

#include "shared/reg_values.h"

namespace tonegate {

namespace {

struct Timing {
    int64_t symbol;
    int64_t gap;
    int64_t deviation;
};

Timing TimingOf(const CDTMFTaskInfo& signal) {
    return Timing{core::ParseLeadingInt(signal.SymbolDuration),
                  core::ParseLeadingInt(signal.GapDuration),
                  core::ParseLeadingInt(signal.Deviation)};
}

// "left" and "right" are apart; "stereo" and "stereo inverse" hear both.
bool HearSameTones(int32_t a, int32_t b) {
    return !((a == kAnalysisLeft && b == kAnalysisRight) ||
             (a == kAnalysisRight && b == kAnalysisLeft));
}

// Symbol and gap durations, each widened by both deviations, overlap.
bool TimingOverlaps(const Timing& a, const Timing& b) {
    const int64_t slack = a.deviation + b.deviation;
    return std::llabs(a.symbol - b.symbol) <= slack && std::llabs(a.gap - b.gap) <= slack;
}

// The input and the symbols a signal listens for, as a key.
std::wstring ToneKey(const CDTMFTaskInfo& signal, const std::wstring& symbols) {
    return core::FoldedKey(signal.DeviceName) + L'|' + core::FoldedKey(symbols);
}

// Disjoint sets of positions 0 to count - 1.
class Components {
  public:
    explicit Components(size_t count) : parent_(count) {
        std::iota(parent_.begin(), parent_.end(), size_t{0});
    }
    size_t Root(size_t i) {
        while (parent_[i] != i) {
            parent_[i] = parent_[parent_[i]];
            i = parent_[i];
        }
        return i;
    }
    void Join(size_t a, size_t b) { parent_[Root(a)] = Root(b); }

  private:
    std::vector<size_t> parent_;
};

// Signals on one input listening for the same symbols: those whose channels hear the same
// tones with overlapping timing are one finding. Signals alike in channel and timing are
// compared once, so only their distinct settings are compared in pairs.
void CheckSameTones(const SignalChecks& checks, const std::vector<int>& group) {
    const SignalRefs& signals = checks.config.signals;
    // Positions within the group from here on.
    std::vector<size_t> distinct;
    std::unordered_map<std::wstring, size_t> firstOfSetting;
    Components components(group.size());
    for (size_t i = 0; i < group.size(); ++i) {
        const CDTMFTaskInfo& signal = *signals[static_cast<size_t>(group[i])];
        const Timing t = TimingOf(signal);
        const std::wstring setting = std::to_wstring(signal.AnalysisType) + L' ' +
                                     std::to_wstring(t.symbol) + L' ' + std::to_wstring(t.gap) +
                                     L' ' + std::to_wstring(t.deviation);
        const auto inserted = firstOfSetting.emplace(setting, i);
        if (inserted.second) {
            distinct.push_back(i);
        } else {
            components.Join(i, inserted.first->second);
        }
    }
    for (size_t i = 0; i < distinct.size(); ++i) {
        const CDTMFTaskInfo& a = *signals[static_cast<size_t>(group[distinct[i]])];
        for (size_t j = i + 1; j < distinct.size(); ++j) {
            const CDTMFTaskInfo& b = *signals[static_cast<size_t>(group[distinct[j]])];
            if (HearSameTones(a.AnalysisType, b.AnalysisType) &&
                TimingOverlaps(TimingOf(a), TimingOf(b))) {
                components.Join(distinct[i], distinct[j]);
            }
        }
    }
    const auto parts = core::GroupByKey(group.size(), [&](size_t i, std::wstring* key) {
        *key = std::to_wstring(components.Root(i));
        return true;
    });
    for (const std::vector<int>& part : parts) {
        if (part.size() < 2) {
            continue;
        }
        std::vector<int> members;
        for (int i : part) {
            members.push_back(group[static_cast<size_t>(i)]);
        }
        const CDTMFTaskInfo& first = *signals[static_cast<size_t>(members.front())];
        checks.AddGroup(findings::SameTones, members, {first.DeviceName, first.Symbols});
    }
}

// A signal whose symbols begin a longer signal's on the same input and a channel that
// hears the same tones fires on the longer one's cue tones too.
void CheckBeginnings(const SignalChecks& checks,
                     const std::unordered_map<std::wstring, std::vector<int>>& byTone) {
    const SignalRefs& signals = checks.config.signals;
    std::vector<std::vector<std::wstring>> longer(signals.size());
    for (size_t l = 0; l < signals.size(); ++l) {
        const CDTMFTaskInfo* signal = signals[l];
        if (!signal) {
            continue;
        }
        for (size_t length = 1; length < signal->Symbols.size(); ++length) {
            const auto shorter = byTone.find(ToneKey(*signal, signal->Symbols.substr(0, length)));
            if (shorter == byTone.end()) {
                continue;
            }
            for (int s : shorter->second) {
                if (HearSameTones(signals[static_cast<size_t>(s)]->AnalysisType,
                                  signal->AnalysisType)) {
                    longer[static_cast<size_t>(s)].push_back(signal->Name);
                }
            }
        }
    }
    for (size_t s = 0; s < signals.size(); ++s) {
        if (!longer[s].empty()) {
            checks.Add(findings::SymbolsBeginAnother, s,
                       {signals[s]->Symbols, checks.maker.Names(longer[s])});
        }
    }
}

// Symbol durations receivers may miss or reject, and repeats they bridge into one symbol.
void CheckDurations(const SignalChecks& checks, size_t position) {
    const CDTMFTaskInfo& signal = *checks.config.signals[position];
    const Timing t = TimingOf(signal);
    if (t.symbol + t.deviation < kReceiverRejectsMs) {
        checks.Add(findings::RejectedSymbol, position, {t.symbol, t.deviation});
    } else if (t.symbol < kReceiverMustDetectMs) {
        checks.Add(findings::ShortSymbol, position, {t.symbol});
    }
    const std::wstring symbols = core::FoldedKey(signal.Symbols);
    for (size_t i = 1; i < symbols.size(); ++i) {
        if (symbols[i] == symbols[i - 1] && t.gap <= kReceiverBridgesMs) {
            checks.Add(findings::RepeatBridged, position, {signal.Symbols, t.gap});
            break;
        }
    }
}

}  // namespace

void CheckTones(const SignalChecks& checks) {
    const SignalRefs& signals = checks.config.signals;
    std::unordered_map<std::wstring, std::vector<int>> byTone;
    const auto groups = core::GroupByKey(signals.size(), [&](size_t s, std::wstring* key) {
        if (!signals[s]) {
            return false;
        }
        *key = ToneKey(*signals[s], signals[s]->Symbols);
        return true;
    });
    for (const std::vector<int>& group : groups) {
        const CDTMFTaskInfo& first = *signals[static_cast<size_t>(group.front())];
        byTone.emplace(ToneKey(first, first.Symbols), group);
        if (group.size() > 1) {
            CheckSameTones(checks, group);
        }
    }
    CheckBeginnings(checks, byTone);
    for (size_t s = 0; s < signals.size(); ++s) {
        if (signals[s]) {
            CheckDurations(checks, s);
        }
    }
}

}  // namespace tonegate
