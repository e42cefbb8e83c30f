#include "cuebell/editors/general_settings_form.h"

#include <limits>
#include <optional>

#include "shared/format.h"
#include "shared/text.h"

namespace cuebell {

namespace {

// In IntegerRow order.
constexpr std::array<IntegerRowRule, kIntegerRowCount> kIntegerRules{{
    {0, 50000, 5, 75},   // CutoffFrequency, Hz
    {0, 50000, 5, 63},   // LowPassFilterSize, samples
    {0, 10000, 5, 100},  // PowerRecalcRate, samples
    {30, 100, 3, 65},    // Threshold, percent
}};

// Also for values no comparison orders (NaN), which become the minimum.
double KeepWithin(double value, double minimum, double maximum) {
    if (!(value >= minimum)) {
        return minimum;
    }
    return value > maximum ? maximum : value;
}

int32_t KeepWithin(int32_t value, const IntegerRowRule& rule) {
    if (value < rule.minimum) {
        return rule.minimum;
    }
    return value > rule.maximum ? rule.maximum : value;
}

// The up-down reads its buddy as a whole decimal number: leading white space, an optional
// sign, digits and nothing after them. None for any other text, and for a number beyond
// 32 bits (outside every row's range anyway).
std::optional<int32_t> ReadWholeInteger(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && core::IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!core::IsDigit(text[i])) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + (text[i] - L'0');
        if (magnitude > std::numeric_limits<int32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

GeneralSettingsForm FormShowing(double activityPeriod,
                                const std::array<int32_t, kIntegerRowCount>& integers) {
    GeneralSettingsForm form;
    form.activityPeriod = ActivityPeriodText(
        KeepWithin(activityPeriod, kActivityPeriod.minimum, kActivityPeriod.maximum));
    for (size_t row = 0; row < kIntegerRowCount; ++row) {
        const int32_t value = KeepWithin(integers[row], kIntegerRules[row]);
        form.integers[row] = IntegerField{IntegerText(value), value};
    }
    return form;
}

}  // namespace

const IntegerRowRule& RuleOf(IntegerRow row) {
    return kIntegerRules[static_cast<size_t>(row)];
}

GeneralSettingsForm GeneralSettingsFormFor(const GeneralParams& params) {
    return FormShowing(params.GPILength, {params.CutoffFrequency, params.LowPassFilterSize,
                                          params.PowerRecalcRate, params.Threshold});
}

GeneralSettingsForm DefaultGeneralSettingsForm() {
    std::array<int32_t, kIntegerRowCount> defaults{};
    for (size_t row = 0; row < kIntegerRowCount; ++row) {
        defaults[row] = kIntegerRules[row].defaultValue;
    }
    return FormShowing(kActivityPeriod.defaultValue, defaults);
}

void ConfigureActivityPeriodSpin(DblSpin& spin) {
    spin.minimum = kActivityPeriod.minimum;
    spin.maximum = kActivityPeriod.maximum;
    spin.step = kActivityPeriod.step;
    spin.decimals = kActivityPeriod.decimals;
    spin.trim = false;
}

double ActivityPeriodAfterLeaving(const std::wstring& text) {
    return KeepWithin(ParseSpinText(text), kActivityPeriod.minimum, kActivityPeriod.maximum);
}

std::wstring ActivityPeriodText(double seconds) {
    DblSpin spin;
    ConfigureActivityPeriodSpin(spin);
    return spin.FormatValue(seconds);
}

int32_t IntegerAfterLeaving(IntegerRow row, const IntegerField& field) {
    const IntegerRowRule& rule = RuleOf(row);
    const std::optional<int32_t> typed = ReadWholeInteger(field.text);
    if (typed && *typed >= rule.minimum && *typed <= rule.maximum) {
        return *typed;
    }
    return KeepWithin(field.position, rule);
}

std::wstring IntegerText(int32_t value) {
    return core::Format(L"%d", value);
}

Checked<GeneralParams> CheckGeneralSettings(const GeneralParams& current,
                                            const GeneralSettingsForm& form) {
    GeneralParams params = current;
    params.CutoffFrequency =
        IntegerAfterLeaving(IntegerRow::CutoffFrequency, form[IntegerRow::CutoffFrequency]);
    // What the edit would show once it lost the focus, read back as the edit's text is.
    params.GPILength =
        ParseSpinText(ActivityPeriodText(ActivityPeriodAfterLeaving(form.activityPeriod)));
    params.LowPassFilterSize =
        IntegerAfterLeaving(IntegerRow::LowPassFilterSize, form[IntegerRow::LowPassFilterSize]);
    params.PowerRecalcRate =
        IntegerAfterLeaving(IntegerRow::PowerRecalcRate, form[IntegerRow::PowerRecalcRate]);
    params.Threshold = IntegerAfterLeaving(IntegerRow::Threshold, form[IntegerRow::Threshold]);
    return Checked<GeneralParams>::Accept(params);
}

}  // namespace cuebell
