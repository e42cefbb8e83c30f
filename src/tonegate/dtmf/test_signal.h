// The test signal of a cue-tone signal: its symbols as DTMF tone pairs in segments of
// nominal, accepted and rejected timing and frequency, each segment marked by a labelled
// cue point, for the engineer to play into the board or into a receiver. The dialog only
// asks for the file name and shows the report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shared/board_driver_port.h"
#include "shared/wav_writer.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

// The timing the signal's fields stand for, read as the editor's digit filter and clamps
// would make them (milliseconds).
struct SignalTiming {
    int32_t symbolMs = 0;
    int32_t gapMs = 0;
    int32_t deviationMs = 0;
};
SignalTiming TimingOf(const CDTMFTaskInfo& signal);

// The symbols as the editor keeps them: upper-case cue-tone symbols, at most four.
std::wstring SymbolsOf(const CDTMFTaskInfo& signal);

// The row and column frequency (Hz) of a cue-tone symbol; false for any other character.
bool DtmfPair(wchar_t symbol, double* low, double* high);

// Shorter tones and pauses the 5 ms ramps would not let reach full level.
inline constexpr int32_t kShortestSegmentPartMs = 5;
// The test signal's rate when the board reports none, or one outside the readable range.
inline constexpr uint32_t kFallbackTestRate = 48000;
// The shortest tone the measurement of a recording detects.
inline constexpr int32_t kShortestMeasuredToneMs = 25;

enum class SegmentKind {
    Nominal,
    ShortestAccepted,
    LongestAccepted,
    TooShort,
    TooLong,
    FrequencyHigh,     // +1.5 %, accepted
    FrequencyLow,      // -1.5 %, accepted
    FrequencyTooHigh,  // +3.5 %, rejected
};

enum class LeftOut {
    No,
    TooBrief,            // a tone or pause of kShortestSegmentPartMs or less
    InsideAcceptedRange  // a segment that must not fire would be accepted
};

struct Segment {
    SegmentKind kind = SegmentKind::Nominal;
    int32_t toneMs = 0;
    int32_t pauseMs = 0;
    double frequencyFactor = 1.0;
    LeftOut leftOut = LeftOut::No;
    uint32_t startFrame = 0;  // half-amplitude start of its first tone, when written
};

// Every segment in file order, each with its lengths and whether it is left out.
std::vector<Segment> PlanSegments(const SignalTiming& timing, size_t symbolCount);

struct TestSignal {
    uint32_t sampleRate = 0;
    std::vector<int16_t> samples;           // interleaved left/right
    std::vector<Segment> segments;          // all of them, left out or not
    std::vector<core::WavCue> cues;         // one per written segment, labelled as it is
    bool acceptsUnmeasurableTones = false;  // tones under kShortestMeasuredToneMs fire
};

// The board's rate for the signal's device, or kFallbackTestRate when there is no such
// board, it cannot be selected, it reports no rate or one outside 8000 to 192000 Hz.
uint32_t TestSignalRate(core::BoardDriverPort& driver, const std::wstring& deviceName);

TestSignal MakeTestSignal(const CDTMFTaskInfo& signal, uint32_t sampleRate);

// The segment's label, as the cue point and the report name it.
std::wstring SegmentLabel(SegmentKind kind);

// The name the file-save dialog proposes: the signal's name with \ / : * ? " < > |
// replaced by "_", then " test.wav".
std::wstring TestSignalFileName(const std::wstring& signalName);

// The message shown once the file is written: the segments with their start times, the
// segments left out and why, and the note on tones too short to measure.
std::wstring TestSignalReport(const TestSignal& signal, const std::wstring& signalName,
                              const std::wstring& path);

}  // namespace tonegate
