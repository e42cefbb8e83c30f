// The arithmetic of the floating-point spin: how a real range maps onto the platform
// up-down control's integer positions, what a click on an arrow makes of the value in
// the buddy edit, and how a value is shown there. No window here: CDblSpinCtrl moves
// texts and positions between these rules and its controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cuebell {

// The most positions the up-down control's 16-bit position can hold.
constexpr int32_t kMaxSpinPositions = 32767;

// |maximum - minimum| / step, truncated toward zero, at most kMaxSpinPositions. A step of
// 0 gives 0 positions rather than a division by zero.
int32_t SpinPositionCount(double minimum, double maximum, double step);

// The buddy edit's text read as the C runtime's wcstod reads it in the "C" locale: leading
// white space, sign, digits, decimal point, exponent; text that does not start with a
// number reads 0.0. Like the runtime the programs link, it reads neither "inf", "nan" nor
// hexadecimal numbers.
double ParseSpinText(const std::wstring& text);

class DblSpin {
  public:
    // Set by the dialogs directly, followed by a new position count (UpdatePositionCount).
    double minimum = 0.0;
    double maximum = 100.0;
    double step = 1.0;
    int32_t decimals = -1;  // digits after the decimal point; -1: the general format "%g"
    bool trim = true;       // drop trailing zeros, then a trailing decimal point

    // The up-down control's range is 0 to this.
    int32_t PositionCount() const { return positionCount_; }
    // Recomputes the position count from the range and the step. With a step of 0 the
    // count stays as it was and the result is false: the control's range is left alone.
    bool UpdatePositionCount();

    // The integer position that shows the value: 0 below the minimum, the position count
    // above the maximum, rounded in between. None when minimum equals maximum: the
    // position is then left as it is.
    std::optional<int32_t> PositionFor(double value) const;

    // The value after a click of `delta` steps (negative: down) from `current`. A value
    // that passes the limit in the click's direction by more than a small relative
    // tolerance becomes that limit, or the other limit when the control wraps; within the
    // tolerance it is that limit, so floating-point noise neither wraps nor shows.
    double ValueAfterClick(double current, int32_t delta, bool wrap) const;

    // The text shown for a value: "%g", or `decimals` digits in fixed or (where "%g"
    // would use an exponent) exponent form, trimmed when `trim` is on.
    std::wstring FormatValue(double value) const;

  private:
    int32_t positionCount_ = 100;
};

}  // namespace cuebell
