// The device checks: whether each device names an input of an installed board, whether
// that board offers its rate (each board asked once) and its rate its analysis digit,
// devices that share a name, and devices no entry uses.
#include <algorithm>
#include <map>

#include "cuebell/check/check_context.h"
#include "shared/playout_check.h"
#include "shared/reg_values.h"

namespace cuebell {

namespace {

using core::RecordKind;
using core::RecordRef;

// The rates of each board, asked once; none for a board whose rate cannot be had.
class BoardRates {
  public:
    explicit BoardRates(core::BoardDriverPort& driver) : driver_(driver) {}

    const std::vector<int32_t>* Of(int32_t board) {
        auto found = rates_.find(board);
        if (found == rates_.end()) {
            core::StringList texts;
            std::vector<int32_t> rates;
            if (core::KnownRateList(driver_, board, &texts)) {
                for (const auto& text : texts) {
                    rates.push_back(core::ParseLeadingInt(text));
                }
            }
            found = rates_.emplace(board, std::move(rates)).first;
        }
        return found->second.empty() ? nullptr : &found->second;
    }

  private:
    core::BoardDriverPort& driver_;
    std::map<int32_t, std::vector<int32_t>> rates_;
};

void CheckRate(const CheckContext& context, BoardRates& boardRates, int position) {
    const DeviceInfo& device = context.config.devices[static_cast<size_t>(position)];
    const std::vector<RecordRef> ref = {RecordRef{RecordKind::Device, position}};
    const int32_t board = core::BoardNumberOf(device.Name);
    const std::vector<int32_t>* rates = boardRates.Of(board);
    if (!rates) {
        return;  // a board whose rate cannot be had is taken as it is
    }
    if (std::find(rates->begin(), rates->end(), device.SampleRate) == rates->end()) {
        context.Add(findings::RateNotOffered, device.Name, {board, device.SampleRate}, ref);
        return;
    }
    if (device.AnalysisDigit < core::MinAnalysisDigit(device.SampleRate) ||
        device.AnalysisDigit > core::MaxAnalysisDigit(device.SampleRate)) {
        context.Add(findings::DigitNotOffered, device.Name,
                    {device.AnalysisDigit, device.SampleRate}, ref);
    }
}

void CheckNameTwins(const CheckContext& context) {
    const DeviceList& devices = context.config.devices;
    for (const std::vector<int>& group :
         core::Twins(devices, [](const DeviceInfo& device) { return device.Name; })) {
        std::vector<std::wstring> names;
        for (int d : group) {
            names.push_back(devices[static_cast<size_t>(d)].Name);
        }
        context.Add(findings::DeviceNameTwins, context.maker.Names(names), {},
                    context.Refs(RecordKind::Device, group));
    }
}

}  // namespace

void CheckDevices(const CheckContext& context, core::BoardDriverPort& driver) {
    const core::InstalledInputs inputs(context.config.boards);
    BoardRates boardRates(driver);
    const DeviceList& devices = context.config.devices;
    for (size_t d = 0; d < devices.size(); ++d) {
        const int position = static_cast<int>(d);
        const std::vector<RecordRef> ref = {RecordRef{RecordKind::Device, position}};
        const std::vector<int>& users = context.entriesOfDevice[d];
        const bool isInput = inputs.Has(devices[d].Name);
        if (!isInput) {
            if (users.empty()) {
                context.Add(findings::UnusedDeviceOffBoard, devices[d].Name, {}, ref);
            } else {
                context.Add(findings::DeviceNotAnInput, devices[d].Name,
                            {context.EntryNames(users)}, ref);
            }
            continue;
        }
        CheckRate(context, boardRates, position);
        if (users.empty()) {
            context.Add(findings::UnusedDevice, devices[d].Name, {}, ref);
        }
    }
    CheckNameTwins(context);
}

}  // namespace cuebell
