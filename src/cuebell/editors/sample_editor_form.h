// The sample editor's rules without the window: the offset range a sample's duration
// allows, what the controls show for a record, the clamps applied when an edit loses the
// focus, "Use default:" and the threshold text it sets aside, the outcome of "Browse...",
// and the check OK makes before the record is stored. CSampleAddEditDlg moves texts
// between these rules and its controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cuebell/core/box_message.h"
#include "cuebell/editors/editor_check.h"
#include "cuebell/model/records.h"
#include "shared/board_driver_port.h"
#include "shared/file_dialog_port.h"
#include "shared/system_port.h"

namespace cuebell {

constexpr int32_t kThresholdMinimum = 30;
constexpr int32_t kThresholdMaximum = 100;
constexpr double kDelayMaximum = 100.0;
constexpr double kDelayStep = 0.5;
// The delay must reach at least this far past the offset.
constexpr double kDelayPastOffset = 0.5;
// A sample must play at least this long.
constexpr double kShortestSample = 1.0;

// A duration as the editor uses it: a result that is not a finite number cannot be
// determined, and reads as the component's "no stream information" result.
double UsableDuration(double duration);

struct SpinLimits {
    double minimum = 0.0;
    double maximum = 0.0;
    double step = 0.0;
};

// The offset's range for a sample of this duration: up to half a second before its end
// (the whole sample when it is shorter than that; 100 s when the duration is unknown),
// in steps of 0.5 s, or of 0.01 s when less than 3 s can be chosen.
SpinLimits OffsetLimitsFor(double duration);
SpinLimits DelayLimits();

// The delay reaches at least kDelayPastOffset past the offset, allowing for the binary
// rounding of values typed with two decimals.
bool DelayFitsOffset(double offset, double delay);

// What the controls show after the fill step.
struct SampleEditorView {
    std::wstring path;
    bool useDefault = false;
    std::wstring thresholdText;
    double offset = 0.0;
    double delay = 0.0;  // never less than the offset
};

// The threshold edit's text when it loses the focus: read as an integer (text that is
// no number reads 0) and clamped to kThresholdMinimum..kThresholdMaximum.
std::wstring ClampedThresholdText(const std::wstring& typed);
// An offset or delay edit's value when it loses the focus: the text read as a number,
// clamped to the limits.
double ClampedSpinValue(const std::wstring& typed, const SpinLimits& limits);

// What the operator left in the controls when pressing OK.
struct SampleEditorInput {
    std::wstring path;
    std::wstring offsetText;
    std::wstring delayText;
    std::wstring thresholdText;
    bool useDefault = false;
};

// What "Browse..." leads to, once the file dialog has answered.
struct BrowseOutcome {
    std::optional<std::wstring> pathText;  // the path edit's new text; none: unchanged
    std::optional<BoxMessage> message;     // the chosen file does not exist
};

class SampleEditorForm {
  public:
    SampleEditorForm(int32_t defaultThreshold, std::wstring title)
        : defaultThreshold_(defaultThreshold), title_(std::move(title)) {}

    // The fill step: the record's values as the controls show them. The threshold text
    // shown becomes the set-aside text.
    SampleEditorView Fill(const SampleInfo& record);
    // "Set default": offset and delay 0.0 and the general threshold, the path kept.
    SampleEditorView SetDefault(const std::wstring& pathText);

    // "Use default:" checked: the edit's text is set aside; the edit shows the general
    // threshold.
    std::wstring UseDefaultChecked(const std::wstring& thresholdText);
    // "Use default:" unchecked: the threshold spin's position, from the set-aside text.
    int32_t UseDefaultUnchecked() const;
    const std::wstring& SetAsideThreshold() const { return setAside_; }

    // The file dialog's question for "Browse...", starting in the folder of the path
    // string (or the program's folder when that folder does not exist).
    core::OpenFileRequest BrowseRequest(core::SystemPort& system, core::WindowHandle owner,
                                        const std::wstring& pathString) const;
    BrowseOutcome Browse(core::SystemPort& system, const std::optional<std::wstring>& chosen) const;

    // OK: the first refusal (the dialog's title as caption, error icon), or the record to
    // store: `original` with the new path, threshold, offset and delay. Threshold, offset
    // and delay are clamped first, as leaving their edits would have done; the offset's
    // limits are those of the file named now, whatever file the spin was set up for.
    Checked<SampleInfo> Check(const SampleEditorInput& input, const SampleInfo& original,
                              core::SystemPort& system, core::AudioFileInfoPort& audio) const;

  private:
    BoxMessage Refusal(const std::wstring& text) const;

    int32_t defaultThreshold_;
    std::wstring title_;
    std::wstring setAside_;
};

}  // namespace cuebell
