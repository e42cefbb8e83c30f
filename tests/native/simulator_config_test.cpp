#include "config/simulator_config.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace core {
namespace {

struct BoardsCase {
    const char* name;
    std::optional<std::wstring> boards;
    std::vector<int32_t> rates;
};

class SimulatorBoardsTest : public ::testing::TestWithParam<BoardsCase> {};

TEST_P(SimulatorBoardsTest, GivesOneBoardPerValidRate) {
    EXPECT_EQ(ParseSimulatorConfig(GetParam().boards, std::nullopt).boardRates, GetParam().rates);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SimulatorBoardsTest,
    ::testing::Values(BoardsCase{"Absent", std::nullopt, {48000}}, BoardsCase{"Empty", L"", {}},
                      BoardsCase{"BlanksOnly", L"  \t ", {}}, BoardsCase{"One", L"44100", {44100}},
                      BoardsCase{"TwoInOrder", L"48000,44100", {48000, 44100}},
                      BoardsCase{"BlanksAroundItems", L" 44100 ,\t48000 ", {44100, 48000}},
                      BoardsCase{"EmptyItemsSkipped", L",48000,,44100,", {48000, 44100}},
                      BoardsCase{"NonNumbersSkipped", L"abc,48000,4 8000,48k,0x10", {48000}},
                      BoardsCase{"ZeroAndNegativeSkipped", L"0,-48000,+44100,32000", {32000}},
                      BoardsCase{"LargestRateKept", L"2147483647", {2147483647}},
                      BoardsCase{
                          "OverflowSkipped", L"2147483648,99999999999999999999,8000", {8000}},
                      BoardsCase{"CommasOnly", L",,,", {}}),
    [](const ::testing::TestParamInfo<BoardsCase>& info) { return info.param.name; });

TEST(SimulatorConfigTest, BoardCountIsCapped) {
    std::wstring many;
    for (int i = 0; i < 1000; ++i) {
        many += L"8000,";
    }
    EXPECT_EQ(ParseSimulatorConfig(many, std::nullopt).boardRates.size(), kSimulatorMaxBoards);
}

struct FailCase {
    const char* name;
    std::wstring fail;
    bool create;
    bool audio;
    std::set<int32_t> select;
    std::set<int32_t> rate;
};

class SimulatorFailTest : public ::testing::TestWithParam<FailCase> {};

TEST_P(SimulatorFailTest, UnderstandsEachOption) {
    const FailCase& c = GetParam();
    SimulatorConfig config = ParseSimulatorConfig(std::nullopt, c.fail);
    EXPECT_EQ(config.failCreate, c.create);
    EXPECT_EQ(config.failAudio, c.audio);
    EXPECT_EQ(config.failSelect, c.select);
    EXPECT_EQ(config.failRate, c.rate);
    EXPECT_EQ(config.boardRates, std::vector<int32_t>{48000});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SimulatorFailTest,
    ::testing::Values(
        FailCase{"Nothing", L"", false, false, {}, {}},
        FailCase{"Create", L"create", true, false, {}, {}},
        FailCase{"Audio", L"audio", false, true, {}, {}},
        FailCase{"Select", L"select:1", false, false, {1}, {}},
        FailCase{"Rate", L"rate:0", false, false, {}, {0}},
        FailCase{"All", L"create,audio,select:0,select:2,rate:1", true, true, {0, 2}, {1}},
        FailCase{"CaseAndBlanks", L" CREATE , Select: 3 ,RATE:4\t", true, false, {3}, {4}},
        FailCase{"EmptyItems", L",,audio,,", false, true, {}, {}},
        FailCase{"IndexMissing", L"select:,rate:", false, false, {}, {}},
        FailCase{"IndexNotANumber", L"select:x,rate:1.5,select:1a", false, false, {}, {}},
        FailCase{"IndexNegative", L"select:-1,rate:-2", false, false, {}, {}},
        FailCase{"IndexHuge", L"select:4294967296,rate:2147483647", false, false, {}, {2147483647}},
        FailCase{"UnknownWordsIgnored",
                 L"creat,createx,audiox,select,rate 1,selectx:1",
                 false,
                 false,
                 {},
                 {}}),
    [](const ::testing::TestParamInfo<FailCase>& info) { return info.param.name; });

TEST(SimulatorConfigTest, BoardsAndFailuresAreIndependent) {
    SimulatorConfig config =
        ParseSimulatorConfig(std::wstring(L"44100,48000"), std::wstring(L"select:1"));
    EXPECT_EQ(config.boardRates, (std::vector<int32_t>{44100, 48000}));
    EXPECT_FALSE(config.SelectFails(0));
    EXPECT_TRUE(config.SelectFails(1));
    EXPECT_FALSE(config.RateFails(1));
}

}  // namespace
}  // namespace core
