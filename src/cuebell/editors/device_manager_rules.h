// The device manager's rules that need no window: the device list's columns and cell
// texts, the names a new device must differ from, when the row buttons are enabled, and
// the boxes of the Edit and Delete commands: refusals, the usage warning, the question.
#pragma once

#include <string>
#include <vector>

#include "cuebell/model/records.h"
#include "shared/list_column.h"
#include "shared/message_box_port.h"

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

// The names of the devices in row order: a new device must differ from every one.
std::vector<std::wstring> DeviceNames(const std::vector<DeviceInfo*>& rows);

// "Edit..." and "Delete" are enabled exactly when the list has a row.
bool DeviceButtonsEnabled(int rowCount);

// The boxes before the editor opens for the selected row; device is the selected row's
// record (null when none is selected). True when the editor may open: the list has a
// selection and the operator, warned that entries use the device, still goes on.
bool ConfirmDeviceEdit(core::MessageBoxPort& boxes, core::WindowHandle owner, int rowCount,
                       const DeviceInfo* device, const EntryRefs& entries);

// The boxes before the selected row goes: the refusals of an empty list, of no
// selection and of a device that entries use, then the question. True when the
// operator answered Yes.
bool ConfirmDeviceDelete(core::MessageBoxPort& boxes, core::WindowHandle owner, int rowCount,
                         const DeviceInfo* device, const EntryRefs& entries);

}  // namespace cuebell
