// The main dialog's start-up passes, run against the in-memory ports: each refusal, the
// sample-rate check and repair, the older-layout step and the merge with the playout
// tables.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cuebell/core/cuebell_session.h"
#include "cuebell_session_fixture.h"
#include "shared/reg_values.h"

namespace cuebell {
namespace {

using core::RegRoot;
using namespace cuebell::testing;

TEST(CuebellSessionStart, PlayoutWindowPresentShowsOnlyItsMessageAndTouchesNothing) {
    Station station;
    SeedStation(station);
    station.system.AddWindowClass(L"TAirMainForm");

    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    const auto& box = station.boxes.Calls()[0];
    EXPECT_EQ(box.owner, kOwner);
    EXPECT_EQ(box.text,
              L"Airvexa is detected and must be closed before starting the Cuebell application!");
    EXPECT_EQ(box.caption, L"Start Cuebell");
    EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconError);
    EXPECT_EQ(station.memory.CallCount(), 0);
    EXPECT_EQ(station.driver.createCount, 0);
    EXPECT_TRUE(station.window.moves.empty());
    EXPECT_TRUE(station.session.TakeEntries().empty());
}

struct NoBoardCase {
    const char* name;
    std::vector<int32_t> boardRates;
    bool failCreate;
};

class CuebellSessionNoBoard : public ::testing::TestWithParam<NoBoardCase> {};

TEST_P(CuebellSessionNoBoard, QuitsAfterTheBoardMessageBeforeAnyRegistryAccess) {
    Station station;
    SeedStation(station);
    station.driver.boardRates = GetParam().boardRates;
    station.driver.failCreate = GetParam().failCreate;

    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    EXPECT_EQ(station.boxes.Calls()[0].text, Text(IDS_NO_BOARD_FOUND));
    EXPECT_EQ(station.boxes.Calls()[0].caption, L"Check CX840 board");
    EXPECT_EQ(station.boxes.Calls()[0].flags, core::kMbOk | core::kMbIconError);
    EXPECT_EQ(station.boxes.Calls()[0].owner, kOwner);
    EXPECT_EQ(station.memory.CallCount(), 0);
    EXPECT_TRUE(station.session.Boards().empty());
}

INSTANTIATE_TEST_SUITE_P(Branches, CuebellSessionNoBoard,
                         ::testing::Values(NoBoardCase{"NoBoardInstalled", {}, false},
                                           NoBoardCase{"DriverCannotBeCreated", {48000}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CuebellSessionStart, LoadsTheStoreAndMergesTheEntriesWithTheTables) {
    Station station;
    SeedStation(station);
    station.memory.PutDword(RegRoot::CurrentUser, kSettingsKey, L"Window dialog top", 50);
    station.memory.PutDword(RegRoot::CurrentUser, kSettingsKey, L"Window dialog bottom", 400);
    station.memory.PutDword(RegRoot::CurrentUser, kSettingsKey, L"Window dialog left", 60);
    station.memory.PutDword(RegRoot::CurrentUser, kSettingsKey, L"Window dialog right", 500);
    station.memory.PutString(RegRoot::CurrentUser, kSettingsKey, L"Wav file path",
                             L"D:\\Audio\\last.wav");
    station.system.AddPath(L"D:\\Audio");

    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    EXPECT_TRUE(station.boxes.Calls().empty());
    EXPECT_EQ(station.session.Boards(), (core::StringList{L"1", L"2"}));
    ASSERT_EQ(station.session.Actions().size(), 1u);
    EXPECT_EQ(station.session.Actions()[0].Name, L"Wait command");
    EXPECT_EQ(station.session.Actions()[0].CommentAllowed, 1);
    EXPECT_EQ(station.session.Actions()[0].Code, 101);
    ASSERT_EQ(station.window.moves.size(), 1u);
    EXPECT_EQ(station.window.rect.left, 60);
    EXPECT_EQ(station.window.rect.bottom, 400);
    EXPECT_EQ(station.session.LastWavPath(), L"D:\\Audio\\last.wav");
    EXPECT_EQ(station.session.General().Threshold, 35);
    EXPECT_EQ(station.session.General().PowerRecalcRate, 120);
    EXPECT_EQ(station.session.Samples().size(), 3u);
    EXPECT_EQ(station.session.Devices().size(), 2u);

    EntryList entries = station.session.TakeEntries();
    ASSERT_EQ(entries.size(), 3u);
    const std::wstring comments[] = {L"Top of hour", L"Goal", L""};
    const std::wstring names[] = {L"WAV_News", L"WAV_Sport", L"WAV_Ads"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i]->Name, names[i]);
        EXPECT_EQ(entries[i]->Comment, comments[i]) << names[i];
        EXPECT_EQ(entries[i]->Action.Name, L"Wait command") << names[i];
        EXPECT_EQ(entries[i]->Action.Code, 101) << names[i];
    }
    EXPECT_TRUE(station.session.TakeEntries().empty()) << "the entries are handed over once";
    EXPECT_EQ(station.memory.OpenHandleCount(), 0);
}

TEST(CuebellSessionStart, NothingIsWrittenOnTheWayToReady) {
    Station station;
    SeedStation(station);
    const std::wstring machine = station.memory.Dump(RegRoot::LocalMachine);
    const std::wstring user = station.memory.Dump(RegRoot::CurrentUser);

    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine), machine);
    EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser), user);
}

// --- The sample-rate check: a 44100 Hz device on the 48000 Hz board 1.

class CuebellSessionSampleRate : public ::testing::Test {
  protected:
    void SetUp() override {
        SeedStation(station);
        PutDevice(station.memory, 0, L"CX840 Input 1 B1", L"44100", L"15");
    }
    Station station;
};

TEST_F(CuebellSessionSampleRate, DeclinedRepairQuitsWithoutWriting) {
    const std::wstring machine = station.memory.Dump(RegRoot::LocalMachine);
    const std::wstring user = station.memory.Dump(RegRoot::CurrentUser);
    station.boxes.QueueAnswer(core::kIdNo);

    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    const auto& box = station.boxes.Calls()[0];
    EXPECT_EQ(box.text, Text(IDS_SAMPLE_RATE_MISMATCH_QUESTION));
    EXPECT_EQ(box.caption, L"Changing detection sample rates");
    EXPECT_EQ(box.flags, core::kMbYesNo | core::kMbIconQuestion);
    EXPECT_EQ(box.owner, kOwner);
    EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine), machine);
    EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser), user);
}

TEST_F(CuebellSessionSampleRate, AcceptedRepairWritesTheDevicesAtOnce) {
    station.boxes.QueueAnswer(core::kIdYes);

    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    EXPECT_EQ(station.StoreValue(DeviceKey(0), L"SampleRate"), L"48000");
    EXPECT_EQ(station.StoreValue(DeviceKey(0), L"AnalysisDigit"), L"14");
    EXPECT_EQ(station.StoreValue(DeviceKey(0), L"Name"), L"CX840 Input 1 B1");
    // The device on the 44100 Hz board was consistent and keeps its values.
    EXPECT_EQ(station.StoreValue(DeviceKey(1), L"SampleRate"), L"44100");
    EXPECT_EQ(station.StoreValue(DeviceKey(1), L"AnalysisDigit"), L"15");
    EXPECT_EQ(station.session.Devices()[0].SampleRate, 48000);
    EXPECT_EQ(station.session.Devices()[0].AnalysisDigit, 14);
    // Only the devices are written: the rest of the store stays as it was.
    EXPECT_EQ(station.StoreValue(kStore, L"GPIsCount"), L"3");
    EXPECT_EQ(station.session.TakeEntries().size(), 3u);
}

TEST_F(CuebellSessionSampleRate, AnAnswerOtherThanYesQuits) {
    station.boxes.QueueAnswer(core::kIdCancel);
    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);
    EXPECT_EQ(station.StoreValue(DeviceKey(0), L"SampleRate"), L"44100");
}

struct RateCheckCase {
    const char* name;
    std::wstring deviceName;
    std::wstring rate;
    std::set<int32_t> failSelect;
    bool asks;
};

class CuebellSessionRateCheck : public ::testing::TestWithParam<RateCheckCase> {};

TEST_P(CuebellSessionRateCheck, AsksOnlyForACheckedDeviceOutsideItsBoardsRates) {
    const RateCheckCase& c = GetParam();
    Station station;
    SeedRealisticStore(station.memory);  // no playout tables: the merge stays silent
    station.driver.boardRates = {48000, 44100};
    station.driver.failSelect = c.failSelect;
    PutDevice(station.memory, 0, c.deviceName, c.rate, L"13");
    station.boxes.SetDefaultAnswer(core::kIdNo);

    StartResult result = station.session.Start(kOwner, station.window);

    EXPECT_EQ(result, c.asks ? StartResult::Quit : StartResult::Ready);
    EXPECT_EQ(station.ShownTexts(),
              c.asks ? std::vector<std::wstring>{Text(IDS_SAMPLE_RATE_MISMATCH_QUESTION)}
                     : std::vector<std::wstring>{});
    if (!c.asks) {
        EXPECT_EQ(station.session.Devices()[0].SampleRate, core::ParseLeadingInt(c.rate));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Devices, CuebellSessionRateCheck,
    ::testing::Values(RateCheckCase{"AllowedLowerRate", L"CX840 Input 1 B1", L"16000", {}, false},
                      RateCheckCase{"OtherFamily", L"CX840 Input 1 B1", L"22050", {}, true},
                      RateCheckCase{"NameInOtherCase", L"cx840 input 1 b1", L"22050", {}, true},
                      RateCheckCase{"BoardNotInstalled", L"CX840 Input 1 B3", L"12345", {}, false},
                      RateCheckCase{"NotAnInputName", L"Studio mic", L"12345", {}, false},
                      RateCheckCase{
                          "BoardCannotBeSelected", L"CX840 Input 1 B1", L"22050", {0}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The merge with the playout tables at start-up.

TEST(CuebellSessionStart, MergeAnnouncesEachRemovedEventInOrder) {
    Station station;
    SeedStation(station);
    // "Annex" (board 2, listed first) holds WAV_News of board 1; "Studio" holds it twice.
    core::testing_events::SeedInstance(station.memory, L"Annex", L"Card 2",
                                       L"101 0 500 WAV_News|wrong board");
    core::testing_events::SeedInstance(station.memory, L"Studio", L"Card 1",
                                       L"101 0 500 WAV_News|first\n101 0 500 WAV_News|again");

    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    EXPECT_EQ(station.ShownTexts(),
              (std::vector<std::wstring>{
                  L"For the detection entry 'WAV_News' (board #1), the same one from VeZevAnnex "
                  L"but assigned to a different board (#2) will be deleted!",
                  L"The repeating detection entry 'WAV_News' from VeZevStudio will be deleted!"}));
    for (const auto& box : station.boxes.Calls()) {
        EXPECT_EQ(box.caption, L"Set VeZev info ");
        EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconWarning);
        EXPECT_EQ(box.owner, kOwner);
    }
    EntryList entries = station.session.TakeEntries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0]->Comment, L"first");
}

// --- The older-layout step.

class RecordingLegacyStep : public LegacyLayoutStep {
  public:
    explicit RecordingLegacyStep(bool present) : present_(present) {}
    bool DetectLegacyLayout() override {
        ++detections;
        return present_;
    }
    void ConvertLegacyLayout(core::WindowHandle owner, const GeneralParams& general,
                             const core::StringList& boards,
                             core::PlayoutInstanceList* instances) override {
        ++conversions;
        convertOwner = owner;
        generalThreshold = general.Threshold;
        boardsSeen = boards;
        instancesSeen = instances->size();
    }

    int detections = 0;
    int conversions = 0;
    core::WindowHandle convertOwner = 0;
    int32_t generalThreshold = -1;
    core::StringList boardsSeen;
    size_t instancesSeen = 0;

  private:
    bool present_;
};

TEST(CuebellSessionLegacy, NoOldLayoutAsksNothing) {
    Station station;
    SeedStation(station);
    RecordingLegacyStep step(false);
    station.session.SetLegacyLayoutStep(&step);

    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);
    EXPECT_EQ(step.detections, 1);
    EXPECT_EQ(step.conversions, 0);
    EXPECT_TRUE(station.boxes.Calls().empty());
}

TEST(CuebellSessionLegacy, DeclinedConversionQuitsBeforeLoadingAnything) {
    Station station;
    SeedStation(station);
    RecordingLegacyStep step(true);
    station.session.SetLegacyLayoutStep(&step);
    station.boxes.QueueAnswer(core::kIdNo);

    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    EXPECT_EQ(station.boxes.Calls()[0].text, Text(IDS_CONVERT_LEGACY_QUESTION));
    EXPECT_EQ(station.boxes.Calls()[0].caption, L"Format converting");
    EXPECT_EQ(station.boxes.Calls()[0].flags, core::kMbYesNo | core::kMbIconQuestion);
    EXPECT_EQ(step.conversions, 0);
    EXPECT_TRUE(station.window.moves.empty()) << "the placement is loaded after the question";
    EXPECT_TRUE(station.session.Samples().empty());
}

TEST(CuebellSessionLegacy, AcceptedConversionRunsWithTheDefaultsThenLoads) {
    Station station;
    SeedStation(station);
    RecordingLegacyStep step(true);
    station.session.SetLegacyLayoutStep(&step);
    station.boxes.QueueAnswer(core::kIdYes);

    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    EXPECT_EQ(step.conversions, 1);
    EXPECT_EQ(step.convertOwner, kOwner);
    EXPECT_EQ(step.generalThreshold, 30) << "the defaults, not the stored 35";
    EXPECT_EQ(step.boardsSeen, (core::StringList{L"1", L"2"}));
    EXPECT_EQ(step.instancesSeen, 2u);
    EXPECT_EQ(station.session.General().Threshold, 35);
    EXPECT_EQ(station.session.TakeEntries().size(), 3u);
}

}  // namespace
}  // namespace cuebell
