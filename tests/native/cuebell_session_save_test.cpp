// Saving on OK and the teardown: the exact registry content written, the refusal while
// the playout program runs, events that other owners saved while the tool was open,
// and every failed write reported, with a second save writing everything.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cuebell/core/cuebell_session.h"
#include "cuebell/model/model.h"
#include "cuebell_session_fixture.h"
#include "shared/format.h"

namespace cuebell {
namespace {

using core::RegCall;
using core::RegRoot;
using namespace cuebell::testing;

const std::wstring kStudioTable =
    L"101 0 500 WAV_News|Top of hour\n"
    L"101 0 500 WAV_Ads|\n"
    L"7 3 250 Playlist start|x\n"
    L"101 0 500 DTMF_Cue|tone";
const std::wstring kBackupTable =
    L"101 0 500 WAV_Sport|Goal\n"
    L"12 1 100 Backup only|";

// A started station whose entries the test holds, as the list rows would.
class CuebellSessionSave : public ::testing::Test {
  protected:
    void SetUp() override {
        SeedStation(station);
        ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);
        entries = station.session.TakeEntries();
        ASSERT_EQ(entries.size(), 3u);
    }
    void TearDown() override { EXPECT_EQ(station.memory.OpenHandleCount(), 0); }

    SaveResult Save() { return station.session.Save(kOwner, RefsOf(entries)); }

    Station station;
    EntryList entries;
};

TEST_F(CuebellSessionSave, WritesTheStoreTheTablesAndTheAudioPath) {
    // Edits as the editors make them: a new comment, a changed general block and sample.
    entries[2]->Comment = L"Ad break";
    station.session.General().GPILength = 1.25;
    station.session.Samples()[1].Offset = 1.5;
    station.session.LastWavPath() = L"D:\\Audio\\ads.wav";

    EXPECT_EQ(Save(), SaveResult::Saved);

    EXPECT_TRUE(station.boxes.Calls().empty());
    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 WAV_News|Top of hour\n"
              L"101 0 500 WAV_Ads|Ad break\n"
              L"7 3 250 Playlist start|x\n"
              L"101 0 500 DTMF_Cue|tone");
    EXPECT_EQ(station.Table(L"Backup"), kBackupTable);

    EXPECT_EQ(station.StoreValue(kStore, L"GPILength"), L"1.250000");
    EXPECT_EQ(station.StoreValue(kStore, L"CutoffFrequency"), L"80");
    EXPECT_EQ(station.StoreValue(kStore, L"Threshold"), L"35");
    EXPECT_EQ(station.StoreValue(kStore, L"GPIsCount"), L"3");
    EXPECT_EQ(station.StoreValue(kStore, L"SamplesCount"), L"3");
    EXPECT_EQ(station.StoreValue(kStore, L"DevicesCount"), L"2");
    EXPECT_EQ(station.StoreValue(SampleKey(1), L"Offset"), L"1.500000");
    EXPECT_EQ(station.StoreValue(SampleKey(1), L"Delay"), L"0.500000");
    EXPECT_EQ(station.StoreValue(SampleKey(2), L"AudioFile"), L"D:\\Audio\\ads.wav");
    EXPECT_EQ(station.StoreValue(EntryKey(2), L"Name"), L"WAV_Ads");
    EXPECT_EQ(station.StoreValue(EntryKey(2), L"DeviceIndex"), L"0");
    EXPECT_EQ(station.StoreValue(EntryKey(2), L"SampleIndices"), L"2 1 0");
    EXPECT_EQ(station.memory.GetString(RegRoot::CurrentUser, kSettingsKey, L"Wav file path"),
              L"D:\\Audio\\ads.wav");
}

TEST_F(CuebellSessionSave, TheListOrderIsTheSaveOrder) {
    // The operator deleted WAV_News; the remaining rows are saved from position 0.
    EntryRefs rows{entries[2].get(), entries[1].get()};

    EXPECT_EQ(station.session.Save(kOwner, rows), SaveResult::Saved);

    EXPECT_EQ(station.StoreValue(kStore, L"GPIsCount"), L"2");
    EXPECT_EQ(station.StoreValue(EntryKey(0), L"Name"), L"WAV_Ads");
    EXPECT_EQ(station.StoreValue(EntryKey(1), L"Name"), L"WAV_Sport");
    // Keys beyond the count stay; the count bounds reading.
    EXPECT_EQ(station.StoreValue(EntryKey(2), L"Name"), L"WAV_Ads");
    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 WAV_Ads|\n7 3 250 Playlist start|x\n101 0 500 DTMF_Cue|tone");
}

TEST_F(CuebellSessionSave, RefusedWhilePlayoutRunsThenAcceptedOnceItIsGone) {
    station.system.AddWindowClass(L"TAirMainForm");
    const std::wstring machine = station.memory.Dump(RegRoot::LocalMachine);
    const std::wstring user = station.memory.Dump(RegRoot::CurrentUser);
    entries[0]->Comment = L"changed";

    EXPECT_EQ(Save(), SaveResult::PlayoutRunning);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    const auto& box = station.boxes.Calls()[0];
    EXPECT_EQ(box.text, L"Airvexa is detected and must be closed before saving the changes!");
    EXPECT_EQ(box.caption, L"Stop Cuebell");
    EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconWarning);
    EXPECT_EQ(box.owner, kOwner);
    EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine), machine);
    EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser), user);

    station.system.RemoveWindowClass(L"TAirMainForm");
    EXPECT_EQ(Save(), SaveResult::Saved);
    EXPECT_EQ(station.boxes.Calls().size(), 1u);
    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 WAV_News|changed\n"
              L"101 0 500 WAV_Ads|\n"
              L"7 3 250 Playlist start|x\n"
              L"101 0 500 DTMF_Cue|tone");
}

TEST_F(CuebellSessionSave, KeepsEventsOtherOwnersSavedWhileTheToolWasOpen) {
    // Tonegate saves its events into Studio's table, and a new instance on board 1
    // appears; a stale event of ours is there too.
    core::testing_events::SeedInstance(station.memory, L"Studio", L"CX840 Card 1",
                                       L"101 0 500 DTMF_Cue|tone\n"
                                       L"101 0 500 WAV_Stale|old\n"
                                       L"7 3 250 Playlist start|x\n"
                                       L"101 0 500 DTMF_New|added");
    core::testing_events::SeedInstance(station.memory, L"Zeta", L"Card 1",
                                       L"101 0 500 DTMF_Zeta|z");

    EXPECT_EQ(Save(), SaveResult::Saved);

    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 WAV_News|Top of hour\n"
              L"101 0 500 WAV_Ads|\n"
              L"101 0 500 DTMF_Cue|tone\n"
              L"7 3 250 Playlist start|x\n"
              L"101 0 500 DTMF_New|added");
    EXPECT_EQ(station.Table(L"Zeta"),
              L"101 0 500 WAV_News|Top of hour\n"
              L"101 0 500 WAV_Ads|\n"
              L"101 0 500 DTMF_Zeta|z");
    EXPECT_EQ(station.Table(L"Backup"), kBackupTable);
}

TEST_F(CuebellSessionSave, AnEntryOnABoardWithoutInstanceIsStoredButItsCommentGoesNowhere) {
    // WAV_Sport moves to a board-3 device that no playout instance serves.
    DeviceInfo device = NewDeviceInfo(station.system);
    device.Name = L"CX840 Input 3 B3";
    device.SampleRate = 44100;
    device.AnalysisDigit = 14;
    station.session.Devices().push_back(device);
    entries[1]->DeviceId = device.DeviceId;
    entries[1]->Comment = L"lost comment";

    ASSERT_EQ(Save(), SaveResult::Saved);

    EXPECT_EQ(station.StoreValue(EntryKey(1), L"Name"), L"WAV_Sport");
    EXPECT_EQ(station.StoreValue(EntryKey(1), L"DeviceIndex"), L"2");
    EXPECT_EQ(station.StoreValue(DeviceKey(2), L"Name"), L"CX840 Input 3 B3");
    EXPECT_EQ(station.Table(L"Backup"), L"12 1 100 Backup only|");
    EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser).find(L"WAV_Sport"), std::wstring::npos);

    // After a restart the entry has the first action and no comment.
    CuebellSession restarted(station.registry, station.system, station.boxes, station.driver);
    ASSERT_EQ(restarted.Start(kOwner, station.window), StartResult::Ready);
    EntryList reloaded = restarted.TakeEntries();
    ASSERT_EQ(reloaded.size(), 3u);
    EXPECT_EQ(reloaded[1]->Name, L"WAV_Sport");
    EXPECT_EQ(reloaded[1]->Action.Name, L"Wait command");
    EXPECT_EQ(reloaded[1]->Comment, L"");
}

// --- A table that cannot be read: left byte for byte, the rest saved, the operator told
// once which instances were left; the dialog then closes as after any OK.

struct UnreadableTableCase {
    const char* name;
    std::function<void(Station&)> spoil;  // makes the Studio table unreadable
};

class CuebellSessionUnreadableTable : public ::testing::TestWithParam<UnreadableTableCase> {};

core::Bytes Utf16Bytes(const std::wstring& text) {
    core::Bytes bytes;
    for (wchar_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));
    }
    return bytes;
}

TEST_P(CuebellSessionUnreadableTable, IsLeftAsItIsAndTheRestIsSaved) {
    Station station;
    SeedStation(station);
    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);
    EntryList entries = station.session.TakeEntries();
    const std::wstring studio = core::InstanceSettingsPath(L"Studio");
    GetParam().spoil(station);
    uint32_t typeBefore = 0;
    core::Bytes bytesBefore;
    ASSERT_TRUE(station.memory.GetValue(RegRoot::CurrentUser, studio, L"GPIEvents", &typeBefore,
                                        &bytesBefore));
    entries[0]->Comment = L"changed";
    entries[1]->Comment = L"Final whistle";

    EXPECT_EQ(station.session.Save(kOwner, RefsOf(entries)), SaveResult::Saved);

    uint32_t typeAfter = 0;
    core::Bytes bytesAfter;
    station.memory.ClearFailures();
    ASSERT_TRUE(station.memory.GetValue(RegRoot::CurrentUser, studio, L"GPIEvents", &typeAfter,
                                        &bytesAfter));
    EXPECT_EQ(typeAfter, typeBefore);
    EXPECT_EQ(bytesAfter, bytesBefore) << "its other owners' events are kept";
    EXPECT_EQ(station.Table(L"Backup"),
              L"101 0 500 WAV_Sport|Final whistle\n"
              L"12 1 100 Backup only|")
        << "the readable table is rewritten";
    EXPECT_EQ(station.StoreValue(EntryKey(0), L"Name"), L"WAV_News") << "the store is written";
    EXPECT_EQ(station.StoreValue(kStore, L"GPIsCount"), L"3");

    ASSERT_EQ(station.boxes.Calls().size(), 1u) << "told once, after the save";
    const auto& box = station.boxes.Calls()[0];
    EXPECT_EQ(box.text, core::Format(Text(IDS_TABLES_LEFT_UNCHANGED), L"\nStudio"));
    EXPECT_EQ(box.caption, L"Stop Cuebell");
    EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconWarning);
    EXPECT_EQ(station.memory.OpenHandleCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, CuebellSessionUnreadableTable,
    ::testing::Values(
        UnreadableTableCase{"SettingsKeyNotOpenedForReading",
                            [](Station& s) {
                                // Creating (which opens an existing key) would still work.
                                s.memory.FailCallOn(RegCall::Open, RegRoot::CurrentUser,
                                                    core::InstanceSettingsPath(L"Studio"));
                            }},
        UnreadableTableCase{"TableQueryFails",
                            [](Station& s) {
                                s.memory.FailCallOn(RegCall::Query, RegRoot::CurrentUser,
                                                    core::InstanceSettingsPath(L"Studio"));
                            }},
        UnreadableTableCase{"TableStoredAsBinary",
                            [](Station& s) {
                                s.memory.PutValue(RegRoot::CurrentUser,
                                                  core::InstanceSettingsPath(L"Studio"),
                                                  L"GPIEvents", core::kRegBinary,
                                                  Utf16Bytes(L"101 0 500 WAV_News|x"));
                            }},
        UnreadableTableCase{"TableWithoutTerminator",
                            [](Station& s) {
                                s.memory.PutValue(RegRoot::CurrentUser,
                                                  core::InstanceSettingsPath(L"Studio"),
                                                  L"GPIEvents", core::kRegSz,
                                                  Utf16Bytes(L"7 3 250 Playlist start|x"));
                            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CuebellSessionUnreadableTables, AreNamedInOneMessage) {
    Station station;
    SeedStation(station);
    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);
    EntryList entries = station.session.TakeEntries();
    station.memory.FailCallOn(RegCall::Query, RegRoot::CurrentUser,
                              core::InstanceSettingsPath(L"Studio"));
    station.memory.FailCallOn(RegCall::Query, RegRoot::CurrentUser,
                              core::InstanceSettingsPath(L"Backup"));

    EXPECT_EQ(station.session.Save(kOwner, RefsOf(entries)), SaveResult::Saved);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    EXPECT_EQ(station.boxes.Calls()[0].text,
              core::Format(Text(IDS_TABLES_LEFT_UNCHANGED), L"\nBackup\nStudio"));
}

// --- Failed writes, phase by phase: reported, and a second save writes everything.

struct WriteFailureCase {
    const char* name;
    std::function<void(Station&)> fail;
};

void FailValue(Station& s, RegRoot root, const std::wstring& key, const std::wstring& name) {
    s.registry.FailValue(root, key, name);
}

class CuebellSessionWriteFailure : public ::testing::TestWithParam<WriteFailureCase> {
  protected:
    // Starts, edits as an operator would, and saves; the failure is set up before saving.
    static SaveResult StartEditAndSave(Station& station, EntryList* entries,
                                       const std::function<void(Station&)>& fail) {
        SeedStation(station);
        if (station.session.Start(kOwner, station.window) != StartResult::Ready) {
            return SaveResult::WriteFailed;
        }
        *entries = station.session.TakeEntries();
        (*entries)[2]->Comment = L"Ad break";
        station.session.Samples()[0].Delay = 2.0;
        station.session.LastWavPath() = L"D:\\Audio\\ads.wav";
        if (fail) {
            fail(station);
        }
        return station.session.Save(kOwner, RefsOf(*entries));
    }
};

TEST_P(CuebellSessionWriteFailure, IsReportedAndASecondSaveWritesEverything) {
    Station reference;
    EntryList referenceEntries;
    ASSERT_EQ(StartEditAndSave(reference, &referenceEntries, nullptr), SaveResult::Saved);

    Station station;
    EntryList entries;
    EXPECT_EQ(StartEditAndSave(station, &entries, GetParam().fail), SaveResult::WriteFailed);

    ASSERT_EQ(station.boxes.Calls().size(), 1u);
    const auto& box = station.boxes.Calls()[0];
    EXPECT_EQ(box.text, Text(IDS_SAVE_FAILED));
    EXPECT_EQ(box.caption, L"Stop Cuebell");
    EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconError);
    EXPECT_EQ(box.owner, kOwner);

    station.memory.ClearFailures();
    station.registry.ClearValueFailure();
    EXPECT_EQ(station.session.Save(kOwner, RefsOf(entries)), SaveResult::Saved);
    EXPECT_EQ(station.boxes.Calls().size(), 1u);
    EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine),
              reference.memory.Dump(RegRoot::LocalMachine));
    EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser),
              reference.memory.Dump(RegRoot::CurrentUser));
    EXPECT_EQ(station.memory.OpenHandleCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Phases, CuebellSessionWriteFailure,
    ::testing::Values(
        WriteFailureCase{"EventTable",
                         [](Station& s) {
                             FailValue(s, RegRoot::CurrentUser,
                                       core::InstanceSettingsPath(L"Studio"), L"GPIEvents");
                         }},
        WriteFailureCase{"PlayoutKeyNotListed",
                         [](Station& s) {
                             s.memory.FailCallOn(RegCall::Enum, RegRoot::CurrentUser,
                                                 core::kPlayoutKey);
                         }},
        WriteFailureCase{
            "SampleValue",
            [](Station& s) { FailValue(s, RegRoot::LocalMachine, SampleKey(0), L"Delay"); }},
        WriteFailureCase{
            "SampleKey",
            [](Station& s) { s.memory.FailPath(RegRoot::LocalMachine, SampleKey(1)); }},
        WriteFailureCase{"DeviceValue",
                         [](Station& s) {
                             FailValue(s, RegRoot::LocalMachine, DeviceKey(1), L"AnalysisDigit");
                         }},
        WriteFailureCase{
            "EntryValue",
            [](Station& s) { FailValue(s, RegRoot::LocalMachine, EntryKey(2), L"SampleIndices"); }},
        WriteFailureCase{
            "Counts",
            [](Station& s) { FailValue(s, RegRoot::LocalMachine, kStore, L"GPIsCount"); }},
        WriteFailureCase{"EveryValue", [](Station& s) { s.memory.FailCall(RegCall::Set); }},
        WriteFailureCase{
            "AudioPath",
            [](Station& s) { FailValue(s, RegRoot::CurrentUser, kSettingsKey, L"Wav file path"); }},
        WriteFailureCase{
            "SettingsKey",
            [](Station& s) { s.memory.FailPath(RegRoot::CurrentUser, kSettingsKey); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The REG_DWORD value as stored; -1 when it is missing or of another type.
int64_t StoredDword(const core::MemoryRegistry& registry, const std::wstring& name) {
    uint32_t type = 0;
    core::Bytes data;
    if (!registry.GetValue(RegRoot::CurrentUser, kSettingsKey, name, &type, &data) ||
        type != core::kRegDword || data.size() != 4) {
        return -1;
    }
    return data[0] | data[1] << 8 | data[2] << 16 | static_cast<int64_t>(data[3]) << 24;
}

TEST(CuebellSessionClose, WritesTheWindowPlacementOnceStartUpHasReadIt) {
    for (bool declineRateRepair : {false, true}) {
        Station station;
        SeedStation(station);
        if (declineRateRepair) {  // a refusal after the placement was read
            station.memory.PutString(RegRoot::LocalMachine,
                                     L"Software\\Quorvane\\Sigvault\\Wave_2.0\\Device0",
                                     L"SampleRate", L"44100");
            station.boxes.QueueAnswer(core::kIdNo);
        }
        station.session.Start(kOwner, station.window);
        station.window.rect = core::Rect{11, 22, 333, 444};

        EXPECT_TRUE(station.session.Close(station.window));

        EXPECT_EQ(StoredDword(station.memory, L"Window dialog left"), 11) << declineRateRepair;
        EXPECT_EQ(StoredDword(station.memory, L"Window dialog top"), 22) << declineRateRepair;
        EXPECT_EQ(StoredDword(station.memory, L"Window dialog right"), 333) << declineRateRepair;
        EXPECT_EQ(StoredDword(station.memory, L"Window dialog bottom"), 444) << declineRateRepair;
    }
}

TEST(CuebellSessionClose, RefusalBeforeThePlacementIsReadKeepsTheStoredOne) {
    Station station;
    SeedStation(station);
    station.memory.PutDword(RegRoot::CurrentUser, kSettingsKey, L"Window dialog left", 70);
    station.system.AddWindowClass(L"TAirMainForm");
    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);
    station.window.rect = core::Rect{11, 22, 333, 444};

    EXPECT_TRUE(station.session.Close(station.window));

    EXPECT_EQ(StoredDword(station.memory, L"Window dialog left"), 70);
    EXPECT_EQ(station.memory.CallCount(), 0);
}

TEST(CuebellSessionSaveBeforeStart, WritesNothing) {
    Station station;
    SeedStation(station);
    GpiInfo entry;
    entry.Name = L"WAV_X";
    EXPECT_EQ(station.session.Save(kOwner, EntryRefs{&entry}), SaveResult::WriteFailed);
    EXPECT_EQ(station.memory.CallCount(), 0);
}

}  // namespace
}  // namespace cuebell
