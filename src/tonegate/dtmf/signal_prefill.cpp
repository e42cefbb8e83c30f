#include "tonegate/dtmf/signal_prefill.h"

#include <algorithm>
#include <cmath>

#include "shared/format.h"
#include "shared/reg_values.h"
#include "tonegate/editors/timing_fields.h"
#include "tonegate/editors/typing_filters.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate::dtmf {

namespace {

constexpr int64_t kDeviationMargin = 5;

// The median, rounded half up; the middle two's mean for an even count.
int64_t Median(std::vector<int64_t> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const int64_t twice = n % 2 ? 2 * values[n / 2] : values[n / 2 - 1] + values[n / 2];
    return (twice + 1) / 2;
}

int64_t LargestDeparture(const std::vector<int64_t>& values, int64_t from) {
    int64_t largest = 0;
    for (int64_t value : values) {
        largest = std::max<int64_t>(largest, std::llabs(value - from));
    }
    return largest;
}

int32_t AnalysisTypeOf(ChannelView view) {
    switch (view) {
        case ChannelView::Left:
            return kAnalysisLeft;
        case ChannelView::Right:
            return kAnalysisRight;
        case ChannelView::Difference:
            return kAnalysisDiff;
        case ChannelView::Sum:
        case ChannelView::Mono:
            break;
    }
    return kAnalysisSum;
}

// The value within the field's range; a line naming it in `lines` when it was outside.
int64_t Fit(TimingField field, int label, int64_t value, std::wstring* lines) {
    const TimingRule& rule = RuleOf(field);
    if (value >= rule.minimum && value <= rule.maximum) {
        return value;
    }
    *lines += (lines->empty() ? L"" : L"\n") +
              core::Format(TonegateText(IDS_RECORDING_VALUE_OUT_OF_RANGE), TonegateText(label),
                           static_cast<long long>(value), rule.minimum, rule.maximum);
    return std::clamp<int64_t>(value, rule.minimum, rule.maximum);
}

}  // namespace

SignalPrefill PrefillFromRow(const RecordingRow& row) {
    SignalPrefill prefill;
    if (row.symbols.size() > kSymbolsEditLimit) {
        prefill.refused = true;
        return prefill;
    }
    std::vector<int64_t> tones;
    for (size_t i = 0; i < row.toneMs.size(); ++i) {
        if (!row.toneCut[i]) {
            tones.push_back(row.toneMs[i]);
        }
    }
    if (tones.empty()) {
        tones = row.toneMs;  // every tone cut: their lower bounds are all there is
    }
    CDTMFTaskInfo& signal = prefill.signal;
    signal.Symbols = row.symbols;
    signal.AnalysisType = AnalysisTypeOf(row.view);
    const int64_t tone = Median(tones);
    int64_t departure = LargestDeparture(tones, tone);
    int64_t gap = core::ParseLeadingInt(signal.GapDuration);  // no pause: the editor's default
    if (!row.pauseMs.empty()) {
        gap = Median(row.pauseMs);
        departure = std::max(departure, LargestDeparture(row.pauseMs, gap));
    }
    std::wstring& lines = prefill.outOfRange;
    const int64_t symbolMs =
        Fit(TimingField::SymbolDuration, IDS_DESCRIPTION_SYMBOL_DURATION, tone, &lines);
    const int64_t gapMs = Fit(TimingField::GapDuration, IDS_DESCRIPTION_GAP_DURATION, gap, &lines);
    const TimingRule& deviationRule = RuleOf(TimingField::Deviation);
    int64_t deviation = std::max<int64_t>(deviationRule.minimum, departure + kDeviationMargin);
    deviation = Fit(TimingField::Deviation, IDS_DESCRIPTION_DEVIATION, deviation, &lines);
    signal.SymbolDuration = core::Format(L"%d", static_cast<long long>(symbolMs));
    signal.GapDuration = core::Format(L"%d", static_cast<long long>(gapMs));
    signal.Deviation = core::Format(L"%d", static_cast<long long>(deviation));
    return prefill;
}

bool PrefillMessage(const SignalPrefill& prefill, const RecordingRow& row,
                    core::BoxMessage* message) {
    const std::wstring caption = TonegateText(IDS_ADD_SIGNAL_TITLE);
    if (prefill.refused) {
        *message = core::BoxMessage{core::Format(TonegateText(IDS_RECORDING_TOO_MANY_SYMBOLS),
                                                 static_cast<long long>(row.symbols.size()),
                                                 static_cast<long long>(kSymbolsEditLimit)),
                                    caption, core::kMbIconWarning};
        return true;
    }
    if (!prefill.outOfRange.empty()) {
        *message = core::BoxMessage{
            core::Format(TonegateText(IDS_RECORDING_OUT_OF_RANGE), prefill.outOfRange), caption,
            core::kMbIconInformation};
        return true;
    }
    return false;
}

}  // namespace tonegate::dtmf
