// The signal editor without its window: the devices, channels and actions it offers, the
// texts and choices it opens with, when the comment can be typed, and the check its OK
// makes. The dialog moves the form's texts and choices in and out of its controls, runs
// the typing filters and the timing clamps on its edits, and nothing else.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shared/action_info.h"
#include "shared/boards.h"
#include "shared/box_message.h"
#include "shared/editor_check.h"
#include "tonegate/editors/timing_fields.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

// What the owner hands the editor beside the signal itself; the lists are the owner's own.
struct SignalEditorSources {
    std::wstring title;  // "Add detection entry" or "Edit detection entry"
    const core::StringList& boards;
    const core::ActionList& actions;
    // The names the signal's name must differ from: Add, every signal; Edit, all but its own.
    std::vector<std::wstring> otherNames;
    // A signal whose device is not an offered input opens with no device chosen (not the
    // first), and OK refuses until one is chosen.
    bool requireOfferedDevice = false;
};

// The editor's texts and choices as the operator left them.
struct SignalEditorForm {
    std::wstring name;
    int device = -1;   // position in DeviceChoices; -1: none chosen
    int channel = -1;  // position in ChannelChoices; -1: none chosen
    std::wstring symbols;
    std::array<std::wstring, kTimingFieldCount> timings;
    int action = -1;  // position in the action list; -1: none chosen
    std::wstring comment;

    std::wstring& operator[](TimingField field) { return timings[static_cast<size_t>(field)]; }
    const std::wstring& operator[](TimingField field) const {
        return timings[static_cast<size_t>(field)];
    }
};

struct SignalEditorOpening {
    SignalEditorForm form;
    // The symbol filter's warnings for a stored symbol string, shown as the editor opens.
    std::vector<core::BoxMessage> messages;
};

// The three inputs of every board, board by board.
core::StringList DeviceChoices(const SignalEditorSources& sources);
// "left", "right", "stereo", "stereo inverse": the analysis types 0 to 3 in that order.
const core::StringList& ChannelChoices();
// The analysis type a channel text stands for (exact texts); any other text gives 0.
int32_t AnalysisTypeOf(const std::wstring& channel);

// The signal as the editor opens it: its device (without regard to case, else the
// first), its channel (else the first), its action (by name without regard to case, else
// the first), and its texts as the typing filters leave them.
SignalEditorOpening OpeningForm(const CDTMFTaskInfo& signal, const SignalEditorSources& sources);

// The comment can be typed while the chosen action allows one.
bool CommentEnabled(const SignalEditorForm& form, const SignalEditorSources& sources);

// OK: form.name becomes the trimmed name, which the editor shows whatever the outcome.
// Then, first refusal wins: an empty name; a name holding "|"; (the tool prefix is put in
// front of a name without it) a name too long to read back from the store; a name another
// signal has, without regard to case; a
// comment holding a line break; no symbol. Accepted, the timing edits show their clamped
// values and the result is the signal with the form's values (a device or action the form
// cannot tell keeps the signal's own).
core::Checked<CDTMFTaskInfo> CheckSignal(SignalEditorForm& form, const CDTMFTaskInfo& signal,
                                         const SignalEditorSources& sources);

}  // namespace tonegate
