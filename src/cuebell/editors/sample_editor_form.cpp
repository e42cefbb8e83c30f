#include "cuebell/editors/sample_editor_form.h"

#include <algorithm>
#include <cmath>

#include "cuebell/model/cuebell_strings.h"
#include "cuebell/sample_dialogs_ids.h"
#include "shared/format.h"
#include "shared/reg_values.h"
#include "shared/text.h"
#include "shared/utilities.h"

namespace cuebell {

namespace {

// Offsets and delays are typed with two decimals; sums of such values differ from the
// decimal result by far less than this, so a delay typed exactly at its limit passes.
constexpr double kDelayTolerance = 1e-9;

// With this much to choose from, whole half seconds are fine steps.
constexpr double kCoarseOffsetRange = 3.0;
constexpr double kCoarseStep = 0.5;
constexpr double kFineStep = 0.01;

int32_t ClampThreshold(int32_t value, int32_t minimum) {
    return std::clamp(value, minimum, kThresholdMaximum);
}

}  // namespace

double UsableDuration(double duration) {
    return std::isfinite(duration) ? duration : core::kAudioInfoNoStreamInfo;
}

SpinLimits OffsetLimitsFor(double duration) {
    const double d = UsableDuration(duration);
    if (!(d > 0.0)) {
        return SpinLimits{0.0, kDelayMaximum, kCoarseStep};
    }
    const double maximum = d >= kDelayPastOffset ? d - kDelayPastOffset : d;
    return SpinLimits{0.0, maximum, maximum >= kCoarseOffsetRange ? kCoarseStep : kFineStep};
}

SpinLimits DelayLimits() {
    return SpinLimits{0.0, kDelayMaximum, kDelayStep};
}

bool DelayFitsOffset(double offset, double delay) {
    return !(delay + kDelayTolerance < offset + kDelayPastOffset);
}

std::wstring ClampedThresholdText(const std::wstring& typed) {
    return core::Format(L"%d", ClampThreshold(core::ParseLeadingInt(typed), kThresholdMinimum));
}

double ClampedSpinValue(const std::wstring& typed, const SpinLimits& limits) {
    const double value = core::ParseLeadingDouble(typed);
    if (std::isnan(value)) {
        return limits.minimum;
    }
    return std::clamp(value, limits.minimum, limits.maximum);
}

SampleEditorView SampleEditorForm::Fill(const SampleInfo& record) {
    SampleEditorView view;
    view.path = core::Trim(record.AudioFile);
    view.useDefault = record.Threshold == 0;
    view.thresholdText =
        core::Format(L"%d", view.useDefault ? defaultThreshold_ : record.Threshold);
    view.offset = record.Offset;
    view.delay = record.Delay < record.Offset ? record.Offset : record.Delay;
    setAside_ = view.thresholdText;
    return view;
}

SampleEditorView SampleEditorForm::SetDefault(const std::wstring& pathText) {
    SampleInfo defaults;
    defaults.AudioFile = pathText;
    defaults.Threshold = 0;
    defaults.Offset = 0.0;
    defaults.Delay = 0.0;
    return Fill(defaults);
}

std::wstring SampleEditorForm::UseDefaultChecked(const std::wstring& thresholdText) {
    setAside_ = thresholdText;
    return core::Format(L"%d", defaultThreshold_);
}

int32_t SampleEditorForm::UseDefaultUnchecked() const {
    return ClampThreshold(core::ParseLeadingInt(setAside_), kThresholdMinimum);
}

core::OpenFileRequest SampleEditorForm::BrowseRequest(core::SystemPort& system,
                                                      core::WindowHandle owner,
                                                      const std::wstring& pathString) const {
    core::OpenFileRequest request;
    request.owner = owner;
    request.startFolder = core::StartFolderFor(system, pathString).folder;
    request.filterText = CuebellText(IDS_AUDIO_FILE_FILTER);
    request.pattern = L"*.wav";
    request.defaultExtension = L"wav";
    request.title = CuebellText(IDS_SELECT_AUDIO_FILE);
    return request;
}

BrowseOutcome SampleEditorForm::Browse(core::SystemPort& system,
                                       const std::optional<std::wstring>& chosen) const {
    BrowseOutcome outcome;
    if (!chosen) {
        return outcome;
    }
    if (system.PathExists(*chosen)) {
        outcome.pathText = *chosen;
        return outcome;
    }
    outcome.pathText = std::wstring();
    outcome.message = BoxMessage{*chosen + L"\n" + CuebellText(IDS_FILE_NOT_FOUND) + L"\n" +
                                     CuebellText(IDS_VERIFY_FILE_NAME),
                                 CuebellText(IDS_SELECT_AUDIO_FILE), core::kMbIconWarning};
    return outcome;
}

BoxMessage SampleEditorForm::Refusal(const std::wstring& text) const {
    return BoxMessage{text, title_, core::kMbOk | core::kMbIconError};
}

Checked<SampleInfo> SampleEditorForm::Check(const SampleEditorInput& input,
                                            const SampleInfo& original, core::SystemPort& system,
                                            core::AudioFileInfoPort& audio) const {
    const std::wstring path = core::Trim(input.path);
    if (path.empty()) {
        return Checked<SampleInfo>::Refuse(Refusal(CuebellText(IDS_ENTER_AUDIO_FILE_NAME)),
                                           IDC_SAMPLE_PATH);
    }
    if (!system.PathExists(path)) {
        return Checked<SampleInfo>::Refuse(
            Refusal(core::Format(CuebellText(IDS_AUDIO_FILE_NOT_FOUND), path)), IDC_SAMPLE_PATH);
    }
    const double duration = UsableDuration(audio.GetAudioFileDuration(path));
    if (!(duration >= kShortestSample)) {
        return Checked<SampleInfo>::Refuse(
            Refusal(core::Format(CuebellText(IDS_AUDIO_FILE_TOO_SHORT), path, duration,
                                 kShortestSample)),
            IDC_SAMPLE_PATH);
    }
    const double offset = ClampedSpinValue(input.offsetText, OffsetLimitsFor(duration));
    const double delay = ClampedSpinValue(input.delayText, DelayLimits());
    if (!DelayFitsOffset(offset, delay)) {
        return Checked<SampleInfo>::Refuse(
            Refusal(core::Format(CuebellText(IDS_DELAY_TOO_SMALL), kDelayPastOffset)),
            IDC_SAMPLE_DELAY);
    }
    SampleInfo record = original;
    record.AudioFile = path;
    record.Threshold = input.useDefault ? 0
                                        : ClampThreshold(core::ParseLeadingInt(input.thresholdText),
                                                         kThresholdMinimum);
    record.Offset = offset;
    record.Delay = delay;
    return Checked<SampleInfo>::Accept(record);
}

}  // namespace cuebell
