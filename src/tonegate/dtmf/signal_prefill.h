// The signal that "Add signal..." proposes from a row of the "Recording" dialog: its
// symbols and channel, the median tone and pause, and a deviation that covers every
// measured departure from them.
#pragma once

#include <string>

#include "shared/box_message.h"
#include "tonegate/dtmf/tone_sequences.h"
#include "tonegate/model/signal_records.h"

namespace tonegate::dtmf {

struct SignalPrefill {
    bool refused = false;     // too many symbols for a signal
    CDTMFTaskInfo signal;     // symbols, channel and timings filled in; the rest as new
    std::wstring outOfRange;  // lines naming the values outside the editor's ranges
};

SignalPrefill PrefillFromRow(const RecordingRow& row);

// The refusal, or the note on values outside the editor's ranges; none when neither.
bool PrefillMessage(const SignalPrefill& prefill, const RecordingRow& row,
                    core::BoxMessage* message);

}  // namespace tonegate::dtmf
