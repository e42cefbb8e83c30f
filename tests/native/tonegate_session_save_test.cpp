// Tonegate's OK and teardown: the exact registry content written, the refusal while the
// playout program runs, events other owners saved while the tool was open, every failed
// write reported with a second save writing everything, unreadable tables left alone,
// and a Cancel that writes nothing but the tool settings.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "shared/format.h"
#include "tonegate_session_fixture.h"

namespace tonegate {
namespace {

using core::RegCall;
using core::RegRoot;
using namespace tonegate::testing;

const std::wstring kStudioSaved =
    L"101 0 500 DTMF_News|Top of hour\n"
    L"101 0 500 DTMF_Ads|Ad break\n"
    L"7 3 250 Playlist start|x\n"
    L"101 0 500 WAV_Jingle|jingle";
const std::wstring kBackupSaved =
    L"101 0 500 DTMF_Traffic|Traffic news\n"
    L"101 0 500 DTMF_Left|\n"
    L"12 1 100 Backup only|";

// Starts a seeded station and edits as the editor would: a comment and a symbol sequence.
SaveResult StartEditAndSave(Station& station, SignalList* signals,
                            const std::function<void(Station&)>& beforeSave = nullptr) {
    SeedStation(station);
    if (station.session.Start(kOwner, station.window) != StartResult::Ready) {
        return SaveResult::WriteFailed;
    }
    *signals = station.session.TakeSignals();
    (*signals)[1]->Comment = L"Ad break";
    (*signals)[3]->Symbols = L"*#";
    if (beforeSave) {
        beforeSave(station);
    }
    return station.session.Save(kOwner, RefsOf(*signals));
}

TEST(TonegateSessionSave, WritesTheTablesAndTheStore) {
    Station station;
    SignalList signals;
    ASSERT_EQ(StartEditAndSave(station, &signals), SaveResult::Saved);

    EXPECT_TRUE(station.boxes.Calls().empty());
    EXPECT_EQ(station.Table(L"Studio"), kStudioSaved);
    EXPECT_EQ(station.Table(L"Backup"), kBackupSaved);
    EXPECT_EQ(Get(station.memory, kDtmf, L"TriggersCount"), L"4");
    const wchar_t* names[] = {L"DTMF_News", L"DTMF_Ads", L"DTMF_Traffic", L"DTMF_Left"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Get(station.memory, SignalKey(i), L"Name"), names[i]) << i;
    }
    EXPECT_EQ(Get(station.memory, SignalKey(3), L"Symbols"), L"*#");
    EXPECT_EQ(Get(station.memory, SignalKey(1), L"AnalysisType"), L"SUM");
    EXPECT_EQ(station.memory.OpenHandleCount(), 0);
}

TEST(TonegateSessionSave, TheListOrderIsTheSaveOrder) {
    Station station;
    SeedStation(station);
    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);
    SignalList signals = station.session.TakeSignals();
    // DTMF_News was deleted and DTMF_Left moved up; a null row is left out.
    SignalRefs rows{signals[3].get(), nullptr, signals[1].get(), signals[2].get()};

    EXPECT_EQ(station.session.Save(kOwner, rows), SaveResult::Saved);

    EXPECT_EQ(Get(station.memory, kDtmf, L"TriggersCount"), L"3");
    EXPECT_EQ(Get(station.memory, SignalKey(0), L"Name"), L"DTMF_Left");
    EXPECT_EQ(Get(station.memory, SignalKey(1), L"Name"), L"DTMF_Ads");
    EXPECT_EQ(Get(station.memory, SignalKey(2), L"Name"), L"DTMF_Traffic");
    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 DTMF_Ads|\n7 3 250 Playlist start|x\n101 0 500 WAV_Jingle|jingle");
    EXPECT_EQ(station.Table(L"Backup"),
              L"101 0 500 DTMF_Left|\n101 0 500 DTMF_Traffic|Traffic news\n12 1 100 Backup only|");
}

TEST(TonegateSessionSave, RefusedWhilePlayoutRunsThenAcceptedOnceItIsGone) {
    Station station;
    SignalList signals;
    ASSERT_EQ(StartEditAndSave(station, &signals,
                               [](Station& s) {
                                   s.system.AddWindowClass(L"TAirMainForm");
                                   s.memory.ClearFailures();
                               }),
              SaveResult::PlayoutRunning);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    const auto& box = station.boxes.Calls()[0];
    EXPECT_EQ(box.text, L"Airvexa is detected and must be closed before saving the changes!");
    EXPECT_EQ(box.caption, L"Tonegate closing message");
    EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconWarning);
    EXPECT_EQ(box.owner, kOwner);
    EXPECT_EQ(Get(station.memory, SignalKey(3), L"Symbols"), L"BC") << "nothing written";
    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 DTMF_News|Top of hour\n7 3 250 Playlist start|x\n"
              L"101 0 500 WAV_Jingle|jingle");

    station.system.RemoveWindowClass(L"TAirMainForm");
    EXPECT_EQ(station.session.Save(kOwner, RefsOf(signals)), SaveResult::Saved);
    EXPECT_EQ(station.boxes.Calls().size(), 1u);
    EXPECT_EQ(station.Table(L"Studio"), kStudioSaved);
    EXPECT_EQ(Get(station.memory, SignalKey(3), L"Symbols"), L"*#");
}

TEST(TonegateSessionSave, KeepsEventsOtherOwnersSavedWhileTheToolWasOpen) {
    Station station;
    SignalList signals;
    ASSERT_EQ(StartEditAndSave(station, &signals,
                               [](Station& s) {
                                   // Cuebell rewrote Studio (and left a stale event of ours),
                                   // and a new instance on board 2 appeared.
                                   core::testing_events::SeedInstance(
                                       s.memory, L"Studio", L"CX840 Card 1",
                                       L"101 0 500 WAV_Jingle|new comment\n"
                                       L"101 0 500 DTMF_Stale|old\n"
                                       L"101 0 500 WAV_Added|added");
                                   core::testing_events::SeedInstance(s.memory, L"Annex", L"Card 2",
                                                                      L"101 0 500 WAV_Annex|a");
                               }),
              SaveResult::Saved);

    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 DTMF_News|Top of hour\n"
              L"101 0 500 DTMF_Ads|Ad break\n"
              L"101 0 500 WAV_Jingle|new comment\n"
              L"101 0 500 WAV_Added|added");
    EXPECT_EQ(station.Table(L"Annex"),
              L"101 0 500 DTMF_Traffic|Traffic news\n"
              L"101 0 500 DTMF_Left|\n"
              L"101 0 500 WAV_Annex|a");
    EXPECT_EQ(station.Table(L"Backup"), kBackupSaved);
}

// --- Failed registry calls: whichever single call of the save fails, the save is either
// unharmed or tells the operator (a failed write with the save-failure error, an
// unreadable table with its warning), and a second save writes everything.

TEST(TonegateSessionWriteFailures, AnyOneFailingCallIsToldOrHarmless) {
    Station reference;
    SignalList referenceSignals;
    ASSERT_EQ(StartEditAndSave(reference, &referenceSignals), SaveResult::Saved);
    const std::wstring machine = reference.memory.Dump(RegRoot::LocalMachine);
    const std::wstring user = reference.memory.Dump(RegRoot::CurrentUser);
    const int callsOfASave = [&] {
        const int before = reference.memory.CallCount();
        reference.session.Save(kOwner, RefsOf(referenceSignals));
        return reference.memory.CallCount() - before;
    }();
    ASSERT_GT(callsOfASave, 20);

    for (int n = 1; n <= callsOfASave; ++n) {
        Station station;
        SignalList signals;
        const SaveResult first =
            StartEditAndSave(station, &signals, [n](Station& s) { s.memory.FailNthCall(n); });
        const auto& boxes = station.boxes.Calls();
        if (first == SaveResult::WriteFailed) {
            ASSERT_EQ(boxes.size(), 1u) << "call " << n;
            EXPECT_EQ(boxes[0].text,
                      L"The settings could not be saved completely. Check that "
                      L"you may write to the registry, then press OK again.");
            EXPECT_EQ(boxes[0].caption, TonegateText(IDS_SAVE_CAPTION));
            EXPECT_EQ(boxes[0].flags, core::kMbOk | core::kMbIconError);
        } else if (!boxes.empty()) {
            ASSERT_EQ(boxes.size(), 1u) << "call " << n;
            EXPECT_EQ(boxes[0].flags, core::kMbOk | core::kMbIconWarning) << "call " << n;
        } else {
            EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine), machine) << "call " << n;
            EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser), user) << "call " << n;
        }
        station.memory.ClearFailures();
        EXPECT_EQ(station.session.Save(kOwner, RefsOf(signals)), SaveResult::Saved) << n;
        EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine), machine) << "call " << n;
        EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser), user) << "call " << n;
        EXPECT_EQ(station.memory.OpenHandleCount(), 0) << "call " << n;
    }
}

// A value the registry keeps refusing: reported at every OK until it is accepted.
TEST(TonegateSessionWriteFailures, ARefusedValueIsReportedAtEveryOk) {
    Station station;
    SignalList signals;
    const auto failSymbols = [](Station& s) {
        s.registry.FailValue(RegRoot::LocalMachine, SignalKey(3), L"Symbols");
    };
    EXPECT_EQ(StartEditAndSave(station, &signals, failSymbols), SaveResult::WriteFailed);
    EXPECT_EQ(station.session.Save(kOwner, RefsOf(signals)), SaveResult::WriteFailed);
    EXPECT_EQ(station.boxes.Calls().size(), 2u);
    EXPECT_EQ(Get(station.memory, SignalKey(3), L"Symbols"), L"BC");
    EXPECT_EQ(station.Table(L"Studio"), kStudioSaved) << "the rest is written meanwhile";

    station.registry.ClearValueFailure();
    EXPECT_EQ(station.session.Save(kOwner, RefsOf(signals)), SaveResult::Saved);
    EXPECT_EQ(Get(station.memory, SignalKey(3), L"Symbols"), L"*#");
}

// --- A table that cannot be read: left byte for byte, the rest saved, the operator told
// once which instances were left.

struct UnreadableCase {
    const char* name;
    std::function<void(Station&)> spoil;  // makes the Studio table unreadable
};

class TonegateSessionUnreadableTable : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(TonegateSessionUnreadableTable, IsLeftAsItIsAndTheRestIsSaved) {
    Station station;
    SignalList signals;
    const std::wstring studio = core::InstanceSettingsPath(L"Studio");
    uint32_t typeBefore = 0;
    core::Bytes bytesBefore;
    EXPECT_EQ(StartEditAndSave(station, &signals,
                               [&](Station& s) {
                                   GetParam().spoil(s);
                                   s.memory.GetValue(RegRoot::CurrentUser, studio, L"GPIEvents",
                                                     &typeBefore, &bytesBefore);
                               }),
              SaveResult::Saved);

    uint32_t typeAfter = 0;
    core::Bytes bytesAfter;
    station.memory.ClearFailures();
    ASSERT_TRUE(station.memory.GetValue(RegRoot::CurrentUser, studio, L"GPIEvents", &typeAfter,
                                        &bytesAfter));
    EXPECT_EQ(typeAfter, typeBefore);
    EXPECT_EQ(bytesAfter, bytesBefore);
    EXPECT_EQ(station.Table(L"Backup"), kBackupSaved);
    EXPECT_EQ(Get(station.memory, SignalKey(3), L"Symbols"), L"*#") << "the store is written";

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    const auto& box = station.boxes.Calls()[0];
    EXPECT_EQ(box.text, core::Format(TonegateText(IDS_TABLES_LEFT_UNCHANGED), L"\nStudio"));
    EXPECT_EQ(box.caption, TonegateText(IDS_SAVE_CAPTION));
    EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconWarning);
    EXPECT_EQ(station.memory.OpenHandleCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, TonegateSessionUnreadableTable,
    ::testing::Values(UnreadableCase{"TableQueryFails",
                                     [](Station& s) {
                                         s.memory.FailCallOn(RegCall::Query, RegRoot::CurrentUser,
                                                             core::InstanceSettingsPath(L"Studio"));
                                     }},
                      UnreadableCase{"TableStoredAsBinary",
                                     [](Station& s) {
                                         s.memory.PutValue(RegRoot::CurrentUser,
                                                           core::InstanceSettingsPath(L"Studio"),
                                                           L"GPIEvents", core::kRegBinary,
                                                           core::Bytes{'7', 0, ' ', 0});
                                     }}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Teardown.

TEST(TonegateSessionClose, CancelWritesNothingButTheToolSettings) {
    Station station;
    SeedStation(station);
    station.memory.PutString(RegRoot::CurrentUser, kSettingsKey, L"Wav file path",
                             L"D:\\Tones\\cue.wav");
    station.system.AddPath(L"D:\\Tones");
    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);
    SignalList signals = station.session.TakeSignals();
    signals[0]->Comment = L"never saved";
    const std::wstring machine = station.memory.Dump(RegRoot::LocalMachine);
    const std::wstring studio = station.Table(L"Studio");
    const std::wstring backup = station.Table(L"Backup");
    station.window.rect = core::Rect{11, 22, 333, 444};

    EXPECT_TRUE(station.session.Close(station.window));

    EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine), machine);
    EXPECT_EQ(station.Table(L"Studio"), studio);
    EXPECT_EQ(station.Table(L"Backup"), backup);
    EXPECT_EQ(station.memory.GetString(RegRoot::CurrentUser, kSettingsKey, L"Wav file path"),
              L"D:\\Tones\\cue.wav");
    uint32_t type = 0;
    core::Bytes left;
    ASSERT_TRUE(station.memory.GetValue(RegRoot::CurrentUser, kSettingsKey, L"Window dialog left",
                                        &type, &left));
    EXPECT_EQ(left, (core::Bytes{11, 0, 0, 0}));
    EXPECT_EQ(station.memory.OpenHandleCount(), 0);
}

TEST(TonegateSessionClose, AFailedWriteIsAnswered) {
    Station station;
    SeedStation(station);
    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);
    station.registry.FailValue(RegRoot::CurrentUser, kSettingsKey, L"Wav file path");

    EXPECT_FALSE(station.session.Close(station.window));
    EXPECT_TRUE(station.memory.HasValue(RegRoot::CurrentUser, kSettingsKey, L"Window dialog top"));
}

}  // namespace
}  // namespace tonegate
