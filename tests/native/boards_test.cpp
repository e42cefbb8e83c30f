#include "shared/boards.h"

#include <gtest/gtest.h>

namespace core {
namespace {

struct DigitCase {
    int32_t rate, minDigit, maxDigit;
};

class AnalysisDigitTest : public ::testing::TestWithParam<DigitCase> {};

TEST_P(AnalysisDigitTest, WindowsCoverAtLeast300MsAndAtMostOneSecond) {
    const DigitCase& c = GetParam();
    EXPECT_EQ(MinAnalysisDigit(c.rate), c.minDigit);
    EXPECT_EQ(MaxAnalysisDigit(c.rate), c.maxDigit);
}

INSTANTIATE_TEST_SUITE_P(EveryOfferedRate, AnalysisDigitTest,
                         ::testing::Values(DigitCase{48000, 14, 15}, DigitCase{44100, 14, 15},
                                           DigitCase{24000, 13, 14}, DigitCase{22050, 13, 14},
                                           DigitCase{16000, 13, 13}, DigitCase{11025, 12, 13},
                                           DigitCase{8000, 12, 12}));

TEST(AnalysisDigitTest, OddRatesStayWithinBounds) {
    EXPECT_EQ(MinAnalysisDigit(0), 1);
    EXPECT_EQ(MaxAnalysisDigit(0), 0);
    EXPECT_LE(MinAnalysisDigit(2147483647), 62);
    EXPECT_LE(MaxAnalysisDigit(2147483647), 62);
    EXPECT_EQ(MinAnalysisDigit(-5), 1);
}

TEST(BoardNumberTest, TrailingDigitsOfTheTrimmedName) {
    EXPECT_EQ(BoardNumberOf(L"CX840 Input 3 B12"), 12);
    EXPECT_EQ(BoardNumberOf(L"CX840 Input 1 B2 "), 2);
    EXPECT_EQ(BoardNumberOf(L"CX840 Input 1 Bx"), -1);
    EXPECT_EQ(BoardNumberOf(L""), -1);
    EXPECT_EQ(BoardNumberOf(L"B0"), 0);
    EXPECT_EQ(BoardNumberOf(L"99999999999999999999"), 2147483647);
}

TEST(InputNamesTest, ThreeInputsPerBoardBoardByBoard) {
    StringList names{L"stale"};
    BuildInputNames({L"1", L"2"}, &names);
    EXPECT_EQ(names, (StringList{L"CX840 Input 1 B1", L"CX840 Input 2 B1", L"CX840 Input 3 B1",
                                 L"CX840 Input 1 B2", L"CX840 Input 2 B2", L"CX840 Input 3 B2"}));
    BuildInputNames({}, &names);
    EXPECT_TRUE(names.empty());
}

RateChoice ChoiceOf(std::vector<int32_t> rates) {
    RateChoice choice;
    choice.Rates = std::move(rates);
    choice.NativeRate = choice.Rates.front();
    RebuildDigits(&choice);
    return choice;
}

TEST(RateChoiceTest, NormalizeMovesAForeignRateToTheBoardsOwnFamily) {
    RateChoice choice = ChoiceOf({48000, 24000, 16000, 8000});
    int32_t rate = 44100, digit = 16;
    NormalizeRateAndDigit(&choice, &rate, &digit);
    EXPECT_EQ(rate, 48000);
    EXPECT_EQ(digit, 14);
    EXPECT_EQ(choice.Selected, 0);
}

TEST(RateChoiceTest, NormalizeKeepsAnAllowedRateAndDigit) {
    RateChoice choice = ChoiceOf({44100, 22050, 11025});
    int32_t rate = 11025, digit = 13;
    NormalizeRateAndDigit(&choice, &rate, &digit);
    EXPECT_EQ(rate, 11025);
    EXPECT_EQ(digit, 13);
    EXPECT_EQ(choice.Selected, 2);
    EXPECT_EQ(choice.Digits, (std::vector<int32_t>{12, 13}));
    EXPECT_EQ(choice.NativeRate, 44100);
}

TEST(RateChoiceTest, EmptyChoiceLeavesTheValuesAlone) {
    RateChoice choice;
    int32_t rate = 1234, digit = 7;
    NormalizeRateAndDigit(&choice, &rate, &digit);
    EXPECT_EQ(rate, 1234);
    EXPECT_EQ(digit, 7);
    choice.Selected = 5;
    RebuildDigits(&choice);
    EXPECT_TRUE(choice.Digits.empty());
}

}  // namespace
}  // namespace core
