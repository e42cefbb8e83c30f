// The general settings form: what each row shows once its edit loses the focus, and the
// record OK stores from the rows as the dialog opened them, as "Set default" left them or
// as the operator typed them without leaving the edit.
#include "cuebell/editors/general_settings_form.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace cuebell {
namespace {

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

TEST(GeneralSettingsFormTest, ActivityPeriodLeavingShowsTheNumberWithinTheRange) {
    const struct {
        const wchar_t* typed;
        const wchar_t* shown;
    } cases[] = {{L"12.5", L"10.00"},   {L"-1", L"0.00"},     {L"0.4", L"0.40"},
                 {L"3.14159", L"3.14"}, {L"9.999", L"10.00"}, {L" 2.5s", L"2.50"},
                 {L"", L"0.00"},        {L"abc", L"0.00"},    {L"nan", L"0.00"},
                 {L"1e999", L"10.00"},  {L"-1e999", L"0.00"}, {L"5e-1", L"0.50"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.typed));
        EXPECT_EQ(ActivityPeriodText(ActivityPeriodAfterLeaving(c.typed)), c.shown);
    }
}

TEST(GeneralSettingsFormTest, IntegerLeavingShowsTheTypedNumberOrTheLastValidPosition) {
    const struct {
        IntegerRow row;
        const wchar_t* typed;
        int32_t position;  // what the up-down held before
        int32_t shown;
    } cases[] = {
        // Whole numbers within the range, at the limits too.
        {IntegerRow::CutoffFrequency, L"50000", 75, 50000},
        {IntegerRow::LowPassFilterSize, L" +7", 63, 7},
        {IntegerRow::PowerRecalcRate, L"0", 100, 0},
        {IntegerRow::Threshold, L"30", 65, 30},
        // Outside the range, or no whole number: the up-down keeps its position.
        {IntegerRow::CutoffFrequency, L"-1", 75, 75},
        {IntegerRow::CutoffFrequency, L"99999999999", 75, 75},
        {IntegerRow::PowerRecalcRate, L"10001", 100, 100},
        {IntegerRow::Threshold, L"20", 80, 80},
        {IntegerRow::LowPassFilterSize, L"", 63, 63},
        {IntegerRow::LowPassFilterSize, L"12abc", 63, 63},
        {IntegerRow::PowerRecalcRate, L"1,000", 100, 100},
        {IntegerRow::Threshold, L"6.5", 65, 65},
        // A position outside the range is never shown.
        {IntegerRow::Threshold, L"abc", 5, 30},
        {IntegerRow::PowerRecalcRate, L"x", 50000, 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.typed) + " in row " + std::to_string(static_cast<int>(c.row)));
        EXPECT_EQ(IntegerAfterLeaving(c.row, IntegerField{c.typed, c.position}), c.shown);
    }
}

GeneralSettingsForm Typed(const wchar_t* activityPeriod, IntegerField cutoff, IntegerField filter,
                          IntegerField recalc, IntegerField threshold) {
    GeneralSettingsForm form;
    form.activityPeriod = activityPeriod;
    form.integers = {cutoff, filter, recalc, threshold};
    return form;
}

TEST(GeneralSettingsFormTest, OkStoresEveryRowAsLeavingItWouldShowIt) {
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        GeneralSettingsForm form;
        GeneralParams stored;
    } cases[] = {
        {"set default", DefaultGeneralSettingsForm(), {0.4, 75, 63, 100, 65}},
        {"opened", GeneralSettingsFormFor({2.5, 440, 127, 512, 90}), {2.5, 440, 127, 512, 90}},
        {"opened above the ranges",
         GeneralSettingsFormFor({12.0, 60000, 50001, 20000, 101}),
         {10.0, 50000, 50000, 10000, 100}},
        {"opened below the ranges",
         GeneralSettingsFormFor({-1.0, -5, -1, -100, 5}),
         {0.0, 0, 0, 0, 30}},
        {"opened with no number",
         GeneralSettingsFormFor({kNaN, 75, 63, 100, 65}),
         {0.0, 75, 63, 100, 65}},
        {"typed within the ranges",
         Typed(L"2.5", {L"440", 75}, {L"127", 63}, {L"512", 100}, {L"90", 65}),
         {2.5, 440, 127, 512, 90}},
        {"typed below the ranges",
         Typed(L"-1", {L"-1", 80}, {L"-5", 63}, {L"-100", 100}, {L"20", 65}),
         {0.0, 80, 63, 100, 65}},
        {"typed above the ranges",
         Typed(L"12.5", {L"60000", 80}, {L"50001", 70}, {L"10001", 100}, {L"101", 31}),
         {10.0, 80, 70, 100, 31}},
        {"typed no numbers",
         Typed(L"abc", {L"", 80}, {L"x", 70}, {L"1e3", 100}, {L"-", 31}),
         {0.0, 80, 70, 100, 31}},
        {"typed more decimals than shown",
         Typed(L"0.456", {L"0", 0}, {L"0", 0}, {L"0", 0}, {L"30", 30}),
         {0.46, 0, 0, 0, 30}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Checked<GeneralParams> checked = CheckGeneralSettings({7.0, 1, 2, 3, 99}, c.form);
        ASSERT_TRUE(checked.Accepted());
        EXPECT_DOUBLE_EQ(checked.record->GPILength, c.stored.GPILength);
        EXPECT_EQ(checked.record->CutoffFrequency, c.stored.CutoffFrequency);
        EXPECT_EQ(checked.record->LowPassFilterSize, c.stored.LowPassFilterSize);
        EXPECT_EQ(checked.record->PowerRecalcRate, c.stored.PowerRecalcRate);
        EXPECT_EQ(checked.record->Threshold, c.stored.Threshold);
    }
}

}  // namespace
}  // namespace cuebell
