// The device manager's rules: the list's columns and cells, and every box the Edit and
// Delete commands show before they go on or stop.
#include "cuebell/editors/device_manager_rules.h"

#include <gtest/gtest.h>

#include <cctype>
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

struct Box {
    std::wstring text, caption;
    unsigned flags;
};

struct SequenceCase {
    const char* what;
    bool (*confirm)(core::MessageBoxPort&, core::WindowHandle, int, const DeviceInfo*,
                    const EntryRefs&);
    int rowCount;
    bool selected;
    std::vector<std::wstring> users;  // names of the entries on the selected device
    int answer;                       // to a Yes/No box
    bool goesOn;
    std::vector<Box> boxes;
};

class DeviceCommandTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(DeviceCommandTest, ShowsTheBoxesInOrderAndGoesOnOnlyWhenAllowed) {
    const SequenceCase& c = GetParam();
    const DeviceInfo device = Device(L"CX840 Input 2 B1", 48000, 14, L"{dev-1}");
    // Entries on other devices, and one on a device id differing only in case, never count.
    std::vector<GpiInfo> entries{Entry(L"WAV_Other", L"{dev-2}"), Entry(L"WAV_Case", L"{DEV-1}")};
    for (const auto& name : c.users) {
        entries.push_back(Entry(name, L"{dev-1}"));
    }
    EntryRefs refs;
    for (auto& entry : entries) {
        refs.push_back(&entry);
    }
    core::MemoryMessageBox boxes;
    boxes.SetDefaultAnswer(c.answer);
    const bool goesOn = c.confirm(boxes, 42, c.rowCount, c.selected ? &device : nullptr, refs);
    EXPECT_EQ(goesOn, c.goesOn);
    ASSERT_EQ(boxes.Calls().size(), c.boxes.size());
    for (size_t i = 0; i < c.boxes.size(); ++i) {
        EXPECT_EQ(boxes.Calls()[i].owner, 42u);
        EXPECT_EQ(boxes.Calls()[i].text, c.boxes[i].text);
        EXPECT_EQ(boxes.Calls()[i].caption, c.boxes[i].caption);
        EXPECT_EQ(boxes.Calls()[i].flags, c.boxes[i].flags);
    }
}

constexpr unsigned kError = core::kMbOk | core::kMbIconError;
constexpr unsigned kExclamation = core::kMbOk | core::kMbIconWarning;
constexpr unsigned kWarnYesNo = core::kMbYesNo | core::kMbIconWarning;
constexpr unsigned kAskYesNo = core::kMbYesNo | core::kMbIconQuestion;
const wchar_t kUsedByOne[] = L"The selected device is used by the detection entry: \n1) WAV_News.";
const wchar_t kUsedByFour[] =
    L"The selected device is used by the detection entries: \n1) WAV_A;\n2) WAV_B;\n3) WAV_C;\n...";
const wchar_t kAskDelete[] = L"Are you sure you want to delete 'CX840 Input 2 B1'?";

INSTANTIATE_TEST_SUITE_P(
    EditAndDelete, DeviceCommandTest,
    ::testing::Values(
        SequenceCase{"edit empty list",
                     ConfirmDeviceEdit,
                     0,
                     false,
                     {},
                     core::kIdYes,
                     false,
                     {{L"Devices list is empty!", L"Devices list", kError}}},
        SequenceCase{"edit without selection",
                     ConfirmDeviceEdit,
                     2,
                     false,
                     {},
                     core::kIdYes,
                     false,
                     {{L"No item selected!", L"Devices list", kError}}},
        SequenceCase{"edit unused device", ConfirmDeviceEdit, 2, true, {}, core::kIdNo, true, {}},
        SequenceCase{
            "edit used device, Yes",
            ConfirmDeviceEdit,
            2,
            true,
            {L"WAV_News"},
            core::kIdYes,
            true,
            {{std::wstring(kUsedByOne) + L"\n\nContinue anyway?", L"Edit device", kWarnYesNo}}},
        SequenceCase{
            "edit used device, No",
            ConfirmDeviceEdit,
            2,
            true,
            {L"WAV_A", L"WAV_B", L"WAV_C", L"WAV_D"},
            core::kIdNo,
            false,
            {{std::wstring(kUsedByFour) + L"\n\nContinue anyway?", L"Edit device", kWarnYesNo}}},
        SequenceCase{"delete empty list",
                     ConfirmDeviceDelete,
                     0,
                     false,
                     {},
                     core::kIdYes,
                     false,
                     {{L"There is no selected device to delete!", L"Delete device", kError}}},
        SequenceCase{"delete without selection",
                     ConfirmDeviceDelete,
                     3,
                     false,
                     {},
                     core::kIdYes,
                     false,
                     {{L"There is no selected device to delete!", L"Delete device", kExclamation}}},
        SequenceCase{"delete device used by one",
                     ConfirmDeviceDelete,
                     3,
                     true,
                     {L"WAV_News"},
                     core::kIdYes,
                     false,
                     {{L"Cannot delete the selected device: it is used by the detection entry: "
                       L"\n1) WAV_News.",
                       L"Delete device", kError}}},
        SequenceCase{"delete device used by two",
                     ConfirmDeviceDelete,
                     3,
                     true,
                     {L"WAV_News", L"WAV_Sport"},
                     core::kIdYes,
                     false,
                     {{L"Cannot delete the selected device: it is used by the detection "
                       L"entries: \n1) WAV_News;\n2) WAV_Sport.",
                       L"Delete device", kError}}},
        SequenceCase{"delete unused, Yes",
                     ConfirmDeviceDelete,
                     3,
                     true,
                     {},
                     core::kIdYes,
                     true,
                     {{kAskDelete, L"Delete device", kAskYesNo}}},
        SequenceCase{"delete unused, No",
                     ConfirmDeviceDelete,
                     3,
                     true,
                     {},
                     core::kIdNo,
                     false,
                     {{kAskDelete, L"Delete device", kAskYesNo}}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(DeviceNamesTest, RowOrderWithoutGaps) {
    const DeviceInfo a = Device(L"CX840 Input 1 B1", 8000, 12, L"{a}");
    const DeviceInfo b = Device(L"CX840 Input 3 B2", 44100, 14, L"{b}");
    EXPECT_EQ(DeviceNames({&b, nullptr, &a}),
              (std::vector<std::wstring>{L"CX840 Input 3 B2", L"CX840 Input 1 B1"}));
}

}  // namespace
}  // namespace cuebell
