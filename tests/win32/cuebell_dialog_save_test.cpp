// OK and Cancel of Cuebell's main dialog: OK writes the detection store and the playout
// event tables in the forms the plug-ins and the playout program read, Cancel writes
// neither, OK is refused while the playout program runs, and a failed write keeps the
// dialog open with every edit.
#include <gtest/gtest.h>

#include "cuebell/core/box_message.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell_dialog_fixture.h"

namespace cuebelltest {
namespace {

using core::RegRoot;

std::wstring Lm(const core::MemoryRegistry& registry, const std::wstring& key,
                const std::wstring& name) {
    return registry.GetString(RegRoot::LocalMachine, key, name);
}

std::wstring Events(const core::MemoryRegistry& registry, const wchar_t* studio) {
    return registry.GetString(RegRoot::CurrentUser, studio, L"GPIEvents");
}

// Deletes the selected row through the Delete key, confirming with Yes when the box is real.
void DeleteFirstRow(DialogDriver& driver, const MainDialog& dialog, bool realBoxes) {
    driver.SelectRow(dialog.list, 0);
    driver.PressKey(dialog.list, VK_DELETE);
    if (realBoxes) {
        driver.Answer(IDYES);
    }
    driver.Settle(dialog.window);
}

TEST_F(CuebellDialogTest, OkWritesTheStoreAndTheTablesInListOrder) {
    memoryBoxes.QueueAnswer(core::kIdYes);  // delete WAV_News
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (dialog.Shown()) {
            DeleteFirstRow(driver, dialog, false);
            driver.Click(dialog.window, IDOK);
            driver.WaitUntilGone(dialog.window);
        }
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDOK);
    // Numbers in the tool's own forms, the counts of what is left.
    EXPECT_EQ(Lm(registry, kStore, L"GPILength"), L"0.400000");
    EXPECT_EQ(Lm(registry, kStore, L"Threshold"), L"30");
    EXPECT_EQ(Lm(registry, kStore, L"GPIsCount"), L"2");
    EXPECT_EQ(Lm(registry, kStore, L"SamplesCount"), L"3");
    EXPECT_EQ(Lm(registry, kStore, L"DevicesCount"), L"2");
    EXPECT_EQ(Lm(registry, StoreKey(L"Sample0"), L"Offset"), L"0.500000");
    EXPECT_EQ(Lm(registry, StoreKey(L"Sample0"), L"Delay"), L"2.000000");
    EXPECT_EQ(Lm(registry, StoreKey(L"Sample1"), L"Delay"), L"10.250000");
    // The entries from position 0 in list order; the key past the count keeps its content.
    EXPECT_EQ(Lm(registry, StoreKey(L"GPI0"), L"Name"), L"WAV_Sport");
    EXPECT_EQ(Lm(registry, StoreKey(L"GPI0"), L"DeviceIndex"), L"1");
    EXPECT_EQ(Lm(registry, StoreKey(L"GPI0"), L"SampleIndices"), L"1");
    EXPECT_EQ(Lm(registry, StoreKey(L"GPI1"), L"Name"), L"WAV_Weather");
    EXPECT_EQ(Lm(registry, StoreKey(L"GPI1"), L"SampleIndices"), L"2");
    EXPECT_EQ(Lm(registry, StoreKey(L"GPI2"), L"Name"), L"WAV_Weather");
    // Every text with its terminator.
    uint32_t type = 0;
    core::Bytes bytes;
    ASSERT_TRUE(registry.GetValue(RegRoot::LocalMachine, kStore, L"GPIsCount", &type, &bytes));
    EXPECT_EQ(type, core::kRegSz);
    EXPECT_EQ(bytes, (core::Bytes{'2', 0, 0, 0}));
    // The tool's events first, in list order, then the other owners' as they were.
    EXPECT_EQ(Events(registry, kStudioA),
              L"101 0 500 WAV_Weather|Forecast\n7 3 250 DTMF_Cue|Network cue");
    EXPECT_EQ(Events(registry, kStudioB),
              L"101 0 500 WAV_Sport|Match day\n12 0 0 Studio door|Red light");
    EXPECT_EQ(registry.GetString(RegRoot::CurrentUser, kToolSettings, L"Wav file path"),
              L"C:\\Program Files\\Quorvane\\sample.wav");
}

struct CancelCase {
    const char* name;
    bool escapeKey;
};

class CancelTest : public CuebellDialogTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, WritesNeitherTheStoreNorTheTables) {
    memoryBoxes.QueueAnswer(core::kIdYes);
    const std::wstring storeBefore = registry.Dump(RegRoot::LocalMachine);
    const std::wstring tableA = Events(registry, kStudioA);
    const std::wstring tableB = Events(registry, kStudioB);

    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        DeleteFirstRow(driver, dialog, false);
        if (GetParam().escapeKey) {
            driver.PressKey(dialog.list, VK_ESCAPE);
        } else {
            driver.Click(dialog.window, IDCANCEL);
        }
        driver.WaitUntilGone(dialog.window);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(memoryBoxes.Calls().size(), 1u);  // the confirmation only
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), storeBefore);
    EXPECT_EQ(Events(registry, kStudioA), tableA);
    EXPECT_EQ(Events(registry, kStudioB), tableB);
    EXPECT_FALSE(registry.HasValue(RegRoot::CurrentUser, kToolSettings, L"Wav file path"));
    // Only the window placement is kept, whichever way the dialog closes.
    EXPECT_TRUE(registry.HasValue(RegRoot::CurrentUser, kToolSettings, L"Window dialog top"));
}

INSTANTIATE_TEST_SUITE_P(Closing, CancelTest,
                         ::testing::Values(CancelCase{"CancelButton", false},
                                           CancelCase{"EscapeKey", true}),
                         [](const auto& info) { return std::string(info.param.name); });

class WindowsRegistryDialogTest : public CuebellDialogTest {
  protected:
    void SetUp() override {
        CuebellDialogTest::SetUp();
        RemoveWindowsTestKeys();
        SeedWindows(StandardConfig());
        UseWindowsRegistry();
    }
    void TearDown() override { RemoveWindowsTestKeys(); }

    static std::wstring Text(RegRoot root, const std::wstring& key, const std::wstring& name) {
        return ReadWindowsText(root, key, name).value_or(L"(missing)");
    }
};

TEST_F(WindowsRegistryDialogTest, OkRoundTripThroughTheWindowsRegistry) {
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (dialog.Shown()) {
            driver.Click(dialog.window, IDOK);
            driver.WaitUntilGone(dialog.window);
        }
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_TRUE(memoryBoxes.Calls().empty());
    const RegRoot lm = RegRoot::LocalMachine;
    EXPECT_EQ(Text(lm, kStore, L"GPILength"), L"0.400000");
    EXPECT_EQ(WindowsValueBytes(lm, kStore, L"GPILength"), 2u * (8 + 1));
    EXPECT_EQ(Text(lm, kStore, L"GPIsCount"), L"3");
    EXPECT_EQ(Text(lm, StoreKey(L"Sample0"), L"Threshold"), L"0");
    EXPECT_EQ(Text(lm, StoreKey(L"Sample0"), L"Offset"), L"0.500000");
    EXPECT_EQ(Text(lm, StoreKey(L"Sample2"), L"AudioFile"), L"C:\\Jingles\\weather.wav");
    EXPECT_EQ(Text(lm, StoreKey(L"Device1"), L"Name"), L"CX840 Input 2 B2");
    EXPECT_EQ(Text(lm, StoreKey(L"GPI0"), L"SampleIndices"), L"0 1");
    EXPECT_EQ(Text(lm, StoreKey(L"GPI2"), L"DeviceIndex"), L"0");
    const RegRoot cu = RegRoot::CurrentUser;
    EXPECT_EQ(Text(cu, kStudioA, L"GPIEvents"),
              L"101 0 500 WAV_News|Top of hour\n101 0 500 WAV_Weather|Forecast\n"
              L"7 3 250 DTMF_Cue|Network cue");
    EXPECT_EQ(Text(cu, kStudioB, L"GPIEvents"),
              L"101 0 500 WAV_Sport|Match day\n12 0 0 Studio door|Red light");
    EXPECT_NE(Text(cu, kToolSettings, L"Wav file path"), L"(missing)");
}

TEST_F(WindowsRegistryDialogTest, OkIsRefusedWhileThePlayoutProgramRunsAndAcceptedOnceItIsGone) {
    UseRealMessageBoxes();
    UseRealSystem();
    SeenBox refusal;
    bool stayedOpen = false;
    std::wstring countWhileRefused;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        DeleteFirstRow(driver, dialog, true);
        PlayoutWindow playout;  // the playout program starts while the tool is open
        driver.Click(dialog.window, IDOK);
        refusal = driver.Answer(IDOK);
        driver.Settle(dialog.window);
        stayedOpen = ::IsWindowVisible(dialog.window) != FALSE;
        countWhileRefused = Text(RegRoot::LocalMachine, kStore, L"GPIsCount");
        playout.Close();
        driver.Click(dialog.window, IDOK);
        driver.WaitUntilGone(dialog.window);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(refusal.caption, L"Stop Cuebell");
    EXPECT_EQ(refusal.text, L"Airvexa is detected and must be closed before saving the changes!");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(countWhileRefused, L"3");
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(Text(RegRoot::LocalMachine, kStore, L"GPIsCount"), L"2");
    EXPECT_EQ(Text(RegRoot::CurrentUser, kStudioA, L"GPIEvents"),
              L"101 0 500 WAV_Weather|Forecast\n7 3 250 DTMF_Cue|Network cue");
}

TEST_F(CuebellDialogTest, FailedWriteIsReportedAndTheDialogStaysOpenWithItsEdits) {
    UseRealMessageBoxes();
    registry.FailCallOn(core::RegCall::Set, RegRoot::LocalMachine, kStore);
    SeenBox failure;
    bool stayedOpen = false;
    std::vector<std::wstring> names;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (!dialog.Shown()) {
            return;
        }
        DeleteFirstRow(driver, dialog, true);
        driver.Click(dialog.window, IDOK);
        failure = driver.Answer(IDOK);
        driver.Settle(dialog.window);
        stayedOpen = ::IsWindowVisible(dialog.window) != FALSE;
        for (const auto& row : driver.ReadRows(dialog.list)) {
            names.push_back(row[0]);
        }
        driver.Click(dialog.window, IDCANCEL);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(failure.caption, L"Stop Cuebell");
    EXPECT_EQ(failure.text, cuebell::CuebellText(cuebell::IDS_SAVE_FAILED));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"WAV_Sport", L"WAV_Weather"}));
    EXPECT_EQ(run.result, IDCANCEL);
}

}  // namespace
}  // namespace cuebelltest
