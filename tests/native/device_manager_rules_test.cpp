// The device manager's rules: the list's columns and cells, and every box the Edit and
// Delete commands show before they go on or stop.
#include "cuebell/editors/device_manager_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shared/inmemory/memory_message_box.h"

namespace cuebell {
namespace {

DeviceInfo Device(const std::wstring& name, int32_t rate, int32_t digit, const std::wstring& id) {
    DeviceInfo device;
    device.Name = name;
    device.SampleRate = rate;
    device.AnalysisDigit = digit;
    device.DeviceId = id;
    return device;
}

GpiInfo Entry(const std::wstring& name, const std::wstring& deviceId) {
    GpiInfo entry;
    entry.Name = name;
    entry.DeviceId = deviceId;
    return entry;
}

TEST(DeviceListColumnsTest, NameTakesWhatTheRateAndIntervalLeave) {
    const auto columns = DeviceListColumns(500);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].title, L"Name");
    EXPECT_EQ(columns[1].title, L"Sample rate (Hz)");
    EXPECT_EQ(columns[2].title, L"Analysis interval (ms)");
    EXPECT_EQ(columns[0].width, 240);
    EXPECT_EQ(columns[1].width + columns[2].width, 260);
    EXPECT_EQ(DeviceListColumns(100)[0].width, 0);
    for (const auto& column : columns) {
        EXPECT_EQ(DeviceCellText(Device(L"CX840 Input 1 B1", 44100, 14, L"{d}"), column.id),
                  column.id == kDeviceNameColumn   ? L"CX840 Input 1 B1"
                  : column.id == kDeviceRateColumn ? L"44100"
                                                   : L"371");
    }
    EXPECT_EQ(DeviceCellText(Device(L"X", 48000, 15, L"{d}"), kDeviceIntervalColumn), L"682");
    EXPECT_EQ(DeviceCellText(Device(L"X", 48000, 15, L"{d}"), 99), L"");
}

// --- The boxes of Edit and Delete, and whether the command goes on.

using Confirm = bool (*)(core::MessageBoxPort&, core::WindowHandle, int, const DeviceInfo*,
                         const EntryRefs&);

// The manager's rows: rowCount devices, the first a copy of the selected device when
// there is one (else none is selected).
core::OrderedRecords<DeviceInfo> Rows(int rowCount, const DeviceInfo* selected) {
    core::OrderedRecords<DeviceInfo> rows;
    for (int i = 0; i < rowCount; ++i) {
        rows.Append(std::make_unique<DeviceInfo>(i == 0 && selected ? *selected : DeviceInfo{}));
    }
    return rows;
}

// Edit and Delete up to the point where they go on, as the manager's list runs them.
bool ConfirmDeviceEdit(core::MessageBoxPort& boxes, core::WindowHandle owner, int rowCount,
                       const DeviceInfo* device, const EntryRefs& entries) {
    const core::OrderedRecords<DeviceInfo> rows = Rows(rowCount, device);
    return core::RecordToEdit(rows, device ? 0 : -1, DeviceListDescription(entries), boxes,
                              owner) != nullptr;
}

bool ConfirmDeviceDelete(core::MessageBoxPort& boxes, core::WindowHandle owner, int rowCount,
                         const DeviceInfo* device, const EntryRefs& entries) {
    core::OrderedRecords<DeviceInfo> rows = Rows(rowCount, device);
    return core::DeleteSelectedRecord(rows, device ? 0 : -1, DeviceListDescription(entries), boxes,
                                      owner)
               .removed != nullptr;
}

struct CommandCase {
    Confirm confirm;
    int rowCount;
    bool selected;
    std::vector<std::wstring> users;  // the entries on the selected device
    int answer;                       // to a Yes/No box
    bool goesOn;
    std::wstring text, caption;  // the box shown; no text: none
    unsigned flags;
};

constexpr unsigned kError = core::kMbOk | core::kMbIconError;
constexpr unsigned kWarnYesNo = core::kMbYesNo | core::kMbIconWarning;
constexpr unsigned kAskYesNo = core::kMbYesNo | core::kMbIconQuestion;
const std::wstring kUsedByOne =
    L"The selected device is used by the detection entry: \n1) WAV_News.\n\nContinue anyway?";
const std::wstring kUsedByFour =
    L"The selected device is used by the detection entries: \n1) WAV_A;\n2) WAV_B;\n3) WAV_C;"
    L"\n...\n\nContinue anyway?";
const std::wstring kAskDelete = L"Are you sure you want to delete 'CX840 Input 2 B1'?";
const std::wstring kNoSelection = L"There is no selected device to delete!";

TEST(DeviceCommandTest, ShowsTheFirstBoxThatAppliesAndGoesOnOnlyWhenAllowed) {
    const std::vector<std::wstring> four{L"WAV_A", L"WAV_B", L"WAV_C", L"WAV_D"};
    const CommandCase cases[] = {
        {ConfirmDeviceEdit,
         0,
         false,
         {},
         core::kIdYes,
         false,
         L"Devices list is empty!",
         L"Devices list",
         kError},
        {ConfirmDeviceEdit,
         2,
         false,
         {},
         core::kIdYes,
         false,
         L"No item selected!",
         L"Devices list",
         kError},
        {ConfirmDeviceEdit, 2, true, {}, core::kIdNo, true, L"", L"", 0},
        {ConfirmDeviceEdit,
         2,
         true,
         {L"WAV_News"},
         core::kIdYes,
         true,
         kUsedByOne,
         L"Edit device",
         kWarnYesNo},
        {ConfirmDeviceEdit, 2, true, four, core::kIdNo, false, kUsedByFour, L"Edit device",
         kWarnYesNo},
        {ConfirmDeviceDelete,
         0,
         false,
         {},
         core::kIdYes,
         false,
         kNoSelection,
         L"Delete device",
         kError},
        {ConfirmDeviceDelete,
         3,
         false,
         {},
         core::kIdYes,
         false,
         kNoSelection,
         L"Delete device",
         core::kMbOk | core::kMbIconWarning},
        {ConfirmDeviceDelete,
         3,
         true,
         {L"WAV_News"},
         core::kIdYes,
         false,
         L"Cannot delete the selected device: it is used by the detection entry: \n1) WAV_News.",
         L"Delete device",
         kError},
        {ConfirmDeviceDelete,
         3,
         true,
         {L"WAV_News", L"WAV_Sport"},
         core::kIdYes,
         false,
         L"Cannot delete the selected device: it is used by the detection entries: \n"
         L"1) WAV_News;\n2) WAV_Sport.",
         L"Delete device",
         kError},
        {ConfirmDeviceDelete,
         3,
         true,
         {},
         core::kIdYes,
         true,
         kAskDelete,
         L"Delete device",
         kAskYesNo},
        {ConfirmDeviceDelete,
         3,
         true,
         {},
         core::kIdNo,
         false,
         kAskDelete,
         L"Delete device",
         kAskYesNo},
    };
    const DeviceInfo device = Device(L"CX840 Input 2 B1", 48000, 14, L"{dev-1}");
    for (const CommandCase& c : cases) {
        // Entries on other devices, and one whose device id differs only in case, never count.
        std::vector<GpiInfo> entries{Entry(L"WAV_Other", L"{dev-2}"),
                                     Entry(L"WAV_Case", L"{DEV-1}")};
        for (const auto& name : c.users) {
            entries.push_back(Entry(name, L"{dev-1}"));
        }
        EntryRefs refs;
        for (auto& entry : entries) {
            refs.push_back(&entry);
        }
        core::MemoryMessageBox boxes;
        boxes.SetDefaultAnswer(c.answer);
        EXPECT_EQ(c.confirm(boxes, 42, c.rowCount, c.selected ? &device : nullptr, refs), c.goesOn)
            << c.text;
        ASSERT_EQ(boxes.Calls().size(), c.text.empty() ? 0u : 1u) << c.text;
        if (!c.text.empty()) {
            EXPECT_EQ(boxes.Calls()[0].owner, 42u);
            EXPECT_EQ(boxes.Calls()[0].text, c.text);
            EXPECT_EQ(boxes.Calls()[0].caption, c.caption);
            EXPECT_EQ(boxes.Calls()[0].flags, c.flags);
        }
    }
}

}  // namespace
}  // namespace cuebell
