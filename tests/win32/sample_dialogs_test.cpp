// The sample editor and the sample manager from Cuebell's own templates, driven as an
// operator drives them: real controls, real message boxes, real WAV files measured by the
// board simulator through COM; only the file-open dialog answers from a script.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "board_simulator_fixture.h"
#include "cuebell/editors/win32/sample_add_edit_dlg.h"
#include "cuebell/editors/win32/sample_manager_dlg.h"
#include "cuebell/resource.h"
#include "dialog_driver.h"
#include "shared/inmemory/memory_file_dialog.h"
#include "shared/win32/com_board_driver.h"
#include "shared/win32/win32_message_box.h"
#include "shared/win32/win32_system.h"

namespace cuebelltest {
namespace {

using cuebell::SampleInfo;

class SampleDialogsTest : public simtest::BoardSimulatorFixture {
  protected:
    void SetUp() override {
        BoardSimulatorFixture::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        folder = simtest::TestWavFolder();
        if (folder.empty()) {
            GTEST_SKIP() << "CX840_TEST_WAVS is not set (run tests/win32/make_test_wavs.sh)";
        }
        tenSeconds = folder + L"pcm16_44100_stereo_10s.wav";
        twoSeconds = folder + L"pcm32_96000_stereo_2s.wav";
        threeSeconds = folder + L"pcm16_11025_mono_3s.wav";
        tooShort = folder + L"pcm16_48000_mono_0.8s.wav";
        notWav = folder + L"not_riff.wav";
        general.Threshold = 35;
    }

    cuebell::SamplePorts Ports() { return cuebell::SamplePorts{boxes, system, audio, files}; }

    DialogRun RunEditor(const std::wstring& title, std::wstring& path, SampleInfo& sample,
                        const std::function<void(DialogDriver&)>& script) {
        cuebell::CSampleAddEditDlg editor(::GetModuleHandleW(nullptr), Ports(), general, title,
                                          path, sample);
        return RunWithDriver([&] { return editor.DoModal(nullptr); }, script);
    }

    DialogRun RunManager(cuebell::SampleList& samples, std::wstring& path,
                         const cuebell::EntryRefs& entries,
                         const std::function<void(DialogDriver&)>& script) {
        cuebell::CSampleManagerDlg manager(::GetModuleHandleW(nullptr), samples, general, path,
                                           entries, Ports());
        return RunWithDriver([&] { return manager.DoModal(nullptr); }, script);
    }

    std::wstring folder, tenSeconds, twoSeconds, threeSeconds, tooShort, notWav;
    cuebell::GeneralParams general;
    win32::Win32MessageBox boxes;
    win32::Win32System system;
    core::ComAudioFileInfoPort audio;
    core::MemoryFileDialog files;
};

// Sets a control's text from the driver thread (sent: done when it returns).
void Type(HWND dialog, int id, const std::wstring& text) {
    ::SetWindowTextW(::GetDlgItem(dialog, id), text.c_str());
}

std::wstring TextOf(DialogDriver& driver, HWND dialog, int id) {
    return driver.Text(::GetDlgItem(dialog, id));
}

// A check box or button clicked as the mouse clicks it, so that an automatic check box
// toggles before its parent hears of it.
void ClickButton(DialogDriver& driver, HWND dialog, int id) {
    ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    driver.Settle(dialog);
}

bool Enabled(HWND dialog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

bool Checked(HWND dialog, int id) {
    return ::SendMessageW(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// One arrow key in the edit: its up-down steps the value.
void StepUp(DialogDriver& driver, HWND dialog, int editId) {
    driver.PressKey(::GetDlgItem(dialog, editId), VK_UP);
    driver.Settle(dialog);
}

TEST_F(SampleDialogsTest, EditorRefusesInOrderThenStoresTheClampedValues) {
    SampleInfo sample;
    sample.SampleId = L"{kept}";
    std::wstring path = L"C:\\Remembered\\old.wav";
    files.QueueAnswer(tenSeconds);

    struct Refused {
        std::wstring path, offset, delay;
        std::wstring text;
    };
    const std::vector<Refused> refusals = {
        {L"   ", L"0.00", L"0.50", L"Please enter audio file name!"},
        {folder + L"missing.wav", L"0.00", L"0.50",
         L"'" + folder + L"missing.wav' audio file not found!"},
        {tooShort, L"0.00", L"0.50",
         L"The wav file '" + tooShort +
             L"' has a duration of 00.80 s.\nA wav file duration cannot be less than 01.00 s!"},
        {notWav, L"0.00", L"0.50",
         L"The wav file '" + notWav +
             L"' has a duration of -2.00 s.\nA wav file duration cannot be less than 01.00 s!"},
        {tenSeconds, L"2.00", L"2.40", L"Delay must be greater than or equal to Offset + 00.50 s!"},
        // Past the end of the sample the offset is its last one (9.50): still too close.
        {tenSeconds, L"12", L"9.90", L"Delay must be greater than or equal to Offset + 00.50 s!"},
    };
    std::vector<SeenBox> seen;
    std::wstring clampedOffset;

    DialogRun run = RunEditor(L"Add sample", path, sample, [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog(L"Add sample");
        if (dialog == nullptr) {
            return;
        }
        // The 10-second file gives the offset its range: 0.00 to 9.50.
        driver.ClickAndWait(dialog, IDC_SAMPLE_BROWSE);
        for (const Refused& refused : refusals) {
            Type(dialog, IDC_SAMPLE_PATH, refused.path);
            Type(dialog, IDC_SAMPLE_OFFSET, refused.offset);
            Type(dialog, IDC_SAMPLE_DELAY, refused.delay);
            driver.Click(dialog, IDOK);
            seen.push_back(driver.Answer(IDOK));
        }
        clampedOffset = TextOf(driver, dialog, IDC_SAMPLE_OFFSET);
        // Exact decimals pass the delay rule; 150 typed and confirmed at once is 100.
        Type(dialog, IDC_SAMPLE_PATH, L" " + tenSeconds + L" ");
        Type(dialog, IDC_SAMPLE_OFFSET, L"0.07");
        Type(dialog, IDC_SAMPLE_DELAY, L"0.57");
        Type(dialog, IDC_SAMPLE_THRESHOLD, L"150");
        driver.Click(dialog, IDOK);
        driver.WaitUntilGone(dialog);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDOK);
    ASSERT_EQ(seen.size(), refusals.size());
    for (size_t i = 0; i < refusals.size(); ++i) {
        EXPECT_EQ(seen[i].caption, L"Add sample") << i;
        EXPECT_EQ(seen[i].text, refusals[i].text) << i;
    }
    EXPECT_EQ(clampedOffset, L"9.50");
    EXPECT_EQ(sample.AudioFile, tenSeconds);
    EXPECT_EQ(sample.Threshold, 100);
    EXPECT_DOUBLE_EQ(sample.Offset, 0.07);
    EXPECT_DOUBLE_EQ(sample.Delay, 0.57);
    EXPECT_EQ(sample.SampleId, L"{kept}");
    EXPECT_EQ(path, tenSeconds);
}

// A path typed over the one the editor opened with, and values confirmed with Enter: the
// offset is held to the file named at OK, the threshold to its range.
TEST_F(SampleDialogsTest, EditorClampsToTheFileNamedAtOK) {
    SampleInfo sample;
    sample.AudioFile = tenSeconds;
    sample.Threshold = 50;
    sample.Offset = 5.0;
    sample.Delay = 6.0;
    std::wstring path = tenSeconds;

    DialogRun run = RunEditor(L"Edit sample", path, sample, [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog(L"Edit sample");
        if (dialog == nullptr) {
            return;
        }
        Type(dialog, IDC_SAMPLE_PATH, threeSeconds);
        Type(dialog, IDC_SAMPLE_THRESHOLD, L"10");
        driver.Click(dialog, IDOK);
        driver.WaitUntilGone(dialog);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(sample.AudioFile, threeSeconds);
    EXPECT_DOUBLE_EQ(sample.Offset, 2.5);
    EXPECT_DOUBLE_EQ(sample.Delay, 6.0);
    EXPECT_EQ(sample.Threshold, 30);
}

TEST_F(SampleDialogsTest, EditorBrowsesAndSwitchesTheDefaultThresholdThenCancels) {
    SampleInfo sample;
    sample.AudioFile = tenSeconds;
    sample.Threshold = 55;
    sample.Offset = 3.0;
    sample.Delay = 1.0;
    const SampleInfo before = sample;
    std::wstring path = tenSeconds;
    files.QueueAnswer(std::nullopt);
    files.QueueAnswer(twoSeconds);
    files.QueueAnswer(folder + L"gone.wav");

    struct Seen {
        std::wstring offset, delay, threshold;
        bool useDefault = false, thresholdEnabled = false, spinEnabled = false;
    };
    std::vector<Seen> states;
    std::wstring afterCancelledBrowse, afterFineStep, pathAfterMissing;
    SeenBox missing;
    auto record = [&](DialogDriver& driver, HWND dialog) {
        states.push_back(Seen{
            TextOf(driver, dialog, IDC_SAMPLE_OFFSET), TextOf(driver, dialog, IDC_SAMPLE_DELAY),
            TextOf(driver, dialog, IDC_SAMPLE_THRESHOLD), Checked(dialog, IDC_SAMPLE_USE_DEFAULT),
            Enabled(dialog, IDC_SAMPLE_THRESHOLD), Enabled(dialog, IDC_SAMPLE_THRESHOLD_SPIN)});
    };

    DialogRun run = RunEditor(L"Edit sample", path, sample, [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog(L"Edit sample");
        if (dialog == nullptr) {
            return;
        }
        record(driver, dialog);  // the delay below the offset shows as the offset
        ClickButton(driver, dialog, IDC_SAMPLE_USE_DEFAULT);
        record(driver, dialog);
        ClickButton(driver, dialog, IDC_SAMPLE_USE_DEFAULT);
        record(driver, dialog);

        driver.ClickAndWait(dialog, IDC_SAMPLE_BROWSE);  // cancelled
        afterCancelledBrowse = TextOf(driver, dialog, IDC_SAMPLE_OFFSET) + L" " +
                               TextOf(driver, dialog, IDC_SAMPLE_DELAY) + L" " +
                               TextOf(driver, dialog, IDC_SAMPLE_PATH);
        driver.ClickAndWait(dialog, IDC_SAMPLE_BROWSE);  // the 2-second file: steps of 0.01
        StepUp(driver, dialog, IDC_SAMPLE_OFFSET);
        afterFineStep = TextOf(driver, dialog, IDC_SAMPLE_OFFSET) + L" " +
                        TextOf(driver, dialog, IDC_SAMPLE_PATH);
        driver.Click(dialog, IDC_SAMPLE_BROWSE);  // a file that is not there
        missing = driver.Answer(IDOK);
        pathAfterMissing = TextOf(driver, dialog, IDC_SAMPLE_PATH);

        Type(dialog, IDC_SAMPLE_PATH, tenSeconds);
        Type(dialog, IDC_SAMPLE_OFFSET, L"4.00");
        ClickButton(driver, dialog, IDC_SAMPLE_SET_DEFAULT);
        record(driver, dialog);
        driver.Click(dialog, IDCANCEL);
        driver.WaitUntilGone(dialog);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
    ASSERT_EQ(states.size(), 4u);
    const Seen expected[] = {{L"3.00", L"3.00", L"55", false, true, true},
                             {L"3.00", L"3.00", L"35", true, false, false},
                             {L"3.00", L"3.00", L"55", false, true, true},
                             {L"0.00", L"0.00", L"35", true, false, false}};
    for (size_t i = 0; i < states.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(states[i].offset, expected[i].offset);
        EXPECT_EQ(states[i].delay, expected[i].delay);
        EXPECT_EQ(states[i].threshold, expected[i].threshold);
        EXPECT_EQ(states[i].useDefault, expected[i].useDefault);
        EXPECT_EQ(states[i].thresholdEnabled, expected[i].thresholdEnabled);
        EXPECT_EQ(states[i].spinEnabled, expected[i].spinEnabled);
    }
    EXPECT_EQ(afterCancelledBrowse, L"0.00 0.00 " + tenSeconds);
    EXPECT_EQ(afterFineStep, L"0.01 " + twoSeconds);
    EXPECT_EQ(missing.caption, L"Select audio file");
    EXPECT_EQ(missing.text, folder +
                                L"gone.wav\nFile not found.\n"
                                L"Please verify the correct file name was given.");
    EXPECT_EQ(pathAfterMissing, L"");
    // The file dialog starts in the folder of the path it was given.
    ASSERT_EQ(files.Requests().size(), 3u);
    EXPECT_EQ(files.Requests()[0].startFolder + L"\\", folder);
    EXPECT_EQ(files.Requests()[0].title, L"Select audio file");
    // Cancel changes neither the record nor the path.
    EXPECT_EQ(sample.AudioFile, before.AudioFile);
    EXPECT_EQ(sample.Threshold, before.Threshold);
    EXPECT_EQ(sample.Offset, before.Offset);
    EXPECT_EQ(sample.Delay, before.Delay);
    EXPECT_EQ(path, tenSeconds);
}

// The tooltip windows of a thread; the tool (list window and identifier) picks the
// right one, as a list view may make one of its own.
BOOL CALLBACK CollectTooltips(HWND window, LPARAM context) {
    wchar_t className[64] = {};
    ::GetClassNameW(window, className, 64);
    if (std::wstring(className) == TOOLTIPS_CLASSW) {
        reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    }
    return TRUE;
}

// The text the tooltip that holds the tool gives it; empty when no tooltip holds it.
std::wstring ToolText(HWND list, UINT_PTR toolId) {
    std::vector<HWND> tooltips;
    ::EnumThreadWindows(::GetWindowThreadProcessId(list, nullptr), CollectTooltips,
                        reinterpret_cast<LPARAM>(&tooltips));
    for (HWND tooltip : tooltips) {
        std::vector<wchar_t> text(1024, L'\0');
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = list;
        tool.uId = toolId;
        tool.lpszText = text.data();
        ::SendMessageW(tooltip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
        if (text[0] != L'\0') {
            return text.data();
        }
    }
    return std::wstring();
}

// The tooltip text of a cell as the operator sees it with the mouse on the cell, which
// makes the cell the list's one tool. The pointer itself is put there too: a move of the
// real pointer still in the queue could otherwise take the tool to another cell first,
// so the tool is read again until such a move has passed.
std::wstring CellTip(HWND list, int row, int column, UINT_PTR toolId) {
    RECT cell{};
    cell.top = column;
    cell.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    ::SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&cell));
    POINT point{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    POINT onScreen = point;
    ::ClientToScreen(list, &onScreen);
    ::SetCursorPos(onScreen.x, onScreen.y);
    std::wstring text;
    for (int attempt = 0; attempt < 5 && text.empty(); ++attempt) {
        if (attempt > 0) {
            ::Sleep(20);
        }
        ::SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        text = ToolText(list, toolId);
    }
    return text;
}

SampleInfo MakeSample(const std::wstring& path, const std::wstring& id, int32_t threshold,
                      double offset, double delay) {
    SampleInfo sample;
    sample.AudioFile = path;
    sample.SampleId = id;
    sample.Threshold = threshold;
    sample.Offset = offset;
    sample.Delay = delay;
    return sample;
}

class SampleManagerTest : public SampleDialogsTest {
  protected:
    void SetUp() override {
        SampleDialogsTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        samples = {MakeSample(tenSeconds, L"{ten}", 45, 0.5, 1.0),
                   MakeSample(twoSeconds, L"{two}", 50, 0.0, 1.0),
                   MakeSample(threeSeconds, L"{three}", 0, 12.5, 13.0)};
        news.Name = L"WAV_News";
        news.SampleIds = {L"{two}"};
        entries = {&news};
    }

    cuebell::SampleList samples;
    std::wstring path = L"C:\\Remembered\\old.wav";
    cuebell::GpiInfo news;
    cuebell::EntryRefs entries;
};

TEST_F(SampleManagerTest, AddsEditsAndDeletesThenReplacesTheOwnersSamplesOnOK) {
    Rows opened, afterAdd, afterEdit, atEnd;
    int selectedAtStart = -1, selectedAfterDelete = -1;
    SeenBox editQuestion, usedRefusal, confirmation;
    files.QueueAnswer(tenSeconds);

    DialogRun run = RunManager(samples, path, entries, [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog(L"Samples");
        if (dialog == nullptr) {
            return;
        }
        HWND list = ::GetDlgItem(dialog, IDC_SAMPLE_LIST);
        opened = driver.ReadRows(list);
        selectedAtStart = driver.SelectedRow(list);

        // Add: the Insert key asks for the editor.
        driver.PressKey(list, VK_INSERT);
        HWND editor = driver.WaitForDialog(L"Add sample");
        if (editor == nullptr) {
            return;
        }
        driver.ClickAndWait(editor, IDC_SAMPLE_BROWSE);
        Type(editor, IDC_SAMPLE_DELAY, L"1.50");
        driver.Click(editor, IDOK);
        driver.WaitUntilGone(editor);
        driver.Settle(dialog);
        afterAdd = driver.ReadRows(list);

        // Edit a sample in use: No leaves it, Yes opens the editor.
        driver.SelectRow(list, 1);
        driver.Click(dialog, IDC_SAMPLE_EDIT);
        editQuestion = driver.Answer(IDNO);
        driver.Click(dialog, IDC_SAMPLE_EDIT);
        driver.Answer(IDYES);
        editor = driver.WaitForDialog(L"Edit sample");
        if (editor == nullptr) {
            return;
        }
        Type(editor, IDC_SAMPLE_THRESHOLD, L"77");
        driver.Click(editor, IDOK);
        driver.WaitUntilGone(editor);
        driver.Settle(dialog);
        afterEdit = driver.ReadRows(list);

        // Delete: refused while in use, then the first row after the question.
        driver.Click(dialog, IDC_SAMPLE_DELETE);
        usedRefusal = driver.Answer(IDOK);
        driver.SelectRow(list, 0);
        driver.Click(dialog, IDC_SAMPLE_DELETE);
        confirmation = driver.Answer(IDYES);
        driver.Settle(dialog);
        selectedAfterDelete = driver.SelectedRow(list);
        atEnd = driver.ReadRows(list);
        driver.Click(dialog, IDOK);
        driver.WaitUntilGone(dialog);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(opened, (Rows{{L"pcm16_44100_stereo_10s.wav", L" 1.00", L" 0.50", L"45"},
                            {L"pcm32_96000_stereo_2s.wav", L" 1.00", L" 0.00", L"50"},
                            {L"pcm16_11025_mono_3s.wav", L"13.00", L"12.50", L"35 (default)"}}));
    EXPECT_EQ(selectedAtStart, 2);
    ASSERT_EQ(afterAdd.size(), 4u);
    EXPECT_EQ(afterAdd[3], (std::vector<std::wstring>{L"pcm16_44100_stereo_10s.wav", L" 1.50",
                                                      L" 0.00", L"30"}));
    EXPECT_EQ(editQuestion.caption, L"Edit sample");
    EXPECT_EQ(editQuestion.text,
              L"The selected sample is used by the detection entry: \n1) WAV_News.\n\n"
              L"Continue anyway?");
    ASSERT_EQ(afterEdit.size(), 4u);
    EXPECT_EQ(afterEdit[1][3], L"77");
    EXPECT_EQ(usedRefusal.caption, L"Delete sample");
    EXPECT_EQ(usedRefusal.text,
              L"Cannot delete the selected sample: it is used by the detection entry:\n"
              L"1) WAV_News.");
    EXPECT_EQ(confirmation.caption, L"Delete sample");
    EXPECT_EQ(confirmation.text, L"Are you sure you want to delete '" + tenSeconds + L"'?");
    EXPECT_EQ(atEnd.size(), 3u);
    EXPECT_EQ(selectedAfterDelete, 0);

    // The owner's samples in row order: the edited one keeps its identifier, the added
    // one comes last with a new one; the remembered path is the added file.
    ASSERT_EQ(samples.size(), 3u);
    EXPECT_EQ(samples[0].SampleId, L"{two}");
    EXPECT_EQ(samples[0].Threshold, 77);
    EXPECT_EQ(samples[1].SampleId, L"{three}");
    EXPECT_EQ(samples[2].AudioFile, tenSeconds);
    EXPECT_DOUBLE_EQ(samples[2].Delay, 1.5);
    EXPECT_EQ(samples[2].SampleId.size(), 38u);
    EXPECT_EQ(path, tenSeconds);
}

TEST_F(SampleManagerTest, EveryCellShowsItsRowsPathCutToTheTooltipLength) {
    const std::wstring longPath = L"C:\\Jingles\\" + std::wstring(100, L'x') + L".wav";
    samples[1].AudioFile = longPath;
    const struct {
        int row, column;
        UINT_PTR toolId;  // the cell's tool, as SampleCellToolId numbers it
        std::wstring path;
    } cells[] = {{0, 0, 1, tenSeconds},
                 {0, 3, 4, tenSeconds},
                 {1, 0, 1025, longPath},
                 {1, 2, 1027, longPath},
                 {2, 1, 2050, threeSeconds}};
    std::vector<std::wstring> tips;

    DialogRun run = RunManager(samples, path, entries, [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog(L"Samples");
        if (dialog == nullptr) {
            return;
        }
        HWND list = ::GetDlgItem(dialog, IDC_SAMPLE_LIST);
        for (const auto& cell : cells) {
            tips.push_back(CellTip(list, cell.row, cell.column, cell.toolId));
        }
        driver.Click(dialog, IDCANCEL);
        driver.WaitUntilGone(dialog);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    ASSERT_EQ(tips.size(), std::size(cells));
    for (size_t i = 0; i < tips.size(); ++i) {
        SCOPED_TRACE(testing::Message()
                     << "row " << cells[i].row << ", column " << cells[i].column);
        EXPECT_EQ(tips[i], cells[i].path.substr(0, 79));
    }
    EXPECT_EQ(tips[2].size(), 79u);
}

TEST_F(SampleManagerTest, CancelLeavesTheOwnersSamplesAndPath) {
    const cuebell::SampleList before = samples;
    files.QueueAnswer(threeSeconds);
    int rowsBeforeCancel = 0;

    DialogRun run = RunManager(samples, path, entries, [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog(L"Samples");
        if (dialog == nullptr) {
            return;
        }
        HWND list = ::GetDlgItem(dialog, IDC_SAMPLE_LIST);
        driver.Click(dialog, IDC_SAMPLE_ADD);
        HWND editor = driver.WaitForDialog(L"Add sample");
        if (editor == nullptr) {
            return;
        }
        driver.ClickAndWait(editor, IDC_SAMPLE_BROWSE);
        Type(editor, IDC_SAMPLE_DELAY, L"0.50");
        driver.Click(editor, IDOK);
        driver.WaitUntilGone(editor);
        driver.SelectRow(list, 0);
        driver.PressKey(list, VK_DELETE);
        driver.Answer(IDYES);
        driver.Settle(dialog);
        rowsBeforeCancel = static_cast<int>(driver.ReadRows(list).size());
        driver.Click(dialog, IDCANCEL);
        driver.WaitUntilGone(dialog);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(rowsBeforeCancel, 3);
    ASSERT_EQ(samples.size(), before.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(samples[i].SampleId, before[i].SampleId);
        EXPECT_EQ(samples[i].AudioFile, before[i].AudioFile);
    }
    EXPECT_EQ(path, L"C:\\Remembered\\old.wav");
}

TEST_F(SampleManagerTest, AnEmptyListDisablesEditAndDeleteAndRefusesTheDeleteKey) {
    samples.clear();
    bool editEnabled = true, deleteEnabled = true, enabledAfterAdd = false;
    SeenBox refusal;
    files.QueueAnswer(tenSeconds);

    DialogRun run = RunManager(samples, path, entries, [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog(L"Samples");
        if (dialog == nullptr) {
            return;
        }
        HWND list = ::GetDlgItem(dialog, IDC_SAMPLE_LIST);
        editEnabled = Enabled(dialog, IDC_SAMPLE_EDIT);
        deleteEnabled = Enabled(dialog, IDC_SAMPLE_DELETE);
        driver.PressKey(list, VK_DELETE);
        refusal = driver.Answer(IDOK);
        driver.Click(dialog, IDC_SAMPLE_ADD);
        HWND editor = driver.WaitForDialog(L"Add sample");
        if (editor == nullptr) {
            return;
        }
        driver.ClickAndWait(editor, IDC_SAMPLE_BROWSE);
        Type(editor, IDC_SAMPLE_DELAY, L"0.50");
        driver.Click(editor, IDOK);
        driver.WaitUntilGone(editor);
        driver.Settle(dialog);
        enabledAfterAdd = Enabled(dialog, IDC_SAMPLE_EDIT) && Enabled(dialog, IDC_SAMPLE_DELETE);
        driver.Click(dialog, IDCANCEL);
        driver.WaitUntilGone(dialog);
    });

    ASSERT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_FALSE(editEnabled);
    EXPECT_FALSE(deleteEnabled);
    EXPECT_EQ(refusal.caption, L"Delete audio file");
    EXPECT_EQ(refusal.text, L"There is no selected audio file to delete!");
    EXPECT_TRUE(enabledAfterAdd);
    EXPECT_TRUE(samples.empty());
}

}  // namespace
}  // namespace cuebelltest
