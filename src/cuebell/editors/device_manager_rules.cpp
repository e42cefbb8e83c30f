#include "cuebell/editors/device_manager_rules.h"

#include <algorithm>

#include "cuebell/core/box_message.h"
#include "cuebell/editors/usage_list.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/model/model.h"
#include "shared/format.h"

namespace cuebell {

namespace {

constexpr int kRateWidth = 120;
constexpr int kIntervalWidth = 140;

// The usage text of a message that takes one or more entry names: the first string
// for one entry, the second for more, formatted with a line break and the numbered list.
std::wstring UsageText(const std::vector<std::wstring>& users, int oneEntryId, int moreEntriesId) {
    const int textId = users.size() == 1 ? oneEntryId : moreEntriesId;
    return core::Format(CuebellText(textId), L"\n" + UsageList(users));
}

}  // namespace

std::vector<DeviceListColumn> DeviceListColumns(int listClientWidth) {
    return {
        {kDeviceNameColumn, CuebellText(IDS_COLUMN_DEVICE_NAME),
         std::max(0, listClientWidth - kRateWidth - kIntervalWidth)},
        {kDeviceRateColumn, CuebellText(IDS_SAMPLE_RATE) + L" (Hz)", kRateWidth},
        {kDeviceIntervalColumn, CuebellText(IDS_ANALYSIS_INTERVAL) + L" (ms)", kIntervalWidth},
    };
}

std::wstring DeviceCellText(const DeviceInfo& device, int columnId) {
    switch (columnId) {
        case kDeviceNameColumn:
            return device.Name;
        case kDeviceRateColumn:
            return core::Format(L"%d", device.SampleRate);
        case kDeviceIntervalColumn:
            return core::Format(L"%d", AnalysisIntervalMs(device));
        default:
            return std::wstring();
    }
}

std::vector<std::wstring> DeviceNames(const std::vector<DeviceInfo*>& rows) {
    std::vector<std::wstring> names;
    for (const DeviceInfo* device : rows) {
        if (device) {
            names.push_back(device->Name);
        }
    }
    return names;
}

bool DeviceButtonsEnabled(int rowCount) {
    return rowCount > 0;
}

bool ConfirmDeviceEdit(core::MessageBoxPort& boxes, core::WindowHandle owner, int rowCount,
                       const DeviceInfo* device, const EntryRefs& entries) {
    const unsigned refusal = core::kMbOk | core::kMbIconError;
    if (rowCount <= 0) {
        ShowBoxMessage(boxes, owner,
                       MakeBoxMessage(IDS_DEVICES_LIST_EMPTY, IDS_DEVICES_LIST_CAPTION, refusal));
        return false;
    }
    if (!device) {
        ShowBoxMessage(boxes, owner,
                       MakeBoxMessage(IDS_NO_DEVICE_SELECTED, IDS_DEVICES_LIST_CAPTION, refusal));
        return false;
    }
    const std::vector<std::wstring> users = EntriesUsingDevice(entries, device->DeviceId);
    if (users.empty()) {
        return true;
    }
    const BoxMessage question{
        UsageText(users, IDS_DEVICE_USED_BY_ENTRY, IDS_DEVICE_USED_BY_ENTRIES) + L"\n\n" +
            CuebellText(IDS_CONTINUE_ANYWAY),
        CuebellText(IDS_EDIT_DEVICE_CAPTION), core::kMbYesNo | core::kMbIconWarning};
    return ShowBoxMessage(boxes, owner, question) == core::kIdYes;
}

bool ConfirmDeviceDelete(core::MessageBoxPort& boxes, core::WindowHandle owner, int rowCount,
                         const DeviceInfo* device, const EntryRefs& entries) {
    if (rowCount <= 0) {
        ShowBoxMessage(boxes, owner,
                       MakeBoxMessage(IDS_DEVICE_LIST_EMPTY_ON_DELETE, IDS_DELETE_DEVICE_CAPTION,
                                      core::kMbOk | core::kMbIconError));
        return false;
    }
    if (!device) {
        ShowBoxMessage(boxes, owner,
                       MakeBoxMessage(IDS_NO_DEVICE_SELECTED_TO_DELETE, IDS_DELETE_DEVICE_CAPTION,
                                      core::kMbOk | core::kMbIconWarning));
        return false;
    }
    const std::vector<std::wstring> users = EntriesUsingDevice(entries, device->DeviceId);
    if (!users.empty()) {
        const BoxMessage refusal{CuebellText(IDS_CANNOT_DELETE_DEVICE) +
                                     UsageText(users, IDS_DEVICE_DELETE_USED_BY_ENTRY,
                                               IDS_DEVICE_DELETE_USED_BY_ENTRIES),
                                 CuebellText(IDS_DELETE_USED_DEVICE_CAPTION),
                                 core::kMbOk | core::kMbIconError};
        ShowBoxMessage(boxes, owner, refusal);
        return false;
    }
    const BoxMessage question{core::Format(CuebellText(IDS_CONFIRM_DELETE_DEVICE), device->Name),
                              CuebellText(IDS_CONFIRM_DELETE_DEVICE_CAPTION),
                              core::kMbYesNo | core::kMbIconQuestion};
    return ShowBoxMessage(boxes, owner, question) == core::kIdYes;
}

}  // namespace cuebell
