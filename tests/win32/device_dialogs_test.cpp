// The device manager and the device editor from the program's own templates, driven as an
// operator would: add, edit, a refused and a confirmed delete, OK and Cancel, the list's
// keys and clicks, and the editor without a board driver.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cuebell/editors/win32/device_add_edit_dlg.h"
#include "cuebell/editors/win32/device_manager_dlg.h"
#include "cuebell/resource.h"
#include "cuebell_dialog_driver.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_system.h"
#include "shared/win32/win32_message_box.h"

namespace cuebelltest {
namespace {

using cuebell::DeviceInfo;
using cuebell::DeviceList;
using cuebell::GpiInfo;

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

bool SameDevices(const DeviceList& a, const DeviceList& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].Name != b[i].Name || a[i].SampleRate != b[i].SampleRate ||
            a[i].AnalysisDigit != b[i].AnalysisDigit || a[i].DeviceId != b[i].DeviceId) {
            return false;
        }
    }
    return true;
}

// --- Combo boxes as the operator sees and uses them (the dialog lives in this process,
// so the messages may carry this thread's buffers).

std::vector<std::wstring> ComboItems(HWND dialog, int id) {
    win32::CComboBox combo(::GetDlgItem(dialog, id));
    std::vector<std::wstring> items;
    for (int i = 0; i < combo.GetCount(); ++i) {
        items.push_back(combo.GetLBText(i));
    }
    return items;
}

std::wstring ComboSelection(HWND dialog, int id) {
    win32::CComboBox combo(::GetDlgItem(dialog, id));
    const int selected = combo.GetCurSel();
    return selected >= 0 ? combo.GetLBText(selected) : L"(none)";
}

void ChooseComboItem(DialogDriver& driver, HWND dialog, int id, int index) {
    HWND combo = ::GetDlgItem(dialog, id);
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    driver.Settle(dialog);
}

bool Enabled(HWND dialog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

// What an editor showed: its three lists' selections.
struct EditorView {
    std::wstring name, rate, interval;
};

EditorView ReadEditor(HWND editor) {
    return EditorView{ComboSelection(editor, IDC_DEVICE_NAME),
                      ComboSelection(editor, IDC_DEVICE_SAMPLE_RATE),
                      ComboSelection(editor, IDC_DEVICE_ANALYSIS_INTERVAL)};
}

class DeviceDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        boards.boardRates = {48000, 44100};
        devices = {Device(L"CX840 Input 1 B1", 48000, 14, L"{d1}"),
                   Device(L"CX840 Input 2 B2", 44100, 15, L"{d2}"),
                   Device(L"CX840 Input 3 B1", 8000, 12, L"{d3}")};
        entries = {Entry(L"WAV_News", L"{d1}"), Entry(L"WAV_Ads", L"{d3}"),
                   Entry(L"WAV_Sport", L"{d1}")};
    }

    DialogRun RunManager(const std::function<void(DialogDriver&)>& script) {
        cuebell::EntryRefs refs;
        for (auto& entry : entries) {
            refs.push_back(&entry);
        }
        cuebell::CDeviceManagerDlg manager(
            ::GetModuleHandleW(nullptr),
            cuebell::DeviceManagerInputs{devices, boardList, refs, realBoxes, boards, system});
        return RunWithDriver([&] { return manager.DoModal(nullptr); }, script);
    }

    core::StringList boardList{L"1", L"2"};
    core::MemoryBoardDriver boards;
    core::MemorySystem system;
    win32::Win32MessageBox realBoxes;
    DeviceList devices;
    std::vector<GpiInfo> entries;
};

const Rows kOwnersRows{{L"CX840 Input 1 B1", L"48000", L"341"},
                       {L"CX840 Input 2 B2", L"44100", L"743"},
                       {L"CX840 Input 3 B1", L"8000", L"512"}};

TEST_F(DeviceDialogsTest, AddEditDeleteThenOkReplacesTheOwnersDevicesInRowOrder) {
    struct Seen {
        Rows opened;
        int openedSelection = -1;
        bool buttonsEnabled = false;
        std::vector<std::wstring> names, rates;
        EditorView added, addedDefault;
        SeenBox duplicate, editWarning, usedRefusal, question;
        Rows afterAdd, afterEdit, afterRefusal, afterDelete;
        int selectedAfterDelete = -1;
    } seen;

    const DialogRun run = RunManager([&](DialogDriver& driver) {
        HWND manager = driver.WaitForDialog(L"Devices");
        if (!manager) {
            return;
        }
        HWND list = ::GetDlgItem(manager, IDC_DEVICE_LIST);
        seen.opened = driver.ReadRows(list);
        seen.openedSelection = driver.SelectedRow(list);
        seen.buttonsEnabled =
            Enabled(manager, IDC_DEVICE_EDIT) && Enabled(manager, IDC_DEVICE_DELETE);

        // Add: the first input is taken, so OK is refused until another is chosen.
        driver.Click(manager, IDC_DEVICE_ADD);
        HWND editor = driver.WaitForDialog(L"Add device");
        if (!editor) {
            return;
        }
        seen.names = ComboItems(editor, IDC_DEVICE_NAME);
        seen.rates = ComboItems(editor, IDC_DEVICE_SAMPLE_RATE);
        seen.added = ReadEditor(editor);
        driver.Click(editor, IDOK);
        seen.duplicate = driver.Answer(IDOK);
        ChooseComboItem(driver, editor, IDC_DEVICE_NAME, 5);
        driver.ClickAndWait(editor, IDC_DEVICE_SET_DEFAULT);
        seen.addedDefault = ReadEditor(editor);
        driver.Click(editor, IDOK);
        driver.WaitUntilGone(editor);
        driver.Settle(manager);
        seen.afterAdd = driver.ReadRows(list);

        // Edit the device one entry uses: warned, goes on, picks another rate.
        driver.SelectRow(list, 2);
        driver.Click(manager, IDC_DEVICE_EDIT);
        seen.editWarning = driver.Answer(IDYES);
        editor = driver.WaitForDialog(L"Edit device");
        if (!editor) {
            return;
        }
        ChooseComboItem(driver, editor, IDC_DEVICE_SAMPLE_RATE, 1);
        driver.Click(editor, IDOK);
        driver.WaitUntilGone(editor);
        driver.Settle(manager);
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
    EXPECT_EQ(seen.opened, kOwnersRows);
    EXPECT_EQ(seen.openedSelection, 2);
    EXPECT_TRUE(seen.buttonsEnabled);

    EXPECT_EQ(seen.names, (std::vector<std::wstring>{L"CX840 Input 1 B1", L"CX840 Input 2 B1",
                                                     L"CX840 Input 3 B1", L"CX840 Input 1 B2",
                                                     L"CX840 Input 2 B2", L"CX840 Input 3 B2"}));
    EXPECT_EQ(seen.rates, (std::vector<std::wstring>{L"8000", L"16000", L"24000", L"48000"}));
    EXPECT_EQ(seen.added.name, L"CX840 Input 1 B1");
    EXPECT_EQ(seen.added.rate, L"8000");
    EXPECT_EQ(seen.added.interval, L"512");
    EXPECT_EQ(seen.duplicate.text,
              L"Cannot add the device! A device with this name already exists.");
    EXPECT_EQ(seen.duplicate.caption, L"Add device");
    EXPECT_EQ(seen.addedDefault.name, L"CX840 Input 3 B2");
    EXPECT_EQ(seen.addedDefault.rate, L"44100");
    EXPECT_EQ(seen.addedDefault.interval, L"371");

    Rows expected = kOwnersRows;
    expected.push_back({L"CX840 Input 3 B2", L"44100", L"371"});
    EXPECT_EQ(seen.afterAdd, expected);

    EXPECT_EQ(seen.editWarning.text,
              L"The selected device is used by the detection entry: \n1) WAV_Ads.\n\n"
              L"Continue anyway?");
    EXPECT_EQ(seen.editWarning.caption, L"Edit device");
    expected[2] = {L"CX840 Input 3 B1", L"16000", L"512"};
    EXPECT_EQ(seen.afterEdit, expected);

    EXPECT_EQ(seen.usedRefusal.text,
              L"Cannot delete the selected device: it is used by the detection entries: \n"
              L"1) WAV_News;\n2) WAV_Sport.");
    EXPECT_EQ(seen.usedRefusal.caption, L"Delete device");
    EXPECT_EQ(seen.afterRefusal, expected);

    EXPECT_EQ(seen.question.text, L"Are you sure you want to delete 'CX840 Input 2 B2'?");
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(seen.afterDelete, expected);
    EXPECT_EQ(seen.selectedAfterDelete, 1);

    // The owner's devices are the rows, in row order; edited devices keep their identifier.
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_TRUE(
        SameDevices({devices[0], devices[1]}, {Device(L"CX840 Input 1 B1", 48000, 14, L"{d1}"),
                                               Device(L"CX840 Input 3 B1", 16000, 13, L"{d3}")}));
    EXPECT_EQ(devices[2].Name, L"CX840 Input 3 B2");
    EXPECT_EQ(devices[2].SampleRate, 44100);
    EXPECT_EQ(devices[2].AnalysisDigit, 14);
    EXPECT_FALSE(devices[2].DeviceId.empty());
    EXPECT_NE(devices[2].DeviceId, L"{d2}");
}

TEST_F(DeviceDialogsTest, CancelLeavesTheOwnersDevicesUnchanged) {
    struct Seen {
        int selectedBeforeDoubleClick = 0;
        SeenBox editWarning;
        bool addOpenedByInsert = false;
        Rows beforeCancel;
    } seen;

    const DeviceList before = devices;
    const DialogRun run = RunManager([&](DialogDriver& driver) {
        HWND manager = driver.WaitForDialog(L"Devices");
        if (!manager) {
            return;
        }
        HWND list = ::GetDlgItem(manager, IDC_DEVICE_LIST);

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

        // Insert opens the editor for a new device; it is added, then cancelled with the rest.
        driver.PressKey(list, VK_INSERT);
        HWND editor = driver.WaitForDialog(L"Add device");
        seen.addOpenedByInsert = editor != nullptr;
        if (!editor) {
            return;
        }
        ChooseComboItem(driver, editor, IDC_DEVICE_NAME, 1);
        driver.Click(editor, IDOK);
        driver.WaitUntilGone(editor);

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
    EXPECT_TRUE(seen.addOpenedByInsert);
    EXPECT_EQ(seen.beforeCancel,
              (Rows{kOwnersRows[0], kOwnersRows[2], {L"CX840 Input 2 B1", L"8000", L"512"}}));
    EXPECT_TRUE(SameDevices(devices, before));
}

TEST_F(DeviceDialogsTest, EditorWithoutTheBoardDriverOffersNoRateAndRefusesOk) {
    boards.failCreate = true;
    DeviceInfo device = Device(L"CX840 Input 2 B1", 48000, 14, L"{d1}");
    struct Seen {
        SeenBox noBoard, refusal;
        EditorView view;
        bool stillOpen = false;
    } seen;

    cuebell::CDeviceAddEditDlg editor(
        cuebell::DeviceEditorContext{::GetModuleHandleW(nullptr), boards, realBoxes, boardList},
        &device);
    const DialogRun run = RunWithDriver([&] { return editor.DoModal(nullptr); },
                                        [&](DialogDriver& driver) {
                                            seen.noBoard = driver.Answer(IDOK);
                                            HWND dialog = driver.WaitForDialog(L"Edit device");
                                            if (!dialog) {
                                                return;
                                            }
                                            seen.view = ReadEditor(dialog);
                                            driver.Click(dialog, IDOK);
                                            seen.refusal = driver.Answer(IDOK);
                                            driver.Settle(dialog);
                                            seen.stillOpen = ::IsWindowVisible(dialog) != FALSE;
                                            driver.Click(dialog, IDCANCEL);
                                            driver.WaitUntilGone(dialog);
                                        });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(seen.noBoard.caption, L"Check CX840 board");
    EXPECT_EQ(seen.view.name, L"CX840 Input 2 B1");
    EXPECT_EQ(seen.view.rate, L"(none)");
    EXPECT_EQ(seen.view.interval, L"(none)");
    EXPECT_EQ(seen.refusal.text, L"Illegal device 'CX840 Input 2 B1'!");
    EXPECT_EQ(seen.refusal.caption, L"Add/edit device");
    EXPECT_TRUE(seen.stillOpen);
    EXPECT_TRUE(SameDevices({device}, {Device(L"CX840 Input 2 B1", 48000, 14, L"{d1}")}));
}

}  // namespace
}  // namespace cuebelltest
