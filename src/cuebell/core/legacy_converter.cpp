#include "cuebell/core/legacy_converter.h"

#include <algorithm>

#include "cuebell/core/box_message.h"
#include "cuebell/core/cuebell_session.h"
#include "cuebell/core/invalid_actions.h"
#include "cuebell/core/legacy_layout_reader.h"
#include "cuebell/core/sample_rate_check.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/model/store.h"
#include "shared/text.h"

namespace cuebell {

namespace {

// The rate a device on no present board is written with.
constexpr int32_t kAbsentBoardRate = 44100;

// The text after the name's last "B", trimmed, names one of the boards.
bool OnPresentBoard(const std::wstring& name, const core::StringList& boards) {
    const size_t b = name.rfind(L'B');
    if (b == std::wstring::npos) {
        return false;
    }
    const std::wstring board = core::Trim(name.substr(b + 1));
    return std::any_of(boards.begin(), boards.end(), [&](const std::wstring& present) {
        return core::EqualsNoCase(board, present);
    });
}

// A rate and digit the device's board allows. A board whose rates cannot be had (the
// driver failed since start-up) is treated like a board that is not there.
void SettleDeviceRate(const BoardAccess& access, const core::StringList& boards,
                      DeviceInfo* device) {
    core::RateChoice choice;
    const bool boardRates = OnPresentBoard(device->Name, boards) &&
                            core::InitRateChoice(access.driver, access.boxes, access.noBoard,
                                                 &choice, core::BoardNumberOf(device->Name), 0);
    if (!boardRates) {
        device->SampleRate = kAbsentBoardRate;
        core::InitRateChoice(access.driver, access.boxes, access.noBoard, &choice, -1,
                             kAbsentBoardRate);
    }
    core::NormalizeRateAndDigit(&choice, &device->SampleRate, &device->AnalysisDigit);
}

std::vector<std::wstring> NamesOf(const std::vector<StoredEntry>& entries) {
    std::vector<std::wstring> names;
    for (const auto& entry : entries) {
        names.push_back(entry.Name);
    }
    return names;
}

core::PlayoutInstanceList ChangedOnly(const core::PlayoutInstanceList& instances,
                                      const std::vector<bool>& changed) {
    core::PlayoutInstanceList subset;
    for (size_t i = 0; i < instances.size(); ++i) {
        if (changed[i]) {
            subset.push_back(instances[i]);
        }
    }
    return subset;
}

}  // namespace

bool LegacyConverter::DetectLegacyLayout() {
    return OnlyLegacyLayoutExists(registry_);
}

void LegacyConverter::ConvertLegacyLayout(core::WindowHandle /*owner*/,
                                          const GeneralParams& general,
                                          const core::StringList& boards,
                                          core::PlayoutInstanceList* instances) {
    LegacyLayout layout = ReadLegacyLayout(registry_, general);

    const core::CActionInfo waitCommand{CuebellText(IDS_WAIT_COMMAND), 1, core::kWaitCommandCode};
    std::vector<bool> changedTables;
    const std::vector<std::wstring> marked =
        CheckInvalidActions(NamesOf(layout.Entries), waitCommand, instances, &changedTables);
    if (!marked.empty()) {
        ShowBoxMessage(boxes_, 0, InvalidActionMessage(marked));
    }

    const core::NoBoardMessage noBoard = CuebellNoBoardMessage();
    const BoardAccess access{boardDriver_, boxes_, noBoard};
    for (auto& device : layout.Devices) {
        SettleDeviceRate(access, boards, &device);
    }
    // Write failures are not reported (the old layout stays as it was in any case).
    SaveDevices(registry_, layout.Devices);
    SaveSamples(registry_, layout.Samples);
    SaveStoredEntries(registry_, layout.Entries);
    SaveGeneral(registry_, layout.General, static_cast<int32_t>(layout.Entries.size()),
                static_cast<int32_t>(layout.Samples.size()),
                static_cast<int32_t>(layout.Devices.size()));
    core::SavePlayoutSettings(registry_, ChangedOnly(*instances, changedTables));
}

}  // namespace cuebell
