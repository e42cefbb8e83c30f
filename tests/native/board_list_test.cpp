#include <gtest/gtest.h>

#include "shared/boards.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_message_box.h"

namespace core {
namespace {

const NoBoardMessage kNoBoard{L"No board text", L"No board caption"};

class BoardListTest : public ::testing::Test {
  protected:
    MemoryBoardDriver driver;
    MemoryMessageBox boxes;
    StringList list{L"stale"};
};

TEST_F(BoardListTest, OneStringPerBoardAndTheDriverIsReleased) {
    driver.boardRates = {48000, 44100, 48000};
    EXPECT_TRUE(GetBoardList(driver, boxes, 42, kNoBoard, &list));
    EXPECT_EQ(list, (StringList{L"1", L"2", L"3"}));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(driver.liveCount, 0);
}

TEST_F(BoardListTest, DriverThatCannotBeCreatedShowsTheErrorOwnedByTheDialog) {
    driver.failCreate = true;
    EXPECT_FALSE(GetBoardList(driver, boxes, 42, kNoBoard, &list));
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].owner, 42u);
    EXPECT_EQ(boxes.Calls()[0].text, kNoBoard.text);
    EXPECT_EQ(boxes.Calls()[0].caption, kNoBoard.caption);
    EXPECT_EQ(boxes.Calls()[0].flags, kMbOk | kMbIconError);
}

TEST_F(BoardListTest, NoBoardGivesTheSameMessage) {
    driver.boardRates.clear();
    EXPECT_FALSE(GetBoardList(driver, boxes, 42, kNoBoard, &list));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].flags, kMbOk | kMbIconError);
    EXPECT_EQ(driver.liveCount, 0);
}

class RateListTest : public BoardListTest {};

TEST_F(RateListTest, The48000BoardOffersFourRatesOthersTheThreeOf44100) {
    driver.boardRates = {48000, 44100, 32000};
    EXPECT_TRUE(GetRateList(driver, boxes, kNoBoard, 1, 0, &list));
    EXPECT_EQ(list, (StringList{L"48000", L"24000", L"16000", L"8000"}));
    EXPECT_TRUE(GetRateList(driver, boxes, kNoBoard, 2, 0, &list));
    EXPECT_EQ(list, (StringList{L"44100", L"22050", L"11025"}));
    EXPECT_TRUE(GetRateList(driver, boxes, kNoBoard, 3, 0, &list));
    EXPECT_EQ(list, (StringList{L"44100", L"22050", L"11025"}));
    EXPECT_EQ(driver.liveCount, 0);
}

TEST_F(RateListTest, BoardMinusOneUsesTheGivenRateWithoutTheDriver) {
    driver.failCreate = true;
    EXPECT_TRUE(GetRateList(driver, boxes, kNoBoard, -1, 48000, &list));
    EXPECT_EQ(list.size(), 4u);
    EXPECT_EQ(driver.createCount, 0);
}

TEST_F(RateListTest, UnknownRateOffersThe44100Family) {
    driver.failRate = {0};
    EXPECT_TRUE(GetRateList(driver, boxes, kNoBoard, 1, 0, &list));
    EXPECT_EQ(list.front(), L"44100");
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(RateListTest, FailedSelectionIsSilentAndFailedCreationWarnsWithoutOwner) {
    driver.failSelect = {0};
    EXPECT_FALSE(GetRateList(driver, boxes, kNoBoard, 1, 0, &list));
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_FALSE(GetRateList(driver, boxes, kNoBoard, 7, 0, &list));  // no such board
    EXPECT_TRUE(boxes.Calls().empty());
    driver.failCreate = true;
    EXPECT_FALSE(GetRateList(driver, boxes, kNoBoard, 1, 0, &list));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].owner, 0u);
    EXPECT_EQ(boxes.Calls()[0].flags, kMbOk | kMbIconWarning);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(driver.liveCount, 0);
}

TEST_F(RateListTest, InitRateChoiceSelectsTheNativeRateAndItsDigits) {
    driver.boardRates = {44100};
    RateChoice choice;
    ASSERT_TRUE(InitRateChoice(driver, boxes, kNoBoard, &choice, 1, 0));
    EXPECT_EQ(choice.NativeRate, 44100);
    EXPECT_EQ(choice.Rates, (std::vector<int32_t>{44100, 22050, 11025}));
    EXPECT_EQ(choice.Selected, 0);
    EXPECT_EQ(choice.Digits, (std::vector<int32_t>{14, 15}));
    driver.failCreate = true;
    RateChoice untouched;
    EXPECT_FALSE(InitRateChoice(driver, boxes, kNoBoard, &untouched, 1, 0));
    EXPECT_TRUE(untouched.Rates.empty());
}

}  // namespace
}  // namespace core
