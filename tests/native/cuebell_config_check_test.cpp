// Cuebell's configuration check: a station without problems, then one table of stations
// that each hold problems, with the findings the list shows for them, in its order.
#include "cuebell/check/config_check.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config_check_fixture.h"
#include "cuebell/check/finding_kinds.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_system.h"

namespace cuebell {
namespace {

// Counts the questions, so that each distinct file is seen to be asked once.
class CountingAudio : public core::MemoryAudioFileInfo {
  public:
    double GetAudioFileDuration(const std::wstring& path) override {
        ++asked[path];
        return MemoryAudioFileInfo::GetAudioFileDuration(path);
    }
    std::map<std::wstring, int> asked;
};

// One board at 48000 Hz with one playout instance; WAV_News watches input 1 for a 10 s
// jingle. Nothing is wrong with it.
struct Station {
    Station() {
        AddFile(L"C:\\Jingles\\news.wav", 10.0);
        AddSample(L"C:\\Jingles\\news.wav", 0.0, 0.5);
        AddDevice(L"CX840 Input 1 B1", 48000, 14);
        AddEntry(L"WAV_News", 0, {0});
        AddInstance(L"Studio", 1, L"101 0 500 WAV_News|Top of hour");
    }

    void AddFile(const std::wstring& path, double seconds) {
        system.AddPath(path);
        audio.durations[path] = seconds;
    }
    void AddSample(const std::wstring& path, double offset, double delay) {
        SampleInfo sample;
        sample.AudioFile = path;
        sample.Offset = offset;
        sample.Delay = delay;
        sample.SampleId = L"S" + std::to_wstring(samples.size());
        samples.push_back(sample);
    }
    void AddDevice(const std::wstring& name, int32_t rate, int32_t digit) {
        devices.push_back(DeviceInfo{name, rate, digit, L"D" + std::to_wstring(devices.size())});
    }
    void AddEntry(const std::wstring& name, size_t device, const std::vector<size_t>& sampleList) {
        auto entry = std::make_unique<GpiInfo>();
        entry->Name = name;
        entry->DeviceId = devices[device].DeviceId;
        for (size_t s : sampleList) {
            entry->SampleIds.push_back(samples[s].SampleId);
        }
        owned.push_back(std::move(entry));
    }
    void AddInstance(const std::wstring& name, int32_t board, const std::wstring& table) {
        core::PlayoutInstance instance;
        instance.Name = name;
        instance.Board = board;
        instance.Stored = core::StoredTable::Read;
        core::ParseGpiEvents(table, &instance.Events, &instance.UnparsedRecords);
        instances.push_back(instance);
    }

    core::FindingList Check() {
        EntryRefs entries;
        for (const auto& entry : owned) {
            entries.push_back(entry.get());
        }
        const CuebellConfiguration configuration{samples, devices, entries,
                                                 general, boards,  instances};
        return CheckCuebellConfiguration(configuration, CuebellCheckPorts{driver, system, audio});
    }

    SampleList samples;
    DeviceList devices;
    EntryList owned;
    GeneralParams general;
    core::StringList boards{L"1"};
    core::PlayoutInstanceList instances;
    core::MemoryBoardDriver driver;
    core::MemorySystem system;
    CountingAudio audio;
};

using CheckCase = check_testing::CheckCase<Station>;
using namespace check_testing;

TEST(CuebellConfigCheck, AStationWithoutProblemsHasNoFindings) {
    Station station;
    const core::FindingList findings = station.Check();
    EXPECT_TRUE(findings.empty());
    EXPECT_EQ(core::CheckSummary(findings, CuebellCheckTexts()), L"No problems found.");
}

class CuebellCheckTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CuebellCheckTable, FindsEachProblemOnceInTheListOrder) {
    Station station;
    GetParam().spoil(station);
    const core::FindingList findings = station.Check();
    ExpectFindings(findings, GetParam().findings);
    for (const auto& asked : station.audio.asked) {
        EXPECT_EQ(asked.second, 1) << "asked more than once: " << asked.first.size();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stations, CuebellCheckTable,
    ::testing::Values(
        CheckCase{"MissingAndUnreadableFilesNameTheirEntries",
                  [](Station& s) {
                      s.AddSample(L"C:\\Gone.wav", 0, 0.5);
                      s.AddSample(L"c:\\gone.WAV", 0, 0.5);  // the same file, asked once
                      s.AddFile(L"C:\\Text.wav", -3);
                      s.AddSample(L"C:\\Text.wav", 0, 0.5);
                      s.AddEntry(L"WAV_Gone", 0, {1, 2});
                      s.AddEntry(L"WAV_Text", 0, {3});
                      s.instances[0].Events.clear();
                  },
                  {{E, L"C:\\Gone.wav", L"(WAV_Gone)"}, {E, L"C:\\Text.wav", L"(WAV_Text)"}}},
        CheckCase{"ShortFilesAndOffsetsPastTheirEnd",
                  [](Station& s) {
                      s.AddFile(L"C:\\Blip.wav", 0.8);
                      s.AddSample(L"C:\\Blip.wav", 0, 0.5);
                      s.samples[0].Offset = 9.7;  // 10 s file: 9.5 s at most
                      s.samples[0].Delay = 10.2;
                  },
                  {{E, L"C:\\Blip.wav", L"0.80 s"},
                   {E, L"C:\\Jingles\\news.wav", L"9.50 s"},
                   {W, L"CX840 Input 1 B1", L"news.wav (0.30 s)"},
                   {N, L"C:\\Blip.wav", L"No entry"}}},
        CheckCase{"DevicesOffTheBoardsAreErrorsWhenUsedAndNotesWhenNot",
                  [](Station& s) {
                      s.AddDevice(L"CX840 Input 1 B2", 48000, 14);  // board 2 is not installed
                      s.AddDevice(L"Line in", 48000, 14);
                      s.AddEntry(L"WAV_Board2", 1, {0});
                  },
                  {{E, L"CX840 Input 1 B2", L"WAV_Board2"}, {N, L"Line in", L"installed board"}}},
        CheckCase{"RatesEachBoardAsksOnceAndDigitsItsRateOffers",
                  [](Station& s) {
                      s.devices[0].SampleRate = 44100;
                      s.AddDevice(L"CX840 Input 2 B1", 48000, 12);
                      s.AddDevice(L"CX840 Input 3 B1", 48000, 14);
                      s.AddEntry(L"WAV_Two", 1, {0});
                      s.AddEntry(L"WAV_Three", 2, {0});
                      s.instances[0].Events.clear();
                  },
                  {{E, L"CX840 Input 1 B1", L"44100 Hz"}, {W, L"CX840 Input 2 B1", L"power 12"}}},
        CheckCase{"ABoardWhoseRateCannotBeHadGivesNoFinding",
                  [](Station& s) {
                      s.devices[0].SampleRate = 22050;
                      s.driver.failRate = {0};
                  },
                  {}},
        CheckCase{"TwinsOfDevicesAndOfEntriesAreOneFindingEach",
                  [](Station& s) {
                      s.AddDevice(L"cx840 input 1 b1", 48000, 14);
                      s.AddDevice(L"CX840 INPUT 1 B1 ", 48000, 14);
                      s.AddEntry(L"wav_news", 1, {0});
                      s.AddEntry(L"WAV_NEWS", 2, {0});
                  },
                  {{E, L"CX840 Input 1 B1, cx840 input 1 b1, CX840 INPUT 1 B1 ", L"same input"},
                   {E, L"WAV_News, wav_news, WAV_NEWS", L"share one name"}}},
        CheckCase{"EntriesOnABoardNoInstanceUsesAreOneFindingPerBoard",
                  [](Station& s) {
                      s.boards = {L"1", L"2", L"3"};
                      for (int b = 2; b <= 3; ++b) {
                          s.AddDevice(L"CX840 Input 1 B" + std::to_wstring(b), 48000, 14);
                          s.AddFile(L"C:\\" + std::to_wstring(b) + L".wav", 5);
                          s.AddSample(L"C:\\" + std::to_wstring(b) + L".wav", 0, 0.5);
                      }
                      s.AddEntry(L"WAV_B2", 1, {1});
                      s.AddEntry(L"WAV_B3", 2, {2});
                      s.AddEntry(L"WAV_B2b", 1, {1});
                  },
                  {{E, L"WAV_B2, WAV_B2b", L"board 2"},
                   {E, L"WAV_B3", L"board 3"},
                   {W, L"WAV_B2, WAV_B2b", L"same file"}}},
        CheckCase{"NoInstanceAtAllIsOneFindingForEveryEntry",
                  [](Station& s) {
                      s.instances.clear();
                      s.AddEntry(L"WAV_Two", 0, {0});
                  },
                  {{E, L"WAV_News, WAV_Two", L"no playout instance"},
                   {W, L"WAV_News, WAV_Two", L"same file"}}},
        CheckCase{"TheTablesOwnEventsBoardAndRecordsAreFindingsOfTheInstance",
                  [](Station& s) {
                      s.AddInstance(L"Air", 1,
                                    L"101 0 500 WAV_News|x\n101 0 500 WAV_Old|Old comment\n"
                                    L"broken line\n7 3 250 Other|kept");
                      s.instances[1].BoardByDefault = true;
                      s.AddInstance(L"Locked", 1, L"");
                      s.instances[2].Stored = core::StoredTable::Unreadable;
                  },
                  {{W, L"VeZevAir", L"(WAV_Old)"},
                   {W, L"VeZevAir", L"events (1)"},
                   {W, L"VeZevAir", L"board 1"},
                   {N, L"VeZevLocked", L"cannot be read"}}},
        CheckCase{"HandEditedSampleValuesOutOfTheEditorsRanges",
                  [](Station& s) {
                      s.samples[0].Offset = 2.0;
                      s.samples[0].Delay = 2.4;
                      s.AddSample(L"C:\\Jingles\\news.wav", 0, 150);
                      s.samples[1].Threshold = 101;
                      s.general.GPILength = 0.456;  // shown as 0.46: no finding
                      s.general.CutoffFrequency = 60000;
                  },
                  {{W, L"C:\\Jingles\\news.wav", L"2.40 s"},
                   {W, L"C:\\Jingles\\news.wav", L"100.00 s"},
                   {W, L"C:\\Jingles\\news.wav", L"101 %"},
                   {W, L"General settings", L"general settings"},
                   {N, L"C:\\Jingles\\news.wav", L"No entry"}}},
        CheckCase{"ALongListOfNamesEndsInHowManyMore",
                  [](Station& s) {
                      s.instances.clear();
                      for (int e = 1; e <= 7; ++e) {
                          s.AddEntry(L"WAV_" + std::to_wstring(e), 0, {0});
                      }
                  },
                  {{E, L"WAV_News, WAV_1, WAV_2, WAV_3, WAV_4, 3 more", L"no playout"},
                   {W, L"WAV_News, WAV_1, WAV_2, WAV_3, WAV_4, 3 more", L"same file"}}}),
    CaseName<Station>);

TEST(CuebellConfigCheck, SummaryAndRowsCountEachSeverity) {
    Station station;
    station.AddSample(L"C:\\Gone.wav", 0, 0.5);         // error (file), note (unused)
    station.AddDevice(L"CX840 Input 2 B1", 48000, 14);  // note (unused)
    station.samples[0].Delay = 0.2;                     // warning (delay)
    const core::FindingList findings = station.Check();
    const core::CheckTexts texts = CuebellCheckTexts();
    EXPECT_EQ(core::CheckSummary(findings, texts), L"1 error, 1 warning, 2 notes");
    const std::vector<core::CheckRow> rows = core::CheckRows(findings, texts);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].severity, L"Error");
    EXPECT_EQ(rows[1].severity, L"Warning");
    EXPECT_EQ(rows[3].severity, L"Note");
    EXPECT_EQ(rows[3].where, L"CX840 Input 2 B1");
    EXPECT_EQ(findings[3].records, (std::vector<core::RecordRef>{{core::RecordKind::Device, 1}}));
    EXPECT_EQ(station.driver.createCount, 1) << "the board's rates are asked once";

    station.AddSample(L"C:\\Gone2.wav", 0, 0.2);
    EXPECT_EQ(core::CheckSummary(station.Check(), texts), L"2 errors, 2 warnings, 3 notes");
}

}  // namespace
}  // namespace cuebell
