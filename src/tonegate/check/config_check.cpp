#include "tonegate/check/config_check.h"

#include <array>

#include "shared/playout_check.h"
#include "shared/reg_values.h"
#include "tonegate/check/finding_kinds.h"
#include "tonegate/check/tone_checks.h"
#include "tonegate/core/signal_merge.h"
#include "tonegate/editors/timing_fields.h"
#include "tonegate/editors/typing_filters.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

using core::RecordKind;
using core::RecordRef;

RecordRef SignalRef(size_t position) {
    return RecordRef{RecordKind::Signal, static_cast<int>(position)};
}

void CheckDevices(const SignalChecks& checks) {
    const core::InstalledInputs inputs(checks.config.boards);
    const SignalRefs& signals = checks.config.signals;
    for (size_t s = 0; s < signals.size(); ++s) {
        if (signals[s] && !inputs.Has(signals[s]->DeviceName)) {
            checks.Add(findings::SignalNotAnInput, s, {signals[s]->DeviceName});
        }
    }
}

void CheckNames(const SignalChecks& checks) {
    for (const std::vector<int>& group : core::Twins(
             checks.config.signals, [](const CDTMFTaskInfo& signal) { return signal.Name; })) {
        checks.AddGroup(findings::SignalNameTwins, group, {});
    }
}

// Values the signal editor would not have kept: set by hand in the registry.
void CheckEditorRanges(const SignalChecks& checks) {
    static const std::array<int, kTimingFieldCount> kLabels = {
        IDS_CHECK_SYMBOL_DURATION, IDS_CHECK_GAP_DURATION, IDS_CHECK_DEVIATION, IDS_CHECK_DELAY};
    const SignalRefs& signals = checks.config.signals;
    for (size_t s = 0; s < signals.size(); ++s) {
        const CDTMFTaskInfo* signal = signals[s];
        if (!signal) {
            continue;
        }
        const std::array<const std::wstring*, kTimingFieldCount> texts = {
            &signal->SymbolDuration, &signal->GapDuration, &signal->Deviation, &signal->Delay};
        for (TimingField field : kTimingFields) {
            const std::wstring& text = *texts[static_cast<size_t>(field)];
            const std::wstring label = TonegateText(kLabels[static_cast<size_t>(field)]);
            if (FilterDigits(EditText{text, text.size()}).edit.text != text) {
                checks.Add(findings::TimingNotANumber, s, {label, text});
                continue;
            }
            const TimingRule& rule = RuleOf(field);
            const int32_t value = core::ParseLeadingInt(text);
            if (value < rule.minimum || value > rule.maximum) {
                checks.Add(findings::TimingOutOfRange, s,
                           {label, text, rule.minimum, rule.maximum});
            }
        }
        const std::wstring& symbols = signal->Symbols;
        if (FilterSymbols(EditText{symbols, symbols.size()}).edit.text != symbols) {
            checks.Add(findings::SymbolsNotKept, s, {symbols});
        }
    }
}

void CheckPlayout(const SignalChecks& checks) {
    const SignalRefs& signals = checks.config.signals;
    std::vector<core::PlayoutDetection> detections;
    for (size_t s = 0; s < signals.size(); ++s) {
        if (signals[s]) {
            detections.push_back(core::PlayoutDetection{
                signals[s]->Name,
                core::InstalledBoard(SignalBoard(*signals[s]), checks.config.boards),
                SignalRef(s)});
        }
    }
    const core::PlayoutKinds kinds{findings::BoardWithoutInstance, findings::NoPlayoutInstance,
                                   findings::EventsWithoutSignal,  findings::BoardByDefault,
                                   findings::TableUnreadable,      findings::UnparsedRecords};
    core::AddPlayoutFindings(checks.config.instances, detections, kToolPrefix, kinds, checks.maker,
                             checks.findings);
}

}  // namespace

void SignalChecks::Add(findings::Kind kind, size_t signal,
                       std::initializer_list<core::FormatArg> args) const {
    findings->push_back(maker.Make(kind, config.signals[signal]->Name, args, {SignalRef(signal)}));
}

void SignalChecks::AddGroup(findings::Kind kind, const std::vector<int>& signals,
                            std::initializer_list<core::FormatArg> args) const {
    std::vector<std::wstring> names;
    std::vector<RecordRef> refs;
    for (int s : signals) {
        names.push_back(config.signals[static_cast<size_t>(s)]->Name);
        refs.push_back(SignalRef(static_cast<size_t>(s)));
    }
    findings->push_back(maker.Make(kind, maker.Names(names), args, std::move(refs)));
}

core::FindingList CheckTonegateConfiguration(const TonegateConfiguration& configuration) {
    core::FindingList list;
    const core::FindingMaker maker(findings::kKinds, &TonegateText, TonegateCheckTexts());
    const SignalChecks checks{configuration, maker, &list};
    CheckDevices(checks);
    CheckNames(checks);
    CheckPlayout(checks);
    CheckTones(checks);
    CheckEditorRanges(checks);
    core::SortFindings(&list);
    return list;
}

}  // namespace tonegate
