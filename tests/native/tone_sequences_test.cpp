// The recording's sequences as the "Recording" dialog lists them: grouping, row texts,
// "Fires", the summary, the copy text and the signal "Add signal..." proposes.
#include "tonegate/dtmf/tone_sequences.h"

#include <gtest/gtest.h>

#include "tonegate/dtmf/signal_prefill.h"

namespace tonegate::dtmf {
namespace {

DetectedTone Tone(ChannelView view, wchar_t symbol, double start, double end, double level = -12,
                  bool cut = false) {
    DetectedTone tone;
    tone.view = view;
    tone.symbol = symbol;
    tone.start = start;
    tone.end = end;
    tone.levelDb = level;
    tone.cutAtEnd = cut;
    return tone;
}

CDTMFTaskInfo Signal(const wchar_t* name, const wchar_t* symbols, const wchar_t* symbol,
                     const wchar_t* gap, const wchar_t* deviation, int32_t channel) {
    CDTMFTaskInfo signal;
    signal.Name = name;
    signal.DeviceName = L"Board 1";
    signal.Symbols = symbols;
    signal.SymbolDuration = symbol;
    signal.GapDuration = gap;
    signal.Deviation = deviation;
    signal.AnalysisType = channel;
    return signal;
}

std::vector<std::wstring> Texts(const RecordingRow& row) {
    std::vector<std::wstring> texts;
    for (RecordingColumn column : kRecordingColumns) {
        texts.push_back(ColumnText(row, column));
    }
    return texts;
}

TEST(ToneSequences, RowsInTimeOrderWithTheSignalsTheyFire) {
    // "12" on the left at 1.0 s (heard by the sum and difference views too), "12" with a
    // pause too long for the signal on the right at 1.0 s, "9" cut by the end, mono elsewhere.
    const double s = 0.001;
    const std::vector<DetectedTone> tones = {
        Tone(ChannelView::Difference, L'1', 1.0, 1.0 + 50 * s),
        Tone(ChannelView::Difference, L'2', 1.0 + 90 * s, 1.0 + 140 * s),
        Tone(ChannelView::Left, L'1', 1.0, 1.0 + 50.6 * s, -12.04),
        Tone(ChannelView::Left, L'2', 1.0 + 89.6 * s, 1.0 + 139.4 * s, -18.26),
        Tone(ChannelView::Right, L'1', 1.0, 1.0 + 50 * s),
        Tone(ChannelView::Right, L'2', 1.0 + 111 * s, 1.0 + 161 * s),
        Tone(ChannelView::Left, L'9', 3723.5, 3723.7, -30, true),
    };
    const CDTMFTaskInfo left = Signal(L"DTMF_L", L"12", L"41", L"49", L"10", kAnalysisLeft);
    const CDTMFTaskInfo loose = Signal(L"DTMF_R", L"12", L"55x", L"", L"5", kAnalysisRight);
    const CDTMFTaskInfo diff = Signal(L"DTMF_D", L"12", L"60", L"50", L"10", kAnalysisDiff);
    const CDTMFTaskInfo nine = Signal(L"DTMF_9", L"9", L"1000", L"40", L"20", kAnalysisLeft);
    const std::vector<RecordingRow> rows = RecordingRows(
        GroupSequences(tones, SequencePauseLimit({&left, &loose})), {&left, &loose, &diff, &nine});
    using T = std::vector<std::wstring>;
    ASSERT_EQ(rows.size(), 4u);
    // Bounds included, on rounded ms: the left tone 51 ms is 41 + 10, the pause 39 ms 49 - 10.
    // "DTMF_R" reads as 55 ms tones and 10 ms gaps with 10 ms deviation: 61 ms is too long.
    EXPECT_EQ(Texts(rows[0]),
              (T{L"0:00:01.000", L"left", L"12", L"51 50", L"39", L"DTMF_L (Board 1)", L"-18.3"}));
    EXPECT_EQ(Texts(rows[1]), (T{L"0:00:01.000", L"right", L"12", L"50 50", L"61", L"", L"-12.0"}));
    EXPECT_EQ(Texts(rows[2]), (T{L"0:00:01.000", L"stereo inverse", L"12", L"50 50", L"40",
                                 L"DTMF_D (Board 1)", L"-12.0"}));
    // A cut tone is a lower bound, left out of the timing comparison.
    EXPECT_EQ(Texts(rows[3]),
              (T{L"1:02:03.500", L"left", L"9", L"\u2265200", L"", L"DTMF_9 (Board 1)", L"-30.0"}));
    EXPECT_EQ(SummaryText(rows, 3723.7, false),
              L"Length 1:02:03.700: 2 sequences, 2 of them fire a signal.");
    EXPECT_EQ(CopyText(rows, {1, 7}),
              L"Time\tChannel\tSymbols\tTones\tPauses\tFires\tLevel\r\n"
              L"0:00:01.000\tright\t12\t50 50\t61\t\t-12.0\r\n");
}

TEST(ToneSequences, PausesLongerThanTheLimitStartANewSequence) {
    const std::vector<DetectedTone> tones = {
        Tone(ChannelView::Mono, L'1', 0.0, 0.05), Tone(ChannelView::Mono, L'2', 0.29, 0.35),
        Tone(ChannelView::Mono, L'3', 0.601, 0.65), Tone(ChannelView::Sum, L'4', 0.66, 0.7)};
    // Every signal's longest accepted pause stays below 250 ms within the editor's clamps.
    const CDTMFTaskInfo widest = Signal(L"DTMF_W", L"1", L"50", L"999", L"999", kAnalysisLeft);
    EXPECT_DOUBLE_EQ(SequencePauseLimit({&widest}), 0.25);
    const auto sequences = GroupSequences(tones, 0.25);
    ASSERT_EQ(sequences.size(), 3u);
    EXPECT_EQ(sequences[0][0].view, ChannelView::Sum);  // views apart, in their order
    EXPECT_EQ(sequences[1].size(), 2u);
    EXPECT_EQ(sequences[2].size(), 1u);  // 251 ms after the "2"
    // A mono row fires left, right and stereo signals, never stereo inverse ones.
    RecordingRow mono = RecordingRows({sequences[2]}, {})[0];
    for (int32_t channel : {kAnalysisLeft, kAnalysisRight, kAnalysisSum, kAnalysisDiff}) {
        EXPECT_EQ(Fires(Signal(L"DTMF_3", L"3", L"49", L"40", L"10", channel), mono),
                  channel != kAnalysisDiff);
    }
    EXPECT_EQ(ColumnText(mono, RecordingColumn::Channel), L"mono");
}

struct PrefillCase {
    ChannelView view;
    std::wstring symbols;
    std::vector<int64_t> tones;
    std::vector<int64_t> pauses;
    const wchar_t* symbolMs;
    const wchar_t* gapMs;
    const wchar_t* deviationMs;
    int32_t channel;
    const wchar_t* message;  // none when null
};

TEST(ToneSequences, AddSignalProposesTheMedianTimingAndCoveringDeviation) {
    const PrefillCase cases[] = {
        {ChannelView::Left,
         L"1D62",
         {50, 52, 49, 51},
         {40, 41, 44},
         L"51",
         L"41",
         L"10",
         kAnalysisLeft,
         nullptr},
        {ChannelView::Mono, L"AB", {100, 140}, {60}, L"120", L"60", L"25", kAnalysisSum, nullptr},
        {ChannelView::Difference,
         L"7",
         {1500},
         {},
         L"1000",
         L"40",
         L"10",
         kAnalysisDiff,
         L"Measured values outside the signal editor's ranges:\n"
         L"Symbol duration (ms): 1500, the editor allows 10 to 1000\n"
         L"The editor keeps each within its range."},
        {ChannelView::Right,
         L"12",
         {30, 30},
         {5},
         L"30",
         L"10",
         L"10",
         kAnalysisRight,
         L"Measured values outside the signal editor's ranges:\n"
         L"Gap duration (ms): 5, the editor allows 10 to 100\n"
         L"The editor keeps each within its range."},
        {ChannelView::Sum,
         L"12345",
         {50, 50, 50, 50, 50},
         {40, 40, 40, 40},
         L"50",
         L"40",
         L"20",
         kAnalysisSum,
         L"This sequence has 5 symbols; a signal holds at most 4."},
    };
    for (const PrefillCase& c : cases) {
        SCOPED_TRACE(c.symbols);
        RecordingRow row;
        row.view = c.view;
        row.symbols = c.symbols;
        row.toneMs = c.tones;
        row.toneCut.assign(c.tones.size(), false);
        row.pauseMs = c.pauses;
        const SignalPrefill prefill = PrefillFromRow(row);
        core::BoxMessage message;
        EXPECT_EQ(PrefillMessage(prefill, row, &message), c.message != nullptr);
        EXPECT_EQ(message.text, c.message ? c.message : L"");
        if (prefill.refused) {
            continue;
        }
        EXPECT_EQ(prefill.signal.Symbols, c.symbols);
        EXPECT_EQ(prefill.signal.AnalysisType, c.channel);
        EXPECT_EQ(prefill.signal.SymbolDuration, c.symbolMs);
        EXPECT_EQ(prefill.signal.GapDuration, c.gapMs);
        EXPECT_EQ(prefill.signal.Deviation, c.deviationMs);
    }
}

}  // namespace
}  // namespace tonegate::dtmf
