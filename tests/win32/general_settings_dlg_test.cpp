// The general settings dialog from the program's own template, driven as an operator
// drives it: a driver thread types into the edits, moves the focus on (WM_NEXTDLGCTL),
// presses keys and buttons and reads what the edits show, while the dialog runs its
// modal loop; the test then checks the owner's record.
#include "cuebell/editors/win32/general_settings_dlg.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "cuebell/resource.h"
#include "cuebell_dialog_driver.h"

namespace cuebelltest {
namespace {

using cuebell::CGeneralSettingsDlg;
using cuebell::GeneralParams;

const wchar_t kCaption[] = L"General settings";

constexpr int kGpiLength = IDC_GENERAL_GPI_LENGTH;
constexpr int kCutoff = IDC_GENERAL_CUTOFF_FREQUENCY;
constexpr int kFilter = IDC_GENERAL_LOW_PASS_FILTER_SIZE;
constexpr int kRecalc = IDC_GENERAL_POWER_RECALC_RATE;
constexpr int kThreshold = IDC_GENERAL_THRESHOLD;

// A record whose values all differ from the defaults.
const GeneralParams kStored{2.5, 440, 127, 512, 90};

enum class Act {
    Type,   // focus the edit, replace its text character by character
    Paste,  // replace the text without focusing the edit (no limit, no focus change)
    Leave,  // move the focus to the next control
    Press,  // a key pressed in the control
    Click,  // a button pressed
    Shows,  // the control's text is expected to be `text`
};

struct Step {
    Act act;
    int control;
    const wchar_t* text = L"";
    UINT key = 0;
};

Step Type(int edit, const wchar_t* text) {
    return {Act::Type, edit, text};
}
Step Paste(int edit, const wchar_t* text) {
    return {Act::Paste, edit, text};
}
Step Leave() {
    return {Act::Leave, 0};
}
Step Press(int control, UINT key) {
    return {Act::Press, control, L"", key};
}
Step Click(int button) {
    return {Act::Click, button};
}
Step Shows(int control, const wchar_t* text) {
    return {Act::Shows, control, text};
}

struct Journey {
    const char* name;
    std::vector<Step> steps;  // the last one ends the dialog
    INT_PTR result;
    GeneralParams stored;
};

std::ostream& operator<<(std::ostream& out, const Journey& j) {
    return out << j.name;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

void Perform(DialogDriver& driver, HWND dialog, const Step& step) {
    HWND control = ::GetDlgItem(dialog, step.control);
    switch (step.act) {
        case Act::Type:
            ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
            ::SendMessageW(control, EM_SETSEL, 0, -1);
            for (const wchar_t* c = step.text; *c != L'\0'; ++c) {
                ::SendMessageW(control, WM_CHAR, *c, 1);
            }
            break;
        case Act::Paste:
            ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.text));
            break;
        case Act::Leave:
            ::SendMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
            break;
        case Act::Press:
            driver.PressKey(control, step.key);
            driver.Settle(dialog);
            break;
        case Act::Click:
            if (step.control == IDOK || step.control == IDCANCEL) {
                driver.Click(dialog, step.control);
            } else {
                driver.ClickAndWait(dialog, step.control);
            }
            break;
        case Act::Shows: {
            const std::wstring shown = driver.Text(control);
            if (shown != step.text) {
                driver.Fail("control " + std::to_string(step.control) + " shows \"" +
                            Narrow(shown) + "\", expected \"" + Narrow(step.text) + "\"");
            }
            break;
        }
    }
}

void ExpectRecord(const GeneralParams& actual, const GeneralParams& expected) {
    EXPECT_DOUBLE_EQ(actual.GPILength, expected.GPILength);
    EXPECT_EQ(actual.CutoffFrequency, expected.CutoffFrequency);
    EXPECT_EQ(actual.LowPassFilterSize, expected.LowPassFilterSize);
    EXPECT_EQ(actual.PowerRecalcRate, expected.PowerRecalcRate);
    EXPECT_EQ(actual.Threshold, expected.Threshold);
}

class GeneralSettingsDlgJourneyTest : public ::testing::TestWithParam<Journey> {};

TEST_P(GeneralSettingsDlgJourneyTest, StoresWhatTheOperatorLeftOnOkOnly) {
    const Journey& journey = GetParam();
    GeneralParams record = kStored;
    CGeneralSettingsDlg dialog(::GetModuleHandleW(nullptr), record);
    const DialogRun run = RunWithDriver([&] { return dialog.DoModal(nullptr); },
                                        [&](DialogDriver& driver) {
                                            HWND window = driver.WaitForDialog(kCaption);
                                            if (window == nullptr) {
                                                return;
                                            }
                                            for (const Step& step : journey.steps) {
                                                Perform(driver, window, step);
                                            }
                                            driver.WaitUntilGone(window);
                                        });
    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, journey.result);
    ExpectRecord(record, journey.stored);
}

INSTANTIATE_TEST_SUITE_P(
    GeneralSettings, GeneralSettingsDlgJourneyTest,
    ::testing::Values(
        Journey{"OpensWithTheRecordAndOkKeepsIt",
                {Shows(kGpiLength, L"2.50"), Shows(kCutoff, L"440"), Shows(kFilter, L"127"),
                 Shows(kRecalc, L"512"), Shows(kThreshold, L"90"), Click(IDOK)},
                IDOK,
                kStored},
        Journey{
            "TypedValuesAreCorrectedWhenTheFocusMovesOn",
            {Type(kGpiLength, L"12.5"), Leave(), Shows(kGpiLength, L"10.00"),
             Type(kGpiLength, L"-1"), Leave(), Shows(kGpiLength, L"0.00"), Type(kThreshold, L"20"),
             Leave(), Shows(kThreshold, L"90"), Type(kCutoff, L"60000"), Leave(),
             Shows(kCutoff, L"440"), Type(kRecalc, L"abc"), Leave(), Shows(kRecalc, L"512"),
             Type(kFilter, L"50000"), Leave(), Shows(kFilter, L"50000"), Click(IDOK)},
            IDOK,
            {0.0, 440, 50000, 512, 90}},
        Journey{
            "SetDefaultThenOkStoresTheDefaults",
            {Click(IDC_GENERAL_SET_DEFAULT), Shows(kGpiLength, L"0.40"), Shows(kCutoff, L"75"),
             Shows(kFilter, L"63"), Shows(kRecalc, L"100"), Shows(kThreshold, L"65"), Click(IDOK)},
            IDOK,
            {0.4, 75, 63, 100, 65}},
        Journey{"CancelAfterSetDefaultLeavesTheRecord",
                {Type(kCutoff, L"1000"), Leave(), Click(IDC_GENERAL_SET_DEFAULT), Click(IDCANCEL)},
                IDCANCEL,
                kStored},
        // Confirmed with Enter before any edit lost the focus: stored as leaving would
        // have shown it, never out of range.
        Journey{"EnterStoresTypedTextsAsCorrected",
                {Paste(kCutoff, L"60000"), Paste(kThreshold, L"20"), Paste(kRecalc, L"300"),
                 Type(kGpiLength, L"-1"), Press(kGpiLength, VK_RETURN)},
                IDOK,
                {0.0, 440, 127, 300, 90}},
        Journey{"EditsTakeNoMoreThanTheirLimit",
                {Type(kGpiLength, L"1.2345"), Shows(kGpiLength, L"1.234"), Type(kCutoff, L"123456"),
                 Shows(kCutoff, L"12345"), Type(kThreshold, L"1000"), Shows(kThreshold, L"100"),
                 Click(IDOK)},
                IDOK,
                {1.23, 12345, 127, 512, 100}},
        Journey{"ArrowKeysStepEachRowWithinItsRange",
                {Press(kGpiLength, VK_UP), Shows(kGpiLength, L"2.60"), Press(kCutoff, VK_DOWN),
                 Shows(kCutoff, L"439"), Type(kThreshold, L"100"), Press(kThreshold, VK_UP),
                 Shows(kThreshold, L"100"), Type(kGpiLength, L"10"), Press(kGpiLength, VK_UP),
                 Shows(kGpiLength, L"10.00"), Click(IDOK)},
                IDOK,
                {10.0, 439, 127, 512, 100}}),
    [](const ::testing::TestParamInfo<Journey>& info) { return std::string(info.param.name); });

// Each up-down sits at its edit's right end, and nothing reaches past the dialog's client
// area.
TEST(GeneralSettingsDlgLayoutTest, SpinsSitBesideTheirEditsInsideTheDialog) {
    GeneralParams record = kStored;
    CGeneralSettingsDlg dialog(::GetModuleHandleW(nullptr), record);
    const DialogRun run = RunWithDriver(
        [&] { return dialog.DoModal(nullptr); },
        [&](DialogDriver& driver) {
            HWND window = driver.WaitForDialog(kCaption);
            if (window == nullptr) {
                return;
            }
            RECT client;
            ::GetClientRect(window, &client);
            constexpr LONG kBorderOverlap = 3;
            const int rows[][2] = {{kGpiLength, IDC_GENERAL_GPI_LENGTH_SPIN},
                                   {kCutoff, IDC_GENERAL_CUTOFF_FREQUENCY_SPIN},
                                   {kFilter, IDC_GENERAL_LOW_PASS_FILTER_SIZE_SPIN},
                                   {kRecalc, IDC_GENERAL_POWER_RECALC_RATE_SPIN},
                                   {kThreshold, IDC_GENERAL_THRESHOLD_SPIN}};
            for (const auto& row : rows) {
                RECT edit, spin;
                ::GetWindowRect(::GetDlgItem(window, row[0]), &edit);
                ::GetWindowRect(::GetDlgItem(window, row[1]), &spin);
                ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&edit), 2);
                ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&spin), 2);
                const std::string which =
                    "row " + std::to_string(row[0]) + " (edit " + std::to_string(edit.left) + ".." +
                    std::to_string(edit.right) + ", up-down " + std::to_string(spin.left) + ".." +
                    std::to_string(spin.right) + "): ";
                // Attached, the up-down covers the edit's right border (a few pixels) and
                // ends past it; unattached it would lie inside the edit.
                const bool besideRightEnd = spin.left <= edit.right &&
                                            spin.left >= edit.right - kBorderOverlap &&
                                            spin.right > edit.right;
                if (!besideRightEnd || spin.top > edit.top || spin.bottom < edit.bottom) {
                    driver.Fail(which + "the up-down is not beside its edit");
                }
                if (spin.right > client.right || spin.bottom > client.bottom) {
                    driver.Fail(which + "the up-down reaches past the dialog");
                }
                if (edit.right - edit.left <= 0) {
                    driver.Fail(which + "the edit has no width left");
                }
            }
            driver.Click(window, IDCANCEL);
            driver.WaitUntilGone(window);
        });
    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
}

}  // namespace
}  // namespace cuebelltest
