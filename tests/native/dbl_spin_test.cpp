// The floating-point spin's rules: position counts and positions, a click on the text
// the buddy holds, and the text shown for a value.
#include "cuebell/editors/dbl_spin.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace cuebell {
namespace {

struct CountCase {
    double minimum, maximum, step;
    int32_t expected;
};

std::ostream& operator<<(std::ostream& out, const CountCase& c) {
    return out << c.minimum << ".." << c.maximum << " step " << c.step;
}

class SpinPositionCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(SpinPositionCountTest, IsTheTruncatedNumberOfStepsUpToTheCap) {
    const CountCase& c = GetParam();
    EXPECT_EQ(SpinPositionCount(c.minimum, c.maximum, c.step), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SpinPositionCountTest,
    ::testing::Values(CountCase{0.0, 100.0, 0.01, 10000}, CountCase{0.0, 100.0, 0.001, 32767},
                      CountCase{0.0, 9.5, 0.5, 19}, CountCase{0.0, 1.0, 0.3, 3},
                      CountCase{100.0, 0.0, 1.0, 100}, CountCase{0.0, 100.0, -4.0, 25},
                      CountCase{5.0, 5.0, 1.0, 0}, CountCase{0.0, 100.0, 0.0, 0},
                      CountCase{0.0, 1e300, 1e-300, 32767}));

TEST(DblSpinTest, ZeroStepKeepsThePositionCount) {
    DblSpin spin;
    spin.step = 0.5;
    ASSERT_TRUE(spin.UpdatePositionCount());
    EXPECT_EQ(spin.PositionCount(), 200);
    spin.step = 0.0;
    EXPECT_FALSE(spin.UpdatePositionCount());
    EXPECT_EQ(spin.PositionCount(), 200);
}

struct PositionCase {
    double minimum, maximum, step, value;
    std::optional<int32_t> expected;
};

std::ostream& operator<<(std::ostream& out, const PositionCase& c) {
    return out << c.value << " in " << c.minimum << ".." << c.maximum << " step " << c.step;
}

class DblSpinPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(DblSpinPositionTest, MapsTheValueOntoTheIntegerRange) {
    const PositionCase& c = GetParam();
    DblSpin spin;
    spin.minimum = c.minimum;
    spin.maximum = c.maximum;
    spin.step = c.step;
    spin.UpdatePositionCount();
    EXPECT_EQ(spin.PositionFor(c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, DblSpinPositionTest,
                         ::testing::Values(PositionCase{0.0, 10.0, 0.5, 9.5, 19},
                                           PositionCase{0.0, 10.0, 0.5, -1.0, 0},
                                           PositionCase{0.0, 10.0, 0.5, 11.0, 20},
                                           // Rounded to the nearest position, half-way up.
                                           PositionCase{0.0, 10.0, 1.0, 4.49, 4},
                                           PositionCase{0.0, 10.0, 1.0, 4.5, 5},
                                           PositionCase{2.0, 4.0, 0.01, 3.0, 100},
                                           PositionCase{0.0, 100.0, 0.001, 100.0, 32767},
                                           PositionCase{7.0, 7.0, 1.0, 7.0, std::nullopt},
                                           PositionCase{7.0, 7.0, 1.0, 9.0, std::nullopt}));

// A click starts from the text in the buddy and ends with the text written back there,
// as the dialogs show it: two decimals, trim off.
struct ClickCase {
    const char* name;
    double minimum, maximum, step;
    const wchar_t* text;
    int32_t delta;
    bool wrap;
    const wchar_t* expected;
};

std::ostream& operator<<(std::ostream& out, const ClickCase& c) {
    return out << c.name;
}

class DblSpinClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(DblSpinClickTest, WritesTheSteppedValue) {
    const ClickCase& c = GetParam();
    DblSpin spin;
    spin.minimum = c.minimum;
    spin.maximum = c.maximum;
    spin.step = c.step;
    spin.decimals = 2;
    spin.trim = false;
    EXPECT_EQ(spin.FormatValue(spin.ValueAfterClick(ParseSpinText(c.text), c.delta, c.wrap)),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, DblSpinClickTest,
    ::testing::Values(
        ClickCase{"UpAtTheMaximumStays", 0.0, 9.5, 0.5, L"9.50", 1, false, L"9.50"},
        ClickCase{"DownFromTheMaximum", 0.0, 9.5, 0.5, L"9.50", -1, false, L"9.00"},
        ClickCase{"AcceleratedClick", 0.0, 10.0, 0.5, L"1", 3, false, L"2.50"},
        ClickCase{"DownAtTheMinimumStays", 0.0, 10.0, 0.5, L"0.2", -1, false, L"0.00"},
        ClickCase{"UpToTheMaximum", 0.0, 10.0, 0.1, L"9.9", 1, false, L"10.00"},
        // 0.2 + 0.1 lands a little above 0.3, 0.3 - 3 * 0.1 a little below 0: within the
        // tolerance, so neither wraps and each shows as its limit.
        ClickCase{"NoiseAboveTheMaximumIsTheMaximum", 0.0, 0.3, 0.1, L"0.2", 1, true, L"0.30"},
        ClickCase{"NoiseBelowTheMinimumIsTheMinimum", 0.0, 10.0, 0.1, L"0.3", -3, true, L"0.00"},
        // The tolerance grows with the value: 5e-5 above 1e5 is within it.
        ClickCase{"ToleranceIsRelative", 0.0, 1e5, 1e-4, L"99999.99995", 1, true, L"100000.00"},
        ClickCase{"UpPastTheMaximumWraps", 0.0, 10.0, 0.1, L"10.00", 1, true, L"0.00"},
        ClickCase{"DownPastTheMinimumWraps", 1.0, 10.0, 0.5, L"1.00", -1, true, L"10.00"},
        ClickCase{"TextThatIsNoNumberReadsZero", 0.0, 10.0, 0.5, L"abc", 1, false, L"0.50"},
        ClickCase{"EmptyTextReadsZero", 0.0, 10.0, 0.5, L"", 1, false, L"0.50"},
        ClickCase{"LeadingNumberIsRead", 0.0, 100.0, 1.0, L"  12abc", 1, false, L"13.00"},
        ClickCase{"InfinityIsNotANumberHere", 0.0, 10.0, 1.0, L"inf", 1, false, L"1.00"},
        ClickCase{"TooLargeTextGoesToTheMaximum", 0.0, 10.0, 1.0, L"1e999", -1, false, L"10.00"},
        ClickCase{"TooSmallTextGoesToTheMinimum", 0.0, 10.0, 1.0, L"-1e999", 1, true, L"0.00"},
        // A typed value beyond the other limit is the dialog's to clamp, not the click's.
        ClickCase{"DownAboveTheMaximumSteps", 0.0, 10.0, 1.0, L"50", -1, false, L"49.00"}),
    [](const ::testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

struct FormatCase {
    int32_t decimals;
    bool trim;
    double value;
    const wchar_t* expected;
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c) {
    return out << c.value << " decimals " << c.decimals << (c.trim ? " trimmed" : "");
}

class DblSpinFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DblSpinFormatTest, ShowsTheValue) {
    const FormatCase& c = GetParam();
    DblSpin spin;
    spin.decimals = c.decimals;
    spin.trim = c.trim;
    EXPECT_EQ(spin.FormatValue(c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DblSpinFormatTest,
    ::testing::Values(
        FormatCase{2, false, 1.5, L"1.50"}, FormatCase{2, false, 0.0, L"0.00"},
        FormatCase{2, true, 1.5, L"1.5"}, FormatCase{2, true, 2.0, L"2"},
        FormatCase{2, true, 100.0, L"100"}, FormatCase{2, true, -0.5, L"-0.5"},
        FormatCase{3, true, 0.0001, L"0"}, FormatCase{2, false, 1.005e5, L"100500.00"},
        FormatCase{-1, false, 0.1, L"0.1"}, FormatCase{-1, true, 1e6, L"1e+06"},
        FormatCase{-1, false, 1234567.0, L"1.23457e+06"},
        // Where "%g" shows an exponent the value keeps it; only the part before it is trimmed.
        FormatCase{2, false, 1e20, L"1.00e+20"}, FormatCase{2, true, 1e20, L"1e+20"},
        FormatCase{2, true, 1.5e20, L"1.5e+20"}, FormatCase{2, false, 1e-5, L"1.00e-05"},
        FormatCase{0, false, 1e20, L"1e+20"},
        // Any negative count of decimals is the general format.
        FormatCase{-2, false, 1.25, L"1.25"}));

}  // namespace
}  // namespace cuebell
