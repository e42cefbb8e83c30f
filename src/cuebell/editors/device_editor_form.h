// The device editor without its window: the board inputs it offers, the rates of the
// chosen input's board, the analysis intervals of the chosen rate, what each choice
// re-selects, and the check that OK runs. The dialog shows the three lists and their
// selections, hands every change of selection back, and stores what the check accepts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cuebell/editors/editor_check.h"
#include "cuebell/model/records.h"
#include "shared/board_driver_port.h"
#include "shared/boards.h"
#include "shared/message_box_port.h"

namespace cuebell {

// One offered analysis interval: its text in milliseconds and the digit it stands for.
struct AnalysisIntervalChoice {
    std::wstring text;
    int32_t digit = 0;
};

class DeviceEditorForm {
  public:
    // Nothing is selected in a list.
    static constexpr int kNone = -1;

    // The editor of an existing device: a changed name is not checked against the others.
    DeviceEditorForm(core::BoardDriverPort& driver, core::MessageBoxPort& boxes,
                     const core::StringList& boards, const DeviceInfo& device);
    // The editor of a new device: its name must differ from every name given.
    DeviceEditorForm(core::BoardDriverPort& driver, core::MessageBoxPort& boxes,
                     const core::StringList& boards, const DeviceInfo& device,
                     std::vector<std::wstring> existingNames);

    // From now on a device whose name is not an offered input opens with no input chosen
    // (not the first), and OK refuses until one is chosen. Called before Open.
    void RequireOfferedInput() { requireOfferedInput_ = true; }

    // Offers the inputs and selects the device's own (or the first), then the device's
    // rate and interval among those its board allows (or the first of each).
    void Open();
    // A new name re-offers the rates and intervals, keeping the device's where offered.
    void SelectName(int index);
    // A new rate re-offers the intervals, keeping the device's digit where offered.
    void SelectRate(int index);
    void SelectInterval(int index);
    // The board's highest rate and the interval of the default digit where it is offered.
    // The device itself is not changed before OK.
    void SetDefault();

    // The device to store, or the first refusal with the control to focus.
    Checked<DeviceInfo> Check() const;

    const core::StringList& Names() const { return names_; }
    const core::StringList& Rates() const { return rates_; }
    const std::vector<AnalysisIntervalChoice>& Intervals() const { return intervals_; }
    int NameIndex() const { return nameIndex_; }
    int RateIndex() const { return rateIndex_; }
    int IntervalIndex() const { return intervalIndex_; }

  private:
    // Offers the rates of the selected name's board, ascending, and selects the lowest.
    void RateStep();
    // Offers the intervals of the selected rate and selects the first.
    void IntervalStep();
    void SelectRateValue(int32_t rate);
    void SelectDigit(int32_t digit);
    std::wstring SelectedName() const;

    core::BoardDriverPort& driver_;
    core::MessageBoxPort& boxes_;
    const core::StringList boards_;
    const DeviceInfo device_;
    const bool adding_;
    const std::vector<std::wstring> existingNames_;
    bool requireOfferedInput_ = false;

    core::StringList names_;
    core::StringList rates_;
    std::vector<AnalysisIntervalChoice> intervals_;
    int nameIndex_ = kNone;
    int rateIndex_ = kNone;
    int intervalIndex_ = kNone;
};

}  // namespace cuebell
