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

core::RecordListDescription<DeviceInfo> DeviceListDescription(const EntryRefs& entries) {
    const unsigned error = core::kMbOk | core::kMbIconError;
    core::RecordListDescription<DeviceInfo> list;
    list.columns = DeviceListColumns;
    list.centreLaterColumns = true;
    list.cellText = DeviceCellText;
    list.selectLastAfterFill = true;
    list.editEmpty = MakeBoxMessage(IDS_DEVICES_LIST_EMPTY, IDS_DEVICES_LIST_CAPTION, error);
    list.editNoSelection = MakeBoxMessage(IDS_NO_DEVICE_SELECTED, IDS_DEVICES_LIST_CAPTION, error);
    list.editQuestion = [entries](const DeviceInfo& device) {
        return UsedByQuestion(EntriesUsingDevice(entries, device.DeviceId),
                              IDS_DEVICE_USED_BY_ENTRY, IDS_DEVICE_USED_BY_ENTRIES,
                              IDS_EDIT_DEVICE_CAPTION);
    };
    list.deleteEmpty =
        MakeBoxMessage(IDS_DEVICE_LIST_EMPTY_ON_DELETE, IDS_DELETE_DEVICE_CAPTION, error);
    list.deleteNoSelection =
        MakeBoxMessage(IDS_NO_DEVICE_SELECTED_TO_DELETE, IDS_DELETE_DEVICE_CAPTION,
                       core::kMbOk | core::kMbIconWarning);
    list.deleteRefusal = [entries](const DeviceInfo& device) {
        return UsedByRefusal(EntriesUsingDevice(entries, device.DeviceId),
                             CuebellText(IDS_CANNOT_DELETE_DEVICE), IDS_DEVICE_DELETE_USED_BY_ENTRY,
                             IDS_DEVICE_DELETE_USED_BY_ENTRIES, IDS_DELETE_USED_DEVICE_CAPTION);
    };
    list.deleteQuestion = [](const DeviceInfo& device) {
        return BoxMessage{core::Format(CuebellText(IDS_CONFIRM_DELETE_DEVICE), device.Name),
                          CuebellText(IDS_CONFIRM_DELETE_DEVICE_CAPTION),
                          core::kMbYesNo | core::kMbIconQuestion};
    };
    return list;
}

}  // namespace cuebell
