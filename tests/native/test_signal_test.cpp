#include "tonegate/dtmf/test_signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "shared/inmemory/memory_board_driver.h"

namespace tonegate {
namespace {

CDTMFTaskInfo Signal(const wchar_t* symbols, const wchar_t* tone, const wchar_t* gap,
                     const wchar_t* deviation, int32_t channel = kAnalysisLeft) {
    CDTMFTaskInfo signal;
    signal.Name = L"DTMF_Break";
    signal.Symbols = symbols;
    signal.SymbolDuration = tone;
    signal.GapDuration = gap;
    signal.Deviation = deviation;
    signal.AnalysisType = channel;
    return signal;
}

// What a receiver on the channel hears, scaled back to full level.
double Heard(double left, double right, int32_t channel) {
    return channel == kAnalysisLeft    ? left
           : channel == kAnalysisRight ? right
           : channel == kAnalysisSum   ? (left + right) / 2
                                       : (left - right) / 2;
}

struct ToneSpan {
    double start, end;  // ms, first and last sample above half the loudest
};

// The tones the channel carries: runs of samples above half the peak, joined across dips
// shorter than 2.5 ms (the sine's own and the beat of the closest pair).
std::vector<ToneSpan> Tones(const TestSignal& made, int32_t channel, double* peak) {
    std::vector<double> view;
    for (size_t i = 0; i + 1 < made.samples.size(); i += 2) {
        view.push_back(Heard(made.samples[i], made.samples[i + 1], channel));
        *peak = std::max(*peak, std::fabs(view.back()));
    }
    std::vector<ToneSpan> tones;
    for (size_t i = 0; i < view.size(); ++i) {
        const double ms = i * 1000.0 / made.sampleRate;
        if (std::fabs(view[i]) <= *peak / 2) {
            continue;
        }
        if (tones.empty() || ms - tones.back().end > 2.5) {
            tones.push_back({ms, ms});
        }
        tones.back().end = ms;
    }
    return tones;
}

// Every written segment measured on each channel setting: its tones and pauses last what
// its plan says, its first tone starts at its cue point, a second of silence around each,
// the composite peak is -6 dBFS, and the other side of the stereo pair (for stereo: the
// difference, for stereo inverse: the sum) carries nothing a receiver there would hear.
TEST(TestSignalTest, SegmentsMeasureAsPlannedOnEveryChannel) {
    const int32_t others[][2] = {{kAnalysisLeft, kAnalysisRight},
                                 {kAnalysisRight, kAnalysisLeft},
                                 {kAnalysisSum, kAnalysisDiff},
                                 {kAnalysisDiff, kAnalysisSum}};
    const double perMs = 48.0;  // frames per millisecond at 48000 Hz
    for (const auto& [channel, other] : others) {
        const TestSignal made = MakeTestSignal(Signal(L"1d6", L"50", L"40", L"20", channel), 48000);
        double peak = 0, otherPeak = 0;
        const std::vector<ToneSpan> tones = Tones(made, channel, &peak);
        Tones(made, other, &otherPeak);
        EXPECT_LE(otherPeak, 0.5) << channel;
        EXPECT_NEAR(20 * std::log10(peak / 32767.0), -6.0, 0.3);
        ASSERT_EQ(made.cues.size(), 8u);  // none left out at this timing
        ASSERT_EQ(tones.size(), made.cues.size() * 3);
        for (size_t s = 0; s < made.segments.size(); ++s) {
            const Segment& segment = made.segments[s];
            EXPECT_EQ(made.cues[s].frame, segment.startFrame);
            EXPECT_EQ(made.cues[s].label, SegmentLabel(segment.kind));
            EXPECT_NEAR(tones[3 * s].start, segment.startFrame / perMs, 2.0) << s;
            for (size_t i = 3 * s; i < 3 * s + 3; ++i) {
                EXPECT_NEAR(tones[i].end - tones[i].start, segment.toneMs, 2.0) << s << " " << i;
                const double before = i % 3 ? segment.pauseMs : 1000;
                EXPECT_NEAR(tones[i].start - (i ? tones[i - 1].end : 0), before, 2.0) << i;
            }
        }
        EXPECT_NEAR(made.samples.size() / 2 / perMs - tones.back().end, 1000, 2.0);
    }
}

// Which segments are made, with the lengths each takes, for timings at the edges; a
// left-out segment ("b": a tone or pause too brief) has no cue point and no tones.
TEST(TestSignalTest, PlansLengthsAndLeavesOutWhatCannotBeMade) {
    struct Case {
        const wchar_t *symbols, *tone, *gap, *deviation;
        std::vector<int32_t> tones, pauses;
        const char* leftOut;
    };
    // Order: nominal, shortest, longest, too short, too long, +1.5, -1.5, +3.5. The editor's
    // digit filter and clamps make "4x0" 40 and a deviation of 500 100; one symbol has no
    // pause to shorten.
    const std::vector<Case> cases = {{L"1D62",
                                      L"50",
                                      L"40",
                                      L"20",
                                      {50, 35, 65, 20, 80, 50, 50, 50},
                                      {40, 25, 55, 10, 70, 40, 40, 40},
                                      "--------"},
                                     {L"12",
                                      L"4x0",
                                      L"30",
                                      L"500",
                                      {40, -55, 135, -70, 150, 40, 40, 40},
                                      {30, -65, 125, -80, 140, 30, 30, 30},
                                      "-b-b----"},
                                     {L"5",
                                      L"40",
                                      L"10",
                                      L"20",
                                      {40, 25, 55, 10, 70, 40, 40, 40},
                                      {10, -5, 25, -20, 40, 10, 10, 10},
                                      "--------"},
                                     {L"55",
                                      L"40",
                                      L"10",
                                      L"20",
                                      {40, 25, 55, 10, 70, 40, 40, 40},
                                      {10, -5, 25, -20, 40, 10, 10, 10},
                                      "-b-b----"}};
    for (const Case& c : cases) {
        const CDTMFTaskInfo signal = Signal(c.symbols, c.tone, c.gap, c.deviation);
        const std::vector<Segment> segments =
            PlanSegments(TimingOf(signal), SymbolsOf(signal).size());
        ASSERT_EQ(segments.size(), 8u);
        for (size_t i = 0; i < segments.size(); ++i) {
            EXPECT_EQ(segments[i].toneMs, c.tones[i]) << c.symbols << " " << i;
            EXPECT_EQ(segments[i].pauseMs, c.pauses[i]) << c.symbols << " " << i;
            EXPECT_EQ(segments[i].leftOut, c.leftOut[i] == 'b' ? LeftOut::TooBrief : LeftOut::No);
        }
        EXPECT_EQ(MakeTestSignal(signal, 8000).cues.size(),
                  static_cast<size_t>(std::count(c.leftOut, c.leftOut + 8, '-')));
    }
}

TEST(TestSignalTest, ReportsStartTimesLeftOutSegmentsAndTonesTooShortToMeasure) {
    const TestSignal made = MakeTestSignal(Signal(L"12", L"40", L"30", L"100"), 44100);
    const std::wstring report = TestSignalReport(made, L"DTMF_Break", L"C:\\t.wav");
    // nominal: 40 + 30 + 40 ms, then a second: the longest accepted at 2.110 s.
    for (const wchar_t* part :
         {L"DTMF_Break", L"44100 Hz", L"\n0:00:01.000  nominal", L"\n0:00:02.110  longest accepted",
          L"25 ms", L"\nshortest accepted: a tone or pause would last 5 ms or less."}) {
        EXPECT_NE(report.find(part), std::wstring::npos) << part << report;
    }
    const std::wstring plain =
        TestSignalReport(MakeTestSignal(Signal(L"1", L"50", L"40", L"25"), 48000), L"x", L"y");
    EXPECT_EQ(plain.find(L"left out"), std::wstring::npos) << plain;
    EXPECT_EQ(plain.find(L"25 ms"), std::wstring::npos) << plain;
}

TEST(TestSignalTest, RateIsTheBoardsOrFortyEightThousand) {
    core::MemoryBoardDriver driver;
    driver.boardRates = {44100, 96000, 4000, 200000};
    driver.failRate = {1};
    EXPECT_EQ(TestSignalRate(driver, L"CX840 Input 1 B1"), 44100u);
    EXPECT_EQ(TestSignalRate(driver, L"CX840 Input 1 B2"), 48000u);  // no rate
    EXPECT_EQ(TestSignalRate(driver, L"CX840 Input 1 B3"), 48000u);  // below 8000
    EXPECT_EQ(TestSignalRate(driver, L"CX840 Input 1 B4"), 48000u);  // above 192000
    EXPECT_EQ(TestSignalRate(driver, L"CX840 Input 1 B9"), 48000u);  // no such board
    EXPECT_EQ(TestSignalRate(driver, L"no board"), 48000u);
    driver.failRate.clear();
    EXPECT_EQ(TestSignalRate(driver, L"CX840 Input 3 B2"), 96000u);
}

TEST(TestSignalTest, ProposesTheNameWithoutCharactersFileNamesCannotHold) {
    EXPECT_EQ(TestSignalFileName(L"DTMF_a\\b/c:d*e?f\"g<h>i|j"),
              L"DTMF_a_b_c_d_e_f_g_h_i_j test.wav");
}

}  // namespace
}  // namespace tonegate
