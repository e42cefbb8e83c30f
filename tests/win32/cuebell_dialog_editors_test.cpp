// The main dialog's editor commands as the operator uses them: each opens its editor over
// the main dialog, OK there reaches the description and, with the main dialog's OK, the
// store; Cancel there changes nothing.
#include <gtest/gtest.h>

#include <string>

#include "cuebell_dialog_fixture.h"

namespace cuebelltest {
namespace {

using core::RegRoot;

// The general settings' "Set default" button.
constexpr int kSetDefault = 1056;

struct EditorJourney {
    const char* name;
    int command;                     // the main dialog's button
    const wchar_t* editor;           // the editor's caption
    int buttonBeforeClosing;         // pressed in the editor first; 0: none
    int closeWith;                   // IDOK or IDCANCEL
    const wchar_t* descriptionHas;   // a part of the description after the editor closed
    const wchar_t* storedThreshold;  // the general threshold after the main dialog's OK
};

class CuebellDialogEditors : public CuebellDialogTest,
                             public ::testing::WithParamInterface<EditorJourney> {};

TEST_P(CuebellDialogEditors, OpenOverTheMainDialogAndReachTheDescriptionOnOK) {
    const EditorJourney& journey = GetParam();
    std::wstring description;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        driver.Click(dialog.window, journey.command);
        HWND editor = driver.WaitForDialog(journey.editor);
        if (editor == nullptr) {
            return;
        }
        if (::GetWindow(editor, GW_OWNER) != dialog.window) {
            driver.Fail("the editor is not owned by the main dialog");
        }
        if (journey.buttonBeforeClosing != 0) {
            driver.ClickAndWait(editor, journey.buttonBeforeClosing);
        }
        driver.Click(editor, journey.closeWith);
        driver.WaitUntilGone(editor);
        driver.Settle(dialog.window);
        description = driver.Text(dialog.description);
        driver.Click(dialog.window, IDOK);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_NE(description.find(journey.descriptionHas), std::wstring::npos) << description;
    EXPECT_EQ(registry.GetString(RegRoot::LocalMachine, kStore, L"Threshold"),
              journey.storedThreshold);
}

INSTANTIATE_TEST_SUITE_P(
    Journeys, CuebellDialogEditors,
    ::testing::Values(EditorJourney{"GeneralDefaultsThenOK", IDC_GENERAL, L"General settings",
                                    kSetDefault, IDOK, L"Threshold = 65%(default)", L"65"},
                      EditorJourney{"GeneralDefaultsThenCancel", IDC_GENERAL, L"General settings",
                                    kSetDefault, IDCANCEL, L"Threshold = 30%(default)", L"30"},
                      // "Select All" ticks every sample of the selected entry.
                      EditorJourney{"EditEntrySelectAllThenOK", IDC_EDIT_ENTRY,
                                    L"Edit detection entry", 1051, IDOK,
                                    L"3) C:\\Jingles\\weather.wav", L"30"},
                      EditorJourney{"SamplesOK", IDC_SAMPLES, L"Samples", 0, IDOK,
                                    L"C:\\Jingles\\news.wav (Delay = 02.00 s", L"30"},
                      EditorJourney{"DevicesOK", IDC_DEVICES, L"Devices", 0, IDOK,
                                    L"CX840 Input 1 B1 (Sample rate = 44100 Hz", L"30"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cuebelltest
