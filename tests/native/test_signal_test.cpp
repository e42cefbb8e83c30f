#include "tonegate/dtmf/test_signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
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

// The channel view a receiver on the signal's channel hears, scaled back to full level.
std::vector<double> View(const std::vector<int16_t>& stereo, int32_t channel) {
    std::vector<double> view;
    for (size_t i = 0; i + 1 < stereo.size(); i += 2) {
        const double left = stereo[i], right = stereo[i + 1];
        switch (channel) {
            case kAnalysisLeft:
                view.push_back(left);
                break;
            case kAnalysisRight:
                view.push_back(right);
                break;
            case kAnalysisSum:
                view.push_back((left + right) / 2);
                break;
            default:
                view.push_back((left - right) / 2);
                break;
        }
    }
    return view;
}

struct ToneSpan {
    double start, end;  // ms, at the envelope's half-amplitude points
};

// The tones of a view: where the largest magnitude within +-2.5 ms (longer than the
// beat of the closest pair) crosses half the loudest tone's, less the window's half.
std::vector<ToneSpan> Tones(const std::vector<double>& view, uint32_t rate, double* peak) {
    const size_t half = rate * 5 / 2000;
    *peak = 0;
    for (double v : view) {
        *peak = std::max(*peak, std::fabs(v));
    }
    std::vector<ToneSpan> runs;
    std::deque<size_t> window;  // indices of falling magnitudes: the front is the largest
    bool inTone = false;
    for (size_t end = 0; end < view.size() + half; ++end) {
        if (end < view.size()) {
            while (!window.empty() && std::fabs(view[window.back()]) <= std::fabs(view[end])) {
                window.pop_back();
            }
            window.push_back(end);
        }
        if (end < half) {
            continue;
        }
        const size_t n = end - half;  // the window's centre
        while (window.front() + half < n) {
            window.pop_front();
        }
        const bool loud = std::fabs(view[window.front()]) > *peak / 2;
        const double ms = n * 1000.0 / rate;
        if (loud && !inTone) {
            runs.push_back({ms + 2.5, 0});
        } else if (!loud && inTone) {
            runs.back().end = ms - 2.5;
        }
        inTone = loud;
    }
    return runs;
}

// Every written segment measured on the signal's channel: its tones and pauses last what
// its plan says, its first tone starts at its cue point, the composite peak is -6 dBFS,
// and the other side of the stereo pair carries nothing a receiver there would hear.
class TestSignalChannelTest : public ::testing::TestWithParam<int32_t> {};

TEST_P(TestSignalChannelTest, SegmentsMeasureAsPlanned) {
    const int32_t channel = GetParam();
    const uint32_t rate = 48000;
    const TestSignal made = MakeTestSignal(Signal(L"1d6", L"50", L"40", L"20", channel), rate);
    double peak = 0;
    const std::vector<ToneSpan> tones = Tones(View(made.samples, channel), rate, &peak);
    EXPECT_NEAR(20 * std::log10(peak / 32767.0), -6.0, 0.3);

    ASSERT_EQ(made.cues.size(), 8u);  // none left out at this timing
    ASSERT_EQ(tones.size(), made.cues.size() * 3);
    for (size_t s = 0; s < made.segments.size(); ++s) {
        const Segment& segment = made.segments[s];
        EXPECT_EQ(made.cues[s].frame, segment.startFrame);
        EXPECT_EQ(made.cues[s].label, SegmentLabel(segment.kind));
        EXPECT_NEAR(tones[3 * s].start, segment.startFrame * 1000.0 / rate, 2.0) << s;
        for (size_t i = 0; i < 3; ++i) {
            const ToneSpan& tone = tones[3 * s + i];
            EXPECT_NEAR(tone.end - tone.start, segment.toneMs, 2.0) << s << " " << i;
            if (i > 0) {
                EXPECT_NEAR(tone.start - tones[3 * s + i - 1].end, segment.pauseMs, 2.0);
            }
        }
        if (s > 0) {  // one second of silence after each segment
            EXPECT_NEAR(tones[3 * s].start - tones[3 * s - 1].end, 1000, 2.0);
        }
    }
    EXPECT_NEAR(tones.front().start, 1000, 2.0);
    EXPECT_NEAR(made.samples.size() / 2 * 1000.0 / rate - tones.back().end, 1000, 2.0);

    // Left and right alone: the other side is silent. Stereo: both the same. Stereo
    // inverse: the sum of the two cancels.
    const std::vector<double> other = View(made.samples, channel == kAnalysisLeft ? kAnalysisRight
                                                         : channel == kAnalysisRight ? kAnalysisLeft
                                                         : channel == kAnalysisSum   ? kAnalysisDiff
                                                                                   : kAnalysisSum);
    EXPECT_LE(*std::max_element(other.begin(), other.end(),
                                [](double a, double b) { return std::fabs(a) < std::fabs(b); }),
              0.5);
}

INSTANTIATE_TEST_SUITE_P(Channels, TestSignalChannelTest,
                         ::testing::Values(kAnalysisLeft, kAnalysisRight, kAnalysisSum,
                                           kAnalysisDiff));

// Which segments are made, with the lengths each takes, for timings at the edges.
TEST(TestSignalTest, PlansLengthsAndLeavesOutWhatCannotBeMade) {
    struct Case {
        const wchar_t *symbols, *tone, *gap, *deviation;
        std::vector<int32_t> tones, pauses;
        std::vector<LeftOut> leftOut;
    };
    const LeftOut no = LeftOut::No, brief = LeftOut::TooBrief;
    const std::vector<Case> cases = {
        // Order: nominal, shortest, longest, too short, too long, +1.5, -1.5, +3.5.
        {L"1D62",
         L"50",
         L"40",
         L"20",
         {50, 35, 65, 20, 80, 50, 50, 50},
         {40, 25, 55, 10, 70, 40, 40, 40},
         {no, no, no, no, no, no, no, no}},
        // The editor's digit filter and clamps: "4x0" is 40, a deviation of 500 is 100.
        {L"12",
         L"4x0",
         L"30",
         L"500",
         {40, -55, 135, -70, 150, 40, 40, 40},
         {30, -65, 125, -80, 140, 30, 30, 30},
         {no, brief, no, brief, no, no, no, no}},
        // One symbol has no pause to shorten.
        {L"5",
         L"40",
         L"10",
         L"20",
         {40, 25, 55, 10, 70, 40, 40, 40},
         {10, -5, 25, -20, 40, 10, 10, 10},
         {no, no, no, no, no, no, no, no}},
        {L"55",
         L"40",
         L"10",
         L"20",
         {40, 25, 55, 10, 70, 40, 40, 40},
         {10, -5, 25, -20, 40, 10, 10, 10},
         {no, brief, no, brief, no, no, no, no}},
    };
    for (const Case& c : cases) {
        const CDTMFTaskInfo signal = Signal(c.symbols, c.tone, c.gap, c.deviation);
        const std::vector<Segment> segments =
            PlanSegments(TimingOf(signal), SymbolsOf(signal).size());
        ASSERT_EQ(segments.size(), 8u);
        for (size_t i = 0; i < segments.size(); ++i) {
            EXPECT_EQ(segments[i].toneMs, c.tones[i]) << c.symbols << " " << i;
            EXPECT_EQ(segments[i].pauseMs, c.pauses[i]) << c.symbols << " " << i;
            EXPECT_EQ(segments[i].leftOut, c.leftOut[i]) << c.symbols << " " << i;
        }
        // A left-out segment has no cue point and no tones.
        const TestSignal made = MakeTestSignal(signal, 8000);
        EXPECT_EQ(made.cues.size(),
                  static_cast<size_t>(std::count(c.leftOut.begin(), c.leftOut.end(), no)));
    }
}

TEST(TestSignalTest, ReportsStartTimesLeftOutSegmentsAndTonesTooShortToMeasure) {
    const TestSignal made = MakeTestSignal(Signal(L"12", L"40", L"30", L"100"), 44100);
    const std::wstring report = TestSignalReport(made, L"DTMF_Break", L"C:\\t.wav");
    EXPECT_NE(report.find(L"DTMF_Break"), std::wstring::npos);
    EXPECT_NE(report.find(L"44100 Hz"), std::wstring::npos);
    EXPECT_NE(report.find(L"\n0:00:01.000  nominal"), std::wstring::npos) << report;
    // nominal: 40 + 30 + 40 ms, then a second: the longest accepted at 2.110 s.
    EXPECT_NE(report.find(L"\n0:00:02.110  longest accepted"), std::wstring::npos) << report;
    EXPECT_NE(report.find(L"\nshortest accepted: a tone or pause would last 5 ms or less."),
              std::wstring::npos)
        << report;
    EXPECT_NE(report.find(L"25 ms"), std::wstring::npos);

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
