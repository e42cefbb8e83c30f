// Cuebell's main dialog at start-up, driven as the operator meets it: the refusals that end
// the program before anything is written, the sample-rate repair, and the merge with the
// playout event tables and its messages.
#include <gtest/gtest.h>

#include "cuebell/core/box_message.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell_dialog_fixture.h"

namespace cuebelltest {
namespace {

using core::RegRoot;
using cuebell::CuebellText;

std::wstring StudioEvents(const core::MemoryRegistry& registry, const wchar_t* studio) {
    return registry.GetString(RegRoot::CurrentUser, studio, L"GPIEvents");
}

TEST_F(CuebellDialogTest, PlayoutWindowAtStartRefusesBeforeBoardsOrStoreAreTouched) {
    UseRealMessageBoxes();
    UseRealSystem();
    PlayoutWindow playout;
    ASSERT_TRUE(playout.Exists());
    const std::wstring storeBefore = registry.Dump(RegRoot::LocalMachine);
    const std::wstring tableBefore = StudioEvents(registry, kStudioA);

    SeenBox box;
    bool mainDialogStayedAway = false;
    const DialogRun run = Run([&](DialogDriver& driver) {
        box = driver.Answer(IDOK);
        mainDialogStayedAway = driver.StaysAway(L"Cuebell", 300);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(box.caption, L"Start Cuebell");
    EXPECT_EQ(box.text,
              L"Airvexa is detected and must be closed before starting the Cuebell application!");
    EXPECT_TRUE(run.quitPosted);
    EXPECT_TRUE(mainDialogStayedAway);
    EXPECT_EQ(boards.createCount, 0);
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), storeBefore);
    EXPECT_EQ(StudioEvents(registry, kStudioA), tableBefore);
}

struct NoBoardCase {
    const char* name;
    std::vector<int32_t> rates;
    bool failCreate;
};

class NoBoardTest : public CuebellDialogTest, public ::testing::WithParamInterface<NoBoardCase> {};

TEST_P(NoBoardTest, EndsTheProgramAfterItsMessage) {
    boards.boardRates = GetParam().rates;
    boards.failCreate = GetParam().failCreate;
    const std::wstring storeBefore = registry.Dump(RegRoot::LocalMachine);

    bool mainDialogStayedAway = false;
    const DialogRun run = Run(
        [&](DialogDriver& driver) { mainDialogStayedAway = driver.StaysAway(L"Cuebell", 300); });

    EXPECT_TRUE(run.quitPosted);
    EXPECT_TRUE(mainDialogStayedAway);
    ASSERT_EQ(memoryBoxes.Calls().size(), 1u);
    const core::MessageBoxCall& box = memoryBoxes.Calls()[0];
    EXPECT_EQ(box.text, CuebellText(cuebell::IDS_NO_BOARD_FOUND));
    EXPECT_EQ(box.caption, L"Check CX840 board");
    EXPECT_EQ(box.flags & 0xF0u, core::kMbIconError);
    EXPECT_NE(box.owner, 0u);
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), storeBefore);
}

INSTANTIATE_TEST_SUITE_P(Boards, NoBoardTest,
                         ::testing::Values(NoBoardCase{"NoBoardInstalled", {}, false},
                                           NoBoardCase{"DriverCannotBeCreated", {48000}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CuebellDialogTest, DeclinedSampleRateRepairEndsTheProgramWithoutWriting) {
    boards.boardRates = {48000, 48000};  // board 1 no longer runs at the device's 44100 Hz
    memoryBoxes.QueueAnswer(core::kIdNo);
    const std::wstring storeBefore = registry.Dump(RegRoot::LocalMachine);

    bool mainDialogStayedAway = false;
    const DialogRun run = Run(
        [&](DialogDriver& driver) { mainDialogStayedAway = driver.StaysAway(L"Cuebell", 300); });

    EXPECT_TRUE(run.quitPosted);
    EXPECT_TRUE(mainDialogStayedAway);
    ASSERT_EQ(memoryBoxes.Calls().size(), 1u);
    EXPECT_EQ(memoryBoxes.Calls()[0].text,
              L"The detection sample rates do not correspond to the CX840 audio settings. They "
              L"have to be changed.\nDo you want to change them and start the Cuebell?");
    EXPECT_EQ(memoryBoxes.Calls()[0].caption, L"Changing detection sample rates");
    EXPECT_EQ(memoryBoxes.Calls()[0].flags, core::kMbYesNo | core::kMbIconQuestion);
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), storeBefore);
}

TEST_F(CuebellDialogTest, AcceptedSampleRateRepairIsWrittenAtOnceEvenIfCancelled) {
    boards.boardRates = {48000, 48000};
    memoryBoxes.QueueAnswer(core::kIdYes);

    Rows rows;
    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (dialog.Shown()) {
            rows = driver.ReadRows(dialog.list);
            driver.Click(dialog.window, IDCANCEL);
            driver.WaitUntilGone(dialog.window);
        }
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_FALSE(run.quitPosted);
    EXPECT_EQ(rows.size(), 3u);
    const std::wstring device0 = StoreKey(L"Device0");
    EXPECT_EQ(registry.GetString(RegRoot::LocalMachine, device0, L"SampleRate"), L"48000");
    EXPECT_EQ(registry.GetString(RegRoot::LocalMachine, device0, L"AnalysisDigit"), L"14");
    // Cancel still writes neither the rest of the store nor the tables.
    EXPECT_EQ(registry.GetString(RegRoot::LocalMachine, kStore, L"GPILength"), L"0.4");
    EXPECT_EQ(StudioEvents(registry, kStudioB),
              L"12 0 0 Studio door|Red light\n101 0 500 WAV_Sport|Match day");
}

TEST_F(CuebellDialogTest, DeviceOfABoardNoLongerInstalledKeepsItsRateWithoutQuestion) {
    registry.PutString(RegRoot::LocalMachine, StoreKey(L"Device1"), L"Name", L"CX840 Input 2 B7");
    registry.PutString(RegRoot::LocalMachine, StoreKey(L"Device1"), L"SampleRate", L"12345");

    const DialogRun run = Run([&](DialogDriver& driver) {
        const MainDialog dialog = MainDialog::Wait(driver);
        if (dialog.Shown()) {
            driver.Click(dialog.window, IDCANCEL);
        }
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
    for (const core::MessageBoxCall& box : memoryBoxes.Calls()) {
        EXPECT_NE(box.caption, L"Changing detection sample rates");
    }
    EXPECT_EQ(registry.GetString(RegRoot::LocalMachine, StoreKey(L"Device1"), L"SampleRate"),
              L"12345");
}

TEST_F(CuebellDialogTest, MergeAnnouncesEachRemovedEventAndTheEntriesTakeTheirComments) {
    UseRealMessageBoxes();
    Seed(registry, With(With(StandardConfig(), RegRoot::CurrentUser, kStudioA, L"GPIEvents",
                             L"7 3 250 DTMF_Cue|Network cue\n101 0 500 WAV_News|Top of hour\n"
                             L"101 0 500 WAV_Weather|Forecast\n101 0 500 WAV_Weather|Again"),
                        RegRoot::CurrentUser, kStudioB, L"GPIEvents",
                        L"12 0 0 Studio door|Red light\n101 0 500 WAV_Sport|Match day\n"
                        L"101 0 500 WAV_News|Wrong board"));
    const std::wstring tableA = StudioEvents(registry, kStudioA);
    const std::wstring tableB = StudioEvents(registry, kStudioB);

    SeenBox misplaced, repeated;
    Rows rows;
    const DialogRun run = Run([&](DialogDriver& driver) {
        misplaced = driver.Answer(IDOK);
        repeated = driver.Answer(IDOK);
        const MainDialog dialog = MainDialog::Wait(driver);
        if (dialog.Shown()) {
            rows = driver.ReadRows(dialog.list);
            driver.Click(dialog.window, IDCANCEL);
        }
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(misplaced.caption, L"Set VeZev info ");
    EXPECT_EQ(misplaced.text,
              L"For the detection entry 'WAV_News' (board #1), the same one from VeZevStudio B "
              L"but assigned to a different board (#2) will be deleted!");
    EXPECT_EQ(repeated.caption, L"Set VeZev info ");
    EXPECT_EQ(repeated.text,
              L"The repeating detection entry 'WAV_Weather' from VeZevStudio A will be deleted!");
    const Rows expected = {{L"WAV_News", L"Wait command", L"Top of hour"},
                           {L"WAV_Sport", L"Wait command", L"Match day"},
                           {L"WAV_Weather", L"Wait command", L"Forecast"}};
    EXPECT_EQ(rows, expected);
    // The removals are written only by OK.
    EXPECT_EQ(StudioEvents(registry, kStudioA), tableA);
    EXPECT_EQ(StudioEvents(registry, kStudioB), tableB);
}

}  // namespace
}  // namespace cuebelltest
