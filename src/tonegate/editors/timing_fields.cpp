#include "tonegate/editors/timing_fields.h"

#include <algorithm>

#include "shared/format.h"
#include "shared/reg_values.h"
#include "tonegate/signal_editor_ids.h"

namespace tonegate {

namespace {

// The delay's spin and clamp reach 1000000 although the operator may type five characters.
constexpr std::array<TimingRule, kTimingFieldCount> kRules = {{
    {IDC_SIGNAL_SYMBOL_DURATION, IDC_SIGNAL_SYMBOL_DURATION_SPIN, 10, 1000, 4},
    {IDC_SIGNAL_GAP_DURATION, IDC_SIGNAL_GAP_DURATION_SPIN, 10, 100, 5},
    {IDC_SIGNAL_DEVIATION, IDC_SIGNAL_DEVIATION_SPIN, 10, 100, 5},
    {IDC_SIGNAL_DELAY, IDC_SIGNAL_DELAY_SPIN, 0, 1000000, 5},
}};

}  // namespace

const TimingRule& RuleOf(TimingField field) {
    return kRules[static_cast<size_t>(field)];
}

bool TimingFieldOf(int control, TimingField* field) {
    for (TimingField candidate : kTimingFields) {
        if (RuleOf(candidate).control == control) {
            *field = candidate;
            return true;
        }
    }
    return false;
}

std::wstring ClampTiming(TimingField field, const std::wstring& text) {
    const TimingRule& rule = RuleOf(field);
    return core::Format(L"%d", std::clamp(core::ParseLeadingInt(text), rule.minimum, rule.maximum));
}

}  // namespace tonegate
