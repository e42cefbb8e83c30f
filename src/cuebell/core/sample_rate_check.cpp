#include "cuebell/core/sample_rate_check.h"

#include <algorithm>

#include "shared/text.h"

namespace cuebell {

namespace {

// The rates of the board behind an input name; false when they cannot be obtained (an
// unknown board is treated as consistent).
bool RatesOfInput(const BoardAccess& access, const std::wstring& inputName, int32_t rate,
                  core::RateChoice* choice) {
    return core::InitRateChoice(access.driver, access.boxes, access.noBoard, choice,
                                core::BoardNumberOf(inputName), rate) &&
           !choice->Rates.empty();
}

bool RateAllowed(const core::RateChoice& choice, int32_t rate) {
    return std::find(choice.Rates.begin(), choice.Rates.end(), rate) != choice.Rates.end();
}

// Calls visit(device, choice) for every input name the device is named like, with the
// rates of that input's board; stops when visit answers false. Devices is DeviceList,
// const or not.
template <typename Devices, typename Visit>
void ForEachCheckedDevice(const BoardAccess& access, const core::StringList& boards,
                          Devices& devices, Visit visit) {
    if (boards.empty() || devices.empty()) {
        return;
    }
    core::StringList inputNames;
    core::BuildInputNames(boards, &inputNames);
    for (auto& device : devices) {
        for (const auto& inputName : inputNames) {
            if (!core::EqualsNoCase(inputName, device.Name)) {
                continue;
            }
            core::RateChoice choice;
            if (!RatesOfInput(access, inputName, device.SampleRate, &choice)) {
                continue;
            }
            if (!visit(device, choice)) {
                return;
            }
        }
    }
}

}  // namespace

bool SampleRatesConsistent(const BoardAccess& access, const core::StringList& boards,
                           const DeviceList& devices) {
    bool consistent = true;
    ForEachCheckedDevice(access, boards, devices,
                         [&](const DeviceInfo& device, const core::RateChoice& choice) {
                             consistent = RateAllowed(choice, device.SampleRate);
                             return consistent;
                         });
    return consistent;
}

bool RepairSampleRates(const BoardAccess& access, const core::StringList& boards,
                       DeviceList* devices) {
    bool changed = false;
    ForEachCheckedDevice(access, boards, *devices,
                         [&](DeviceInfo& device, core::RateChoice& choice) {
                             if (RateAllowed(choice, device.SampleRate)) {
                                 return true;
                             }
                             // The board's own rate, with the smallest window it allows.
                             choice.Selected = 0;
                             core::RebuildDigits(&choice);
                             device.SampleRate = choice.Rates.front();
                             if (!choice.Digits.empty()) {
                                 device.AnalysisDigit = choice.Digits.front();
                             }
                             changed = true;
                             return true;
                         });
    return changed;
}

}  // namespace cuebell
