#include "cuebell/editors/dbl_spin.h"

#include <cmath>

#include "shared/format.h"
#include "shared/reg_values.h"

namespace cuebell {

namespace {

// The spin would take the decimal point from the current numeric locale; the programs
// never leave the "C" locale, so it is always ".".
constexpr wchar_t kDecimalPoint = L'.';

// The 32-bit programs compute in the x87's 80-bit registers, where 100 / 0.01 is
// 9999.999...: truncated, that would lose a position. Every result that is truncated or
// compared is first rounded to a double, as the 64-bit build and the tests compute it.
double AsDouble(double computed) {
    volatile double stored = computed;
    return stored;
}

// How far a click may pass a limit and still stay as computed: relative to the value
// compared, never below 1e-9.
double ClickTolerance(double compared) {
    return std::fmax(std::fabs(compared) * 1e-9, 1e-9);
}

// Removes trailing zeros and then a trailing decimal point from the part before the
// exponent; the exponent ("e+20") is kept as it is.
std::wstring TrimTrailingZeros(const std::wstring& text) {
    if (text.find(kDecimalPoint) == std::wstring::npos) {
        return text;
    }
    const size_t exponentStart = text.find(L'e');
    std::wstring mantissa = text.substr(0, exponentStart);
    const std::wstring exponent =
        exponentStart == std::wstring::npos ? std::wstring() : text.substr(exponentStart);
    while (!mantissa.empty() && mantissa.back() == L'0') {
        mantissa.pop_back();
    }
    if (!mantissa.empty() && mantissa.back() == kDecimalPoint) {
        mantissa.pop_back();
    }
    return mantissa + exponent;
}

}  // namespace

int32_t SpinPositionCount(double minimum, double maximum, double step) {
    if (step == 0.0) {
        return 0;
    }
    const double quotient = std::fabs(AsDouble((maximum - minimum) / step));
    if (std::isnan(quotient)) {
        return 0;
    }
    if (quotient > kMaxSpinPositions) {
        return kMaxSpinPositions;
    }
    return static_cast<int32_t>(quotient);
}

double ParseSpinText(const std::wstring& text) {
    return core::ParseLeadingDouble(text);
}

bool DblSpin::UpdatePositionCount() {
    if (step == 0.0) {
        return false;
    }
    positionCount_ = SpinPositionCount(minimum, maximum, step);
    return true;
}

std::optional<int32_t> DblSpin::PositionFor(double value) const {
    if (minimum == maximum) {
        return std::nullopt;
    }
    if (value < minimum) {
        return 0;
    }
    if (value > maximum) {
        return positionCount_;
    }
    const double position =
        AsDouble(AsDouble((value - minimum) / (maximum - minimum)) * positionCount_ + 0.5);
    // Only a range with infinite limits leaves [0, count] here; never convert that.
    if (!(position >= 0.0)) {
        return 0;
    }
    if (position >= positionCount_) {
        return positionCount_;
    }
    return static_cast<int32_t>(position);
}

double DblSpin::ValueAfterClick(double current, int32_t delta, bool wrap) const {
    double value = AsDouble(current + AsDouble(delta * step));
    // A text too large to read ("1e999") is infinite; infinity plus or minus a step stays
    // infinite and would be shown as "inf", so it goes to the limit it lies beyond.
    if (std::isinf(value)) {
        return value > 0 ? maximum : minimum;
    }
    if (delta < 0) {
        const double tolerance = ClickTolerance(value <= minimum ? minimum : value);
        if (minimum - value > tolerance) {
            return wrap ? maximum : minimum;
        }
        // Noise just below the limit is the limit: "0.3" less three steps of 0.1 would
        // otherwise show as "-5.55e-17".
        return std::fmax(value, minimum);
    }
    const double tolerance = ClickTolerance(value <= maximum ? maximum : value);
    if (value - maximum > tolerance) {
        return wrap ? minimum : maximum;
    }
    return std::fmin(value, maximum);
}

std::wstring DblSpin::FormatValue(double value) const {
    std::wstring text;
    // Any negative count of decimals is the general format: "%.-2f" is no format at all.
    if (decimals < 0) {
        text = core::Format(L"%g", value);
    } else {
        const bool exponentForm = core::Format(L"%g", value).find(L'e') != std::wstring::npos;
        const std::wstring format = core::Format(exponentForm ? L"%%.%de" : L"%%.%df", decimals);
        text = core::Format(format, value);
    }
    return trim ? TrimTrailingZeros(text) : text;
}

}  // namespace cuebell
