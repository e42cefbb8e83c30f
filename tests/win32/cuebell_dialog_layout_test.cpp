// The geometry of Cuebell's main dialog: its controls follow the corners they are anchored
// to, it cannot become smaller than its template, and it opens where it was closed, fitted
// to the work area.
#include <gtest/gtest.h>

#include <map>

#include "cuebell_dialog_fixture.h"

namespace cuebelltest {
namespace {

using core::RegRoot;

struct Movement {
    int id;
    const char* name;
    int dx, dy, dWidth, dHeight;  // for the dialog grown by 100 x 60 pixels
};

constexpr int kGrowX = 100;
constexpr int kGrowY = 60;

const Movement kMovements[] = {
    {IDC_ENTRY_GROUP, "group box", kGrowX, 0, 0, 0},
    {IDC_ENTRY_LIST, "entry list", 0, 0, kGrowX, kGrowY},
    {IDCANCEL, "Cancel", kGrowX, kGrowY, 0, 0},
    {IDOK, "OK", kGrowX, kGrowY, 0, 0},
    {IDC_SAMPLES, "Samples", kGrowX, kGrowY, 0, 0},
    {IDC_DEVICES, "Devices", kGrowX, kGrowY, 0, 0},
    {IDC_GENERAL, "General", kGrowX, kGrowY, 0, 0},
    {IDC_ADD_ENTRY, "Add", kGrowX, 0, 0, 0},
    {IDC_EDIT_ENTRY, "Edit", kGrowX, 0, 0, 0},
    {IDC_DELETE_ENTRY, "Delete", kGrowX, 0, 0, 0},
    {IDC_SEPARATOR, "separator", 0, kGrowY, kGrowX, 0},
    {IDC_DESCRIPTION_LABEL, "label", 0, kGrowY, 0, 0},
    {IDC_DESCRIPTION, "description", 0, kGrowY, kGrowX, 0},
    {IDC_CHECK_CONFIGURATION, "Check", 0, kGrowY, 0, 0},
    {0, "gripper", kGrowX, kGrowY, 0, 0},
};

RECT ChildRect(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);  // id 0: the gripper
    RECT rect{0, 0, 0, 0};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT WindowRect(HWND window) {
    RECT rect{0, 0, 0, 0};
    ::GetWindowRect(window, &rect);
    return rect;
}

TEST_F(CuebellDialogTest, GrowingMovesAndStretchesExactlyTheAnchoredControls) {
    std::map<int, RECT> before, after;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        for (const Movement& m : kMovements) {
            before[m.id] = ChildRect(dialog.window, m.id);
        }
        const RECT window = WindowRect(dialog.window);
        ::SetWindowPos(dialog.window, nullptr, 0, 0, window.right - window.left + kGrowX,
                       window.bottom - window.top + kGrowY, SWP_NOMOVE | SWP_NOZORDER);
        for (const Movement& m : kMovements) {
            after[m.id] = ChildRect(dialog.window, m.id);
        }
        driver.Click(dialog.window, IDCANCEL);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    for (const Movement& m : kMovements) {
        SCOPED_TRACE(m.name);
        const RECT& b = before[m.id];
        const RECT& a = after[m.id];
        EXPECT_GT(b.right - b.left, 0);
        EXPECT_EQ(a.left - b.left, m.dx);
        EXPECT_EQ(a.top - b.top, m.dy);
        EXPECT_EQ((a.right - a.left) - (b.right - b.left), m.dWidth);
        EXPECT_EQ((a.bottom - a.top) - (b.bottom - b.top), m.dHeight);
    }
}

TEST_F(CuebellDialogTest, CannotBeMadeSmallerThanItsTemplate) {
    RECT start{}, shrunk{}, client{}, templateClient{0, 0, 368, 266};
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        start = WindowRect(dialog.window);
        ::GetClientRect(dialog.window, &client);
        ::MapDialogRect(dialog.window, &templateClient);
        ::SetWindowPos(dialog.window, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
        shrunk = WindowRect(dialog.window);
        driver.Click(dialog.window, IDCANCEL);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    // Nothing stored: the default 30 x 30 placement grows to the template's size.
    EXPECT_EQ(client.right, templateClient.right);
    EXPECT_EQ(client.bottom, templateClient.bottom);
    EXPECT_EQ(shrunk.right - shrunk.left, start.right - start.left);
    EXPECT_EQ(shrunk.bottom - shrunk.top, start.bottom - start.top);
}

void StorePlacement(core::MemoryRegistry& registry, int left, int top, int right, int bottom) {
    registry.PutDword(RegRoot::CurrentUser, kToolSettings, L"Window dialog left", left);
    registry.PutDword(RegRoot::CurrentUser, kToolSettings, L"Window dialog top", top);
    registry.PutDword(RegRoot::CurrentUser, kToolSettings, L"Window dialog right", right);
    registry.PutDword(RegRoot::CurrentUser, kToolSettings, L"Window dialog bottom", bottom);
}

uint32_t StoredDword(const core::MemoryRegistry& registry, const wchar_t* name) {
    uint32_t type = 0;
    core::Bytes data;
    if (!registry.GetValue(RegRoot::CurrentUser, kToolSettings, name, &type, &data) ||
        type != core::kRegDword || data.size() != 4) {
        return 0xFFFFFFFF;
    }
    return data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<uint32_t>(data[3]) << 24);
}

TEST_F(CuebellDialogTest, OpensWhereItWasClosedAndKeepsWhereItIsClosed) {
    StorePlacement(registry, 150, 120, 850, 620);  // inside the 1024 x 738 work area
    RECT opened{}, moved{};
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        opened = WindowRect(dialog.window);
        ::SetWindowPos(dialog.window, nullptr, 170, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        moved = WindowRect(dialog.window);
        driver.Click(dialog.window, IDCANCEL);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(opened.left, 150);
    EXPECT_EQ(opened.top, 120);
    EXPECT_EQ(opened.right, 850);
    EXPECT_EQ(opened.bottom, 620);
    EXPECT_EQ(moved.left, 170);
    EXPECT_EQ(StoredDword(registry, L"Window dialog left"), 170u);
    EXPECT_EQ(StoredDword(registry, L"Window dialog top"), 90u);
    EXPECT_EQ(StoredDword(registry, L"Window dialog right"), static_cast<uint32_t>(moved.right));
    EXPECT_EQ(StoredDword(registry, L"Window dialog bottom"), static_cast<uint32_t>(moved.bottom));
}

TEST_F(CuebellDialogTest, PlacementBeyondTheWorkAreaIsCentredAtTheSmallestSize) {
    StorePlacement(registry, 600, 100, 5000, 600);  // reaches past the work area's right
    RECT opened{}, defaultSize{};
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (dialog.Shown()) {
            opened = WindowRect(dialog.window);
            driver.Click(dialog.window, IDCANCEL);
        }
    });
    // The same dialog with nothing stored opens at its smallest size.
    registry.PutKey(RegRoot::CurrentUser, kToolKey);
    core::MemoryRegistry fresh;
    Seed(fresh, StandardConfig());
    {
        cuebell::CCuebellDlg dialog(
            ::GetModuleHandleW(nullptr),
            cuebell::CuebellPorts{fresh, system, memoryBoxes, boards, audio, files});
        RunWithDriver([&] { return dialog.DoModal(nullptr); },
                      [&](DialogDriver& driver) {
                          const MainDialog shown = MainDialog::Wait(driver);
                          if (shown.Shown()) {
                              defaultSize = WindowRect(shown.window);
                              driver.Click(shown.window, IDCANCEL);
                          }
                      });
    }

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    // A 30 x 30 rectangle centred in 0..1024 x 0..738, grown to the smallest size.
    EXPECT_EQ(opened.left, (30 + 1024) / 2 - 30);
    EXPECT_EQ(opened.top, (30 + 738) / 2 - 30);
    EXPECT_EQ(opened.right - opened.left, defaultSize.right - defaultSize.left);
    EXPECT_EQ(opened.bottom - opened.top, defaultSize.bottom - defaultSize.top);
}

}  // namespace
}  // namespace cuebelltest
