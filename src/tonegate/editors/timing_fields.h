// The signal editor's four timing edits: the range of each (its spin's), how many
// characters the operator may type, and what an edit shows once it loses the focus.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tonegate {

// In the dialog's order.
enum class TimingField { SymbolDuration, GapDuration, Deviation, Delay };
inline constexpr size_t kTimingFieldCount = 4;
inline constexpr std::array<TimingField, kTimingFieldCount> kTimingFields = {
    TimingField::SymbolDuration, TimingField::GapDuration, TimingField::Deviation,
    TimingField::Delay};

struct TimingRule {
    int control;  // the edit
    int spin;     // the up-down attached to it
    int32_t minimum;
    int32_t maximum;
    int editLimit;  // characters the operator may type (a spin may write more)
};
const TimingRule& RuleOf(TimingField field);
// The timing field the edit control holds; false for any other control.
bool TimingFieldOf(int control, TimingField* field);

// The edit's number (0 when empty) kept within the field's range, as "%d". The edit is set
// to it whether or not it changed.
std::wstring ClampTiming(TimingField field, const std::wstring& text);

}  // namespace tonegate
