#include "cuebell/editors/device_editor_form.h"

#include <utility>

#include "cuebell/device_dialogs_ids.h"
#include "cuebell/model/cuebell_strings.h"
#include "shared/format.h"
#include "shared/reg_values.h"
#include "shared/text.h"

namespace cuebell {

namespace {

// The digit "Set default" prefers; rates too high or too low for it fall back to their
// first interval.
constexpr int32_t kDefaultAnalysisDigit = 12;

core::NoBoardMessage NoBoardMessage() {
    return core::NoBoardMessage{CuebellText(IDS_NO_BOARD_FOUND),
                                CuebellText(IDS_CHECK_BOARD_CAPTION)};
}

// 2^digit x 1000 / rate in milliseconds, in the unsigned 32-bit division the detector uses.
std::wstring IntervalText(int32_t digit, int32_t rate) {
    const uint32_t samples = uint32_t{1} << digit;
    return core::Format(L"%d",
                        static_cast<unsigned>(samples * 1000u / static_cast<uint32_t>(rate)));
}

bool NameTaken(const std::wstring& name, const std::vector<std::wstring>& names) {
    for (const auto& other : names) {
        if (core::EqualsNoCase(core::Trim(other), name)) {
            return true;
        }
    }
    return false;
}

BoxMessage IllegalDevice(const std::wstring& name) {
    return BoxMessage{core::Format(CuebellText(IDS_ILLEGAL_DEVICE), name),
                      CuebellText(IDS_ADD_EDIT_DEVICE_CAPTION), core::kMbOk | core::kMbIconError};
}

}  // namespace

DeviceEditorForm::DeviceEditorForm(core::BoardDriverPort& driver, core::MessageBoxPort& boxes,
                                   const core::StringList& boards, const DeviceInfo& device)
    : driver_(driver), boxes_(boxes), boards_(boards), device_(device), adding_(false) {}

DeviceEditorForm::DeviceEditorForm(core::BoardDriverPort& driver, core::MessageBoxPort& boxes,
                                   const core::StringList& boards, const DeviceInfo& device,
                                   std::vector<std::wstring> existingNames)
    : driver_(driver),
      boxes_(boxes),
      boards_(boards),
      device_(device),
      adding_(true),
      existingNames_(std::move(existingNames)) {}

void DeviceEditorForm::Open() {
    core::BuildInputNames(boards_, &names_);
    nameIndex_ = names_.empty() || requireOfferedInput_ ? kNone : 0;
    for (size_t i = 0; i < names_.size(); ++i) {
        if (core::EqualsNoCase(names_[i], device_.Name)) {
            nameIndex_ = static_cast<int>(i);
            break;
        }
    }
    RateStep();
    SelectRateValue(device_.SampleRate);
    IntervalStep();
    SelectDigit(device_.AnalysisDigit);
}

void DeviceEditorForm::SelectName(int index) {
    nameIndex_ = index >= 0 && static_cast<size_t>(index) < names_.size() ? index : kNone;
    RateStep();
    SelectRateValue(device_.SampleRate);
    IntervalStep();
    SelectDigit(device_.AnalysisDigit);
}

void DeviceEditorForm::SelectRate(int index) {
    rateIndex_ = index >= 0 && static_cast<size_t>(index) < rates_.size() ? index : kNone;
    IntervalStep();
    SelectDigit(device_.AnalysisDigit);
}

void DeviceEditorForm::SelectInterval(int index) {
    intervalIndex_ = index >= 0 && static_cast<size_t>(index) < intervals_.size() ? index : kNone;
}

void DeviceEditorForm::SetDefault() {
    RateStep();
    if (!rates_.empty()) {
        rateIndex_ = static_cast<int>(rates_.size()) - 1;
    }
    IntervalStep();
    SelectDigit(kDefaultAnalysisDigit);
}

Checked<DeviceInfo> DeviceEditorForm::Check() const {
    const std::wstring name = core::Trim(SelectedName());
    if (name.empty() && requireOfferedInput_ && !names_.empty()) {
        return Checked<DeviceInfo>::Refuse(
            BoxMessage{core::Format(CuebellText(IDS_CHOOSE_OFFERED_INPUT), device_.Name),
                       CuebellText(IDS_ADD_EDIT_DEVICE_CAPTION), core::kMbOk | core::kMbIconError},
            IDC_DEVICE_NAME);
    }
    if (name.empty()) {
        return Checked<DeviceInfo>::Refuse(
            MakeBoxMessage(IDS_ENTER_DEVICE_NAME, IDS_SET_DEVICE_CAPTION,
                           core::kMbOk | core::kMbIconWarning),
            IDC_DEVICE_NAME);
    }
    if (adding_ && NameTaken(name, existingNames_)) {
        return Checked<DeviceInfo>::Refuse(
            MakeBoxMessage(IDS_DEVICE_NAME_EXISTS, IDS_ADD_DEVICE_TITLE,
                           core::kMbOk | core::kMbIconError),
            IDC_DEVICE_NAME);
    }
    if (rateIndex_ == kNone) {
        return Checked<DeviceInfo>::Refuse(IllegalDevice(name), IDC_DEVICE_SAMPLE_RATE);
    }
    // Without an interval there is no digit to store: refused like a missing rate rather
    // than storing whatever the interval list answers for "no selection".
    if (intervalIndex_ == kNone) {
        return Checked<DeviceInfo>::Refuse(IllegalDevice(name), IDC_DEVICE_ANALYSIS_INTERVAL);
    }
    DeviceInfo device = device_;
    device.Name = name;
    device.SampleRate = core::ParseLeadingInt(rates_[static_cast<size_t>(rateIndex_)]);
    device.AnalysisDigit = intervals_[static_cast<size_t>(intervalIndex_)].digit;
    return Checked<DeviceInfo>::Accept(std::move(device));
}

void DeviceEditorForm::RateStep() {
    rates_.clear();
    rateIndex_ = kNone;
    const int32_t board = core::BoardNumberOf(SelectedName());
    if (board < 1) {
        return;
    }
    core::StringList boardRates;
    if (!core::GetRateList(driver_, boxes_, NoBoardMessage(), board, 0, &boardRates)) {
        return;
    }
    // The board lists its rates from the highest down; the editor offers them ascending.
    rates_.assign(boardRates.rbegin(), boardRates.rend());
    rateIndex_ = rates_.empty() ? kNone : 0;
}

void DeviceEditorForm::IntervalStep() {
    intervals_.clear();
    intervalIndex_ = kNone;
    if (rateIndex_ == kNone) {
        return;
    }
    const int32_t rate = core::ParseLeadingInt(rates_[static_cast<size_t>(rateIndex_)]);
    if (rate <= 0) {
        return;
    }
    for (int32_t digit = core::MinAnalysisDigit(rate); digit <= core::MaxAnalysisDigit(rate);
         ++digit) {
        intervals_.push_back(AnalysisIntervalChoice{IntervalText(digit, rate), digit});
    }
    intervalIndex_ = intervals_.empty() ? kNone : 0;
}

void DeviceEditorForm::SelectRateValue(int32_t rate) {
    for (size_t i = 0; i < rates_.size(); ++i) {
        if (core::ParseLeadingInt(rates_[i]) == rate) {
            rateIndex_ = static_cast<int>(i);
            return;
        }
    }
}

void DeviceEditorForm::SelectDigit(int32_t digit) {
    for (size_t i = 0; i < intervals_.size(); ++i) {
        if (intervals_[i].digit == digit) {
            intervalIndex_ = static_cast<int>(i);
            return;
        }
    }
}

std::wstring DeviceEditorForm::SelectedName() const {
    return nameIndex_ == kNone ? std::wstring() : names_[static_cast<size_t>(nameIndex_)];
}

}  // namespace cuebell
