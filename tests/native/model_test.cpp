#include "cuebell/model/model.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "shared/inmemory/memory_system.h"

namespace cuebell {
namespace {

SampleInfo Sample(const std::wstring& id, const std::wstring& file = L"C:\\a.wav") {
    SampleInfo s;
    s.SampleId = id;
    s.AudioFile = file;
    return s;
}

DeviceInfo Device(const std::wstring& id, const std::wstring& name = L"CX840 Input 1 B1") {
    DeviceInfo d;
    d.DeviceId = id;
    d.Name = name;
    return d;
}

std::unique_ptr<GpiInfo> Entry(const std::wstring& name, const std::wstring& deviceId,
                               std::vector<std::wstring> sampleIds) {
    auto e = std::make_unique<GpiInfo>();
    e->Name = name;
    e->DeviceId = deviceId;
    e->SampleIds = std::move(sampleIds);
    return e;
}

std::vector<std::wstring> NamesOf(const EntryList& entries) {
    std::vector<std::wstring> names;
    for (const auto& e : entries) {
        names.push_back(e->Name);
    }
    return names;
}

TEST(NewRecordTest, RecordsStartWithTheirDefaultsAndDistinctIdentifiers) {
    core::MemorySystem system;
    SampleInfo sample = NewSampleInfo(system);
    DeviceInfo device = NewDeviceInfo(system);
    EXPECT_EQ(sample.AudioFile, L"");
    EXPECT_EQ(sample.Threshold, 30);
    EXPECT_EQ(sample.Offset, 0.0);
    EXPECT_EQ(sample.Delay, 0.0);
    EXPECT_EQ(device.Name, L"");
    EXPECT_EQ(device.SampleRate, 1000);
    EXPECT_EQ(device.AnalysisDigit, 12);
    ASSERT_EQ(sample.SampleId.size(), 38u);
    EXPECT_EQ(sample.SampleId.front(), L'{');
    EXPECT_EQ(sample.SampleId.back(), L'}');
    EXPECT_EQ(device.DeviceId.size(), 38u);
    EXPECT_NE(sample.SampleId, device.DeviceId);
}

TEST(NewRecordTest, FailedGuidGenerationGivesAnEmptyIdentifier) {
    core::MemorySystem system;
    system.SetGuidFailure(true);
    EXPECT_EQ(NewSampleInfo(system).SampleId, L"");
    EXPECT_EQ(NewDeviceInfo(system).DeviceId, L"");
}

TEST(FindIndexTest, FirstExactMatchOrMinusOne) {
    DeviceList devices{Device(L"{A}"), Device(L"{B}"), Device(L"{B}")};
    SampleList samples{Sample(L"{S1}"), Sample(L"{S2}")};
    EXPECT_EQ(FindDeviceIndex(devices, L"{A}"), 0);
    EXPECT_EQ(FindDeviceIndex(devices, L"{B}"), 1);
    EXPECT_EQ(FindDeviceIndex(devices, L"{b}"), -1);  // case-sensitive
    EXPECT_EQ(FindDeviceIndex(devices, L""), -1);
    EXPECT_EQ(FindDeviceIndex(DeviceList{}, L"{A}"), -1);
    EXPECT_EQ(FindSampleIndex(samples, L"{S2}"), 1);
    EXPECT_EQ(FindSampleIndex(samples, L"{s2}"), -1);
    EXPECT_EQ(FindSampleIndex(samples, L"{S3}"), -1);
}

struct PositionCase {
    int32_t position;
    const wchar_t* expected;
};

class IdAtTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(IdAtTest, OutOfRangeGivesEmpty) {
    SampleList samples{Sample(L"{S0}"), Sample(L"{S1}")};
    DeviceList devices{Device(L"{S0}"), Device(L"{S1}")};
    EXPECT_EQ(SampleIdAt(samples, GetParam().position), GetParam().expected);
    EXPECT_EQ(DeviceIdAt(devices, GetParam().position), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Positions, IdAtTest,
                         ::testing::Values(PositionCase{0, L"{S0}"}, PositionCase{1, L"{S1}"},
                                           PositionCase{-1, L""}, PositionCase{2, L""},
                                           PositionCase{INT_MIN, L""}, PositionCase{INT_MAX, L""}));

TEST(IsEntryCompleteTest, NeedsADeviceAndOneNonEmptySample) {
    EXPECT_TRUE(IsEntryComplete(*Entry(L"WAV_A", L"{D}", {L"{S}"})));
    EXPECT_TRUE(IsEntryComplete(*Entry(L"WAV_A", L"{D}", {L"", L"{S}"})));
    EXPECT_FALSE(IsEntryComplete(*Entry(L"WAV_A", L"", {L"{S}"})));
    EXPECT_FALSE(IsEntryComplete(*Entry(L"WAV_A", L"{D}", {})));
    EXPECT_FALSE(IsEntryComplete(*Entry(L"WAV_A", L"{D}", {L"", L""})));
}

struct IntervalCase {
    int32_t digit;
    int32_t rate;
    int32_t expected;
};

class AnalysisIntervalTest : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(AnalysisIntervalTest, PowerOfTwoTimesThousandOverRate) {
    DeviceInfo device;
    device.AnalysisDigit = GetParam().digit;
    device.SampleRate = GetParam().rate;
    EXPECT_EQ(AnalysisIntervalMs(device), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, AnalysisIntervalTest,
    ::testing::Values(IntervalCase{12, 0, 4096 * 1000},  // a rate of 0 counts as 1
                      IntervalCase{12, 44100, 92}, IntervalCase{14, 44100, 371},
                      IntervalCase{12, 8000, 512}, IntervalCase{15, 48000, 682},
                      IntervalCase{13, 16000, 512}, IntervalCase{0, 1000, 1},
                      IntervalCase{21, 1, 2097152000},  // the largest that fits 32 bits
                      IntervalCase{12, -1000, -4096}));

// Stored digits and rates may be anything: the interval saturates instead of
// overflowing, and a negative digit divides.
INSTANTIATE_TEST_SUITE_P(
    StoredNonsense, AnalysisIntervalTest,
    ::testing::Values(IntervalCase{22, 1, INT_MAX}, IntervalCase{31, 1000, INT_MAX},
                      IntervalCase{30, 1000, 1073741824}, IntervalCase{63, 48000, INT_MAX},
                      IntervalCase{INT_MAX, 1, INT_MAX}, IntervalCase{40, -1, INT_MIN},
                      IntervalCase{-1, 1, 500}, IntervalCase{-3, 7, 17}, IntervalCase{-1, 1000, 0},
                      IntervalCase{INT_MIN, 1, 0}, IntervalCase{12, INT_MIN, 0}));

TEST(NormalizeDeviceNamesTest, OutputBecomesInputCaseSensitively) {
    DeviceList devices{Device(L"1", L"CX840 Output 2 B1"), Device(L"2", L"CX840 output 2 B1"),
                       Device(L"3", L"OutputOutput"),      Device(L"4", L"OOutputt"),
                       Device(L"5", L"CX840 Input 3 B2"),  Device(L"6", L"")};
    NormalizeDeviceNames(&devices);
    EXPECT_EQ(devices[0].Name, L"CX840 Input 2 B1");
    EXPECT_EQ(devices[1].Name, L"CX840 output 2 B1");
    EXPECT_EQ(devices[2].Name, L"InputInput");
    EXPECT_EQ(devices[3].Name, L"OInputt");
    EXPECT_EQ(devices[4].Name, L"CX840 Input 3 B2");
    EXPECT_EQ(devices[5].Name, L"");
    EXPECT_EQ(devices[0].DeviceId, L"1");
}

TEST(PruneTest, UnknownSampleIsDroppedAndTheEntrySurvives) {
    SampleList samples{Sample(L"{S1}"), Sample(L"{S2}")};
    DeviceList devices{Device(L"{D1}")};
    EntryList entries;
    entries.push_back(Entry(L"WAV_A", L"{D1}", {L"{GONE}", L"{S2}"}));
    PruneSampleRefs(&entries, samples);
    PruneEntries(&entries, devices);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0]->SampleIds, std::vector<std::wstring>{L"{S2}"});
}

TEST(PruneTest, EntryLeftWithoutSamplesIsDeletedByTheSecondPass) {
    SampleList samples{Sample(L"{S1}")};
    DeviceList devices{Device(L"{D1}")};
    EntryList entries;
    entries.push_back(Entry(L"WAV_A", L"{D1}", {L"{GONE}"}));
    PruneSampleRefs(&entries, samples);
    ASSERT_EQ(entries.size(), 1u);  // the first pass keeps the entry
    EXPECT_TRUE(entries[0]->SampleIds.empty());
    PruneEntries(&entries, devices);
    EXPECT_TRUE(entries.empty());
}

TEST(PruneTest, SampleReferencesMatchWithoutRegardToCaseAndKeepOrderAndDuplicates) {
    SampleList samples{Sample(L"{AB-1}"), Sample(L"{AB-2}")};
    EntryList entries;
    entries.push_back(Entry(L"WAV_A", L"{D}", {L"{ab-2}", L"", L"{X}", L"{AB-1}", L"{AB-2}"}));
    PruneSampleRefs(&entries, samples);
    EXPECT_EQ(entries[0]->SampleIds, (std::vector<std::wstring>{L"{ab-2}", L"{AB-1}", L"{AB-2}"}));
}

TEST(PruneTest, EntriesWithoutAKnownDeviceOrSamplesAreDeletedInOrder) {
    DeviceList devices{Device(L"{D1}"), Device(L"{D2}")};
    EntryList entries;
    entries.push_back(Entry(L"WAV_NoDevice", L"", {L"{S}"}));
    entries.push_back(Entry(L"WAV_Keep1", L"{D1}", {L"{S}"}));
    entries.push_back(Entry(L"WAV_UnknownDevice", L"{D9}", {L"{S}"}));
    entries.push_back(Entry(L"WAV_NoSamples", L"{D2}", {}));
    entries.push_back(Entry(L"WAV_KeepCase", L"{d2}", {L"{S}"}));
    entries.push_back(Entry(L"WAV_Keep2", L"{D2}", {L"{S}"}));
    PruneEntries(&entries, devices);
    EXPECT_EQ(NamesOf(entries),
              (std::vector<std::wstring>{L"WAV_Keep1", L"WAV_KeepCase", L"WAV_Keep2"}));
}

TEST(PruneTest, TwoSamplesOfTheSameFileKeepTheirOwnReferences) {
    SampleList samples{Sample(L"{S1}", L"C:\\same.wav"), Sample(L"{S2}", L"C:\\same.wav")};
    DeviceList devices{Device(L"{D1}")};
    EntryList entries;
    entries.push_back(Entry(L"WAV_A", L"{D1}", {L"{S1}"}));
    entries.push_back(Entry(L"WAV_B", L"{D1}", {L"{S2}"}));
    PruneSampleRefs(&entries, samples);
    PruneEntries(&entries, devices);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0]->SampleIds, std::vector<std::wstring>{L"{S1}"});
    EXPECT_EQ(entries[1]->SampleIds, std::vector<std::wstring>{L"{S2}"});
}

TEST(PruneTest, EmptyIdentifiersNeverMatch) {
    // Records whose GUID could not be made have an empty identifier; an empty
    // reference still goes.
    SampleList samples{Sample(L"")};
    DeviceList devices{Device(L"")};
    EntryList entries;
    entries.push_back(Entry(L"WAV_A", L"", {L""}));
    PruneSampleRefs(&entries, samples);
    EXPECT_TRUE(entries[0]->SampleIds.empty());
    PruneEntries(&entries, devices);
    EXPECT_TRUE(entries.empty());
}

TEST(MemorySystemTest, GuidsAreDistinctAndFailuresCanBeInjected) {
    core::MemorySystem system;
    std::set<std::array<uint8_t, 16>> seen;
    std::array<uint8_t, 16> guid{};
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(system.NewGuid(&guid));
        seen.insert(guid);
    }
    EXPECT_EQ(seen.size(), 300u);
    system.FailNthGuid(2);
    EXPECT_TRUE(system.NewGuid(&guid));
    EXPECT_FALSE(system.NewGuid(&guid));
    EXPECT_TRUE(system.NewGuid(&guid));
    EXPECT_EQ(system.GuidRequestCount(), 303);
    EXPECT_EQ(system.GuidsIssued(), 302);
}

TEST(MemorySystemTest, PathsWindowsAndVersionsCompareAsWindowsDoes) {
    core::MemorySystem system;
    system.AddPath(L"C:\\Jingles\\");
    EXPECT_TRUE(system.PathExists(L"c:/jingles"));
    EXPECT_TRUE(system.PathExists(L"C:\\JINGLES\\"));
    EXPECT_FALSE(system.PathExists(L"C:\\Jingles\\Old"));
    EXPECT_FALSE(system.PathExists(L""));
    system.RemovePath(L"c:\\jingles");
    EXPECT_FALSE(system.PathExists(L"C:\\Jingles"));

    system.AddWindowClass(L"TAirMainForm");
    EXPECT_TRUE(system.IsWindowClassPresent(L"tairmainform"));
    system.RemoveWindowClass(L"TAirMainForm");
    EXPECT_FALSE(system.IsWindowClassPresent(L"TAirMainForm"));

    system.SetModulePath(L"C:\\Tools\\Cuebell.exe");
    core::FileVersion version{2, 1, 0, 7};
    system.SetFileVersion(L"c:\\tools\\cuebell.exe", version);
    core::FileVersion read;
    ASSERT_TRUE(system.GetFileVersion(L"C:\\Tools\\Cuebell.exe", &read));
    EXPECT_EQ(read.major, 2);
    EXPECT_EQ(read.revision, 7);
    EXPECT_FALSE(system.GetFileVersion(L"C:\\Tools\\Other.exe", &read));
}

TEST(MemorySystemTest, ModulePathMustFitTheBufferWithItsTerminator) {
    core::MemorySystem system;
    system.SetModulePath(L"C:\\a.exe");  // 8 characters
    EXPECT_EQ(system.ModulePath(9), L"C:\\a.exe");
    EXPECT_EQ(system.ModulePath(8), L"");
    system.SetModulePath(L"");
    EXPECT_EQ(system.ModulePath(520), L"");
}

}  // namespace
}  // namespace cuebell
