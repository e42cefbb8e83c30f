// Tonegate's configuration check: a station without problems, then one table of stations
// that each hold problems, with the findings the list shows for them, in its order.
#include "tonegate/check/config_check.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "config_check_fixture.h"
#include "tonegate/check/finding_kinds.h"

namespace tonegate {
namespace {

// One board with one playout instance; DTMF_News listens on input 1 for 1D62.
struct Station {
    Station() {
        AddSignal(L"DTMF_News", L"CX840 Input 1 B1", L"1D62", kAnalysisRight);
        AddInstance(L"Studio", 1, L"101 0 500 DTMF_News|Top of hour");
    }

    CDTMFTaskInfo& AddSignal(const std::wstring& name, const std::wstring& device,
                             const std::wstring& symbols, int32_t channel,
                             const std::wstring& symbolMs = L"50") {
        auto signal = std::make_unique<CDTMFTaskInfo>();
        signal->Name = name;
        signal->DeviceName = device;
        signal->Symbols = symbols;
        signal->AnalysisType = channel;
        signal->SymbolDuration = symbolMs;
        owned.push_back(std::move(signal));
        return *owned.back();
    }
    void AddInstance(const std::wstring& name, int32_t board, const std::wstring& table) {
        core::PlayoutInstance instance;
        instance.Name = name;
        instance.Board = board;
        instance.Stored = core::StoredTable::Read;
        core::ParseGpiEvents(table, &instance.Events, &instance.UnparsedRecords);
        instances.push_back(instance);
    }

    core::FindingList Check() const {
        SignalRefs signals;
        for (const auto& signal : owned) {
            signals.push_back(signal.get());
        }
        return CheckTonegateConfiguration(TonegateConfiguration{signals, boards, instances});
    }

    SignalList owned;
    core::StringList boards{L"1"};
    core::PlayoutInstanceList instances;
};

using CheckCase = check_testing::CheckCase<Station>;
using namespace check_testing;

TEST(TonegateConfigCheck, AStationWithoutProblemsHasNoFindings) {
    const core::FindingList findings = Station().Check();
    EXPECT_TRUE(findings.empty());
    EXPECT_EQ(core::CheckSummary(findings, TonegateCheckTexts()), L"No problems found.");
}

class TonegateCheckTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TonegateCheckTable, FindsEachProblemOnceInTheListOrder) {
    Station station;
    GetParam().spoil(station);
    const core::FindingList findings = station.Check();
    ExpectFindings(findings, GetParam().findings);
}

INSTANTIATE_TEST_SUITE_P(
    Stations, TonegateCheckTable,
    ::testing::Values(
        CheckCase{"ADeviceOffTheBoardsAndNamesAlikeButForCase",
                  [](Station& s) {
                      s.AddSignal(L"DTMF_Far", L"CX840 Input 1 B2", L"9", kAnalysisRight);
                      s.AddSignal(L"DTMF_NEWS", L"CX840 Input 2 B1", L"8", kAnalysisRight);
                  },
                  {{E, L"DTMF_Far", L"CX840 Input 1 B2"},
                   {E, L"DTMF_News, DTMF_NEWS", L"share one name"}}},
        CheckCase{"SignalsOnABoardNoInstanceUses",
                  [](Station& s) {
                      s.boards = {L"1", L"2"};
                      s.AddSignal(L"DTMF_B2", L"CX840 Input 2 B2", L"9", kAnalysisRight);
                  },
                  {{E, L"DTMF_B2", L"board 2"}}},
        CheckCase{"NoInstanceAtAll",
                  [](Station& s) {
                      s.instances.clear();
                      s.AddSignal(L"DTMF_Two", L"CX840 Input 2 B1", L"9", kAnalysisRight);
                  },
                  {{E, L"DTMF_News, DTMF_Two", L"no playout instance"}}},
        CheckCase{"ChannelsThatHearTheSameTonesWithOverlappingTiming",
                  [](Station& s) {
                      s.AddSignal(L"DTMF_Twin", L"cx840 input 1 b1", L"1d62", kAnalysisSum, L"60");
                      s.AddSignal(L"DTMF_Apart", L"CX840 Input 1 B1", L"1D62", kAnalysisLeft);
                      s.AddSignal(L"DTMF_Late", L"CX840 Input 1 B1", L"1D62", kAnalysisRight,
                                  L"200");
                      s.AddSignal(L"DTMF_Input2", L"CX840 Input 2 B1", L"1D62", kAnalysisRight);
                      s.AddSignal(L"DTMF_Left", L"CX840 Input 2 B1", L"1D62", kAnalysisLeft);
                  },
                  {{E, L"DTMF_News, DTMF_Twin, DTMF_Apart", L"CX840 Input 1 B1"},
                   {W, L"DTMF_Twin", L"'1d62'"}}},
        CheckCase{"SymbolsThatBeginAnotherSignalsOnAHearingChannel",
                  [](Station& s) {
                      s.AddSignal(L"DTMF_One", L"CX840 Input 1 B1", L"1", kAnalysisLeft);
                      s.AddSignal(L"DTMF_OneS", L"CX840 Input 1 B1", L"1", kAnalysisSum, L"300");
                      s.AddSignal(L"DTMF_1D", L"CX840 Input 1 B1", L"1D", kAnalysisRight);
                  },
                  {{W, L"DTMF_OneS", L"DTMF_News, DTMF_1D"}, {W, L"DTMF_1D", L"DTMF_News"}}},
        CheckCase{"SymbolsReceiversMissRejectOrBridge",
                  [](Station& s) {
                      s.AddSignal(L"DTMF_Short", L"CX840 Input 1 B1", L"2", kAnalysisRight, L"30")
                          .Deviation = L"10";
                      s.AddSignal(L"DTMF_Reject", L"CX840 Input 1 B1", L"3", kAnalysisRight, L"12")
                          .Deviation = L"10";
                      s.AddSignal(L"DTMF_Repeat", L"CX840 Input 1 B1", L"55", kAnalysisRight)
                          .GapDuration = L"10";
                  },
                  {{W, L"DTMF_Reject", L"12 ms"},
                   {W, L"DTMF_Short", L"30 ms"},
                   {W, L"DTMF_Repeat", L"55 repeat"}}},
        CheckCase{"TheToolsEventsWithoutASignalAndTablesThatCannotBeRead",
                  [](Station& s) {
                      s.AddInstance(L"Air", 1,
                                    L"101 0 500 DTMF_Old|Old\n101 0 500 WAV_Jingle|kept");
                      s.instances[1].Stored = core::StoredTable::Unreadable;
                      s.AddInstance(L"Backup", 1, L"101 0 500 DTMF_Old|x\n101 0 500 DTMF_News|");
                  },
                  {{W, L"VeZevBackup", L"(DTMF_Old)"}, {N, L"VeZevAir", L"cannot be read"}}},
        CheckCase{"HandEditedTimingsAndSymbols",
                  [](Station& s) {
                      CDTMFTaskInfo& news = *s.owned[0];
                      news.SymbolDuration = L"050";
                      news.GapDuration = L"5";
                      news.Delay = L"2000000";
                      news.Symbols = L"1D62E";
                  },
                  {{W, L"DTMF_News", L"'050'"},
                   {W, L"DTMF_News", L"gap duration of 5 ms"},
                   {W, L"DTMF_News", L"delay of 2000000 ms"},
                   {W, L"DTMF_News", L"'1D62E'"}}}),
    CaseName<Station>);

}  // namespace
}  // namespace tonegate
