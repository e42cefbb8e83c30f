// The detection entry editor without its window: the texts of its device items and sample
// rows, the choices it opens with, when the comment is shown, and the check its OK makes.
// The dialog moves the form's texts and choices in and out of its controls and nothing else.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cuebell/editors/editor_check.h"
#include "cuebell/model/records.h"
#include "shared/action_info.h"

namespace cuebell {

// What the owner hands the editor beside the entry itself. The lists are the owner's own,
// in list order; the editor only reads them.
struct EntryEditorSources {
    std::wstring title;  // the editor's title, also the caption of every refusal
    // The names the entry's name must differ from: Add, every entry; Edit, all but its own.
    std::vector<std::wstring> otherNames;
    const SampleList& samples;
    const DeviceList& devices;
    const core::ActionList& actions;
    int32_t generalThreshold;  // shown for a sample whose own Threshold is 0
};

// The editor's texts and choices as the operator left them.
struct EntryEditorForm {
    std::wstring name;
    int device = -1;           // position in the device list; -1: none chosen
    int action = -1;           // position in the action list; -1: none chosen
    std::vector<bool> ticked;  // one per sample row, in list order
    std::wstring comment;
};

// "news.wav (Threshold = 30%(default), Offset = 00.50 s, Delay = 02.00 s)": the file name
// part of the path, then threshold, offset and delay.
std::wstring SampleRowText(const SampleInfo& sample, int32_t generalThreshold);
// "CX840 Input 1 B1 (Sample rate = 44100 Hz, Analysis interval = 371 ms)".
std::wstring DeviceItemText(const DeviceInfo& device);

// The entry as the editor opens it: its device (by exact identifier, else the first),
// its action (by display name without regard to case, else the first), its samples
// ticked (by exact identifier), its name and comment; the comment rule applied.
EntryEditorForm OpeningForm(const GpiInfo& entry, const EntryEditorSources& sources);

// The comment is shown while the chosen action allows one.
bool CommentShown(const EntryEditorForm& form, const EntryEditorSources& sources);
// Empties the comment when it is hidden (at opening and whenever the action changes).
void ApplyCommentRule(EntryEditorForm& form, const EntryEditorSources& sources);

// OK: form.name becomes the trimmed name, which the editor shows whatever the outcome.
// Then, first refusal wins: an empty name; a name holding "|"; (the tool prefix is put
// in front of a name without it) a name too long to read back from the store; a name
// another entry has, without regard to case; no
// sample ticked; a comment holding a line break. Accepted, the result is the entry with
// the form's values (fields the form cannot tell, such as a device when the list offers
// none, keep the entry's own).
Checked<GpiInfo> CheckEntry(EntryEditorForm& form, const GpiInfo& entry,
                            const EntryEditorSources& sources);

}  // namespace cuebell
