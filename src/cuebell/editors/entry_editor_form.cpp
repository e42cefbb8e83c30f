#include "cuebell/editors/entry_editor_form.h"

#include <algorithm>

#include "cuebell/core/box_message.h"
#include "cuebell/entry_editor_ids.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/model/model.h"
#include "shared/format.h"
#include "shared/reg_values.h"
#include "shared/text.h"
#include "shared/utilities.h"

namespace cuebell {

namespace {

bool ValidPosition(int position, size_t count) {
    return position >= 0 && static_cast<size_t>(position) < count;
}

std::wstring ThresholdText(const SampleInfo& sample, int32_t generalThreshold) {
    const std::wstring threshold = CuebellText(IDS_THRESHOLD);
    if (sample.Threshold == 0) {
        return core::Format(L"%s = %d%%(default)", threshold, generalThreshold);
    }
    return core::Format(L"%s = %d%%", threshold, sample.Threshold);
}

int InitialDevice(const DeviceList& devices, const std::wstring& deviceId) {
    if (devices.empty()) {
        return -1;
    }
    return std::max(FindDeviceIndex(devices, deviceId), 0);
}

int InitialAction(const core::ActionList& actions, const core::CActionInfo& action) {
    for (size_t i = 0; i < actions.size(); ++i) {
        if (core::EqualsNoCase(actions[i].Name, action.Name)) {
            return static_cast<int>(i);
        }
    }
    return actions.empty() ? -1 : 0;
}

std::vector<bool> InitialTicks(const SampleList& samples, const std::vector<std::wstring>& ids) {
    std::vector<bool> ticked;
    ticked.reserve(samples.size());
    for (const SampleInfo& sample : samples) {
        ticked.push_back(std::find(ids.begin(), ids.end(), sample.SampleId) != ids.end());
    }
    return ticked;
}

// A "|" or a line break would end the entry's record in the playout event table early:
// after the next start the entry would come back without its action and comment.
bool HasRecordBreak(const std::wstring& text, const wchar_t* breaks) {
    return text.find_first_of(breaks) != std::wstring::npos;
}

bool NameTaken(const std::wstring& name, const std::vector<std::wstring>& otherNames) {
    return std::any_of(otherNames.begin(), otherNames.end(), [&name](const std::wstring& other) {
        return core::EqualsNoCase(other, name);
    });
}

Checked<GpiInfo> Refuse(const std::wstring& text, int focusControl,
                        const EntryEditorSources& sources) {
    return Checked<GpiInfo>::Refuse(
        BoxMessage{text, sources.title, core::kMbOk | core::kMbIconError}, focusControl);
}

Checked<GpiInfo> Refuse(int textId, int focusControl, const EntryEditorSources& sources) {
    return Refuse(CuebellText(textId), focusControl, sources);
}

}  // namespace

std::wstring SampleRowText(const SampleInfo& sample, int32_t generalThreshold) {
    const std::wstring delayText =
        core::Format(L"%s = %05.2f s", CuebellText(IDS_DELAY), sample.Delay);
    return core::Format(L"%s (%s, %s = %05.2f s, %s)", core::FileNamePart(sample.AudioFile),
                        ThresholdText(sample, generalThreshold), CuebellText(IDS_OFFSET),
                        sample.Offset, delayText);
}

std::wstring DeviceItemText(const DeviceInfo& device) {
    return core::Format(L"%s (%s = %d Hz, %s = %d ms)", device.Name, CuebellText(IDS_SAMPLE_RATE),
                        device.SampleRate, CuebellText(IDS_ANALYSIS_INTERVAL),
                        AnalysisIntervalMs(device));
}

EntryEditorForm OpeningForm(const GpiInfo& entry, const EntryEditorSources& sources) {
    EntryEditorForm form;
    form.name = entry.Name;
    form.device = InitialDevice(sources.devices, entry.DeviceId);
    form.action = InitialAction(sources.actions, entry.Action);
    form.ticked = InitialTicks(sources.samples, entry.SampleIds);
    form.comment = entry.Comment;
    ApplyCommentRule(form, sources);
    return form;
}

bool CommentShown(const EntryEditorForm& form, const EntryEditorSources& sources) {
    return ValidPosition(form.action, sources.actions.size()) &&
           sources.actions[static_cast<size_t>(form.action)].CommentAllowed != 0;
}

void ApplyCommentRule(EntryEditorForm& form, const EntryEditorSources& sources) {
    if (!CommentShown(form, sources)) {
        form.comment.clear();
    }
}

Checked<GpiInfo> CheckEntry(EntryEditorForm& form, const GpiInfo& entry,
                            const EntryEditorSources& sources) {
    form.name = core::Trim(form.name);
    if (form.name.empty()) {
        return Refuse(IDS_ENTER_ENTRY_NAME, IDC_ENTRY_NAME, sources);
    }
    if (HasRecordBreak(form.name, L"|")) {
        return Refuse(IDS_ENTRY_NAME_HAS_BAR, IDC_ENTRY_NAME, sources);
    }
    std::wstring name = form.name;
    if (!core::StartsWith(kToolPrefix, name)) {
        name = kToolPrefix + name;
    }
    if (!core::ReadsBackWhole(name)) {
        return Refuse(core::Format(CuebellText(IDS_ENTRY_NAME_TOO_LONG),
                                   static_cast<int>(core::kRegStringLongestChars)),
                      IDC_ENTRY_NAME, sources);
    }
    if (NameTaken(name, sources.otherNames)) {
        return Refuse(IDS_ENTRY_NAME_EXISTS, IDC_ENTRY_NAME, sources);
    }

    std::vector<std::wstring> sampleIds;
    const size_t rows = std::min(form.ticked.size(), sources.samples.size());
    for (size_t row = 0; row < rows; ++row) {
        if (form.ticked[row]) {
            sampleIds.push_back(sources.samples[row].SampleId);
        }
    }
    if (sampleIds.empty()) {
        return Refuse(IDS_NO_SAMPLE_CHECKED, IDC_ENTRY_SAMPLES, sources);
    }

    const bool commentShown = CommentShown(form, sources);
    if (commentShown && HasRecordBreak(form.comment, L"\r\n")) {
        return Refuse(IDS_COMMENT_HAS_LINE_BREAK, IDC_ENTRY_COMMENT, sources);
    }

    GpiInfo result = entry;
    result.Name = name;
    if (ValidPosition(form.device, sources.devices.size())) {
        result.DeviceId = sources.devices[static_cast<size_t>(form.device)].DeviceId;
    }
    result.SampleIds = std::move(sampleIds);
    if (ValidPosition(form.action, sources.actions.size())) {
        result.Action = sources.actions[static_cast<size_t>(form.action)];
    }
    result.Comment = commentShown ? form.comment : std::wstring();
    return Checked<GpiInfo>::Accept(std::move(result));
}

}  // namespace cuebell
