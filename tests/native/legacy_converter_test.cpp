// The conversion of the older store layout, run as start-up runs it: the session with
// the real converter over the in-memory registry, board driver and message boxes.
#include "cuebell/core/legacy_converter.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cuebell/core/invalid_actions.h"
#include "cuebell_session_fixture.h"

namespace cuebell {
namespace {

using namespace testing;
using core::RegRoot;

constexpr const wchar_t* kOld = L"Software\\Quorvane\\Sigvault\\Wave";

std::wstring OldEntryKey(int n) {
    return std::wstring(kOld) + L"\\" + std::to_wstring(n);
}

void PutOldEntry(core::MemoryRegistry& r, int n, const std::wstring& name,
                 const std::wstring& device, const std::vector<std::wstring>& samples) {
    Put(r, OldEntryKey(n), L"Name", name);
    Put(r, OldEntryKey(n), L"DeviceName", device);
    Put(r, OldEntryKey(n), L"SamplesCount", std::to_wstring(samples.size()));
    for (size_t i = 0; i < samples.size(); ++i) {
        Put(r, OldEntryKey(n), L"Sample" + std::to_wstring(i), samples[i]);
    }
}

// The dump without the current layout's keys: what the conversion may not change.
std::wstring WithoutCurrentStore(const std::wstring& dump) {
    std::wistringstream lines(dump);
    std::wstring line, kept;
    bool skipping = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line[0] == L'[') {
            skipping = line.find(L"\\Wave_2.0") != std::wstring::npos;
        }
        if (!skipping) {
            kept += line + L"\n";
        }
    }
    return kept;
}

struct LegacyStation : Station {
    LegacyConverter converter{registry, boxes, driver};
    LegacyStation() {
        driver.boardRates = {48000, 44100};
        session.SetLegacyLayoutStep(&converter);
        memory.PutKey(RegRoot::LocalMachine, kOld);
    }
    void Convert() {
        core::PlayoutInstanceList instances;
        converter.ConvertLegacyLayout(kOwner, GeneralParams(), {L"1", L"2"}, &instances);
    }
};

TEST(LegacyConverter, DetectsOnlyAnOldLayoutWithoutACurrentOne) {
    for (bool old : {false, true}) {
        for (bool current : {false, true}) {
            Station station;
            LegacyConverter converter(station.registry, station.boxes, station.driver);
            if (old)
                station.memory.PutKey(RegRoot::LocalMachine, kOld);
            if (current)
                station.memory.PutKey(RegRoot::LocalMachine, kStore);
            EXPECT_EQ(converter.DetectLegacyLayout(), old && !current) << old << current;
        }
    }
}

TEST(LegacyConverter, GeneralValuesAreClampedAsTheOldLayoutRead) {
    struct Row {
        const wchar_t* oldName;
        const wchar_t* oldText;
        const wchar_t* name;
        const wchar_t* expected;
    } rows[] = {
        {L"LowFrequency", L"60000", L"CutoffFrequency", L"50000"},
        {L"LowFrequency", L"-5", L"CutoffFrequency", L"0"},
        {L"LowFrequency", L"", L"CutoffFrequency", L"75"},
        {L"LowPassFilterSize", L"-1", L"LowPassFilterSize", L"50000"},
        {L"LowPassFilterSize", L"50001", L"LowPassFilterSize", L"50000"},
        {L"LowPassFilterSize", L"40", L"LowPassFilterSize", L"40"},
        {L"PowerRecalcRate", L"-3", L"PowerRecalcRate", L"10000"},
        {L"PowerRecalcRate", L"10000", L"PowerRecalcRate", L"10000"},
        {L"Threshold", L"10", L"Threshold", L"30"},
        {L"Threshold", L"500", L"Threshold", L"100"},
        {L"Threshold", L"64", L"Threshold", L"64"},
        {L"TriggersCount", L"-2", L"GPIsCount", L"0"},
        {L"TriggersCount", L"junk", L"GPILength", L"0.400000"},
        // Only entry key 0 exists: a count beyond belief reads up to it.
        {L"TriggersCount", L"2000000000", L"GPIsCount", L"1"},
    };
    for (const Row& row : rows) {
        LegacyStation station;
        Put(station.memory, kOld, row.oldName, row.oldText);
        station.memory.PutKey(RegRoot::LocalMachine, OldEntryKey(0));
        station.Convert();
        EXPECT_EQ(Get(station.memory, kStore, row.name), row.expected)
            << row.oldName << "=" << row.oldText;
    }
}

TEST(LegacyConverter, EveryDeviceGetsARateAndDigitItsBoardAllows) {
    struct Row {
        const wchar_t* device;
        const wchar_t* oldRate;
        const wchar_t* oldDigit;
        bool boardFails;
        const wchar_t* rate;
        const wchar_t* digit;
    } rows[] = {
        {L"CX840 Input 1 B1", L"1000", L"12", false, L"48000", L"14"},
        {L"CX840 Input 1 B 1 ", L"", L"", false, L"48000", L"14"},
        {L"CX840 Input 2 B2", L"1000", L"15", false, L"44100", L"15"},
        {L"CX840 Input 1 B3", L"48000", L"16", false, L"44100", L"14"},
        {L"CX840 Input 1 B3", L"1000", L"15", false, L"44100", L"15"},
        {L"Line in", L"", L"", false, L"44100", L"14"},
        // The board's rates cannot be had: written as on a board that is not there.
        {L"CX840 Input 1 B1", L"1000", L"15", true, L"44100", L"15"},
    };
    for (const Row& row : rows) {
        LegacyStation station;
        Put(station.memory, kOld, L"SampleRate", row.oldRate);
        Put(station.memory, kOld, L"AnalysisDigit", row.oldDigit);
        Put(station.memory, kOld, L"TriggersCount", L"1");
        PutOldEntry(station.memory, 0, L"WAV_A", row.device, {L"C:\\a.wav"});
        if (row.boardFails) {
            station.driver.failSelect = {0};
        }
        station.Convert();
        EXPECT_EQ(Get(station.memory, DeviceKey(0), L"Name"), row.device);
        EXPECT_EQ(Get(station.memory, DeviceKey(0), L"SampleRate"), row.rate) << row.device;
        EXPECT_EQ(Get(station.memory, DeviceKey(0), L"AnalysisDigit"), row.digit) << row.device;
    }
}

TEST(LegacyConverter, InvalidActionNameListCutsSixNamesAfterThree) {
    EXPECT_EQ(InvalidActionNameList({L"WAV_A"}), L"WAV_A.");
    EXPECT_EQ(InvalidActionNameList({L"WAV_A", L"WAV_B"}), L"1) WAV_A;\n2) WAV_B.");
    EXPECT_EQ(InvalidActionNameList({L"A", L"B", L"C", L"D"}), L"1) A;\n2) B;\n3) C;\n4) D.");
    EXPECT_EQ(InvalidActionNameList({L"A", L"B", L"C", L"D", L"E", L"F"}),
              L"1) A;\n2) B;\n3) C;\n...");
}

// A station whose old entries share a device and samples in other letter cases, and
// whose playout tables hold events of the old entries beside other owners' events.
void SeedOldStation(LegacyStation& station) {
    core::MemoryRegistry& r = station.memory;
    Put(r, kOld, L"Threshold", L"10");
    Put(r, kOld, L"TriggersCount", L"4");
    PutOldEntry(r, 0, L"WAV_News", L"CX840 Input 1 B1", {L"C:\\J\\news.wav", L"C:\\J\\ads.wav"});
    PutOldEntry(r, 1, L"WAV_Sport", L"cx840 input 1 b1", {L"c:\\j\\NEWS.wav"});
    // Entry 2 is missing; entry 3 is named without the prefix, like another tool's event.
    // Entry 3 also counts a sample value that is missing.
    PutOldEntry(r, 3, L"News", L"CX840 Input 2 B2", {L"C:\\J\\ads.wav"});
    Put(r, OldEntryKey(3), L"SamplesCount", L"2");
    core::testing_events::SeedInstance(r, L"Studio", L"CX840 Card 1",
                                       L"3 0 500 wav_news|another tool\n"
                                       L"5 1 2 News|another tool\n"
                                       L"7 0 500 WAV_News|old action\n"
                                       L"101 0 500 WAV_Sport|kept");
    // Nothing changes here, so its unreadable record must stay.
    core::testing_events::SeedInstance(r, L"Backup", L"CX840 Card 2",
                                       L"12 1 100 Backup only|\nnot a record\n9 9 9 News|x");
}

TEST(LegacyConverter, ConvertsOnceAndStartsOnTheConvertedStore) {
    LegacyStation station;
    SeedOldStation(station);
    const std::wstring before = station.memory.Dump(RegRoot::LocalMachine);
    const std::wstring backup = station.Table(L"Backup");

    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);

    EXPECT_EQ(WithoutCurrentStore(station.memory.Dump(RegRoot::LocalMachine)), before);
    EXPECT_EQ(station.StoreValue(kStore, L"GPIsCount"), L"4");
    EXPECT_EQ(station.StoreValue(kStore, L"SamplesCount"), L"2");
    EXPECT_EQ(station.StoreValue(kStore, L"DevicesCount"), L"2");
    EXPECT_EQ(station.StoreValue(kStore, L"Threshold"), L"30");
    EXPECT_EQ(station.StoreValue(SampleKey(0), L"AudioFile"), L"C:\\J\\news.wav");
    EXPECT_EQ(station.StoreValue(SampleKey(1), L"Threshold"), L"30");
    EXPECT_EQ(station.StoreValue(SampleKey(1), L"Offset"), L"0.000000");
    EXPECT_EQ(station.StoreValue(DeviceKey(1), L"Name"), L"CX840 Input 2 B2");
    const std::vector<std::vector<std::wstring>> entries = {{L"WAV_News", L"0", L"0 1"},
                                                            {L"WAV_Sport", L"0", L"0"},
                                                            {L"", L"0", L""},
                                                            {L"News", L"1", L"1"}};
    for (size_t n = 0; n < entries.size(); ++n) {
        const std::wstring key = EntryKey(static_cast<int>(n));
        EXPECT_EQ(station.StoreValue(key, L"Name"), entries[n][0]) << n;
        EXPECT_EQ(station.StoreValue(key, L"DeviceIndex"), entries[n][1]) << n;
        EXPECT_EQ(station.StoreValue(key, L"SampleIndices"), entries[n][2]) << n;
    }

    // Only the prefixed event moved to "Wait command"; other owners' events stay.
    EXPECT_EQ(station.Table(L"Studio"),
              L"3 0 500 wav_news|another tool\n5 1 2 News|another tool\n101 0 500 WAV_News|\n"
              L"101 0 500 WAV_Sport|kept");
    EXPECT_EQ(station.Table(L"Backup"), backup);
    ASSERT_EQ(station.boxes.Calls().size(), 2u);
    const core::MessageBoxCall& warning = station.boxes.Calls()[1];
    EXPECT_EQ(warning.owner, 0u);
    EXPECT_EQ(warning.flags, core::kMbOk | core::kMbIconWarning);
    EXPECT_EQ(warning.caption, L"Format converting");
    EXPECT_EQ(warning.text, Text(IDS_INVALID_ACTION_ONE_ENTRY) + L"\nWAV_News.\n" +
                                Text(IDS_ACTION_WILL_BE_CHANGED) + L"\n" +
                                Text(IDS_REVIEW_SCHEDULES));

    // The loader keeps the prefixed, complete entries.
    EXPECT_EQ(station.session.TakeEntries().size(), 2u);

    station.boxes.ClearCalls();
    ASSERT_EQ(station.session.Start(kOwner, station.window), StartResult::Ready);
    EXPECT_TRUE(station.boxes.Calls().empty()) << "the next start asks nothing";
}

TEST(LegacyConverter, DeclinedConversionWritesNothing) {
    LegacyStation station;
    SeedOldStation(station);
    const std::wstring machine = station.memory.Dump(RegRoot::LocalMachine);
    const std::wstring user = station.memory.Dump(RegRoot::CurrentUser);
    station.boxes.QueueAnswer(core::kIdNo);

    EXPECT_EQ(station.session.Start(kOwner, station.window), StartResult::Quit);
    EXPECT_EQ(station.session.Close(station.window), true);

    EXPECT_EQ(station.memory.Dump(RegRoot::LocalMachine), machine);
    EXPECT_EQ(station.memory.Dump(RegRoot::CurrentUser), user);
}

}  // namespace
}  // namespace cuebell
