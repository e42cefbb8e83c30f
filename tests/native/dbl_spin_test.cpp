// The floating-point spin's rules: position counts and positions, a click on the text the
// buddy holds, and the text shown for a value.
#include "cuebell/editors/dbl_spin.h"

#include <gtest/gtest.h>

#include <optional>

namespace cuebell {
namespace {

// Shown as the dialogs show their values: two decimals, trim off.
DblSpin MakeSpin(double minimum, double maximum, double step) {
    DblSpin spin;
    spin.minimum = minimum;
    spin.maximum = maximum;
    spin.step = step;
    spin.decimals = 2;
    spin.trim = false;
    spin.UpdatePositionCount();
    return spin;
}

TEST(DblSpinTest, PositionCountIsTheTruncatedNumberOfStepsUpToTheCap) {
    const struct {
        double minimum, maximum, step;
        int32_t expected;
    } cases[] = {{0, 100, 0.01, 10000},
                 {0, 100, 0.001, 32767},
                 {0, 1, 0.3, 3},
                 {100, 0, 1, 100},
                 {0, 100, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimum << ".." << c.maximum << " step " << c.step);
        EXPECT_EQ(SpinPositionCount(c.minimum, c.maximum, c.step), c.expected);
    }
    DblSpin spin = MakeSpin(0, 100, 0.5);
    spin.step = 0;
    EXPECT_FALSE(spin.UpdatePositionCount());
    EXPECT_EQ(spin.PositionCount(), 200);  // a step of 0 keeps the count it had
}

TEST(DblSpinTest, PositionMapsTheValueOntoTheIntegerRange) {
    const struct {
        double maximum, step, value;
        std::optional<int32_t> expected;
    } cases[] = {{10, 0.5, 9.5, 19},
                 {10, 0.5, -1, 0},
                 {10, 0.5, 11, 20},
                 {10, 1, 4.49, 4},
                 {10, 1, 4.5, 5},
                 // Minimum equal to maximum: the position stays as it is.
                 {0, 1, 0, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " in 0.." << c.maximum);
        EXPECT_EQ(MakeSpin(0, c.maximum, c.step).PositionFor(c.value), c.expected);
    }
}

// A click reads the buddy's text and writes the stepped value back.
TEST(DblSpinTest, ClickStepsTheTextClampingOrWrappingAtTheLimits) {
    const struct {
        double minimum, maximum, step;
        const wchar_t* text;
        int32_t delta;
        bool wrap;
        const wchar_t* expected;
    } cases[] = {
        {0, 9.5, 0.5, L"9.50", 1, false, L"9.50"},
        {0, 9.5, 0.5, L"9.50", -1, false, L"9.00"},
        {0, 10, 0.5, L"0.2", -1, false, L"0.00"},
        {0, 10, 0.1, L"9.9", 1, false, L"10.00"},
        // -0.3 + 3 * 0.1 lands just above 0, 0.3 - 3 * 0.1 just below: within the tolerance,
        // neither wraps and each shows as its limit, not as "5.55e-17".
        {-1, 0, 0.1, L"-0.3", 3, true, L"0.00"},
        {0, 10, 0.1, L"0.3", -3, true, L"0.00"},
        {0, 1e5, 1e-4, L"99999.99995", 1, true, L"100000.00"},  // the tolerance is relative
        {0, 10, 0.1, L"10.00", 1, true, L"0.00"},
        {1, 10, 0.5, L"1.00", -1, true, L"10.00"},
        {0, 10, 0.5, L"abc", 1, false, L"0.50"},
        {0, 10, 1, L"1e999", -1, false, L"10.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\" by " << c.delta << " in "
                                        << c.minimum << ".." << c.maximum << " wrap " << c.wrap);
        const DblSpin spin = MakeSpin(c.minimum, c.maximum, c.step);
        EXPECT_EQ(spin.FormatValue(spin.ValueAfterClick(ParseSpinText(c.text), c.delta, c.wrap)),
                  c.expected);
    }
}

TEST(DblSpinTest, FormatShowsDecimalsOrTheGeneralFormAndTrims) {
    const struct {
        int32_t decimals;
        bool trim;
        double value;
        const wchar_t* expected;
    } cases[] = {
        {2, false, 1.5, L"1.50"},
        {2, false, 0, L"0.00"},
        {2, true, 1.5, L"1.5"},
        {2, true, 2, L"2"},
        {2, true, 100, L"100"},
        {-1, false, 0.1, L"0.1"},
        {-2, false, 1.25, L"1.25"},  // any negative count of decimals is the general form
        // Where "%g" would show an exponent the value keeps it; only the part before is trimmed.
        {2, false, 1e20, L"1.00e+20"},
        {2, true, 1e20, L"1e+20"},
        {2, false, 1e-5, L"1.00e-05"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.value << " decimals " << c.decimals << " trim " << c.trim);
        DblSpin spin;
        spin.decimals = c.decimals;
        spin.trim = c.trim;
        EXPECT_EQ(spin.FormatValue(c.value), c.expected);
    }
}

}  // namespace
}  // namespace cuebell
