// The device manager's rules that need no window: the device list's columns and cell
// texts, and the boxes of the Edit and Delete commands: refusals, the usage warning, the
// question.
#pragma once

#include <string>
#include <vector>

#include "cuebell/model/records.h"
#include "shared/list_column.h"
#include "shared/record_list.h"

namespace cuebell {

// Column identifiers, kept in each header item's data.
constexpr int kDeviceNameColumn = 1;
constexpr int kDeviceRateColumn = 2;
constexpr int kDeviceIntervalColumn = 3;

using DeviceListColumn = core::ListColumn;

// Name, rate and interval in this order; the name takes the client width less the
// 260 pixels of the other two (never less than 0).
std::vector<DeviceListColumn> DeviceListColumns(int listClientWidth);

// The text of the device's cell in the column; empty for an unknown column.
std::wstring DeviceCellText(const DeviceInfo& device, int columnId);

// The manager's list: the columns and cells above (the rate and the interval centred),
// and the boxes of Edit and Delete. Edit refuses an empty list and no selection (error
// icon) and warns, asking, when entries use the device; Delete refuses an empty list
// (error icon), no selection (warning icon) and a device that entries use, then asks.
// `entries` are the owner's detection entries in list order.
core::RecordListDescription<DeviceInfo> DeviceListDescription(const EntryRefs& entries);

}  // namespace cuebell
