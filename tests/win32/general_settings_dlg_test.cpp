// The general settings dialog from the program's own template, driven as an operator
// drives it: a driver thread types into the edits, moves the focus on (WM_NEXTDLGCTL),
// presses keys and buttons and reads what the edits show while the dialog runs its modal
// loop; the test then checks the owner's record.
#include "cuebell/editors/win32/general_settings_dlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "cuebell/resource.h"
#include "dialog_driver.h"

namespace cuebelltest {
namespace {

using cuebell::CGeneralSettingsDlg;
using cuebell::GeneralParams;

constexpr int kGpi = IDC_GENERAL_GPI_LENGTH;
constexpr int kCutoff = IDC_GENERAL_CUTOFF_FREQUENCY;
constexpr int kFilter = IDC_GENERAL_LOW_PASS_FILTER_SIZE;
constexpr int kRecalc = IDC_GENERAL_POWER_RECALC_RATE;
constexpr int kThreshold = IDC_GENERAL_THRESHOLD;
constexpr int kDefault = IDC_GENERAL_SET_DEFAULT;

// A record whose values all differ from the defaults.
const GeneralParams kStored{2.5, 440, 127, 512, 90};

enum Act {
    Type,   // focus the edit and type the text over its own
    Paste,  // set the text without focusing the edit
    Leave,  // move the focus on to the next control
    Press,  // press the key in the control
    Click,  // press the button
    Shows,  // expect the control to show the text
};

struct Step {
    Act act;
    int control = 0;
    const wchar_t* text = L"";
    UINT key = 0;
};

void Perform(DialogDriver& driver, HWND dialog, const Step& step) {
    HWND control = ::GetDlgItem(dialog, step.control);
    switch (step.act) {
        case Type:
            ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
            ::SendMessageW(control, EM_SETSEL, 0, -1);
            for (const wchar_t* c = step.text; *c != L'\0'; ++c) {
                ::SendMessageW(control, WM_CHAR, *c, 1);
            }
            break;
        case Paste:
            ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.text));
            break;
        case Leave:
            ::SendMessageW(dialog, WM_NEXTDLGCTL, 0, FALSE);
            break;
        case Press:
            driver.PressKey(control, step.key);
            driver.Settle(dialog);
            break;
        case Click:
            // OK and Cancel end the modal loop: posted, so the driver goes on.
            if (step.control == IDOK || step.control == IDCANCEL) {
                driver.Click(dialog, step.control);
            } else {
                driver.ClickAndWait(dialog, step.control);
            }
            break;
        case Shows:
            if (driver.Text(control) != step.text) {
                const std::wstring shown = driver.Text(control), expected = step.text;
                driver.Fail("control " + std::to_string(step.control) + " shows \"" +
                            std::string(shown.begin(), shown.end()) + "\", not \"" +
                            std::string(expected.begin(), expected.end()) + "\"");
            }
            break;
    }
}

DialogRun RunDialog(GeneralParams& record, const std::function<void(DialogDriver&, HWND)>& script) {
    CGeneralSettingsDlg dialog(::GetModuleHandleW(nullptr), record);
    return RunWithDriver([&] { return dialog.DoModal(nullptr); },
                         [&](DialogDriver& driver) {
                             HWND window = driver.WaitForDialog(L"General settings");
                             if (window != nullptr) {
                                 script(driver, window);
                                 driver.WaitUntilGone(window);
                             }
                         });
}

TEST(GeneralSettingsDlgTest, JourneysStoreWhatTheRowsShowOnOkOnly) {
    const struct {
        const char* name;
        std::vector<Step> steps;  // the last one ends the dialog
        INT_PTR result;
        GeneralParams stored;
    } journeys[] = {
        // One journey's steps on a few lines, as a table.
        // clang-format off
        {"set default, then OK",
         {{Shows, kGpi, L"2.50"}, {Shows, kThreshold, L"90"}, {Click, kDefault},
          {Shows, kGpi, L"0.40"}, {Shows, kCutoff, L"75"}, {Shows, kFilter, L"63"},
          {Shows, kRecalc, L"100"}, {Shows, kThreshold, L"65"}, {Click, IDOK}},
         IDOK, {0.4, 75, 63, 100, 65}},
        {"typed, corrected when the focus moves on",
         {{Type, kGpi, L"12.5"}, {Leave}, {Shows, kGpi, L"10.00"},
          {Type, kGpi, L"-1"}, {Leave}, {Shows, kGpi, L"0.00"},
          {Type, kThreshold, L"20"}, {Leave}, {Shows, kThreshold, L"90"},
          {Type, kCutoff, L"60000"}, {Leave}, {Shows, kCutoff, L"440"},
          {Type, kRecalc, L"abc"}, {Leave}, {Shows, kRecalc, L"512"},
          {Type, kFilter, L"50000"}, {Leave}, {Shows, kFilter, L"50000"}, {Click, IDOK}},
         IDOK, {0.0, 440, 50000, 512, 90}},
        {"cancel after set default",
         {{Type, kCutoff, L"1000"}, {Leave}, {Click, kDefault}, {Click, IDCANCEL}},
         IDCANCEL, kStored},
        // Confirmed with Enter before any edit lost the focus: stored as corrected.
        {"enter with uncorrected texts",
         {{Paste, kCutoff, L"60000"}, {Paste, kThreshold, L"20"}, {Paste, kRecalc, L"300"},
          {Type, kGpi, L"-1"}, {Press, kGpi, L"", VK_RETURN}},
         IDOK, {0.0, 440, 127, 300, 90}},
        {"edit limits and arrow keys",
         {{Type, kGpi, L"1.2345"}, {Shows, kGpi, L"1.234"},
          {Press, kGpi, L"", VK_UP}, {Shows, kGpi, L"1.33"},
          {Type, kCutoff, L"123456"}, {Shows, kCutoff, L"12345"},
          {Press, kCutoff, L"", VK_DOWN}, {Shows, kCutoff, L"12344"},
          {Type, kThreshold, L"1000"}, {Shows, kThreshold, L"100"},
          {Press, kThreshold, L"", VK_UP}, {Shows, kThreshold, L"100"}, {Click, IDOK}},
         IDOK, {1.33, 12344, 127, 512, 100}},
        // clang-format on
    };
    for (const auto& journey : journeys) {
        SCOPED_TRACE(journey.name);
        GeneralParams record = kStored;
        const DialogRun run = RunDialog(record, [&](DialogDriver& driver, HWND window) {
            for (const Step& step : journey.steps) {
                Perform(driver, window, step);
            }
        });
        EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
        EXPECT_EQ(run.result, journey.result);
        EXPECT_DOUBLE_EQ(record.GPILength, journey.stored.GPILength);
        EXPECT_EQ(record.CutoffFrequency, journey.stored.CutoffFrequency);
        EXPECT_EQ(record.LowPassFilterSize, journey.stored.LowPassFilterSize);
        EXPECT_EQ(record.PowerRecalcRate, journey.stored.PowerRecalcRate);
        EXPECT_EQ(record.Threshold, journey.stored.Threshold);
    }
}

// Attached, each up-down covers its edit's right border (a few pixels) and ends past it,
// inside the dialog; unattached it would lie within the edit.
TEST(GeneralSettingsDlgTest, UpDownsSitBesideTheirEditsInsideTheDialog) {
    GeneralParams record = kStored;
    const DialogRun run = RunDialog(record, [](DialogDriver& driver, HWND window) {
        RECT client;
        ::GetClientRect(window, &client);
        const int rows[][2] = {{kGpi, IDC_GENERAL_GPI_LENGTH_SPIN},
                               {kCutoff, IDC_GENERAL_CUTOFF_FREQUENCY_SPIN},
                               {kFilter, IDC_GENERAL_LOW_PASS_FILTER_SIZE_SPIN},
                               {kRecalc, IDC_GENERAL_POWER_RECALC_RATE_SPIN},
                               {kThreshold, IDC_GENERAL_THRESHOLD_SPIN}};
        for (const auto& row : rows) {
            RECT e, s;
            ::GetWindowRect(::GetDlgItem(window, row[0]), &e);
            ::GetWindowRect(::GetDlgItem(window, row[1]), &s);
            ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&e), 2);
            ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&s), 2);
            if (s.left > e.right || s.left < e.right - 3 || s.right <= e.right || s.top > e.top ||
                s.bottom < e.bottom || s.right > client.right) {
                driver.Fail("the up-down of edit " + std::to_string(row[0]) + " lies at " +
                            std::to_string(s.left) + ".." + std::to_string(s.right) +
                            ", the edit at " + std::to_string(e.left) + ".." +
                            std::to_string(e.right));
            }
        }
        driver.Click(window, IDCANCEL);
    });
    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
}

}  // namespace
}  // namespace cuebelltest
