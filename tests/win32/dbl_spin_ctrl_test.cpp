// CDblSpinCtrl on real controls: edits with up-down buddies in a dialog, stepped with the
// arrow keys and the mouse. The up-down itself sends each click to the dialog, so these
// tests see what the editors will see.
#include "cuebell/editors/win32/dbl_spin_ctrl.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_template_builder.h"
#include "shared/win32/dialog.h"

namespace cuebell {
namespace {

constexpr WORD kOffsetEdit = 1018, kOffsetSpin = 1019, kDelayEdit = 1020, kDelaySpin = 1021;
// In a journey, a click on the upper arrow with the mouse; other keys are pressed.
constexpr WPARAM kClickUp = VK_LBUTTON;

// Records the offset edit's text at the moment the dialog is told of each offset click.
class SpinDialog : public win32::CDialog {
  public:
    std::vector<std::wstring> textsWhenNotified;

  protected:
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override {
        if (id == kOffsetSpin && header->code == UDN_DELTAPOS) {
            textsWhenNotified.push_back(GetItemText(kOffsetEdit));
        }
        return false;
    }
};

class DblSpinCtrlTest : public ::testing::Test {
  protected:
    // The offset edit holds `text`; the offset spin is attached as the editors attach it.
    void Open(DWORD wrapStyle, double maximum, double step, const std::wstring& text) {
        const DWORD spinStyle = WS_CHILD | WS_VISIBLE | UDS_AUTOBUDDY | UDS_ARROWKEYS;
        testing_win32::DialogTemplateBuilder builder(L"Spin", WS_POPUP | WS_VISIBLE, 0, 0, 90, 50);
        builder.Edit(kOffsetEdit, WS_BORDER, 5, 5, 60, 12)
            .Control(kOffsetSpin, UPDOWN_CLASSW, L"", spinStyle | wrapStyle, 65, 5, 10, 12)
            .Edit(kDelayEdit, WS_BORDER, 5, 25, 60, 12)
            .Control(kDelaySpin, UPDOWN_CLASSW, L"", spinStyle, 65, 25, 10, 12);
        ASSERT_TRUE(dialog_.CreateIndirect(::GetModuleHandleW(nullptr), builder.Get(), nullptr));
        dialog_.SetItemText(kOffsetEdit, text);
        offset_.maximum = maximum;
        offset_.step = step;
        offset_.decimals = 2;
        offset_.trim = false;
        ASSERT_TRUE(offset_.AttachDlgItem(dialog_.GetHwnd(), kOffsetSpin));
    }

    void Press(WPARAM key, WORD editId = kOffsetEdit) {
        if (key == kClickUp) {
            RECT arrows = offset_.GetClientRect();
            const LPARAM upper = MAKELPARAM(arrows.right / 2, arrows.bottom / 4);
            offset_.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, upper);
            offset_.SendMessage(WM_LBUTTONUP, 0, upper);
            return;
        }
        ::SendMessageW(dialog_.GetItem(editId), WM_KEYDOWN, key, 0);
        ::SendMessageW(dialog_.GetItem(editId), WM_KEYUP, key, 0);
    }

    static int Position(const win32::CUpDown& spin) {
        int position = -1;
        spin.GetPos32(&position);
        return position;
    }

    SpinDialog dialog_;
    CDblSpinCtrl offset_;  // declared after the dialog: destroyed while the dialog exists
};

TEST_F(DblSpinCtrlTest, KeysAndClicksStepTheTextAndThePosition) {
    const struct {
        DWORD wrapStyle;
        double maximum, step;
        const wchar_t* text;
        std::vector<WPARAM> keys;
        const wchar_t* expectedText;
        int expectedPosition;
    } journeys[] = {
        {0, 9.5, 0.5, L"9.50", {VK_UP}, L"9.50", 19},
        {0, 9.5, 0.5, L"9.50", {VK_DOWN, VK_DOWN, VK_UP}, L"9.00", 18},
        {0, 100, 0.5, L"2.00", {kClickUp}, L"2.50", 5},
        {UDS_WRAP, 10, 0.1, L"10.00", {VK_UP}, L"0.00", 0},
        {0, 10, 0.5, L"abc", {VK_UP}, L"0.50", 1},
    };
    for (const auto& j : journeys) {
        SCOPED_TRACE(testing::Message() << "from \"" << j.text << "\" to " << j.expectedText);
        Open(j.wrapStyle, j.maximum, j.step, j.text);
        for (WPARAM key : j.keys) {
            Press(key);
        }
        EXPECT_EQ(dialog_.GetItemText(kOffsetEdit), j.expectedText);
        EXPECT_EQ(Position(offset_), j.expectedPosition);
        // The dialog is told of every click, after the text changed.
        ASSERT_EQ(dialog_.textsWhenNotified.size(), j.keys.size());
        EXPECT_EQ(dialog_.textsWhenNotified.back(), j.expectedText);
        dialog_.Destroy();
        dialog_.textsWhenNotified.clear();
    }
}

// The sample editor has two spins in one dialog: each steps its own edit only.
TEST_F(DblSpinCtrlTest, TwoSpinsInOneDialogEachStepTheirOwnEdit) {
    Open(0, 10, 0.5, L"1.00");
    dialog_.SetItemText(kDelayEdit, L"7");
    CDblSpinCtrl delay;
    delay.decimals = 1;
    ASSERT_TRUE(delay.AttachDlgItem(dialog_.GetHwnd(), kDelaySpin));
    EXPECT_EQ(Position(delay), 7);
    Press(VK_UP);
    Press(VK_DOWN, kDelayEdit);
    EXPECT_EQ(dialog_.GetItemText(kOffsetEdit), L"1.50");
    EXPECT_EQ(dialog_.GetItemText(kDelayEdit), L"6");
    EXPECT_EQ(Position(delay), 6);
}

TEST_F(DblSpinCtrlTest, RangeAndPositionFollowTheValue) {
    Open(0, 100, 0.01, L"0");
    int low = -1, high = -1;
    offset_.GetRange32(&low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 10000);
    offset_.SetValue(25.0);
    offset_.SetPos(25.0);
    EXPECT_EQ(dialog_.GetItemText(kOffsetEdit), L"25.00");
    EXPECT_EQ(Position(offset_), 2500);

    // Minimum equal to maximum: the position stays where it was.
    offset_.minimum = offset_.maximum = 25.0;
    offset_.SetPos(20.0);
    EXPECT_EQ(Position(offset_), 2500);

    // A step of 0 leaves the range alone, and a click writes the value back as it was.
    offset_.step = 0;
    offset_.UpdatePositionRange();
    offset_.GetRange32(&low, &high);
    EXPECT_EQ(high, 10000);
    Press(VK_UP);
    EXPECT_EQ(dialog_.GetItemText(kOffsetEdit), L"25.00");
}

}  // namespace
}  // namespace cuebell
