// The resizable dialog base in a real window: anchored controls follow their corners, the
// dialog keeps its minimum size, and the gripper is a triangle in the lower-right corner
// that answers as that corner.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "dialog_template_builder.h"
#include "shared/layout.h"
#include "shared/win32/resize_gripper_dialog.h"

namespace {

using core::AnchorPosition;
using core::AnchorSize;
using testing_win32::DialogTemplateBuilder;

struct AnchoredControl {
    WORD id;
    AnchorPosition position;
    AnchorSize size;
    // How the control's client rectangle changes when the dialog grows by 100 x 100.
    int dx, dy, dWidth, dHeight;
};

// One control for each combination the main dialogs use.
const AnchoredControl kControls[] = {
    {1007, AnchorPosition::TopLeft, AnchorSize::StretchBoth, 0, 0, 100, 100},
    {1010, AnchorPosition::TopLeft, AnchorSize::StretchWidth, 0, 0, 100, 0},
    {1011, AnchorPosition::TopLeft, AnchorSize::StretchHeight, 0, 0, 0, 100},
    {1012, AnchorPosition::TopLeft, AnchorSize::KeepSize, 0, 0, 0, 0},
    {1000, AnchorPosition::TopRight, AnchorSize::KeepSize, 100, 0, 0, 0},
    {1061, AnchorPosition::BottomLeft, AnchorSize::StretchWidth, 0, 100, 100, 0},
    {1009, AnchorPosition::BottomLeft, AnchorSize::KeepSize, 0, 100, 0, 0},
    {IDOK, AnchorPosition::BottomRight, AnchorSize::KeepSize, 100, 100, 0, 0},
};

const wchar_t kCaption[] = L"Resizable test dialog";

DialogTemplateBuilder MakeTemplate(DWORD extraStyle = 0) {
    DialogTemplateBuilder builder(kCaption,
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                      WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE | extraStyle,
                                  10, 10, 240, 170);
    builder
        .Control(1007, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 7, 7, 150,
                 60)
        .Edit(1010, WS_BORDER, 7, 70, 80, 12)
        .Static(1011, L"tall", SS_LEFT, 90, 70, 30, 20)
        .Static(1012, L"fixed", SS_LEFT, 125, 70, 30, 10)
        .Button(1000, L"Add...", BS_PUSHBUTTON, 180, 7, 50, 14)
        .Static(1061, L"", SS_ETCHEDHORZ, 7, 100, 226, 2)
        .Static(1009, L"Description:", SS_LEFT, 7, 106, 100, 8)
        .Button(IDOK, L"OK", BS_DEFPUSHBUTTON, 180, 146, 50, 14);
    return builder;
}

class TestResizeDialog : public win32::CResizeGripperDialog {
  public:
    bool addAnchors = true;
    bool initLayout = true;
    bool maximiseFirst = false;

    using CResizeGripperDialog::Gripper;

  protected:
    bool OnInitDialog() override {
        CResizeGripperDialog::OnInitDialog();
        if (maximiseFirst) {
            Show(SW_MAXIMIZE);
        }
        AddGripper();
        if (addAnchors) {
            for (const AnchoredControl& c : kControls) {
                AddAnchor(c.id, c.position, c.size);
            }
        }
        if (initLayout) {
            InitLayout();
        }
        return true;
    }
};

// A child window's rectangle in its parent's client coordinates.
RECT ClientRectOf(HWND child) {
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<RECT> ControlRects(const win32::CWindow& dialog) {
    std::vector<RECT> rects;
    for (const AnchoredControl& c : kControls) {
        rects.push_back(ClientRectOf(::GetDlgItem(dialog.GetHwnd(), c.id)));
    }
    return rects;
}

SIZE WindowSize(const win32::CWindow& window) {
    RECT r = window.GetWindowRect();
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Pumps what is waiting, so that the dialog is drawn.
void PumpMessages() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

class ResizeGripperDialogTest : public ::testing::Test {
  protected:
    void Open(DWORD extraStyle = 0) {
        DialogTemplateBuilder builder = MakeTemplate(extraStyle);
        ASSERT_TRUE(dialog_.CreateIndirect(::GetModuleHandleW(nullptr), builder.Get(), nullptr));
        PumpMessages();
    }

    void Grow(int dLeft, int dTop, int dRight, int dBottom) {
        RECT r = dialog_.GetWindowRect();
        dialog_.SetWindowPos(nullptr, r.left + dLeft, r.top + dTop,
                             r.right - r.left + dRight - dLeft, r.bottom - r.top + dBottom - dTop,
                             SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void ExpectEveryControlFollowed(const std::vector<RECT>& before) {
        std::vector<RECT> after = ControlRects(dialog_);
        for (size_t i = 0; i < std::size(kControls); ++i) {
            const AnchoredControl& c = kControls[i];
            SCOPED_TRACE(testing::Message() << "control " << c.id);
            EXPECT_EQ(after[i].left, before[i].left + c.dx);
            EXPECT_EQ(after[i].top, before[i].top + c.dy);
            EXPECT_EQ(after[i].right - after[i].left, before[i].right - before[i].left + c.dWidth);
            EXPECT_EQ(after[i].bottom - after[i].top, before[i].bottom - before[i].top + c.dHeight);
        }
    }

    void ExpectGripperInTheCorner() {
        win32::CGripperCtrl& gripper = dialog_.Gripper();
        RECT client = dialog_.GetClientRect();
        RECT grip = ClientRectOf(gripper.GetHwnd());
        EXPECT_EQ(grip.right, client.right);
        EXPECT_EQ(grip.bottom, client.bottom);
        EXPECT_EQ(grip.right - grip.left, gripper.Width());
        EXPECT_EQ(grip.bottom - grip.top, gripper.Height());
    }

    TestResizeDialog dialog_;
};

TEST_F(ResizeGripperDialogTest, GrowingRightAndDownMovesAndStretchesAsAnchored) {
    Open();
    std::vector<RECT> before = ControlRects(dialog_);
    Grow(0, 0, 100, 100);
    ExpectEveryControlFollowed(before);
    ExpectGripperInTheCorner();
}

// Dragging the upper-left corner moves the client area too: the layout works in screen
// coordinates and must still land every control right in client coordinates.
TEST_F(ResizeGripperDialogTest, GrowingLeftAndUpMovesAndStretchesAsAnchored) {
    Open();
    Grow(0, 0, 0, 0);
    std::vector<RECT> before = ControlRects(dialog_);
    RECT r = dialog_.GetWindowRect();
    dialog_.SetWindowPos(nullptr, r.left + 150, r.top + 150, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Grow(-100, -100, 0, 0);
    ExpectEveryControlFollowed(before);
    ExpectGripperInTheCorner();
}

TEST_F(ResizeGripperDialogTest, GrowingAndShrinkingBackRestoresTheLayout) {
    Open();
    std::vector<RECT> before = ControlRects(dialog_);
    Grow(0, 0, 100, 100);
    Grow(0, 0, -100, -100);
    std::vector<RECT> after = ControlRects(dialog_);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(::EqualRect(&before[i], &after[i])) << "control " << kControls[i].id;
    }
}

TEST_F(ResizeGripperDialogTest, CannotBecomeSmallerThanItsInitialSize) {
    Open();
    SIZE initial = WindowSize(dialog_);
    EXPECT_EQ(dialog_.MinWidth(), initial.cx);
    EXPECT_EQ(dialog_.MinHeight(), initial.cy);

    MINMAXINFO info{};
    info.ptMinTrackSize = POINT{1, 1};
    info.ptMaxTrackSize = POINT{5000, 5000};
    dialog_.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, initial.cx);
    EXPECT_EQ(info.ptMinTrackSize.y, initial.cy);
    EXPECT_EQ(info.ptMaxTrackSize.x, 5000);
    EXPECT_EQ(info.ptMaxTrackSize.y, 5000);

    Grow(0, 0, -60, -40);
    SIZE after = WindowSize(dialog_);
    EXPECT_EQ(after.cx, initial.cx);
    EXPECT_EQ(after.cy, initial.cy);
}

TEST_F(ResizeGripperDialogTest, FixedHeightKeepsTheHeightButLetsTheWidthGrow) {
    Open();
    SIZE initial = WindowSize(dialog_);
    dialog_.SetResizeDirections(core::ResizeDirections::HeightFixed);
    Grow(0, 0, 100, 100);
    SIZE after = WindowSize(dialog_);
    EXPECT_EQ(after.cx, initial.cx + 100);
    EXPECT_EQ(after.cy, initial.cy);
}

TEST_F(ResizeGripperDialogTest, BeforeInitLayoutNothingMovesAndNoMinimumApplies) {
    dialog_.initLayout = false;
    Open();
    EXPECT_FALSE(dialog_.LayoutReady());
    std::vector<RECT> before = ControlRects(dialog_);
    SIZE initial = WindowSize(dialog_);
    Grow(0, 0, 100, 100);
    std::vector<RECT> after = ControlRects(dialog_);
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(::EqualRect(&before[i], &after[i])) << "control " << kControls[i].id;
    }
    Grow(0, 0, -150, -150);
    SIZE shrunk = WindowSize(dialog_);
    EXPECT_EQ(shrunk.cx, initial.cx - 50);
    EXPECT_EQ(shrunk.cy, initial.cy - 50);
}

TEST_F(ResizeGripperDialogTest, MinimisingLeavesTheLayoutAlone) {
    Open();
    std::vector<RECT> before = ControlRects(dialog_);
    dialog_.Show(SW_MINIMIZE);
    std::vector<RECT> minimised = ControlRects(dialog_);
    dialog_.Show(SW_RESTORE);
    std::vector<RECT> restored = ControlRects(dialog_);
    for (size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "control " << kControls[i].id);
        EXPECT_TRUE(::EqualRect(&before[i], &minimised[i]));
        EXPECT_TRUE(::EqualRect(&before[i], &restored[i]));
    }
}

TEST_F(ResizeGripperDialogTest, GripperIsASubclassedSizeGripScrollBar) {
    Open();
    HWND grip = dialog_.Gripper().GetHwnd();
    ASSERT_NE(grip, nullptr);
    wchar_t className[32] = {};
    ::GetClassNameW(grip, className, 32);
    EXPECT_EQ(::lstrcmpiW(className, L"ScrollBar"), 0);
    LONG_PTR style = ::GetWindowLongPtrW(grip, GWL_STYLE);
    EXPECT_NE(style & SBS_SIZEGRIP, 0);
    EXPECT_NE(style & WS_CLIPSIBLINGS, 0);
    EXPECT_TRUE(::IsWindowVisible(grip));
    EXPECT_TRUE(::IsWindowEnabled(grip));
    EXPECT_EQ(::GetDlgCtrlID(grip), 0);
    ExpectGripperInTheCorner();

    // The property keeps the scroll bar's own procedure, which a plain scroll bar has.
    HWND plain =
        ::CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_SIZEGRIP, 0, 0, 10, 10,
                          dialog_.GetHwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HANDLE stored = ::GetPropW(grip, win32::CGripperCtrl::kProcProperty);
    EXPECT_NE(stored, nullptr);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(stored), ::GetWindowLongPtrW(plain, GWLP_WNDPROC));
    EXPECT_NE(::GetWindowLongPtrW(grip, GWLP_WNDPROC), ::GetWindowLongPtrW(plain, GWLP_WNDPROC));
    ::DestroyWindow(plain);
}

TEST_F(ResizeGripperDialogTest, GripperRegionIsTheLowerRightTriangle) {
    Open();
    win32::CGripperCtrl& gripper = dialog_.Gripper();
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(::GetWindowRgn(gripper.GetHwnd(), region), ERROR);
    for (int y = 0; y < gripper.Height(); ++y) {
        for (int x = 0; x < gripper.Width(); ++x) {
            EXPECT_EQ(::PtInRegion(region, x, y) != FALSE,
                      core::GripperTriangleContains(gripper.Width(), gripper.Height(), x, y))
                << "pixel " << x << ", " << y;
        }
    }
    ::DeleteObject(region);
}

TEST_F(ResizeGripperDialogTest, GripperAnswersAsTheLowerCornerOnItsOwnSide) {
    Open();
    HWND grip = dialog_.Gripper().GetHwnd();
    RECT box;
    ::GetWindowRect(grip, &box);
    POINT inside{box.right - 2, box.bottom - 2};
    POINT cutAway{box.left + 1, box.top + 1};

    EXPECT_EQ(::SendMessageW(grip, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTBOTTOMRIGHT);
    // The triangle is the whole window: the cut-away corner belongs to the dialog.
    EXPECT_EQ(::WindowFromPoint(inside), grip);
    EXPECT_NE(::WindowFromPoint(cutAway), grip);

    ::SetWindowLongPtrW(grip, GWL_EXSTYLE,
                        ::GetWindowLongPtrW(grip, GWL_EXSTYLE) | WS_EX_LAYOUTRTL);
    EXPECT_EQ(::SendMessageW(grip, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTBOTTOMLEFT);
}

TEST_F(ResizeGripperDialogTest, DialogStartedMaximisedHasADisabledGripper) {
    dialog_.maximiseFirst = true;
    Open();
    ASSERT_TRUE(dialog_.IsZoomed());
    HWND grip = dialog_.Gripper().GetHwnd();
    EXPECT_FALSE(::IsWindowEnabled(grip));
    EXPECT_TRUE(::IsWindowVisible(grip));
    ExpectGripperInTheCorner();

    // Restored, it can be resized again, and the gripper works again.
    dialog_.Show(SW_RESTORE);
    EXPECT_TRUE(::IsWindowEnabled(grip));
    dialog_.Show(SW_MAXIMIZE);
    EXPECT_FALSE(::IsWindowEnabled(grip));
}

TEST_F(ResizeGripperDialogTest, IconIsSetAsBigAndSmallIcon) {
    HICON icon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    dialog_.SetDialogIcon(icon);
    Open();
    EXPECT_EQ(dialog_.SendMessage(WM_GETICON, ICON_BIG), reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(dialog_.SendMessage(WM_GETICON, ICON_SMALL), reinterpret_cast<LRESULT>(icon));
}

// A dialog object opened twice lays out its second window from scratch.
TEST_F(ResizeGripperDialogTest, ReopenedDialogLaysOutItsNewWindow) {
    Open();
    Grow(0, 0, 100, 100);
    ASSERT_TRUE(dialog_.Destroy());
    Open();
    std::vector<RECT> before = ControlRects(dialog_);
    Grow(0, 0, 100, 100);
    ExpectEveryControlFollowed(before);
    ExpectGripperInTheCorner();
}

}  // namespace
