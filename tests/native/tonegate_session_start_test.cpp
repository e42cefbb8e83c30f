// Tonegate's start-up steps against the in-memory ports: each refusal (and what the
// teardown writes after it), the signals with the actions and comments of the tables,
// the device-name repair, and the merge with its one warning.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "shared/format.h"
#include "tonegate_session_fixture.h"

namespace tonegate {
namespace {

using core::RegRoot;
using namespace tonegate::testing;

struct RefusalCase {
    const char* name;
    std::function<void(Station&)> refuse;
    std::wstring text;
    std::wstring caption;
};

class TonegateSessionRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TonegateSessionRefusal, QuitsAfterItsMessageWithoutReadingTheStore) {
    Station station;
    SeedStation(station);
    GetParam().refuse(station);

    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    const auto& box = station.boxes.Calls()[0];
    EXPECT_EQ(box.owner, kOwner);
    EXPECT_EQ(box.text, GetParam().text);
    EXPECT_EQ(box.caption, GetParam().caption);
    EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconError);
    EXPECT_EQ(station.memory.CallCount(), 0) << "nothing read, nothing written";
    EXPECT_TRUE(station.window.moves.empty());
    EXPECT_TRUE(station.session.TakeSignals().empty());
    EXPECT_EQ(station.session.Save(kOwner, {}), SaveResult::WriteFailed);
    EXPECT_EQ(station.memory.CallCount(), 0);
}

TEST_P(TonegateSessionRefusal, TeardownKeepsTheStoredPlacementAndSoundFilePath) {
    Station station;
    SeedStation(station);
    station.memory.PutString(RegRoot::CurrentUser, kSettingsKey, L"Wav file path",
                             L"D:\\Tones\\cue.wav");
    station.memory.PutDword(RegRoot::CurrentUser, kSettingsKey, L"Window dialog left", 400);
    GetParam().refuse(station);
    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);
    station.window.rect = core::Rect{11, 22, 333, 444};

    EXPECT_TRUE(station.session.Close(station.window));

    EXPECT_EQ(station.memory.GetString(RegRoot::CurrentUser, kSettingsKey, L"Wav file path"),
              L"D:\\Tones\\cue.wav");
    EXPECT_FALSE(
        station.memory.HasValue(RegRoot::CurrentUser, kSettingsKey, L"Window dialog bottom"));
    EXPECT_EQ(station.memory.CallCount(), 0) << "the stored left of 400 is not rewritten";
}

const std::wstring kNoBoardText =
    L"Do not find any CX840 board!\nPlease check that at least one CX840 board is installed in "
    L"the system and is working properly!\nThe application will be closed.";

INSTANTIATE_TEST_SUITE_P(
    Causes, TonegateSessionRefusal,
    ::testing::Values(
        RefusalCase{"PlayoutRunning", [](Station& s) { s.system.AddWindowClass(L"TAirMainForm"); },
                    L"Airvexa is detected and must be closed before starting of the Tonegate "
                    L"application!",
                    L"Start Tonegate"},
        RefusalCase{"NoBoard", [](Station& s) { s.driver.boardRates.clear(); }, kNoBoardText,
                    L"Check CX840 board"},
        RefusalCase{"DriverMissing", [](Station& s) { s.driver.failCreate = true; }, kNoBoardText,
                    L"Check CX840 board"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TonegateSessionStart, LoadsTheSignalsWithTheActionsAndCommentsOfTheTables) {
    Station station;
    SeedStation(station);
    // A device name of the older form.
    Put(station.memory, SignalKey(3), L"DeviceName", L"CX840 Output 3 B2");
    // A name with blanks at both ends, as a hand edit leaves it: trimmed, it meets its event.
    Put(station.memory, SignalKey(2), L"Name", L" DTMF_Traffic\t ");

    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    EXPECT_TRUE(station.boxes.Calls().empty());
    EXPECT_EQ(station.session.Boards(), (core::StringList{L"1", L"2"}));
    SignalList signals = station.session.TakeSignals();
    ASSERT_EQ(signals.size(), 4u);
    struct Expected {
        std::wstring name, device, comment;
    };
    const Expected expected[] = {
        {L"DTMF_News", L"CX840 Input 1 B1", L"Top of hour"},
        {L"DTMF_Ads", L"CX840 Input 2 B1", L""},
        {L"DTMF_Traffic", L"CX840 Input 1 B2", L"Traffic news"},
        {L"DTMF_Left", L"CX840 Input 3 B2", L""},
    };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(signals[i]->Name, expected[i].name) << i;
        EXPECT_EQ(signals[i]->DeviceName, expected[i].device) << i;
        EXPECT_EQ(signals[i]->Comment, expected[i].comment) << i;
        EXPECT_EQ(signals[i]->Action.Name, L"Wait command") << i;
        EXPECT_EQ(signals[i]->Action.Code, 101) << i;
    }
    EXPECT_TRUE(station.session.TakeSignals().empty()) << "the session keeps none";
    // The stored placement was applied.
    EXPECT_EQ(station.window.moves.size(), 1u);
}

TEST(TonegateSessionStart, NothingIsWrittenOnTheWayToReady) {
    Station station;
    SeedStation(station);
    // A repeated event is removed in memory only.
    core::testing_events::SeedInstance(station.memory, L"Studio", L"CX840 Card 1",
                                       L"101 0 500 DTMF_News|a\n101 0 500 DTMF_News|b");
    const std::wstring machine = station.memory.Dump(RegRoot::LocalMachine);
    const std::wstring user = station.memory.Dump(RegRoot::CurrentUser);

    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine), machine);
    EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser), user);
    EXPECT_EQ(station.memory.OpenHandleCount(), 0);
}

// --- The merge: which events are removed (each with the one warning), and what the
// signals take from the tables.

struct MergeCase {
    const char* name;
    std::vector<std::pair<std::wstring, std::wstring>> instances;  // name, table
    std::vector<std::wstring> audioDevices;                        // per instance
    std::wstring badDevice;  // if set, DTMF_News's stored device name
    // (signal name, signal board, instance, instance board) of each message, in order.
    std::vector<std::tuple<std::wstring, int, std::wstring, int>> messages;
    std::wstring newsComment;
    // Each instance's table in memory after the merge, formatted.
    std::vector<std::wstring> tablesAfter;
};

class TonegateSessionMerge : public ::testing::TestWithParam<MergeCase> {};

TEST_P(TonegateSessionMerge, RemovesMisplacedAndRepeatedEventsWithOneWarningEach) {
    const MergeCase& c = GetParam();
    Station station;
    SeedRealisticSignals(station.memory);
    station.driver.boardRates = {48000, 44100};
    if (!c.badDevice.empty()) {
        Put(station.memory, SignalKey(0), L"DeviceName", c.badDevice);
    }
    for (size_t i = 0; i < c.instances.size(); ++i) {
        core::testing_events::SeedInstance(station.memory, c.instances[i].first, c.audioDevices[i],
                                           c.instances[i].second);
    }

    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    std::vector<std::wstring> expectedTexts;
    for (const auto& m : c.messages) {
        expectedTexts.push_back(core::Format(TonegateText(IDS_EVENT_REMOVED), std::get<0>(m),
                                             std::get<1>(m), std::get<2>(m), std::get<3>(m)));
    }
    EXPECT_EQ(station.ShownTexts(), expectedTexts);
    for (const auto& box : station.boxes.Calls()) {
        EXPECT_EQ(box.caption, L"Set VeZev info ");
        EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconWarning);
        EXPECT_EQ(box.owner, kOwner);
    }
    SignalList signals = station.session.TakeSignals();
    ASSERT_FALSE(signals.empty());
    EXPECT_EQ(signals[0]->Name, L"DTMF_News");
    EXPECT_EQ(signals[0]->Comment, c.newsComment);
    const auto& instances = station.session.Instances();
    ASSERT_EQ(instances.size(), c.tablesAfter.size());
    for (size_t i = 0; i < instances.size(); ++i) {
        EXPECT_EQ(core::FormatGpiEvents(instances[i]), c.tablesAfter[i]) << instances[i].Name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TonegateSessionMerge,
    ::testing::Values(MergeCase{"EventOnAnotherBoard",
                                {{L"Backup", L"101 0 500 DTMF_News|wrong board\n7 3 250 Keep|k"},
                                 {L"Studio", L"101 0 500 DTMF_News|right"}},
                                {L"Card 2", L"Card 1"},
                                L"",
                                {{L"DTMF_News", 1, L"Backup", 2}},
                                L"right",
                                {L"7 3 250 Keep|k", L"101 0 500 DTMF_News|right"}},
                      MergeCase{"RepeatedInOneInstance",
                                {{L"Studio",
                                  L"101 0 500 DTMF_News|first\n7 3 250 Keep|k\n"
                                  L"101 0 500 DTMF_News|second\n101 0 500 DTMF_News|third"}},
                                {L"Card 1"},
                                L"",
                                {{L"DTMF_News", 1, L"Studio", 1}, {L"DTMF_News", 1, L"Studio", 1}},
                                L"first",
                                {L"101 0 500 DTMF_News|first\n7 3 250 Keep|k"}},
                      MergeCase{"RepeatBeforeTheKeptOneLeavesTheFirst",
                                {{L"Studio",
                                  L"7 3 250 Keep|k\n101 0 500 DTMF_News|first\n"
                                  L"101 0 500 DTMF_News|second"}},
                                {L"Card 1"},
                                L"",
                                {{L"DTMF_News", 1, L"Studio", 1}},
                                L"first",
                                {L"7 3 250 Keep|k\n101 0 500 DTMF_News|first"}},
                      MergeCase{"SecondInstanceOfTheBoardIsBroughtInLine",
                                {{L"Studio", L"101 0 500 DTMF_News|first"},
                                 {L"Studio2", L"55 0 500 DTMF_News|other"}},
                                {L"Card 1", L"Card 1"},
                                L"",
                                {},
                                L"first",
                                {L"101 0 500 DTMF_News|first", L"101 0 500 DTMF_News|first"}},
                      MergeCase{
                          "SignalWithoutBoardLosesEveryEvent",
                          {{L"Studio", L"101 0 500 DTMF_News|x\n7 3 250 Keep|k"},
                           {L"Backup", L"101 0 500 DTMF_News|y"}},
                          {L"Card 1", L"Card 2"},
                          L"Line in",
                          {{L"DTMF_News", -1, L"Backup", 2}, {L"DTMF_News", -1, L"Studio", 1}},
                          L"",
                          {L"", L"7 3 250 Keep|k"}},
                      MergeCase{"UnknownActionCodeGivesTheFirstAction",
                                {{L"Studio", L"55 0 500 DTMF_News|odd code"}},
                                {L"Card 1"},
                                L"",
                                {},
                                L"odd code",
                                {L"55 0 500 DTMF_News|odd code"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tonegate
