// CDblSpinCtrl on real controls: an edit with an up-down buddy in a dialog, stepped with
// the arrow keys and the mouse as an operator steps it. The up-down itself sends each
// click to the dialog, so these tests see what the dialogs will see.
#include "cuebell/editors/win32/dbl_spin_ctrl.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "dialog_template_builder.h"
#include "shared/win32/dialog.h"

namespace cuebell {
namespace {

using testing_win32::DialogTemplateBuilder;

constexpr WORD kOffsetEdit = 1018;
constexpr WORD kOffsetSpin = 1019;
constexpr WORD kDelayEdit = 1020;
constexpr WORD kDelaySpin = 1021;

DialogTemplateBuilder MakeTemplate(DWORD offsetSpinStyle) {
    const DWORD spinStyle = WS_CHILD | WS_VISIBLE | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
    DialogTemplateBuilder builder(L"Spin test dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20,
                                  160, 60);
    builder.Edit(kOffsetEdit, WS_BORDER | ES_AUTOHSCROLL, 7, 7, 60, 12)
        .Control(kOffsetSpin, UPDOWN_CLASSW, L"", spinStyle | offsetSpinStyle, 67, 7, 10, 12)
        .Edit(kDelayEdit, WS_BORDER | ES_AUTOHSCROLL, 7, 27, 60, 12)
        .Control(kDelaySpin, UPDOWN_CLASSW, L"", spinStyle, 67, 27, 10, 12);
    return builder;
}

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
    // Opens the dialog with the offset edit holding `text`, then attaches the offset spin
    // as the editors do: two decimals, trim off.
    void Open(DWORD offsetSpinStyle, double minimum, double maximum, double step,
              const std::wstring& text) {
        DialogTemplateBuilder builder = MakeTemplate(offsetSpinStyle);
        ASSERT_TRUE(dialog_.CreateIndirect(::GetModuleHandleW(nullptr), builder.Get(), nullptr));
        dialog_.SetItemText(kOffsetEdit, text);
        offset_.minimum = minimum;
        offset_.maximum = maximum;
        offset_.step = step;
        offset_.decimals = 2;
        offset_.trim = false;
        ASSERT_TRUE(offset_.AttachDlgItem(dialog_.GetHwnd(), kOffsetSpin));
    }

    void PressKeys(std::initializer_list<WPARAM> keys, WORD editId = kOffsetEdit) {
        HWND edit = dialog_.GetDlgItem(editId);
        for (WPARAM key : keys) {
            ::SendMessageW(edit, WM_KEYDOWN, key, 0);
            ::SendMessageW(edit, WM_KEYUP, key, 0);
        }
    }

    static int Position(const win32::CUpDown& spin) {
        int position = -1;
        spin.GetPos32(&position);
        return position;
    }

    std::wstring OffsetText() const { return dialog_.GetItemText(kOffsetEdit); }

    SpinDialog dialog_;
    CDblSpinCtrl offset_;  // after the dialog: destroyed first, while the dialog still exists
};

struct KeyJourney {
    const char* name;
    DWORD style;
    double minimum, maximum, step;
    const wchar_t* text;
    std::vector<WPARAM> keys;
    const wchar_t* expectedText;
    int expectedPosition;
};

std::ostream& operator<<(std::ostream& out, const KeyJourney& j) {
    return out << j.name;
}

class DblSpinCtrlKeyTest : public DblSpinCtrlTest,
                           public ::testing::WithParamInterface<KeyJourney> {};

TEST_P(DblSpinCtrlKeyTest, ArrowKeysStepTheTextAndThePosition) {
    const KeyJourney& j = GetParam();
    Open(j.style, j.minimum, j.maximum, j.step, j.text);
    for (WPARAM key : j.keys) {
        PressKeys({key});
    }
    EXPECT_EQ(OffsetText(), j.expectedText);
    EXPECT_EQ(Position(offset_), j.expectedPosition);
}

INSTANTIATE_TEST_SUITE_P(
    Journeys, DblSpinCtrlKeyTest,
    ::testing::Values(
        KeyJourney{"UpAtTheMaximumStays", 0, 0.0, 9.5, 0.5, L"9.50", {VK_UP}, L"9.50", 19},
        KeyJourney{"DownAndUp", 0, 0.0, 9.5, 0.5, L"9.50", {VK_DOWN, VK_DOWN, VK_UP}, L"9.00", 18},
        KeyJourney{"UpToTheMaximum", 0, 0.0, 10.0, 0.1, L"9.9", {VK_UP}, L"10.00", 100},
        KeyJourney{"WrapsAtTheMaximum", UDS_WRAP, 0.0, 10.0, 0.1, L"10.00", {VK_UP}, L"0.00", 0},
        KeyJourney{"WrapsAtTheMinimum", UDS_WRAP, 0.0, 10.0, 0.5, L"0", {VK_DOWN}, L"10.00", 20},
        KeyJourney{"TextThatIsNoNumber", 0, 0.0, 10.0, 0.5, L"abc", {VK_UP}, L"0.50", 1},
        KeyJourney{"TooLargeText", 0, 0.0, 10.0, 0.5, L"1e999", {VK_DOWN}, L"10.00", 19}),
    [](const ::testing::TestParamInfo<KeyJourney>& info) { return std::string(info.param.name); });

TEST_F(DblSpinCtrlTest, MouseClickOnTheUpperArrowStepsUp) {
    Open(0, 0.0, 100.0, 0.5, L"2.00");
    HWND spin = offset_.GetHwnd();
    RECT client;
    ::GetClientRect(spin, &client);
    const LPARAM upperArrow = MAKELPARAM(client.right / 2, client.bottom / 4);
    ::SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, upperArrow);
    ::SendMessageW(spin, WM_LBUTTONUP, 0, upperArrow);
    EXPECT_EQ(OffsetText(), L"2.50");
    EXPECT_EQ(Position(offset_), 5);
}

TEST_F(DblSpinCtrlTest, DialogIsToldOfTheClickAfterTheTextChanged) {
    Open(0, 0.0, 10.0, 0.5, L"1.00");
    PressKeys({VK_UP, VK_DOWN, VK_DOWN});
    EXPECT_EQ(dialog_.textsWhenNotified, (std::vector<std::wstring>{L"1.50", L"1.00", L"0.50"}));
}

// The sample editor has two spins in one dialog: each steps its own edit only.
TEST_F(DblSpinCtrlTest, TwoSpinsInOneDialogEachStepTheirOwnEdit) {
    Open(0, 0.0, 10.0, 0.5, L"1.00");
    dialog_.SetItemText(kDelayEdit, L"7");
    CDblSpinCtrl delay;
    delay.maximum = 100.0;
    delay.decimals = 1;
    ASSERT_TRUE(delay.AttachDlgItem(dialog_.GetHwnd(), kDelaySpin));
    const int delayPosition = Position(delay);

    PressKeys({VK_UP});
    PressKeys({VK_DOWN}, kDelayEdit);

    EXPECT_EQ(OffsetText(), L"1.50");
    EXPECT_EQ(dialog_.GetItemText(kDelayEdit), L"6");
    EXPECT_EQ(delayPosition, 7);
    EXPECT_EQ(Position(delay), 6);
}

TEST_F(DblSpinCtrlTest, RangeAndPositionFollowTheValue) {
    Open(0, 0.0, 100.0, 0.01, L"0");
    int low = -1, high = -1;
    offset_.GetRange32(&low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 10000);

    offset_.SetValue(25.0);
    offset_.SetPos(25.0);
    EXPECT_EQ(OffsetText(), L"25.00");
    EXPECT_EQ(Position(offset_), 2500);

    // Minimum equal to maximum: the position stays where it was.
    offset_.minimum = offset_.maximum = 5.0;
    offset_.SetPos(5.0);
    EXPECT_EQ(Position(offset_), 2500);

    // A step of 0 leaves the range alone, and a click writes the value back as it was.
    offset_.minimum = 0.0;
    offset_.maximum = 100.0;
    offset_.step = 0.0;
    offset_.UpdatePositionRange();
    offset_.GetRange32(&low, &high);
    EXPECT_EQ(high, 10000);
    PressKeys({VK_UP});
    EXPECT_EQ(OffsetText(), L"25.00");
}

}  // namespace
}  // namespace cuebell
