// What the recording's tones say: sequences of tones heard in one view, their rows as the
// "Recording" dialog lists them, the signals each would fire, the summary below the list
// and the text Ctrl+C copies.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tonegate/dtmf/dtmf_decoder.h"
#include "tonegate/model/signal_records.h"

namespace tonegate::dtmf {

// The longest pause inside a sequence, in seconds: 250 ms, or the longest pause any signal
// accepts (its gap duration plus its deviation) and 20 ms, whichever is longer.
double SequencePauseLimit(const SignalRefs& signals);

// Each view's tones, in time order, cut into sequences at pauses longer than the limit.
std::vector<std::vector<DetectedTone>> GroupSequences(const std::vector<DetectedTone>& tones,
                                                      double pauseLimit);

// One row: a sequence heard in one view, its durations in milliseconds rounded half up.
struct RecordingRow {
    ChannelView view = ChannelView::Mono;
    int64_t startMs = 0;
    int64_t endMs = 0;
    std::wstring symbols;
    std::vector<int64_t> toneMs;
    std::vector<bool> toneCut;  // cut by the recording's start or end: a lower bound
    std::vector<int64_t> pauseMs;
    double levelDb = 0;  // the weakest component of the sequence
    std::wstring fires;  // the signals it fires, each "name (input)", joined by ", "
};

// The rows in time order, ties left, right, stereo, stereo inverse; "Fires" computed.
std::vector<RecordingRow> RecordingRows(const std::vector<std::vector<DetectedTone>>& sequences,
                                        const SignalRefs& signals);
// Computes "Fires" again, e.g. after a signal was added.
void ComputeFires(const SignalRefs& signals, std::vector<RecordingRow>* rows);
// Whether the signal would fire on the row: its channel hears the view, its symbols are the
// row's, and every uncut tone and every pause lies within its timing and deviation.
bool Fires(const CDTMFTaskInfo& signal, const RecordingRow& row);

enum class RecordingColumn { Time, Channel, Symbols, Tones, Pauses, Fires, Level };
inline constexpr RecordingColumn kRecordingColumns[] = {
    RecordingColumn::Time,  RecordingColumn::Channel, RecordingColumn::Symbols,
    RecordingColumn::Tones, RecordingColumn::Pauses,  RecordingColumn::Fires,
    RecordingColumn::Level};
std::wstring ColumnTitle(RecordingColumn column);
std::wstring ColumnText(const RecordingRow& row, RecordingColumn column);

// "h:mm:ss.mmm".
std::wstring ClockText(int64_t milliseconds);
// "left", "right", "stereo", "stereo inverse" or "mono".
std::wstring ViewName(ChannelView view);

// The line below the list: the recording's length, its sequences (one heard in several
// views counts once) and how many of them fire a signal.
std::wstring SummaryText(const std::vector<RecordingRow>& rows, double lengthSeconds,
                         bool unfinished);

// The selected rows as tab-separated lines under the column titles, for the clipboard.
std::wstring CopyText(const std::vector<RecordingRow>& rows, const std::vector<size_t>& selected);

}  // namespace tonegate::dtmf
