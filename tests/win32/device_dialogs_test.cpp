// The device manager and the device editor from the program's own templates, driven as an
// operator would: add, edit, a refused and a confirmed delete, OK and Cancel, and the
// list's keys and clicks.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cuebell/editors/win32/device_manager_dlg.h"
#include "cuebell/resource.h"
#include "dialog_driver.h"
#include "shared/format.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_system.h"
#include "shared/win32/win32_message_box.h"

namespace cuebelltest {
namespace {

using cuebell::DeviceInfo;
using cuebell::DeviceList;

DeviceInfo Device(const std::wstring& name, int32_t rate, int32_t digit, const std::wstring& id) {
    DeviceInfo device;
    device.Name = name;
    device.SampleRate = rate;
    device.AnalysisDigit = digit;
    device.DeviceId = id;
    return device;
}

// Every field of every device, one line each.
std::vector<std::wstring> Lines(const DeviceList& devices) {
    std::vector<std::wstring> lines;
    for (const DeviceInfo& d : devices) {
        lines.push_back(
            core::Format(L"%s %d %d %s", d.Name, d.SampleRate, d.AnalysisDigit, d.DeviceId));
    }
    return lines;
}

// The editor's three selections, "name | rate | interval".
std::wstring EditorChoices(HWND editor) {
    std::wstring shown;
    for (int id : {IDC_DEVICE_NAME, IDC_DEVICE_SAMPLE_RATE, IDC_DEVICE_ANALYSIS_INTERVAL}) {
        win32::CComboBox combo(::GetDlgItem(editor, id));
        shown += (shown.empty() ? L"" : L" | ") + combo.GetLBText(combo.GetCurSel());
    }
    return shown;
}

// The operator picks an item: the selection moves and the dialog hears of it.
void Choose(DialogDriver& driver, HWND dialog, int id, int index) {
    HWND combo = ::GetDlgItem(dialog, id);
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    driver.Settle(dialog);
}

// Runs the editor the click opens: the script, then OK; false when it did not open.
bool InEditor(DialogDriver& driver, HWND manager, const std::wstring& title,
              const std::function<void(HWND)>& script) {
    HWND editor = driver.WaitForDialog(title);
    if (!editor) {
        return false;
    }
    script(editor);
    driver.Click(editor, IDOK);
    driver.WaitUntilGone(editor);
    driver.Settle(manager);
    return true;
}

class DeviceDialogsTest : public ::testing::Test {
  protected:
    DialogRun RunManager(const std::function<void(DialogDriver&, HWND, HWND)>& script) {
        std::vector<cuebell::GpiInfo> entries(3);
        entries[0].Name = L"WAV_News", entries[0].DeviceId = L"{d1}";
        entries[1].Name = L"WAV_Ads", entries[1].DeviceId = L"{d3}";
        entries[2].Name = L"WAV_Sport", entries[2].DeviceId = L"{d1}";
        cuebell::EntryRefs refs{&entries[0], &entries[1], &entries[2]};
        cuebell::CDeviceManagerDlg manager(
            ::GetModuleHandleW(nullptr),
            cuebell::DeviceManagerInputs{devices, boardList, refs, boxes, boards, system});
        return RunWithDriver([&] { return manager.DoModal(nullptr); },
                             [&](DialogDriver& driver) {
                                 if (HWND dialog = driver.WaitForDialog(L"Devices")) {
                                     script(driver, dialog, ::GetDlgItem(dialog, IDC_DEVICE_LIST));
                                 }
                             });
    }

    DeviceList devices{Device(L"CX840 Input 1 B1", 48000, 14, L"{d1}"),
                       Device(L"CX840 Input 2 B2", 44100, 15, L"{d2}"),
                       Device(L"CX840 Input 3 B1", 8000, 12, L"{d3}")};
    core::StringList boardList{L"1", L"2"};
    core::MemoryBoardDriver boards;  // boards 1 and 2 below
    core::MemorySystem system;
    win32::Win32MessageBox boxes;

    void SetUp() override { boards.boardRates = {48000, 44100}; }
};

const std::vector<std::wstring> kInput1B1{L"CX840 Input 1 B1", L"48000", L"341"};
const std::vector<std::wstring> kInput2B2{L"CX840 Input 2 B2", L"44100", L"743"};
const std::vector<std::wstring> kInput3B1{L"CX840 Input 3 B1", L"8000", L"512"};

TEST_F(DeviceDialogsTest, AddEditDeleteThenOkReplacesTheOwnersDevicesInRowOrder) {
    struct Seen {
        Rows opened, afterAdd, afterEdit, afterRefusal, afterDelete;
        int openedSelection = -1, selectedAfterDelete = -1;
        std::wstring newDevice, setDefault;
        SeenBox duplicate, editWarning, usedRefusal, question;
    } seen;

    const DialogRun run = RunManager([&](DialogDriver& driver, HWND manager, HWND list) {
        seen.opened = driver.ReadRows(list);
        seen.openedSelection = driver.SelectedRow(list);

        // Add: the first input is taken, so OK is refused until another is chosen.
        driver.Click(manager, IDC_DEVICE_ADD);
        InEditor(driver, manager, L"Add device", [&](HWND editor) {
            seen.newDevice = EditorChoices(editor);
            driver.Click(editor, IDOK);
            seen.duplicate = driver.Answer(IDOK);
            Choose(driver, editor, IDC_DEVICE_NAME, 5);
            driver.ClickAndWait(editor, IDC_DEVICE_SET_DEFAULT);
            seen.setDefault = EditorChoices(editor);
        });
        seen.afterAdd = driver.ReadRows(list);

        // Edit the device one entry uses: warned, goes on, picks another rate.
        driver.SelectRow(list, 2);
        driver.Click(manager, IDC_DEVICE_EDIT);
        seen.editWarning = driver.Answer(IDYES);
        InEditor(driver, manager, L"Edit device",
                 [&](HWND editor) { Choose(driver, editor, IDC_DEVICE_SAMPLE_RATE, 1); });
        seen.afterEdit = driver.ReadRows(list);

        // The Delete key on a device two entries use: refused.
        driver.SelectRow(list, 0);
        driver.PressKey(list, VK_DELETE);
        seen.usedRefusal = driver.Answer(IDOK);
        driver.Settle(manager);
        seen.afterRefusal = driver.ReadRows(list);

        // The unused device goes after the question; the next row takes its place.
        driver.SelectRow(list, 1);
        driver.Click(manager, IDC_DEVICE_DELETE);
        seen.question = driver.Answer(IDYES);
        driver.Settle(manager);
        seen.afterDelete = driver.ReadRows(list);
        seen.selectedAfterDelete = driver.SelectedRow(list);

        driver.Click(manager, IDOK);
        driver.WaitUntilGone(manager);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(seen.opened, (Rows{kInput1B1, kInput2B2, kInput3B1}));
    EXPECT_EQ(seen.openedSelection, 2);

    EXPECT_EQ(seen.newDevice, L"CX840 Input 1 B1 | 8000 | 512");
    EXPECT_EQ(seen.duplicate.text,
              L"Cannot add the device! A device with this name already exists.");
    EXPECT_EQ(seen.duplicate.caption, L"Add device");
    EXPECT_EQ(seen.setDefault, L"CX840 Input 3 B2 | 44100 | 371");
    const std::vector<std::wstring> added{L"CX840 Input 3 B2", L"44100", L"371"};
    EXPECT_EQ(seen.afterAdd, (Rows{kInput1B1, kInput2B2, kInput3B1, added}));

    EXPECT_EQ(seen.editWarning.text,
              L"The selected device is used by the detection entry: \n1) WAV_Ads.\n\n"
              L"Continue anyway?");
    EXPECT_EQ(seen.editWarning.caption, L"Edit device");
    const std::vector<std::wstring> edited{L"CX840 Input 3 B1", L"16000", L"512"};
    EXPECT_EQ(seen.afterEdit, (Rows{kInput1B1, kInput2B2, edited, added}));

    EXPECT_EQ(seen.usedRefusal.text,
              L"Cannot delete the selected device: it is used by the detection entries: \n"
              L"1) WAV_News;\n2) WAV_Sport.");
    EXPECT_EQ(seen.usedRefusal.caption, L"Delete device");
    EXPECT_EQ(seen.afterRefusal, seen.afterEdit);

    EXPECT_EQ(seen.question.text, L"Are you sure you want to delete 'CX840 Input 2 B2'?");
    EXPECT_EQ(seen.afterDelete, (Rows{kInput1B1, edited, added}));
    EXPECT_EQ(seen.selectedAfterDelete, 1);

    // The owner's devices are the rows in row order; an edited device keeps its identifier,
    // a new one has one of its own.
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(Lines({devices[0], devices[1]}),
              Lines({Device(L"CX840 Input 1 B1", 48000, 14, L"{d1}"),
                     Device(L"CX840 Input 3 B1", 16000, 13, L"{d3}")}));
    EXPECT_EQ(Lines({devices[2]}),
              Lines({Device(L"CX840 Input 3 B2", 44100, 14, devices[2].DeviceId)}));
    EXPECT_FALSE(devices[2].DeviceId.empty());
    EXPECT_NE(devices[2].DeviceId, L"{d2}");
}

TEST_F(DeviceDialogsTest, CancelLeavesTheOwnersDevicesUnchanged) {
    struct Seen {
        int selectedBeforeDoubleClick = 0;
        SeenBox editWarning;
        bool addedByInsert = false;
        Rows beforeCancel;
    } seen;

    const DeviceList before = devices;
    const DialogRun run = RunManager([&](DialogDriver& driver, HWND manager, HWND list) {
        // A double click beside the rows with nothing selected edits the last row, whose
        // device an entry uses: the warning names it, and No ends the edit.
        driver.SelectRow(list, -1);
        seen.selectedBeforeDoubleClick = driver.SelectedRow(list);
        const RECT client = win32::CListView(list).GetClientRect();
        const LPARAM below = MAKELPARAM(client.right / 2, client.bottom - 4);
        ::PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, below);
        ::PostMessageW(list, WM_LBUTTONUP, 0, below);
        seen.editWarning = driver.Answer(IDNO);
        driver.Settle(manager);

        // Insert adds a device, Delete removes one; Cancel drops both changes.
        driver.PressKey(list, VK_INSERT);
        seen.addedByInsert = InEditor(driver, manager, L"Add device", [&](HWND editor) {
            Choose(driver, editor, IDC_DEVICE_NAME, 1);
        });
        driver.SelectRow(list, 1);
        driver.Click(manager, IDC_DEVICE_DELETE);
        driver.Answer(IDYES);
        driver.Settle(manager);
        seen.beforeCancel = driver.ReadRows(list);
        driver.Click(manager, IDCANCEL);
        driver.WaitUntilGone(manager);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(seen.selectedBeforeDoubleClick, -1);
    EXPECT_EQ(seen.editWarning.text,
              L"The selected device is used by the detection entry: \n1) WAV_Ads.\n\n"
              L"Continue anyway?");
    EXPECT_TRUE(seen.addedByInsert);
    EXPECT_EQ(seen.beforeCancel,
              (Rows{kInput1B1, kInput3B1, {L"CX840 Input 2 B1", L"8000", L"512"}}));
    EXPECT_EQ(Lines(devices), Lines(before));
}

}  // namespace
}  // namespace cuebelltest
