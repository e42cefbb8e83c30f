#include "cuebell/model/store.h"

#include <gtest/gtest.h>

#include <climits>

#include "cuebell/model/model.h"
#include "cuebell_store_fixture.h"
#include "shared/inmemory/memory_system.h"

namespace cuebell {
namespace {

using core::RegRoot;
using namespace cuebell::testing;

class StoreTest : public ::testing::Test {
  protected:
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0); }

    SampleList LoadedSamples(int32_t count) {
        SampleList samples;
        LoadSamples(registry, system, &samples, count);
        return samples;
    }
    DeviceList LoadedDevices(int32_t count) {
        DeviceList devices;
        LoadDevices(registry, system, &devices, count);
        return devices;
    }

    core::MemoryRegistry registry;
    core::MemorySystem system;
};

TEST_F(StoreTest, KeyPathsAreTheDetectionStoreAndItsRecordSubkeys) {
    EXPECT_EQ(StoreKeyPath(), L"Software\\Quorvane\\Sigvault\\Wave_2.0");
    EXPECT_EQ(RecordKeyPath(kSampleKind, 0), L"Software\\Quorvane\\Sigvault\\Wave_2.0\\Sample0");
    EXPECT_EQ(RecordKeyPath(kDeviceKind, 12), L"Software\\Quorvane\\Sigvault\\Wave_2.0\\Device12");
    EXPECT_EQ(RecordKeyPath(kEntryKind, 3), L"Software\\Quorvane\\Sigvault\\Wave_2.0\\GPI3");
}

// --- General block

TEST_F(StoreTest, MissingStoreKeyGivesDefaultsAndNoRecords) {
    GeneralParams general;
    general.Threshold = 99;
    StoreCounts counts;
    counts.SamplesCount = 7;
    LoadGeneral(registry, &general, &counts);
    EXPECT_EQ(general.GPILength, 0.4);
    EXPECT_EQ(general.CutoffFrequency, 75);
    EXPECT_EQ(general.LowPassFilterSize, 63);
    EXPECT_EQ(general.PowerRecalcRate, 100);
    EXPECT_EQ(general.Threshold, 30);
    EXPECT_EQ(counts.GPIsCount, 0);
    EXPECT_EQ(counts.SamplesCount, 0);
    EXPECT_EQ(counts.DevicesCount, 0);
}

struct GeneralCase {
    const wchar_t* value;
    const wchar_t* text;  // nullptr: the value is missing
    double expected;      // the field the value feeds
};

double FieldOf(const wchar_t* value, const GeneralParams& g, const StoreCounts& c) {
    std::wstring name = value;
    if (name == L"GPILength")
        return g.GPILength;
    if (name == L"CutoffFrequency")
        return g.CutoffFrequency;
    if (name == L"LowPassFilterSize")
        return g.LowPassFilterSize;
    if (name == L"PowerRecalcRate")
        return g.PowerRecalcRate;
    if (name == L"Threshold")
        return g.Threshold;
    if (name == L"GPIsCount")
        return c.GPIsCount;
    if (name == L"SamplesCount")
        return c.SamplesCount;
    return c.DevicesCount;
}

class GeneralValueTest : public StoreTest, public ::testing::WithParamInterface<GeneralCase> {};

TEST_P(GeneralValueTest, ReadsWithDefaultAndRepair) {
    registry.PutKey(RegRoot::LocalMachine, kStore);
    if (GetParam().text) {
        Put(registry, kStore, GetParam().value, GetParam().text);
    }
    GeneralParams general;
    StoreCounts counts;
    LoadGeneral(registry, &general, &counts);
    EXPECT_DOUBLE_EQ(FieldOf(GetParam().value, general, counts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    GpiLength, GeneralValueTest,
    ::testing::Values(GeneralCase{L"GPILength", L"12.5", 10.0},
                      GeneralCase{L"GPILength", L"-1", 0.4}, GeneralCase{L"GPILength", L"abc", 0.0},
                      GeneralCase{L"GPILength", L"", 0.4}, GeneralCase{L"GPILength", nullptr, 0.4},
                      GeneralCase{L"GPILength", L"10.000000", 10.0},
                      GeneralCase{L"GPILength", L"10.000001", 10.0},
                      GeneralCase{L"GPILength", L" 2.5 s", 2.5},
                      GeneralCase{L"GPILength", L"1e400", 0.4},  // overflow: the default
                      GeneralCase{L"GPILength", L"0.000000", 0.0}));

INSTANTIATE_TEST_SUITE_P(
    Integers, GeneralValueTest,
    ::testing::Values(
        GeneralCase{L"Threshold", L"-5", 0}, GeneralCase{L"Threshold", L"45", 45},
        GeneralCase{L"Threshold", L"", 30}, GeneralCase{L"Threshold", nullptr, 30},
        GeneralCase{L"Threshold", L"12abc", 12},
        GeneralCase{L"CutoffFrequency", L"-7", -7},  // no repair
        GeneralCase{L"CutoffFrequency", nullptr, 75}, GeneralCase{L"CutoffFrequency", L"120", 120},
        GeneralCase{L"LowPassFilterSize", L"", 63}, GeneralCase{L"LowPassFilterSize", L"31", 31},
        GeneralCase{L"PowerRecalcRate", L"x", 0}, GeneralCase{L"PowerRecalcRate", nullptr, 100},
        GeneralCase{L"GPIsCount", L"4", 4}, GeneralCase{L"GPIsCount", nullptr, 0},
        GeneralCase{L"SamplesCount", L"3", 3}, GeneralCase{L"DevicesCount", L"2", 2},
        GeneralCase{L"SamplesCount", L"99999999999", INT_MAX}));

TEST_F(StoreTest, GeneralValuesOfAnotherTypeOrTooLongReadAsDefaults) {
    registry.PutDword(RegRoot::LocalMachine, kStore, L"Threshold", 50);
    registry.PutValue(RegRoot::LocalMachine, kStore, L"CutoffFrequency", core::kRegSz,
                      {'8', 0, '0', 0});  // no terminating null
    // 519 characters still fit the read buffer, 520 do not.
    Put(registry, kStore, L"GPILength", L"2.5" + std::wstring(516, L' '));
    Put(registry, kStore, L"PowerRecalcRate", L"7" + std::wstring(519, L' '));
    GeneralParams general;
    StoreCounts counts;
    LoadGeneral(registry, &general, &counts);
    EXPECT_EQ(general.Threshold, 30);
    EXPECT_EQ(general.CutoffFrequency, 75);
    EXPECT_EQ(general.GPILength, 2.5);
    EXPECT_EQ(general.PowerRecalcRate, 100);
}

// --- Samples

TEST_F(StoreTest, MissingSampleKeyLoadsADefaultSampleInItsPlace) {
    PutSample(registry, 0, L"C:\\Jingles\\a.wav", L"40", L"0.250000", L"1.000000");
    PutSample(registry, 2, L"C:\\Jingles\\c.wav", L"0", L"2.000000", L"0.000000");
    SampleList samples = LoadedSamples(3);
    ASSERT_EQ(samples.size(), 3u);
    EXPECT_EQ(samples[0].AudioFile, L"C:\\Jingles\\a.wav");
    EXPECT_EQ(samples[0].Threshold, 40);
    EXPECT_EQ(samples[0].Offset, 0.25);
    EXPECT_EQ(samples[0].Delay, 1.0);
    EXPECT_EQ(samples[1].AudioFile, L"");
    EXPECT_EQ(samples[1].Threshold, 30);
    EXPECT_EQ(samples[1].Offset, 0.0);
    EXPECT_EQ(samples[1].Delay, 0.0);
    EXPECT_EQ(samples[2].AudioFile, L"C:\\Jingles\\c.wav");
    EXPECT_EQ(samples[2].Offset, 2.0);
    // Every record has its own identifier.
    EXPECT_EQ(samples[0].SampleId.size(), 38u);
    EXPECT_NE(samples[0].SampleId, samples[1].SampleId);
    EXPECT_NE(samples[1].SampleId, samples[2].SampleId);

    ASSERT_TRUE(SaveSamples(registry, samples));
    EXPECT_TRUE(registry.HasKey(RegRoot::LocalMachine, SampleKey(1)));
    EXPECT_EQ(Get(registry, SampleKey(1), L"AudioFile"), L"");
    EXPECT_EQ(Get(registry, SampleKey(1), L"Threshold"), L"30");
    EXPECT_EQ(Get(registry, SampleKey(1), L"Offset"), L"0.000000");
    EXPECT_EQ(Get(registry, SampleKey(1), L"Delay"), L"0.000000");
}

class UnusableAudioFileTest : public StoreTest,
                              public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(UnusableAudioFileTest, SampleKeepsAllItsDefaults) {
    PutSample(registry, 0, GetParam(), L"50", L"1.000000", L"2.000000");
    SampleList samples = LoadedSamples(1);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].AudioFile, L"");
    EXPECT_EQ(samples[0].Threshold, 30);
    EXPECT_EQ(samples[0].Offset, 0.0);
    EXPECT_EQ(samples[0].Delay, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnusableAudioFileTest,
                         ::testing::Values(L"C:\\Jingles\\", L"C:/Jingles/", L"C:\\Jingles\\   ",
                                           L"", L"   "));

TEST_F(StoreTest, UsableAudioFileIsKeptAsReadWithValueRepairs) {
    PutSample(registry, 0, L"  C:\\Jingles\\a.wav ", L"-5", L"-1", L"");
    PutSample(registry, 1, L"news.wav", L"", L"abc", L"0.75");
    SampleList samples = LoadedSamples(2);
    EXPECT_EQ(samples[0].AudioFile, L"  C:\\Jingles\\a.wav ");  // untrimmed
    EXPECT_EQ(samples[0].Threshold, 0);
    EXPECT_EQ(samples[0].Offset, 0.0);
    EXPECT_EQ(samples[0].Delay, 0.0);
    EXPECT_EQ(samples[1].AudioFile, L"news.wav");
    EXPECT_EQ(samples[1].Threshold, 30);
    EXPECT_EQ(samples[1].Offset, 0.0);
    EXPECT_EQ(samples[1].Delay, 0.75);
}

TEST_F(StoreTest, LoadingSamplesReplacesTheListAndSurvivesGuidFailure) {
    PutSample(registry, 0, L"C:\\a.wav", L"30", L"0.000000", L"0.000000");
    SampleList samples{SampleInfo(), SampleInfo(), SampleInfo()};
    system.SetGuidFailure(true);
    LoadSamples(registry, system, &samples, 1);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].AudioFile, L"C:\\a.wav");
    EXPECT_EQ(samples[0].SampleId, L"");
}

// --- Devices

TEST_F(StoreTest, DeviceNameIsTrimmedAndAnEmptyNameKeepsTheDefaults) {
    PutDevice(registry, 0, L"  CX840 Input 1 B1 ", L"44100", L"14");
    PutDevice(registry, 1, L"   ", L"48000", L"15");
    PutDevice(registry, 2, L"CX840 Input 2 B1", L"", L"abc");
    DeviceList devices = LoadedDevices(4);
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[0].Name, L"CX840 Input 1 B1");
    EXPECT_EQ(devices[0].SampleRate, 44100);
    EXPECT_EQ(devices[0].AnalysisDigit, 14);
    EXPECT_EQ(devices[1].Name, L"");
    EXPECT_EQ(devices[1].SampleRate, 1000);
    EXPECT_EQ(devices[1].AnalysisDigit, 12);
    EXPECT_EQ(devices[2].SampleRate, 1000);
    EXPECT_EQ(devices[2].AnalysisDigit, 0);  // letters: no digits
    EXPECT_EQ(devices[3].Name, L"");         // no key
    EXPECT_NE(devices[0].DeviceId, devices[3].DeviceId);
}

// --- Entries

class EntryLoadTest : public StoreTest {
  protected:
    void SetUp() override {
        PutSample(registry, 0, L"C:\\a.wav", L"30", L"0.000000", L"0.000000");
        PutSample(registry, 1, L"C:\\b.wav", L"30", L"0.000000", L"0.000000");
        PutDevice(registry, 0, L"CX840 Input 1 B1", L"48000", L"14");
        PutDevice(registry, 1, L"CX840 Input 2 B1", L"48000", L"14");
        samples = LoadedSamples(2);
        devices = LoadedDevices(2);
    }
    EntryList Load(int32_t count) {
        EntryList entries;
        LoadEntries(registry, &entries, count, samples, devices);
        return entries;
    }
    SampleList samples;
    DeviceList devices;
};

TEST_F(EntryLoadTest, PositionsResolveToIdentifiers) {
    PutEntry(registry, 0, L"  WAV_News ", L"1", L"1 0 1");
    EntryList entries = Load(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0]->Name, L"WAV_News");
    EXPECT_EQ(entries[0]->DeviceId, devices[1].DeviceId);
    EXPECT_EQ(
        entries[0]->SampleIds,
        (std::vector<std::wstring>{samples[1].SampleId, samples[0].SampleId, samples[1].SampleId}));
    EXPECT_EQ(entries[0]->Action.Code, 0);
    EXPECT_EQ(entries[0]->Comment, L"");
}

TEST_F(EntryLoadTest, OutOfRangeSamplePositionIsIgnored) {
    PutEntry(registry, 0, L"WAV_A", L"0", L"2 0");
    EntryList entries = Load(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0]->SampleIds, std::vector<std::wstring>{samples[0].SampleId});
}

TEST_F(EntryLoadTest, UnresolvedMinusOneIsSkippedNotReadAsPositionOne) {
    PutEntry(registry, 0, L"WAV_A", L"0", L"-1 0");
    PutEntry(registry, 1, L"WAV_B", L"0", L"-1");
    EntryList entries = Load(2);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0]->Name, L"WAV_A");
    EXPECT_EQ(entries[0]->SampleIds, std::vector<std::wstring>{samples[0].SampleId});
}

TEST_F(EntryLoadTest, ForeignIncompleteAndUnreadableEntriesAreDropped) {
    PutEntry(registry, 0, L"News", L"0", L"0");      // no prefix
    PutEntry(registry, 1, L"wav_News", L"0", L"0");  // prefix is case-sensitive
    PutEntry(registry, 2, L"WAV_Dev5", L"5", L"0");  // device out of range
    PutEntry(registry, 3, L"WAV_NoDev", L"", L"0");  // device index missing
    PutEntry(registry, 4, L"   ", L"0", L"0");       // no name
    PutEntry(registry, 5, L"WAV_NoSamples", L"0", L"");
    PutEntry(registry, 6, L"x WAV_Late", L"0", L"0");  // prefix not at the start
    // 7 has no key
    PutEntry(registry, 8, L"WAV_Kept", L"1", L"1");
    EntryList entries;
    entries.push_back(std::make_unique<GpiInfo>());
    entries[0]->Name = L"WAV_AlreadyThere";
    LoadEntries(registry, &entries, 9, samples, devices);
    ASSERT_EQ(entries.size(), 2u);  // appended, not replaced
    EXPECT_EQ(entries[0]->Name, L"WAV_AlreadyThere");
    EXPECT_EQ(entries[1]->Name, L"WAV_Kept");
}

TEST_F(EntryLoadTest, EntryWithMoreSamplesThanTheStringBufferHoldsComesBackWhole) {
    // 300 samples: the positions need more than 519 characters.
    SampleList many;
    for (int i = 0; i < 300; ++i) {
        SampleInfo sample = NewSampleInfo(system);
        sample.AudioFile = L"C:\\s" + std::to_wstring(i) + L".wav";
        many.push_back(sample);
    }
    auto entry = std::make_unique<GpiInfo>();
    entry->Name = L"WAV_Big";
    entry->DeviceId = devices[0].DeviceId;
    for (const auto& sample : many) {
        entry->SampleIds.push_back(sample.SampleId);
    }
    EntryList saved;
    saved.push_back(std::move(entry));
    ASSERT_TRUE(SaveEntries(registry, saved, many, devices));
    ASSERT_GT(Get(registry, EntryKey(0), L"SampleIndices").size(), 519u);

    EntryList entries;
    LoadEntries(registry, &entries, 1, many, devices);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0]->SampleIds, saved[0]->SampleIds);
}

// --- The position list

std::vector<int32_t> ParseAll(std::wstring text) {
    std::vector<int32_t> numbers;
    while (!text.empty()) {
        const size_t before = text.size();
        int32_t n = ParseIndexList(&text);
        if (n >= 0) {
            numbers.push_back(n);
        }
        if (text.size() >= before) {
            ADD_FAILURE() << "no progress";
            break;
        }
    }
    return numbers;
}

struct IndexListCase {
    const wchar_t* text;
    std::vector<int32_t> expected;
};

class ParseIndexListTest : public ::testing::TestWithParam<IndexListCase> {};

TEST_P(ParseIndexListTest, GivesThePositionsInOrder) {
    EXPECT_EQ(ParseAll(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIndexListTest,
    ::testing::Values(IndexListCase{L"2 0", {2, 0}}, IndexListCase{L"2, 0;7", {2, 0, 7}},
                      IndexListCase{L"-1 0", {0}}, IndexListCase{L"-12 3", {3}},
                      IndexListCase{L"0 -1 4 -1", {0, 4}}, IndexListCase{L"1-2", {1}},
                      IndexListCase{L"- 3", {3}}, IndexListCase{L"--4 5", {5}},
                      IndexListCase{L"5-", {5}}, IndexListCase{L"", {}},
                      IndexListCase{L"  \t ", {}}, IndexListCase{L"abc", {}},
                      IndexListCase{L" 0007 ", {7}}, IndexListCase{L"x1y2z", {1, 2}},
                      IndexListCase{L"99999999999 1", {INT_MAX, 1}},
                      IndexListCase{L"\u0661 \uff12 8", {8}}));  // only ASCII digits

TEST(ParseIndexListSteps, RemainingTextIsWhatFollowsTrimmed) {
    std::wstring text = L"  2, 0;7 ";
    EXPECT_EQ(ParseIndexList(&text), 2);
    EXPECT_EQ(text, L", 0;7");
    EXPECT_EQ(ParseIndexList(&text), 0);
    EXPECT_EQ(text, L";7");
    EXPECT_EQ(ParseIndexList(&text), 7);
    EXPECT_EQ(text, L"");
    EXPECT_EQ(ParseIndexList(&text), -1);

    text = L"-1 -2";
    EXPECT_EQ(ParseIndexList(&text), -1);
    EXPECT_EQ(text, L"");
    text = L"no digits";
    EXPECT_EQ(ParseIndexList(&text), -1);
    EXPECT_EQ(text, L"");
}

// --- Saving

core::Bytes Utf16z(const std::wstring& text) {
    return core::ToUtf16Bytes(text, true);
}

TEST_F(StoreTest, ValuesAreTerminatedUtf16TextOfTheirFormats) {
    SampleInfo sample;
    sample.AudioFile = L"C:\\Jingles\\\u00e9t\u00e9.wav";
    sample.Threshold = -3;
    sample.Offset = 1.5;
    sample.Delay = 0.4;
    ASSERT_TRUE(SaveSamples(registry, SampleList{sample}));
    uint32_t type = 0;
    core::Bytes data;
    ASSERT_TRUE(registry.GetValue(RegRoot::LocalMachine, SampleKey(0), L"Offset", &type, &data));
    EXPECT_EQ(type, core::kRegSz);
    EXPECT_EQ(data,
              (core::Bytes{'1', 0, '.', 0, '5', 0, '0', 0, '0', 0, '0', 0, '0', 0, '0', 0, 0, 0}));
    EXPECT_EQ(data.size(), 2u * (8 + 1));
    ASSERT_TRUE(registry.GetValue(RegRoot::LocalMachine, SampleKey(0), L"Delay", &type, &data));
    EXPECT_EQ(data, Utf16z(L"0.400000"));
    ASSERT_TRUE(registry.GetValue(RegRoot::LocalMachine, SampleKey(0), L"Threshold", &type, &data));
    EXPECT_EQ(data, Utf16z(L"-3"));
    ASSERT_TRUE(registry.GetValue(RegRoot::LocalMachine, SampleKey(0), L"AudioFile", &type, &data));
    EXPECT_EQ(type, core::kRegSz);
    EXPECT_EQ(data, Utf16z(sample.AudioFile));
    EXPECT_EQ(data.size(), 2u * (sample.AudioFile.size() + 1));
}

TEST_F(StoreTest, DevicesAndGeneralAreWrittenAsText) {
    DeviceInfo device;
    device.Name = L"CX840 Input 3 B2";
    device.SampleRate = 22050;
    device.AnalysisDigit = 13;
    ASSERT_TRUE(SaveDevices(registry, DeviceList{device}));
    EXPECT_EQ(Get(registry, DeviceKey(0), L"Name"), L"CX840 Input 3 B2");
    EXPECT_EQ(Get(registry, DeviceKey(0), L"SampleRate"), L"22050");
    EXPECT_EQ(Get(registry, DeviceKey(0), L"AnalysisDigit"), L"13");

    GeneralParams general;
    general.GPILength = 10.0;
    general.CutoffFrequency = 80;
    general.LowPassFilterSize = 31;
    general.PowerRecalcRate = 200;
    general.Threshold = 0;
    ASSERT_TRUE(SaveGeneral(registry, general, 4, 5, 6));
    EXPECT_EQ(Get(registry, kStore, L"GPILength"), L"10.000000");
    EXPECT_EQ(Get(registry, kStore, L"CutoffFrequency"), L"80");
    EXPECT_EQ(Get(registry, kStore, L"LowPassFilterSize"), L"31");
    EXPECT_EQ(Get(registry, kStore, L"PowerRecalcRate"), L"200");
    EXPECT_EQ(Get(registry, kStore, L"Threshold"), L"0");
    EXPECT_EQ(Get(registry, kStore, L"GPIsCount"), L"4");
    EXPECT_EQ(Get(registry, kStore, L"SamplesCount"), L"5");
    EXPECT_EQ(Get(registry, kStore, L"DevicesCount"), L"6");
    uint32_t type = 0;
    core::Bytes data;
    ASSERT_TRUE(registry.GetValue(RegRoot::LocalMachine, kStore, L"GPILength", &type, &data));
    EXPECT_EQ(type, core::kRegSz);
    EXPECT_EQ(data.size(), 2u * (9 + 1));
}

TEST_F(StoreTest, EntriesStorePositionsComputedAtSaveTime) {
    SampleList samples{NewSampleInfo(system), NewSampleInfo(system), NewSampleInfo(system)};
    DeviceList devices{NewDeviceInfo(system), NewDeviceInfo(system)};
    auto make = [&](const wchar_t* name, std::wstring deviceId, std::vector<std::wstring> ids) {
        auto e = std::make_unique<GpiInfo>();
        e->Name = name;
        e->DeviceId = std::move(deviceId);
        e->SampleIds = std::move(ids);
        return e;
    };
    std::wstring lowerCase = samples[0].SampleId;
    for (auto& c : lowerCase) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    EntryList entries;
    entries.push_back(make(L"WAV_A", devices[1].DeviceId,
                           {samples[2].SampleId, samples[0].SampleId, samples[2].SampleId}));
    entries.push_back(make(L"WAV_B", L"{GONE}", {L"{GONE}", samples[1].SampleId}));
    entries.push_back(make(L"WAV_C", L"", {}));
    entries.push_back(make(L"WAV_D", devices[0].DeviceId, {lowerCase}));  // exact match only
    ASSERT_TRUE(SaveEntries(registry, entries, samples, devices));
    EXPECT_EQ(Get(registry, EntryKey(0), L"Name"), L"WAV_A");
    EXPECT_EQ(Get(registry, EntryKey(0), L"DeviceIndex"), L"1");
    EXPECT_EQ(Get(registry, EntryKey(0), L"SampleIndices"), L"2 0 2");
    EXPECT_EQ(Get(registry, EntryKey(1), L"DeviceIndex"), L"-1");
    EXPECT_EQ(Get(registry, EntryKey(1), L"SampleIndices"), L"-1 1");
    EXPECT_EQ(Get(registry, EntryKey(2), L"DeviceIndex"), L"-1");
    uint32_t type = 0;
    core::Bytes data;
    ASSERT_TRUE(
        registry.GetValue(RegRoot::LocalMachine, EntryKey(2), L"SampleIndices", &type, &data));
    EXPECT_EQ(type, core::kRegSz);
    EXPECT_EQ(data, (core::Bytes{0, 0}));
    EXPECT_EQ(Get(registry, EntryKey(3), L"SampleIndices"), L"-1");
}

TEST_F(StoreTest, SavingFewerEntriesLeavesTheOldKeysBeyondTheCount) {
    SeedRealisticStore(registry);
    for (int n = 3; n < 5; ++n) {
        PutEntry(registry, n, L"WAV_Old" + std::to_wstring(n), L"0", L"0");
    }
    PutCounts(registry, 5, 3, 2);
    const std::wstring oldEntry4 = Get(registry, EntryKey(4), L"Name");

    GeneralParams general;
    StoreCounts counts;
    LoadGeneral(registry, &general, &counts);
    SampleList samples = LoadedSamples(counts.SamplesCount);
    DeviceList devices = LoadedDevices(counts.DevicesCount);
    EntryList entries;
    LoadEntries(registry, &entries, counts.GPIsCount, samples, devices);
    ASSERT_EQ(entries.size(), 5u);
    entries.resize(2);

    ASSERT_TRUE(SaveEntries(registry, entries, samples, devices));
    ASSERT_TRUE(SaveGeneral(registry, general, 2, 3, 2));
    EXPECT_EQ(Get(registry, kStore, L"GPIsCount"), L"2");
    EXPECT_EQ(Get(registry, EntryKey(2), L"Name"), L"WAV_Ads");
    EXPECT_EQ(Get(registry, EntryKey(4), L"Name"), oldEntry4);

    EntryList reloaded;
    LoadEntries(registry, &reloaded, 2, samples, devices);
    EXPECT_EQ(reloaded.size(), 2u);
}

TEST_F(StoreTest, SavingKeepsOtherValuesOfARecordKey) {
    Put(registry, SampleKey(0), L"Comment", L"kept");
    SampleInfo sample;
    sample.AudioFile = L"C:\\a.wav";
    ASSERT_TRUE(SaveSamples(registry, SampleList{sample}));
    EXPECT_EQ(Get(registry, SampleKey(0), L"Comment"), L"kept");
}

TEST_F(StoreTest, KeyThatCanNeitherBeOpenedNorCreatedFailsTheSaveAndGetsNothing) {
    registry.FailCallOn(core::RegCall::Open, RegRoot::LocalMachine, DeviceKey(1));
    registry.FailCallOn(core::RegCall::Create, RegRoot::LocalMachine, DeviceKey(1));
    DeviceList devices(3);
    devices[2].Name = L"CX840 Input 3 B1";
    EXPECT_FALSE(SaveDevices(registry, devices));
    EXPECT_FALSE(registry.HasKey(RegRoot::LocalMachine, DeviceKey(1)));
    EXPECT_EQ(Get(registry, DeviceKey(2), L"Name"), L"CX840 Input 3 B1");  // the rest goes on
    EXPECT_EQ(Get(registry, DeviceKey(0), L"SampleRate"), L"1000");

    registry.FailCallOn(core::RegCall::Open, RegRoot::LocalMachine, kStore);
    registry.FailCallOn(core::RegCall::Create, RegRoot::LocalMachine, kStore);
    EXPECT_FALSE(SaveGeneral(registry, GeneralParams(), 0, 0, 0));
    EXPECT_FALSE(registry.HasValue(RegRoot::LocalMachine, kStore, L"GPIsCount"));
}

TEST_F(StoreTest, AnyRejectedWriteFailsTheSave) {
    registry.FailCallOn(core::RegCall::Set, RegRoot::LocalMachine, EntryKey(0));
    auto entry = std::make_unique<GpiInfo>();
    entry->Name = L"WAV_A";
    EntryList entries;
    entries.push_back(std::move(entry));
    EXPECT_FALSE(SaveEntries(registry, entries, {}, {}));
    EXPECT_TRUE(SaveSamples(registry, SampleList(2)));
    EXPECT_TRUE(SaveEntries(registry, EntryList(), {}, {}));
}

TEST_F(StoreTest, NullEntryRowIsReportedAndSkipped) {
    GpiInfo entry;
    entry.Name = L"WAV_B";
    EXPECT_FALSE(SaveEntries(registry, EntryRefs{nullptr, &entry}, {}, {}));
    EXPECT_FALSE(registry.HasKey(RegRoot::LocalMachine, EntryKey(0)));
    EXPECT_EQ(Get(registry, EntryKey(1), L"Name"), L"WAV_B");
}

// --- Stored counts

TEST_F(StoreTest, NegativeCountsReadNoRecords) {
    PutSample(registry, 0, L"C:\\a.wav", L"30", L"0.000000", L"0.000000");
    PutDevice(registry, 0, L"CX840 Input 1 B1", L"48000", L"14");
    EXPECT_TRUE(LoadedSamples(-1).empty());
    EXPECT_TRUE(LoadedDevices(INT_MIN).empty());
    EntryList entries;
    LoadEntries(registry, &entries, -5, {}, {});
    EXPECT_TRUE(entries.empty());
}

TEST_F(StoreTest, CountsUpToTheTrustedLimitAreTakenAsTheyStand) {
    PutSample(registry, 0, L"C:\\a.wav", L"30", L"0.000000", L"0.000000");
    SampleList samples = LoadedSamples(kMaxTrustedRecordCount);
    EXPECT_EQ(samples.size(), static_cast<size_t>(kMaxTrustedRecordCount));
    EXPECT_EQ(samples[0].AudioFile, L"C:\\a.wav");
}

TEST_F(StoreTest, HugeCountIsBoundedByTheRecordKeysThatExistAndByItself) {
    const int last = kMaxTrustedRecordCount + 1;
    PutSample(registry, 0, L"C:\\a.wav", L"30", L"0.000000", L"0.000000");
    PutSample(registry, last, L"C:\\last.wav", L"30", L"0.000000", L"0.000000");
    PutSample(registry, last + 50, L"C:\\beyond.wav", L"30", L"0.000000", L"0.000000");
    // Names that are no sample position do not count.
    registry.PutKey(RegRoot::LocalMachine, std::wstring(kStore) + L"\\Sample0999999");
    registry.PutKey(RegRoot::LocalMachine, std::wstring(kStore) + L"\\Samples99999");
    registry.PutKey(RegRoot::LocalMachine, std::wstring(kStore) + L"\\Sample99999999999");
    registry.PutKey(RegRoot::LocalMachine, DeviceKey(last * 3));
    registry.PutKey(RegRoot::LocalMachine, std::wstring(kStore) + L"\\" + std::wstring(300, L'S'));
    SampleList samples = LoadedSamples(2000000000);
    ASSERT_EQ(samples.size(), static_cast<size_t>(last + 51));
    EXPECT_EQ(samples[0].AudioFile, L"C:\\a.wav");
    EXPECT_EQ(samples[last].AudioFile, L"C:\\last.wav");
    EXPECT_EQ(samples[last + 50].AudioFile, L"C:\\beyond.wav");

    // The stored count still bounds the keys that exist.
    samples = LoadedSamples(last + 1);
    ASSERT_EQ(samples.size(), static_cast<size_t>(last + 1));
    EXPECT_EQ(samples[last].AudioFile, L"C:\\last.wav");
}

TEST_F(StoreTest, HugeCountReadsOnlyUpToTheLastExistingKey) {
    PutDevice(registry, 0, L"CX840 Input 1 B1", L"48000", L"14");
    PutDevice(registry, 2, L"CX840 Input 3 B1", L"48000", L"14");
    PutSample(registry, 7, L"C:\\a.wav", L"30", L"0.000000", L"0.000000");
    DeviceList devices = LoadedDevices(INT_MAX);
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(devices[1].Name, L"");  // a gap still reads as a default device
    EXPECT_EQ(devices[2].Name, L"CX840 Input 3 B1");
}

TEST_F(StoreTest, HugeEntryCountReadsTheEntriesThatExist) {
    PutSample(registry, 0, L"C:\\a.wav", L"30", L"0.000000", L"0.000000");
    PutDevice(registry, 0, L"CX840 Input 1 B1", L"48000", L"14");
    SampleList samples = LoadedSamples(1);
    DeviceList devices = LoadedDevices(1);
    PutEntry(registry, 0, L"WAV_First", L"0", L"0");
    PutEntry(registry, kMaxTrustedRecordCount + 1, L"WAV_Far", L"0", L"0");
    EntryList entries;
    LoadEntries(registry, &entries, INT_MAX, samples, devices);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1]->Name, L"WAV_Far");
}

TEST_F(StoreTest, HugeCountWithoutAViewOfTheKeysReadsTheTrustedNumber) {
    PutSample(registry, 3, L"C:\\d.wav", L"30", L"0.000000", L"0.000000");
    registry.FailCall(core::RegCall::Enum);
    SampleList samples = LoadedSamples(INT_MAX);
    ASSERT_EQ(samples.size(), static_cast<size_t>(kMaxTrustedRecordCount));
    EXPECT_EQ(samples[3].AudioFile, L"C:\\d.wav");
}

}  // namespace
}  // namespace cuebell
