// The general settings dialog without its window: each row's range, edit limit and
// "Set default" value, what a row shows once its edit loses the focus, and the record OK
// stores. CGeneralSettingsDlg moves texts and positions between its controls and these
// rules.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "cuebell/editors/dbl_spin.h"
#include "cuebell/editors/editor_check.h"
#include "cuebell/model/records.h"

namespace cuebell {

// The activity period (GPILength), in seconds, stepped by a floating-point spin.
struct ActivityPeriodRule {
    double minimum;
    double maximum;
    double step;
    int32_t decimals;
    int editLimit;  // characters
    double defaultValue;
};
inline constexpr ActivityPeriodRule kActivityPeriod{0.0, 10.0, 0.1, 2, 5, 0.4};

// The four integer rows, in the dialog's order; each has a platform up-down that writes
// its position into the edit.
enum class IntegerRow { CutoffFrequency, LowPassFilterSize, PowerRecalcRate, Threshold };
inline constexpr size_t kIntegerRowCount = 4;

struct IntegerRowRule {
    int32_t minimum;
    int32_t maximum;
    int editLimit;  // characters
    int32_t defaultValue;
};
const IntegerRowRule& RuleOf(IntegerRow row);

// One integer row as the operator left it: the edit's text, and the position its up-down
// holds (the last number within the range that it read from the text or was given).
struct IntegerField {
    std::wstring text;
    int32_t position = 0;
};

// What the dialog's five rows hold.
struct GeneralSettingsForm {
    std::wstring activityPeriod;  // the edit's text
    std::array<IntegerField, kIntegerRowCount> integers;

    IntegerField& operator[](IntegerRow row) { return integers[static_cast<size_t>(row)]; }
    const IntegerField& operator[](IntegerRow row) const {
        return integers[static_cast<size_t>(row)];
    }
};

// What the dialog shows when it opens: the record's values, each kept within its range,
// so that what is shown is what OK stores.
GeneralSettingsForm GeneralSettingsFormFor(const GeneralParams& params);
// What "Set default" shows.
GeneralSettingsForm DefaultGeneralSettingsForm();

// Gives the spin the activity period's range and step, two decimals and trailing zeros
// kept; the caller then recomputes its positions.
void ConfigureActivityPeriodSpin(DblSpin& spin);

// The activity period once its edit loses the focus: the text read as the spin reads it
// (0.0 when it is no number), kept within the range.
double ActivityPeriodAfterLeaving(const std::wstring& text);
// The activity period as its spin shows it ("0.40", "10.00").
std::wstring ActivityPeriodText(double seconds);

// An integer row once its edit loses the focus, as the up-down leaves it: the text's
// number when the whole text is one within the range, otherwise the position the
// up-down kept (held within the range as well).
int32_t IntegerAfterLeaving(IntegerRow row, const IntegerField& field);
// An integer as the up-down writes it: no thousands separators.
std::wstring IntegerText(int32_t value);

// OK: the record with the five values each row would show once its edit lost the focus,
// so a text confirmed with Enter without leaving its edit is stored as it would have been
// corrected. Every other field of `current` is kept. Never refused.
Checked<GeneralParams> CheckGeneralSettings(const GeneralParams& current,
                                            const GeneralSettingsForm& form);

}  // namespace cuebell
