#include "shared/format.h"

#include <gtest/gtest.h>

namespace core {
namespace {

struct FormatCase {
    const wchar_t* format;
    double value;
    const wchar_t* expected;
};

class FormatDoubleTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatDoubleTest, MatchesThePrintfConventions) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(Format(c.format, c.value), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FormatDoubleTest,
    ::testing::Values(FormatCase{L"%05.2f", 0.5, L"00.50"}, FormatCase{L"%05.2f", 12.346, L"12.35"},
                      FormatCase{L"%05.2f", 123.4, L"123.40"}, FormatCase{L"%#5.2f", 0.0, L" 0.00"},
                      FormatCase{L"%#5.2f", 12.5, L"12.50"}, FormatCase{L"%f", 0.4, L"0.400000"},
                      FormatCase{L"%f", 1.5, L"1.500000"}, FormatCase{L"%g", 0.4, L"0.4"},
                      FormatCase{L"%g", 100000.0, L"100000"}, FormatCase{L"%g", 1e6, L"1e+06"},
                      FormatCase{L"%f", -2.25, L"-2.250000"}));

TEST(FormatTest, WideStringsAndIntegersInOrder) {
    EXPECT_EQ(Format(L"%s %d B%s", L"CX840 Input", 2, L"1"), L"CX840 Input 2 B1");
    EXPECT_EQ(Format(L"%d%%", 45), L"45%");
    EXPECT_EQ(Format(L"%s = %d%%(default)", L"Threshold", 30), L"Threshold = 30%(default)");
    EXPECT_EQ(Format(L"%d ", -1), L"-1 ");
}

TEST(FormatTest, NonAsciiTextPassesThroughUnchanged) {
    std::wstring name = L"Jingle \u00e9t\u00e9 \u266b";
    EXPECT_EQ(Format(L"'%s'", name), L"'" + name + L"'");
}

TEST(FormatTest, MissingArgumentsFormatAsEmptyOrZero) {
    EXPECT_EQ(Format(L"%s|%d|%f"), L"|0|0.000000");
}

TEST(FormatTest, TextWithoutConversionsAndDanglingPercentStayAsWritten) {
    EXPECT_EQ(Format(L"plain"), L"plain");
    EXPECT_EQ(Format(L"50%", 1), L"50%");
}

TEST(FormatTest, WidthAndPrecisionApplyToStrings) {
    EXPECT_EQ(Format(L"[%5s]", L"ab"), L"[   ab]");
    EXPECT_EQ(Format(L"[%-5s]", L"ab"), L"[ab   ]");
    EXPECT_EQ(Format(L"[%.2s]", L"abcdef"), L"[ab]");
}

TEST(FormatTest, HugeWidthsAreBounded) {
    std::wstring out = Format(L"%99999d", 1);
    EXPECT_LE(out.size(), 512u);
    EXPECT_EQ(out.back(), L'1');
}

}  // namespace
}  // namespace core
