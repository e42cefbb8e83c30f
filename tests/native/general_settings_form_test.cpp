// The general settings form: what each row shows once its edit loses the focus, what the
// dialog shows when it opens and after "Set default", and the record OK stores from texts
// as the operator left them.
#include "cuebell/editors/general_settings_form.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <limits>
#include <ostream>
#include <string>

namespace cuebell {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// --- Leaving the activity period's edit

struct ActivityCase {
    const wchar_t* typed;
    const wchar_t* shown;
};

std::ostream& operator<<(std::ostream& out, const ActivityCase& c) {
    return out << '"' << std::string(c.typed, c.typed + std::wcslen(c.typed)) << '"';
}

class ActivityPeriodLeavingTest : public ::testing::TestWithParam<ActivityCase> {};

TEST_P(ActivityPeriodLeavingTest, ShowsTheTypedNumberWithinTheRangeWithTwoDecimals) {
    EXPECT_EQ(ActivityPeriodText(ActivityPeriodAfterLeaving(GetParam().typed)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralSettings, ActivityPeriodLeavingTest,
    ::testing::Values(ActivityCase{L"12.5", L"10.00"}, ActivityCase{L"-1", L"0.00"},
                      ActivityCase{L"0.4", L"0.40"}, ActivityCase{L"10", L"10.00"},
                      ActivityCase{L"3.14159", L"3.14"}, ActivityCase{L"9.999", L"10.00"},
                      ActivityCase{L" 2.5s", L"2.50"}, ActivityCase{L"", L"0.00"},
                      ActivityCase{L"abc", L"0.00"}, ActivityCase{L"nan", L"0.00"},
                      ActivityCase{L"inf", L"0.00"}, ActivityCase{L"1e999", L"10.00"},
                      ActivityCase{L"-1e999", L"0.00"}, ActivityCase{L"5e-1", L"0.50"}));

TEST(GeneralSettingsFormTest, ActivityPeriodSpinHasOnePositionPerStep) {
    DblSpin spin;
    ConfigureActivityPeriodSpin(spin);
    ASSERT_TRUE(spin.UpdatePositionCount());
    EXPECT_EQ(spin.PositionCount(), 100);
    EXPECT_EQ(spin.PositionFor(0.4), 4);
    EXPECT_EQ(spin.FormatValue(spin.ValueAfterClick(9.9, 1, false)), L"10.00");
}

// --- Leaving an integer row's edit

struct IntegerCase {
    IntegerRow row;
    const wchar_t* typed;
    int32_t position;  // what the up-down held before
    int32_t shown;
};

std::ostream& operator<<(std::ostream& out, const IntegerCase& c) {
    return out << "row " << static_cast<int>(c.row) << " \""
               << std::string(c.typed, c.typed + std::wcslen(c.typed)) << "\" at " << c.position;
}

class IntegerLeavingTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerLeavingTest, ShowsTheTypedNumberOrTheLastValidPosition) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(IntegerAfterLeaving(c.row, IntegerField{c.typed, c.position}), c.shown);
}

constexpr IntegerRow kCutoff = IntegerRow::CutoffFrequency;
constexpr IntegerRow kFilter = IntegerRow::LowPassFilterSize;
constexpr IntegerRow kRecalc = IntegerRow::PowerRecalcRate;
constexpr IntegerRow kThreshold = IntegerRow::Threshold;

INSTANTIATE_TEST_SUITE_P(
    GeneralSettings, IntegerLeavingTest,
    ::testing::Values(
        // Whole numbers within the range are taken, at both limits too.
        IntegerCase{kCutoff, L"12345", 75, 12345}, IntegerCase{kCutoff, L"0", 75, 0},
        IntegerCase{kCutoff, L"50000", 75, 50000}, IntegerCase{kFilter, L" 42", 63, 42},
        IntegerCase{kFilter, L"+7", 63, 7}, IntegerCase{kRecalc, L"10000", 100, 10000},
        IntegerCase{kThreshold, L"30", 65, 30}, IntegerCase{kThreshold, L"100", 65, 100},
        // Outside the range: the up-down keeps its position.
        IntegerCase{kCutoff, L"-1", 75, 75}, IntegerCase{kCutoff, L"60000", 75, 75},
        IntegerCase{kRecalc, L"10001", 100, 100}, IntegerCase{kThreshold, L"20", 65, 65},
        IntegerCase{kThreshold, L"101", 80, 80}, IntegerCase{kThreshold, L"-0", 65, 65},
        IntegerCase{kCutoff, L"99999999999", 75, 75},
        // Not a whole number: likewise.
        IntegerCase{kCutoff, L"", 75, 75}, IntegerCase{kCutoff, L"abc", 75, 75},
        IntegerCase{kFilter, L"12abc", 63, 63}, IntegerCase{kFilter, L"4 ", 63, 63},
        IntegerCase{kRecalc, L"1,000", 100, 100}, IntegerCase{kRecalc, L"1e3", 100, 100},
        IntegerCase{kThreshold, L"-", 65, 65}, IntegerCase{kThreshold, L"6.5", 65, 65},
        // A position outside the range is never shown.
        IntegerCase{kThreshold, L"abc", 5, 30}, IntegerCase{kThreshold, L"abc", 200, 100},
        IntegerCase{kCutoff, L"x", -7, 0}, IntegerCase{kRecalc, L"x", 50000, 10000}));

// --- Opening and "Set default"

struct ShownForm {
    const wchar_t* activityPeriod;
    int32_t cutoff, filter, recalc, threshold;
};

void ExpectShows(const GeneralSettingsForm& form, const ShownForm& expected) {
    EXPECT_EQ(form.activityPeriod, expected.activityPeriod);
    const int32_t values[] = {expected.cutoff, expected.filter, expected.recalc,
                              expected.threshold};
    for (size_t row = 0; row < kIntegerRowCount; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(form.integers[row].text, IntegerText(values[row]));
        EXPECT_EQ(form.integers[row].position, values[row]);
    }
}

struct OpeningCase {
    const char* name;
    GeneralParams record;
    ShownForm shown;
};

std::ostream& operator<<(std::ostream& out, const OpeningCase& c) {
    return out << c.name;
}

class GeneralSettingsOpeningTest : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(GeneralSettingsOpeningTest, ShowsTheRecordWithinTheRanges) {
    ExpectShows(GeneralSettingsFormFor(GetParam().record), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralSettings, GeneralSettingsOpeningTest,
    ::testing::Values(
        OpeningCase{"WithinRanges", {2.5, 440, 127, 512, 90}, {L"2.50", 440, 127, 512, 90}},
        OpeningCase{"AtTheLimits", {10.0, 50000, 0, 10000, 30}, {L"10.00", 50000, 0, 10000, 30}},
        OpeningCase{
            "Above", {12.0, 60000, 50001, 20000, 101}, {L"10.00", 50000, 50000, 10000, 100}},
        OpeningCase{"Below", {-1.0, -5, -1, -100, 5}, {L"0.00", 0, 0, 0, 30}},
        OpeningCase{"NotANumber", {kNaN, 75, 63, 100, 65}, {L"0.00", 75, 63, 100, 65}}),
    [](const ::testing::TestParamInfo<OpeningCase>& info) { return std::string(info.param.name); });

TEST(GeneralSettingsFormTest, SetDefaultShowsTheDefaultValues) {
    ExpectShows(DefaultGeneralSettingsForm(), {L"0.40", 75, 63, 100, 65});
}

// --- OK

struct OkCase {
    const char* name;
    GeneralSettingsForm form;
    GeneralParams stored;
};

std::ostream& operator<<(std::ostream& out, const OkCase& c) {
    return out << c.name;
}

GeneralSettingsForm Typed(const wchar_t* activityPeriod, IntegerField cutoff, IntegerField filter,
                          IntegerField recalc, IntegerField threshold) {
    GeneralSettingsForm form;
    form.activityPeriod = activityPeriod;
    form.integers = {cutoff, filter, recalc, threshold};
    return form;
}

class GeneralSettingsOkTest : public ::testing::TestWithParam<OkCase> {};

TEST_P(GeneralSettingsOkTest, StoresWhatTheRowsShowOnceCorrected) {
    const OkCase& c = GetParam();
    // A record the form's values all differ from.
    const GeneralParams current{7.0, 1, 2, 3, 99};
    const Checked<GeneralParams> checked = CheckGeneralSettings(current, c.form);
    ASSERT_TRUE(checked.Accepted());
    EXPECT_DOUBLE_EQ(checked.record->GPILength, c.stored.GPILength);
    EXPECT_EQ(checked.record->CutoffFrequency, c.stored.CutoffFrequency);
    EXPECT_EQ(checked.record->LowPassFilterSize, c.stored.LowPassFilterSize);
    EXPECT_EQ(checked.record->PowerRecalcRate, c.stored.PowerRecalcRate);
    EXPECT_EQ(checked.record->Threshold, c.stored.Threshold);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralSettings, GeneralSettingsOkTest,
    ::testing::Values(OkCase{"SetDefault", DefaultGeneralSettingsForm(), {0.4, 75, 63, 100, 65}},
                      OkCase{"TypedWithinRanges",
                             Typed(L"2.5", {L"440", 75}, {L"127", 63}, {L"512", 100}, {L"90", 65}),
                             {2.5, 440, 127, 512, 90}},
                      // Confirmed with Enter before any edit lost the focus.
                      OkCase{"TypedBelowTheRanges",
                             Typed(L"-1", {L"-1", 80}, {L"-5", 63}, {L"-100", 100}, {L"20", 65}),
                             {0.0, 80, 63, 100, 65}},
                      OkCase{"TypedAboveTheRanges",
                             Typed(L"12.5", {L"60000", 80}, {L"50001", 70}, {L"10001", 100},
                                   {L"101", 31}),
                             {10.0, 80, 70, 100, 31}},
                      OkCase{"TypedNoNumbers",
                             Typed(L"abc", {L"", 80}, {L"12abc", 70}, {L"1e3", 100}, {L"x", 31}),
                             {0.0, 80, 70, 100, 31}},
                      OkCase{"MoreDecimalsThanShown",
                             Typed(L"0.456", {L"0", 0}, {L"0", 0}, {L"0", 0}, {L"30", 30}),
                             {0.46, 0, 0, 0, 30}}),
    [](const ::testing::TestParamInfo<OkCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cuebell
