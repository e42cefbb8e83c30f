#include "tonegate/dtmf/test_signal.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "shared/boards.h"
#include "shared/format.h"
#include "shared/reg_values.h"
#include "shared/wav_frame_reader.h"
#include "tonegate/editors/timing_fields.h"
#include "tonegate/editors/typing_filters.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int32_t kSilenceMs = 1000;       // before the first segment and after each
constexpr double kRampMs = 5.0;            // raised cosine, centred on each nominal edge
constexpr int32_t kAcceptedMarginMs = 5;   // accepted lengths lie this far inside the range
constexpr int32_t kRejectedMarginMs = 10;  // rejected lengths lie this far outside it
// The pair's composite peak at -6 dBFS: each component at half of it.
const double kComponentPeak = 32767.0 * std::pow(10.0, -6.0 / 20.0) / 2.0;

constexpr std::array<double, 4> kRowHz = {697, 770, 852, 941};
constexpr std::array<double, 4> kColumnHz = {1209, 1336, 1477, 1633};
constexpr wchar_t kKeypad[4][5] = {L"123A", L"456B", L"789C", L"*0#D"};

int32_t FieldValue(TimingField field, const std::wstring& text) {
    return core::ParseLeadingInt(
        ClampTiming(field, FilterDigits(EditText{text, text.size()}).edit.text));
}

int StringOf(SegmentKind kind) {
    switch (kind) {
        case SegmentKind::Nominal:
            return IDS_SEGMENT_NOMINAL;
        case SegmentKind::ShortestAccepted:
            return IDS_SEGMENT_SHORTEST_ACCEPTED;
        case SegmentKind::LongestAccepted:
            return IDS_SEGMENT_LONGEST_ACCEPTED;
        case SegmentKind::TooShort:
            return IDS_SEGMENT_TOO_SHORT;
        case SegmentKind::TooLong:
            return IDS_SEGMENT_TOO_LONG;
        case SegmentKind::FrequencyHigh:
            return IDS_SEGMENT_FREQUENCY_HIGH;
        case SegmentKind::FrequencyLow:
            return IDS_SEGMENT_FREQUENCY_LOW;
        case SegmentKind::FrequencyTooHigh:
            return IDS_SEGMENT_FREQUENCY_TOO_HIGH;
    }
    return IDS_SEGMENT_NOMINAL;
}

bool MustNotFireByLength(SegmentKind kind) {
    return kind == SegmentKind::TooShort || kind == SegmentKind::TooLong;
}

LeftOut WhyLeftOut(const Segment& s, const SignalTiming& t, size_t symbolCount) {
    const bool hasPauses = symbolCount > 1;
    if (s.toneMs <= kShortestSegmentPartMs || (hasPauses && s.pauseMs <= kShortestSegmentPartMs)) {
        return LeftOut::TooBrief;
    }
    auto accepted = [&](int32_t length, int32_t nominal) {
        return length >= nominal - t.deviationMs && length <= nominal + t.deviationMs;
    };
    const bool timingAccepted =
        accepted(s.toneMs, t.symbolMs) && (!hasPauses || accepted(s.pauseMs, t.gapMs));
    if (MustNotFireByLength(s.kind) && timingAccepted) {
        return LeftOut::InsideAcceptedRange;
    }
    return LeftOut::No;
}

// Frame of a moment in whole milliseconds, rounded half up.
uint32_t FrameAt(int64_t ms, uint32_t rate) {
    return static_cast<uint32_t>((ms * rate + 500) / 1000);
}

// The raised-cosine ramp's gain at `x` frames after an edge (negative: before it).
double RampGain(double x, double halfWidth) {
    if (x <= -halfWidth) {
        return 0.0;
    }
    if (x >= halfWidth) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(kPi * (x + halfWidth) / (2.0 * halfWidth));
}

// Adds one tone pair, full between the edges, ramped across each, to the mono track.
void AddTone(std::vector<double>* track, uint32_t rate, uint32_t start, uint32_t end, double low,
             double high) {
    const double half = kRampMs / 2.0 * rate / 1000.0;
    const int64_t first = std::max<int64_t>(0, static_cast<int64_t>(std::floor(start - half)));
    const int64_t last = std::min<int64_t>(static_cast<int64_t>(track->size()) - 1,
                                           static_cast<int64_t>(std::ceil(end + half)));
    for (int64_t n = first; n <= last; ++n) {
        const double gain = RampGain(static_cast<double>(n) - start, half) *
                            RampGain(static_cast<double>(end) - n, half);
        const double t = static_cast<double>(n - static_cast<int64_t>(start)) / rate;
        (*track)[static_cast<size_t>(n)] +=
            gain * kComponentPeak * (std::sin(2 * kPi * low * t) + std::sin(2 * kPi * high * t));
    }
}

int16_t ToSample(double value) {
    return static_cast<int16_t>(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

// The mono track on the signal's channel: left, right, both in phase, or left against
// the inverted right.
std::vector<int16_t> OnChannel(const std::vector<double>& track, int32_t analysisType) {
    if (analysisType < kAnalysisLeft || analysisType > kAnalysisDiff) {
        analysisType = kAnalysisLeft;  // as the editor shows an unknown channel
    }
    const int16_t leftSign = analysisType == kAnalysisRight ? 0 : 1;
    const int16_t rightSign =
        analysisType == kAnalysisLeft ? 0 : (analysisType == kAnalysisDiff ? -1 : 1);
    std::vector<int16_t> samples;
    samples.reserve(track.size() * 2);
    for (double value : track) {
        const int16_t sample = ToSample(value);
        samples.push_back(static_cast<int16_t>(leftSign * sample));
        // -32768 has no positive twin: the inverted channel goes to 32767 there.
        samples.push_back(static_cast<int16_t>(std::clamp(rightSign * sample, -32768, 32767)));
    }
    return samples;
}

std::wstring StartTime(uint32_t frame, uint32_t rate) {
    const int64_t ms = (static_cast<int64_t>(frame) * 1000 + rate / 2) / rate;
    return core::Format(L"%d:%02d:%02d.%03d", static_cast<int32_t>(ms / 3600000),
                        static_cast<int32_t>(ms / 60000 % 60), static_cast<int32_t>(ms / 1000 % 60),
                        static_cast<int32_t>(ms % 1000));
}

}  // namespace

SignalTiming TimingOf(const CDTMFTaskInfo& signal) {
    return {FieldValue(TimingField::SymbolDuration, signal.SymbolDuration),
            FieldValue(TimingField::GapDuration, signal.GapDuration),
            FieldValue(TimingField::Deviation, signal.Deviation)};
}

std::wstring SymbolsOf(const CDTMFTaskInfo& signal) {
    return FilterSymbols(EditText{signal.Symbols, signal.Symbols.size()}).edit.text;
}

bool DtmfPair(wchar_t symbol, double* low, double* high) {
    for (size_t row = 0; row < kRowHz.size(); ++row) {
        for (size_t column = 0; column < kColumnHz.size(); ++column) {
            if (kKeypad[row][column] == symbol) {
                *low = kRowHz[row];
                *high = kColumnHz[column];
                return true;
            }
        }
    }
    return false;
}

std::vector<Segment> PlanSegments(const SignalTiming& t, size_t symbolCount) {
    const int32_t inside = t.deviationMs - kAcceptedMarginMs;
    const int32_t outside = t.deviationMs + kRejectedMarginMs;
    struct Shape {
        SegmentKind kind;
        int32_t change;
        double factor;
    };
    const Shape shapes[] = {
        {SegmentKind::Nominal, 0, 1.0},
        {SegmentKind::ShortestAccepted, -inside, 1.0},
        {SegmentKind::LongestAccepted, inside, 1.0},
        {SegmentKind::TooShort, -outside, 1.0},
        {SegmentKind::TooLong, outside, 1.0},
        {SegmentKind::FrequencyHigh, 0, 1.015},
        {SegmentKind::FrequencyLow, 0, 0.985},
        {SegmentKind::FrequencyTooHigh, 0, 1.035},
    };
    std::vector<Segment> segments;
    for (const Shape& shape : shapes) {
        Segment s;
        s.kind = shape.kind;
        s.toneMs = t.symbolMs + shape.change;
        s.pauseMs = t.gapMs + shape.change;
        s.frequencyFactor = shape.factor;
        s.leftOut = WhyLeftOut(s, t, symbolCount);
        segments.push_back(s);
    }
    return segments;
}

uint32_t TestSignalRate(core::BoardDriverPort& driver, const std::wstring& deviceName) {
    const int32_t board = core::BoardNumberOf(deviceName);
    int32_t rate = 0;
    if (board < 1 || !core::AskBoardSampleRate(driver, board, &rate) ||
        rate < static_cast<int32_t>(core::kWavLowestRate) ||
        rate > static_cast<int32_t>(core::kWavHighestRate)) {
        return kFallbackTestRate;
    }
    return static_cast<uint32_t>(rate);
}

TestSignal MakeTestSignal(const CDTMFTaskInfo& signal, uint32_t sampleRate) {
    TestSignal result;
    result.sampleRate = sampleRate;
    const std::wstring symbols = SymbolsOf(signal);
    const SignalTiming timing = TimingOf(signal);
    result.segments = PlanSegments(timing, symbols.size());
    result.acceptsUnmeasurableTones =
        timing.symbolMs - timing.deviationMs < kShortestMeasuredToneMs;

    // Every edge in whole milliseconds from the start, so that no rounding accumulates.
    int64_t ms = kSilenceMs;
    struct Tone {
        uint32_t start, end;
        double low, high;
    };
    std::vector<Tone> tones;
    for (Segment& segment : result.segments) {
        if (segment.leftOut != LeftOut::No) {
            continue;
        }
        segment.startFrame = FrameAt(ms, sampleRate);
        result.cues.push_back({segment.startFrame, SegmentLabel(segment.kind)});
        for (size_t i = 0; i < symbols.size(); ++i) {
            double low = 0, high = 0;
            DtmfPair(symbols[i], &low, &high);
            tones.push_back({FrameAt(ms, sampleRate), FrameAt(ms + segment.toneMs, sampleRate),
                             low * segment.frequencyFactor, high * segment.frequencyFactor});
            ms += segment.toneMs + (i + 1 < symbols.size() ? segment.pauseMs : 0);
        }
        ms += kSilenceMs;
    }
    std::vector<double> track(FrameAt(ms, sampleRate), 0.0);
    for (const Tone& tone : tones) {
        AddTone(&track, sampleRate, tone.start, tone.end, tone.low, tone.high);
    }
    result.samples = OnChannel(track, signal.AnalysisType);
    return result;
}

std::wstring SegmentLabel(SegmentKind kind) {
    return TonegateText(StringOf(kind));
}

std::wstring TestSignalFileName(const std::wstring& signalName) {
    std::wstring name = signalName;
    for (wchar_t& c : name) {
        if (std::wstring(L"\\/:*?\"<>|").find(c) != std::wstring::npos) {
            c = L'_';
        }
    }
    return name + TonegateText(IDS_TEST_SIGNAL_FILE_ENDING);
}

std::wstring TestSignalReport(const TestSignal& signal, const std::wstring& signalName,
                              const std::wstring& path) {
    std::wstring written, leftOut;
    for (const Segment& segment : signal.segments) {
        const std::wstring label = SegmentLabel(segment.kind);
        if (segment.leftOut == LeftOut::No) {
            written +=
                core::Format(L"\n%s  %s", StartTime(segment.startFrame, signal.sampleRate), label);
        } else {
            leftOut += L"\n" + core::Format(TonegateText(segment.leftOut == LeftOut::TooBrief
                                                             ? IDS_TEST_SIGNAL_TOO_BRIEF
                                                             : IDS_TEST_SIGNAL_INSIDE_RANGE),
                                            label);
        }
    }
    std::wstring report = core::Format(TonegateText(IDS_TEST_SIGNAL_WRITTEN), signalName, path,
                                       static_cast<int32_t>(signal.sampleRate), written);
    if (!leftOut.empty()) {
        report += L"\n\n" + core::Format(TonegateText(IDS_TEST_SIGNAL_LEFT_OUT), leftOut);
    }
    if (signal.acceptsUnmeasurableTones) {
        report += L"\n\n" + TonegateText(IDS_TEST_SIGNAL_SHORT_TONES);
    }
    return report;
}

}  // namespace tonegate
