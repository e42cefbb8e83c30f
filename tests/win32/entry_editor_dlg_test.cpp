// The detection entry editor from the program's own template, driven as an operator
// would: what it opens with, each refusal of its OK (the message, the focus on the
// control at fault, the editor still open and the entry untouched), a successful OK
// that stores the entry, and Cancel after a refusal that leaves it as it was.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/editors/win32/gpi_add_edit_dlg.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/resource.h"
#include "dialog_driver.h"
#include "shared/inmemory/memory_message_box.h"
#include "shared/win32/controls.h"
#include "shared/win32/win32_message_box.h"

namespace cuebelltest {
namespace {

using cuebell::CuebellText;
using cuebell::GpiInfo;

// Real message boxes, each recorded first, so that the test sees the flags as well.
class RecordedBoxes : public core::MessageBoxPort {
  public:
    int Show(core::WindowHandle owner, const std::wstring& text, const std::wstring& caption,
             unsigned flags) override {
        calls.push_back({owner, text, caption, flags});
        return real_.Show(owner, text, caption, flags);
    }
    std::vector<core::MessageBoxCall> calls;

  private:
    win32::Win32MessageBox real_;
};

cuebell::SampleInfo Sample(const wchar_t* path, int32_t threshold, const wchar_t* id) {
    cuebell::SampleInfo sample;
    sample.AudioFile = path;
    sample.Threshold = threshold;
    sample.Offset = 0.5;
    sample.Delay = 2.0;
    sample.SampleId = id;
    return sample;
}

cuebell::DeviceInfo Device(const wchar_t* name, int32_t rate, int32_t digit, const wchar_t* id) {
    cuebell::DeviceInfo device;
    device.Name = name;
    device.SampleRate = rate;
    device.AnalysisDigit = digit;
    device.DeviceId = id;
    return device;
}

// Every field of an entry in one text, so that a difference shows where it is.
std::wstring Show(const GpiInfo& entry) {
    std::wostringstream text;
    text << entry.Name << L" | " << entry.DeviceId << L" |";
    for (const std::wstring& id : entry.SampleIds) {
        text << L" " << id;
    }
    text << L" | " << entry.Action.Name << L" " << entry.Action.CommentAllowed << L" "
         << entry.Action.Code << L" | " << entry.Comment;
    return text.str();
}

// The editor's controls, found once it is shown, and what the operator does with them.
struct EntryEditor {
    DialogDriver* driver = nullptr;
    HWND window = nullptr;

    static EntryEditor Wait(DialogDriver& driver, const std::wstring& title) {
        return EntryEditor{&driver, driver.WaitForDialog(title)};
    }
    bool Shown() const { return window != nullptr; }
    HWND Item(int id) const { return ::GetDlgItem(window, id); }

    void Type(int id, const std::wstring& text) const {
        ::SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Chooses the item as a click in the drop-down list would, change notification and all.
    void Choose(int comboId, int item) const {
        ::SendMessageW(Item(comboId), CB_SETCURSEL, static_cast<WPARAM>(item), 0);
        ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Item(comboId)));
        driver->Settle(window);
    }
    void Tick(int row, bool on) const {
        win32::CListView(Item(IDC_ENTRY_SAMPLES)).SetCheckState(row, on);
    }
    std::vector<bool> Ticks() const {
        win32::CListView list(Item(IDC_ENTRY_SAMPLES));
        std::vector<bool> ticks;
        for (int row = 0; row < list.GetItemCount(); ++row) {
            ticks.push_back(list.GetCheckState(row));
        }
        return ticks;
    }
    std::vector<std::wstring> ComboItems(int comboId) const {
        win32::CComboBox combo(Item(comboId));
        std::vector<std::wstring> items;
        for (int item = 0; item < combo.GetCount(); ++item) {
            items.push_back(combo.GetLBText(item));
        }
        return items;
    }
    int Chosen(int comboId) const { return win32::CComboBox(Item(comboId)).GetCurSel(); }
    // Where a click moves the focus before the button acts.
    void FocusButton(int id) const {
        ::SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    }
    bool Visible(int id) const { return ::IsWindowVisible(Item(id)) != FALSE; }
    // The control that has the keyboard focus in the editor's thread.
    int FocusedId() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
        return info.hwndFocus != nullptr ? ::GetDlgCtrlID(info.hwndFocus) : 0;
    }
    // What the list answers when it asks for a row's tooltip.
    std::wstring Tooltip(int row) const {
        wchar_t buffer[INFOTIPSIZE] = L"";
        NMLVGETINFOTIPW request{};
        request.hdr.hwndFrom = Item(IDC_ENTRY_SAMPLES);
        request.hdr.idFrom = IDC_ENTRY_SAMPLES;
        request.hdr.code = LVN_GETINFOTIPW;
        request.pszText = buffer;
        request.cchTextMax = INFOTIPSIZE;
        request.iItem = row;
        ::SendMessageW(window, WM_NOTIFY, IDC_ENTRY_SAMPLES, reinterpret_cast<LPARAM>(&request));
        return buffer;
    }
};

class EntryEditorDlgTest : public ::testing::Test {
  protected:
    EntryEditorDlgTest() { general.Threshold = 25; }

    DialogRun Run(int titleId, GpiInfo* entry, const std::function<void(EntryEditor&)>& script) {
        cuebell::CGPIAddEditDlg dialog(::GetModuleHandleW(nullptr), boxes, titleId, entry,
                                       {L"WAV_News", L"WAV_Sport"}, samples, devices, actions,
                                       general);
        const std::wstring title = CuebellText(titleId);
        return RunWithDriver([&] { return dialog.DoModal(nullptr); },
                             [&](DialogDriver& driver) {
                                 EntryEditor editor = EntryEditor::Wait(driver, title);
                                 if (editor.Shown()) {
                                     script(editor);
                                 }
                             });
    }

    static GpiInfo Weather() {
        GpiInfo entry;
        entry.Name = L"WAV_Weather";
        entry.DeviceId = L"{D2}";
        entry.SampleIds = {L"{S3}"};
        entry.Action = {L"WAIT COMMAND", 1, 101};
        entry.Comment = L"Forecast";
        return entry;
    }

    cuebell::SampleList samples{Sample(L"C:\\Jingles\\news.wav", 0, L"{S1}"),
                                Sample(L"C:\\Jingles\\sport.wav", 45, L"{S2}"),
                                Sample(L"C:\\Jingles\\Long folder name\\weather.wav", 30, L"{S3}")};
    cuebell::DeviceList devices{Device(L"CX840 Input 1 B1", 44100, 14, L"{D1}"),
                                Device(L"CX840 Input 2 B2", 48000, 15, L"{D2}")};
    core::ActionList actions{{L"Wait command", 1, 101}, {L"Mute", 0, 7}};
    cuebell::GeneralParams general;
    RecordedBoxes boxes;
};

TEST_F(EntryEditorDlgTest, OpensWithTheEntrysChoices) {
    GpiInfo entry = Weather();
    struct Seen {
        std::wstring name, comment;
        std::vector<std::wstring> devices, actions;
        int device = -2, action = -2, focus = 0;
        bool commentShown = false;
        Rows rows;
        std::vector<bool> ticks;
        std::wstring tooltip;
    } seen;
    const DialogRun run = Run(cuebell::IDS_EDIT_ENTRY_TITLE, &entry, [&](EntryEditor& editor) {
        seen.name = editor.driver->Text(editor.Item(IDC_ENTRY_NAME));
        seen.comment = editor.driver->Text(editor.Item(IDC_ENTRY_COMMENT));
        seen.devices = editor.ComboItems(IDC_ENTRY_DEVICE);
        seen.actions = editor.ComboItems(IDC_ENTRY_ACTION);
        seen.device = editor.Chosen(IDC_ENTRY_DEVICE);
        seen.action = editor.Chosen(IDC_ENTRY_ACTION);
        seen.commentShown =
            editor.Visible(IDC_ENTRY_COMMENT_LABEL) && editor.Visible(IDC_ENTRY_COMMENT);
        seen.focus = editor.FocusedId();
        seen.rows = editor.driver->ReadRows(editor.Item(IDC_ENTRY_SAMPLES));
        seen.ticks = editor.Ticks();
        seen.tooltip = editor.Tooltip(2);
        editor.driver->Click(editor.window, IDCANCEL);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(seen.name, L"WAV_Weather");
    EXPECT_EQ(seen.comment, L"Forecast");
    EXPECT_EQ(seen.devices,
              (std::vector<std::wstring>{
                  L"CX840 Input 1 B1 (Sample rate = 44100 Hz, Analysis interval = 371 ms)",
                  L"CX840 Input 2 B2 (Sample rate = 48000 Hz, Analysis interval = 682 ms)"}));
    EXPECT_EQ(seen.actions, (std::vector<std::wstring>{L"Wait command", L"Mute"}));
    EXPECT_EQ(seen.device, 1);
    EXPECT_EQ(seen.action, 0);
    EXPECT_TRUE(seen.commentShown);
    EXPECT_EQ(seen.focus, IDC_ENTRY_NAME);
    const Rows rows = {{L"news.wav (Threshold = 25%(default), Offset = 00.50 s, Delay = 02.00 s)"},
                       {L"sport.wav (Threshold = 45%, Offset = 00.50 s, Delay = 02.00 s)"},
                       {L"weather.wav (Threshold = 30%, Offset = 00.50 s, Delay = 02.00 s)"}};
    EXPECT_EQ(seen.rows, rows);
    EXPECT_EQ(seen.ticks, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(seen.tooltip, L"C:\\Jingles\\Long folder name\\weather.wav");
    EXPECT_EQ(Show(entry), Show(Weather()));
}

// What the operator leaves in the editor before pressing OK, and what the editor answers.
struct RefusalCase {
    const char* what;
    std::wstring name;
    std::wstring comment;
    int samplesButton;  // pressed before OK; 0: none
    int text;
    int focus;
    std::wstring shownName;
};

struct SeenRefusal {
    std::vector<core::MessageBoxCall> boxes;
    SeenBox box;
    int focus = 0;
    bool stillOpen = false;
    std::wstring shownName;
    std::wstring entry;
};

TEST_F(EntryEditorDlgTest, RefusesEachFaultThenStoresTheEntryOnOk) {
    const RefusalCase cases[] = {
        {"blank name", L"   ", L"", 0, cuebell::IDS_ENTER_ENTRY_NAME, IDC_ENTRY_NAME, L""},
        {"bar in name", L"Rain|Snow", L"", 0, cuebell::IDS_ENTRY_NAME_HAS_BAR, IDC_ENTRY_NAME,
         L"Rain|Snow"},
        {"another entry's name", L"  news ", L"", 0, cuebell::IDS_ENTRY_NAME_EXISTS, IDC_ENTRY_NAME,
         L"news"},
        {"nothing ticked", L"Weather 2", L"", IDC_ENTRY_UNSELECT_ALL,
         cuebell::IDS_NO_SAMPLE_CHECKED, IDC_ENTRY_SAMPLES, L"Weather 2"},
        {"line break in comment", L"Weather 2", L"two\r\nlines", IDC_ENTRY_SELECT_ALL,
         cuebell::IDS_COMMENT_HAS_LINE_BREAK, IDC_ENTRY_COMMENT, L"Weather 2"},
    };
    GpiInfo entry = Weather();
    std::vector<SeenRefusal> seen(std::size(cases));
    struct Final {
        int selectedAfterButtons = -2;
        std::vector<bool> allTicked, noneTicked;
        bool commentShown = true;
        std::wstring comment;
    } final;

    const DialogRun run = Run(cuebell::IDS_EDIT_ENTRY_TITLE, &entry, [&](EntryEditor& editor) {
        DialogDriver& driver = *editor.driver;
        for (size_t i = 0; i < std::size(cases); ++i) {
            const RefusalCase& c = cases[i];
            editor.Type(IDC_ENTRY_NAME, c.name);
            editor.Type(IDC_ENTRY_COMMENT, c.comment);
            if (c.samplesButton != 0) {
                driver.ClickAndWait(editor.window, c.samplesButton);
            }
            boxes.calls.clear();
            editor.FocusButton(IDOK);
            driver.Click(editor.window, IDOK);
            seen[i].box = driver.Answer(IDOK);
            driver.Settle(editor.window);
            seen[i].boxes = boxes.calls;
            seen[i].focus = editor.FocusedId();
            seen[i].stillOpen = ::IsWindowVisible(editor.window) != FALSE;
            seen[i].shownName = driver.Text(editor.Item(IDC_ENTRY_NAME));
            seen[i].entry = Show(entry);
        }

        // The two buttons tick and clear every row and leave the selection alone.
        driver.SelectRow(editor.Item(IDC_ENTRY_SAMPLES), 1);
        driver.ClickAndWait(editor.window, IDC_ENTRY_SELECT_ALL);
        final.allTicked = editor.Ticks();
        driver.ClickAndWait(editor.window, IDC_ENTRY_UNSELECT_ALL);
        final.noneTicked = editor.Ticks();
        final.selectedAfterButtons = driver.SelectedRow(editor.Item(IDC_ENTRY_SAMPLES));

        editor.Type(IDC_ENTRY_NAME, L" Weather 2 ");
        editor.Type(IDC_ENTRY_COMMENT, L"two\r\nlines");
        editor.Tick(2, true);
        editor.Tick(0, true);
        editor.Choose(IDC_ENTRY_DEVICE, 0);
        editor.Choose(IDC_ENTRY_ACTION, 1);  // allows no comment
        final.commentShown =
            editor.Visible(IDC_ENTRY_COMMENT_LABEL) || editor.Visible(IDC_ENTRY_COMMENT);
        final.comment = driver.Text(editor.Item(IDC_ENTRY_COMMENT));
        driver.Click(editor.window, IDOK);
        driver.WaitUntilGone(editor.window);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const RefusalCase& c = cases[i];
        SCOPED_TRACE(c.what);
        EXPECT_EQ(seen[i].box.caption, L"Edit detection entry");
        EXPECT_EQ(seen[i].box.text, CuebellText(c.text));
        ASSERT_EQ(seen[i].boxes.size(), 1u);
        EXPECT_EQ(seen[i].boxes[0].flags, core::kMbOk | core::kMbIconError);
        EXPECT_NE(seen[i].boxes[0].owner, 0u);
        EXPECT_EQ(seen[i].focus, c.focus);
        EXPECT_TRUE(seen[i].stillOpen);
        EXPECT_EQ(seen[i].shownName, c.shownName);
        EXPECT_EQ(seen[i].entry, Show(Weather()));
    }
    EXPECT_EQ(final.allTicked, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(final.noneTicked, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(final.selectedAfterButtons, 1);
    EXPECT_FALSE(final.commentShown);
    EXPECT_EQ(final.comment, L"");

    EXPECT_EQ(run.result, IDOK);
    GpiInfo stored;
    stored.Name = L"WAV_Weather 2";
    stored.DeviceId = L"{D1}";
    stored.SampleIds = {L"{S1}", L"{S3}"};
    stored.Action = {L"Mute", 0, 7};
    stored.Comment = L"";
    EXPECT_EQ(Show(entry), Show(stored));
}

TEST_F(EntryEditorDlgTest, CancelAfterARefusalLeavesTheNewEntryAsItWas) {
    GpiInfo entry;
    const std::wstring fresh = Show(entry);
    struct Seen {
        int device = -2, action = -2;
        std::vector<bool> ticks;
        SeenBox box;
    } seen;
    const DialogRun run = Run(cuebell::IDS_ADD_ENTRY_TITLE, &entry, [&](EntryEditor& editor) {
        DialogDriver& driver = *editor.driver;
        seen.device = editor.Chosen(IDC_ENTRY_DEVICE);
        seen.action = editor.Chosen(IDC_ENTRY_ACTION);
        seen.ticks = editor.Ticks();
        editor.Type(IDC_ENTRY_NAME, L"WAV_SPORT");
        editor.Type(IDC_ENTRY_COMMENT, L"typed");
        editor.Tick(1, true);
        driver.Click(editor.window, IDOK);
        seen.box = driver.Answer(IDOK);
        driver.Click(editor.window, IDCANCEL);
        driver.WaitUntilGone(editor.window);
    });

    EXPECT_TRUE(run.failures.empty()) << Describe(run.failures);
    EXPECT_EQ(seen.device, 0);
    EXPECT_EQ(seen.action, 0);
    EXPECT_EQ(seen.ticks, (std::vector<bool>{false, false, false}));
    EXPECT_EQ(seen.box.caption, L"Add detection entry");
    EXPECT_EQ(seen.box.text, CuebellText(cuebell::IDS_ENTRY_NAME_EXISTS));
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(Show(entry), fresh);
}

TEST_F(EntryEditorDlgTest, WithoutAnEntryTheEditorFailsUnshown) {
    cuebell::CGPIAddEditDlg dialog(::GetModuleHandleW(nullptr), boxes, cuebell::IDS_ADD_ENTRY_TITLE,
                                   nullptr, {}, samples, devices, actions, general);
    EXPECT_EQ(dialog.DoModal(nullptr), win32::CDialog::kFailed);
}

}  // namespace
}  // namespace cuebelltest
