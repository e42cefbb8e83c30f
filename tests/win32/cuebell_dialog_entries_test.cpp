// The entry list of Cuebell's main dialog as the operator uses it: the description follows
// the selection, Delete asks and selects the row that takes the deleted one's place, Add
// and Edit refuse what they must, and F1 and the system menu open the About box.
#include <gtest/gtest.h>

#include <ctime>

#include "cuebell/core/box_message.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell_dialog_fixture.h"

namespace cuebelltest {
namespace {

using core::RegRoot;
using cuebell::CuebellText;

const wchar_t kNewsDescription[] =
    L"Selected device for detection:\r\n"
    L"CX840 Input 1 B1 (Sample rate = 44100 Hz, Analysis interval = 371 ms);\r\n"
    L"-------------------------\r\n"
    L"Selected sample(s) for detection:\r\n"
    L"1) C:\\Jingles\\news.wav (Delay = 02.00 s, Offset = 00.50 s, Threshold = 30%(default));\r\n"
    L"2) C:\\Jingles\\sport.wav (Delay = 10.25 s, Offset = 01.00 s, Threshold = 45%).";

const wchar_t kSportDescription[] =
    L"Selected device for detection:\r\n"
    L"CX840 Input 2 B2 (Sample rate = 48000 Hz, Analysis interval = 682 ms);\r\n"
    L"-------------------------\r\n"
    L"Selected sample(s) for detection:\r\n"
    L"1) C:\\Jingles\\sport.wav (Delay = 10.25 s, Offset = 01.00 s, Threshold = 45%).";

std::vector<std::wstring> Names(const Rows& rows) {
    std::vector<std::wstring> names;
    for (const auto& row : rows) {
        names.push_back(row.empty() ? L"" : row[0]);
    }
    return names;
}

BOOL CALLBACK CountAboutBoxes(HWND window, LPARAM count) {
    wchar_t caption[32] = L"";
    ::GetWindowTextW(window, caption, 32);
    if (::IsWindowVisible(window) && std::wstring(caption) == L"About Cuebell") {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

bool Enabled(HWND dialog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

TEST_F(CuebellDialogTest, DescriptionFollowsTheSelection) {
    struct Seen {
        Rows rows;
        int selected = -2;
        std::wstring first, second, none;
        bool buttonsEnabled = false;
    } seen;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        seen.rows = driver.ReadRows(dialog.list);
        seen.selected = driver.SelectedRow(dialog.list);
        seen.first = driver.Text(dialog.description);
        seen.buttonsEnabled = Enabled(dialog.window, IDC_EDIT_ENTRY) &&
                              Enabled(dialog.window, IDC_DELETE_ENTRY) &&
                              Enabled(dialog.window, IDC_DESCRIPTION_LABEL);
        driver.SelectRow(dialog.list, 1);
        seen.second = driver.Text(dialog.description);
        driver.SelectRow(dialog.list, -1);
        seen.none = driver.Text(dialog.description);
        driver.Click(dialog.window, IDCANCEL);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    const Rows expected = {{L"WAV_News", L"Wait command", L"Top of hour"},
                           {L"WAV_Sport", L"Wait command", L"Match day"},
                           {L"WAV_Weather", L"Wait command", L"Forecast"}};
    EXPECT_EQ(seen.rows, expected);
    EXPECT_EQ(seen.selected, 0);
    EXPECT_EQ(seen.first, kNewsDescription);
    EXPECT_TRUE(seen.buttonsEnabled);
    EXPECT_EQ(seen.second, kSportDescription);
    EXPECT_EQ(seen.none, L"");
}

TEST_F(CuebellDialogTest, ColumnsAreSizedOnceFromTheListWidth) {
    int widths[3] = {0, 0, 0};
    int clientWidth = 0;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        for (int column = 0; column < 3; ++column) {
            widths[column] = static_cast<int>(
                ::SendMessageW(dialog.list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
        }
        RECT client;
        ::GetClientRect(dialog.list, &client);
        clientWidth = client.right;
        driver.Click(dialog.window, IDCANCEL);
    });
    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(widths[0], 150);
    EXPECT_EQ(widths[1], 100);
    EXPECT_EQ(widths[2], clientWidth - 250);
}

TEST_F(CuebellDialogTest, DeleteAsksAndSelectsTheRowThatTakesThePlaceOfTheDeletedOne) {
    UseRealMessageBoxes();
    struct Step {
        SeenBox box;
        std::vector<std::wstring> names;
        int selected = -2;
        std::wstring description;
    };
    Step declined, lastDeleted, firstDeleted, allDeleted, emptyList;
    bool aboutStayedAway = false;
    bool buttonsDisabled = false;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        auto observe = [&](Step* step) {
            step->names = Names(driver.ReadRows(dialog.list));
            step->selected = driver.SelectedRow(dialog.list);
            step->description = driver.Text(dialog.description);
        };
        // No: nothing changes. F1 while the question is open opens nothing.
        driver.SelectRow(dialog.list, 2);
        driver.Click(dialog.window, IDC_DELETE_ENTRY);
        declined.box = driver.WaitForBox();
        driver.PressHelp(declined.box.window);
        aboutStayedAway = driver.StaysAway(L"About Cuebell", 300);
        driver.Answer(IDNO);
        driver.Settle(dialog.window);
        observe(&declined);
        // Yes on the last row: the new last row is selected.
        driver.Click(dialog.window, IDC_DELETE_ENTRY);
        lastDeleted.box = driver.Answer(IDYES);
        driver.Settle(dialog.window);
        observe(&lastDeleted);
        // The Delete key on the first row: the next row moves up and is selected.
        driver.SelectRow(dialog.list, 0);
        driver.PressKey(dialog.list, VK_DELETE);
        firstDeleted.box = driver.Answer(IDYES);
        driver.Settle(dialog.window);
        observe(&firstDeleted);
        // The last entry: nothing left to select or describe.
        driver.Click(dialog.window, IDC_DELETE_ENTRY);
        allDeleted.box = driver.Answer(IDYES);
        driver.Settle(dialog.window);
        observe(&allDeleted);
        buttonsDisabled = !Enabled(dialog.window, IDC_EDIT_ENTRY) &&
                          !Enabled(dialog.window, IDC_DELETE_ENTRY) &&
                          !Enabled(dialog.window, IDC_DESCRIPTION_LABEL);
        driver.Click(dialog.window, IDC_DELETE_ENTRY);
        emptyList.box = driver.Answer(IDOK);
        driver.Click(dialog.window, IDCANCEL);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(declined.box.caption, L"Delete detection entry");
    EXPECT_EQ(declined.box.text, L"Are you sure you want to delete 'WAV_Weather'?");
    EXPECT_TRUE(aboutStayedAway);
    EXPECT_EQ(declined.names,
              (std::vector<std::wstring>{L"WAV_News", L"WAV_Sport", L"WAV_Weather"}));
    EXPECT_EQ(declined.selected, 2);

    EXPECT_EQ(lastDeleted.names, (std::vector<std::wstring>{L"WAV_News", L"WAV_Sport"}));
    EXPECT_EQ(lastDeleted.selected, 1);
    EXPECT_EQ(lastDeleted.description, kSportDescription);

    EXPECT_EQ(firstDeleted.box.text, L"Are you sure you want to delete 'WAV_News'?");
    EXPECT_EQ(firstDeleted.names, (std::vector<std::wstring>{L"WAV_Sport"}));
    EXPECT_EQ(firstDeleted.selected, 0);
    EXPECT_EQ(firstDeleted.description, kSportDescription);

    EXPECT_TRUE(allDeleted.names.empty());
    EXPECT_EQ(allDeleted.selected, -1);
    EXPECT_EQ(allDeleted.description, L"");
    EXPECT_TRUE(buttonsDisabled);

    EXPECT_EQ(emptyList.box.caption, L"Delete detection entry");
    EXPECT_EQ(emptyList.box.text, L"The detection entry list is empty!");
}

TEST_F(CuebellDialogTest, DeleteAndEditWithoutASelectionRefuse) {
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        driver.SelectRow(dialog.list, -1);
        driver.ClickAndWait(dialog.window, IDC_DELETE_ENTRY);
        driver.ClickAndWait(dialog.window, IDC_EDIT_ENTRY);
        // A double click beside the rows selects nothing and asks to edit.
        ::PostMessageW(dialog.list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 150));
        driver.Settle(dialog.window);
        driver.Click(dialog.window, IDCANCEL);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    ASSERT_EQ(memoryBoxes.Calls().size(), 3u);
    EXPECT_EQ(memoryBoxes.Calls()[0].text, CuebellText(cuebell::IDS_NO_ENTRY_SELECTED_TO_DELETE));
    EXPECT_EQ(memoryBoxes.Calls()[0].caption, L"Delete detection entry");
    EXPECT_EQ(memoryBoxes.Calls()[0].flags, core::kMbOk | core::kMbIconWarning);
    for (size_t i : {1u, 2u}) {
        EXPECT_EQ(memoryBoxes.Calls()[i].text, L"No selected detection entry to edit!");
        EXPECT_EQ(memoryBoxes.Calls()[i].caption, L"Edit detection entry");
        EXPECT_EQ(memoryBoxes.Calls()[i].flags, core::kMbOk | core::kMbIconWarning);
    }
}

struct AddCase {
    const char* name;
    const wchar_t* samplesCount;
    const wchar_t* devicesCount;
    const wchar_t* refusal;
};

class AddRefusalTest : public CuebellDialogTest, public ::testing::WithParamInterface<AddCase> {};

// Add and the Insert key refuse alike; past the refusals nothing changes yet.
TEST_P(AddRefusalTest, AddButtonAndInsertKeyRefuseAlike) {
    registry.PutString(RegRoot::LocalMachine, kStore, L"SamplesCount", GetParam().samplesCount);
    registry.PutString(RegRoot::LocalMachine, kStore, L"DevicesCount", GetParam().devicesCount);
    Rows before, after;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        before = driver.ReadRows(dialog.list);
        driver.ClickAndWait(dialog.window, IDC_ADD_ENTRY);
        driver.PressKey(dialog.list, VK_INSERT);
        driver.Settle(dialog.window);
        driver.Settle(dialog.window);  // the list posts the add message on
        after = driver.ReadRows(dialog.list);
        driver.Click(dialog.window, IDCANCEL);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(after, before);
    if (GetParam().refusal == nullptr) {
        EXPECT_TRUE(memoryBoxes.Calls().empty());
        return;
    }
    ASSERT_EQ(memoryBoxes.Calls().size(), 2u);
    for (const core::MessageBoxCall& box : memoryBoxes.Calls()) {
        EXPECT_EQ(box.text, GetParam().refusal);
        EXPECT_EQ(box.caption, L"Add detection entry");
        EXPECT_EQ(box.flags, core::kMbOk | core::kMbIconError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Store, AddRefusalTest,
    ::testing::Values(AddCase{"NoSamplesNoDevices", L"0", L"0", L"There are no samples!"},
                      AddCase{"NoSamples", L"0", L"2", L"There are no samples!"},
                      AddCase{"NoDevices", L"3", L"0", L"There are no devices!"},
                      AddCase{"Both", L"3", L"2", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CuebellDialogTest, EditOfAnEmptyListRefuses) {
    registry.PutString(RegRoot::LocalMachine, kStore, L"GPIsCount", L"0");
    bool buttonsDisabled = false;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        buttonsDisabled = !Enabled(dialog.window, IDC_EDIT_ENTRY) &&
                          !Enabled(dialog.window, IDC_DELETE_ENTRY) &&
                          !Enabled(dialog.window, IDC_DESCRIPTION_LABEL);
        // A disabled button can still be sent its command.
        driver.ClickAndWait(dialog.window, IDC_EDIT_ENTRY);
        driver.Click(dialog.window, IDCANCEL);
    });
    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_TRUE(buttonsDisabled);
    ASSERT_EQ(memoryBoxes.Calls().size(), 1u);
    EXPECT_EQ(memoryBoxes.Calls()[0].text, L"The detection entry list is empty!");
    EXPECT_EQ(memoryBoxes.Calls()[0].caption, L"Edit detection entry");
}

TEST_F(CuebellDialogTest, HelpKeyAndSystemMenuOpenTheAboutBox) {
    UseRealSystem();  // the version resource of this very program
    struct About {
        std::wstring version, notice;
        bool secondStayedAway = false;
    } byHelp, byMenu;
    std::wstring menuItem;
    UINT menuCommand = 0;
    bool separatorBefore = false;
    bool dragIcon = false;

    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        HMENU menu = ::GetSystemMenu(dialog.window, FALSE);
        const int count = ::GetMenuItemCount(menu);
        menuCommand = ::GetMenuItemID(menu, count - 1);
        wchar_t text[64] = L"";
        ::GetMenuStringW(menu, count - 1, text, 64, MF_BYPOSITION);
        menuItem = text;
        separatorBefore = (::GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        dragIcon = ::SendMessageW(dialog.window, WM_QUERYDRAGICON, 0, 0) != 0;

        auto readAbout = [&](About* about) {
            HWND box = driver.WaitForDialog(L"About Cuebell");
            if (box == nullptr) {
                return;
            }
            about->version = driver.Text(::GetDlgItem(box, IDC_VERSION_TEXT));
            about->notice = driver.Text(::GetDlgItem(box, IDC_NOTICE_TEXT));
            // F1 inside the About box does nothing.
            driver.PressHelp(box);
            driver.Settle(box);
            int open = 0;
            ::EnumThreadWindows(::GetWindowThreadProcessId(box, nullptr), CountAboutBoxes,
                                reinterpret_cast<LPARAM>(&open));
            about->secondStayedAway = open == 1;
            driver.Click(box, IDOK);
            driver.WaitUntilGone(box);
        };
        driver.PressHelp(dialog.list);
        readAbout(&byHelp);
        ::PostMessageW(dialog.window, WM_SYSCOMMAND, 16 | 0x3, 0);  // low bits are the system's
        readAbout(&byMenu);
        driver.Click(dialog.window, IDCANCEL);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(menuItem, L"&About Cuebell...");
    EXPECT_EQ(menuCommand, 16u);
    EXPECT_TRUE(separatorBefore);
    EXPECT_TRUE(dragIcon);
    const std::time_t now = std::time(nullptr);
    const std::wstring notice =
        L"Copyright (C) " + std::to_wstring(std::localtime(&now)->tm_year + 1900) + L" Quorvane";
    for (const About* about : {&byHelp, &byMenu}) {
        EXPECT_EQ(about->version, L"win32_tests Version 1.0.0.0");
        EXPECT_EQ(about->notice, notice);
        EXPECT_TRUE(about->secondStayedAway);
    }
}

}  // namespace
}  // namespace cuebelltest
