// The dialog base and the control wrappers in real windows: modal dialogs driven from a
// second thread as an operator would drive them, handlers that throw, notifications and
// their answers, and the control wrappers' round trips.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "dialog_template_builder.h"
#include "shared/win32/controls.h"
#include "shared/win32/dialog.h"
#include "shared/win32/subclass.h"

namespace {

using testing_win32::DialogTemplateBuilder;

constexpr WORD kListId = 1007;
constexpr WORD kActionButtonId = 1000;
constexpr WORD kEditId = 1008;
constexpr WORD kComboId = 1020;
constexpr WORD kCheckId = 1021;
constexpr WORD kSpinId = 1022;

DialogTemplateBuilder MakeTemplate(const std::wstring& caption) {
    DialogTemplateBuilder builder(caption, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 20, 20,
                                  220, 160);
    builder
        .Control(kListId, WC_LISTVIEWW, L"",
                 WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                     LVS_SHOWSELALWAYS,
                 7, 7, 150, 70)
        .Button(kActionButtonId, L"Action", BS_PUSHBUTTON | WS_TABSTOP, 163, 7, 50, 14)
        .Edit(kEditId, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 7, 82, 100, 12)
        .ComboBox(kComboId, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 7, 98, 100, 60)
        .Button(kCheckId, L"Check", BS_AUTOCHECKBOX | WS_TABSTOP, 112, 98, 50, 10)
        .Edit(kSpinId - 100, WS_BORDER | ES_NUMBER, 112, 82, 40, 12)
        .Control(kSpinId, UPDOWN_CLASSW, L"",
                 WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 152, 82,
                 10, 12)
        .Button(IDOK, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 106, 140, 50, 14)
        .Button(IDCANCEL, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 163, 140, 50, 14);
    return builder;
}

// A dialog whose handlers record what reached them; a handler can be told to throw.
class RecordingDialog : public win32::CDialog {
  public:
    std::function<void()> onInit;
    std::function<void(int id)> onCommand;
    std::function<bool(NMHDR*, LRESULT*)> onNotify;
    bool throwInInit = false;
    int okCount = 0;
    int lastCommandId = 0;
    int lastCommandCode = -1;
    HWND lastCommandControl = nullptr;
    HICON dragIcon = nullptr;

  protected:
    bool OnInitDialog() override {
        if (throwInInit) {
            throw std::runtime_error("initialisation failed");
        }
        if (onInit) {
            onInit();
        }
        return true;
    }
    bool OnCommand(int id, int code, HWND control) override {
        lastCommandId = id;
        lastCommandCode = code;
        lastCommandControl = control;
        if (onCommand) {
            onCommand(id);
        }
        return true;
    }
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override {
        return onNotify ? onNotify(header, result) : false;
    }
    void OnOK() override {
        ++okCount;
        CDialog::OnOK();
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT* result) override {
        if (message == WM_QUERYDRAGICON && dragIcon != nullptr) {
            *result = reinterpret_cast<LRESULT>(dragIcon);
            return true;
        }
        return false;
    }
};

HWND WaitForDialog(const std::wstring& caption) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        HWND found = ::FindWindowW(L"#32770", caption.c_str());
        if (found != nullptr && ::IsWindowVisible(found)) {
            return found;
        }
        ::Sleep(10);
    }
    return nullptr;
}

// Runs the dialog modally on this thread while the driver acts on it from another one,
// as an operator would. The driver records; the test asserts on this thread afterwards.
INT_PTR RunModal(RecordingDialog* dialog, const std::wstring& caption,
                 const std::function<void(HWND)>& driver) {
    DialogTemplateBuilder builder = MakeTemplate(caption);
    std::thread driverThread([&] {
        HWND found = WaitForDialog(caption);
        if (found != nullptr) {
            driver(found);
        }
    });
    INT_PTR result = dialog->DoModalIndirect(::GetModuleHandleW(nullptr), builder.Get(), nullptr);
    driverThread.join();
    return result;
}

void Click(HWND dialog, int id) {
    ::PostMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

TEST(DialogWrapperTest, ModalDialogEndsWithOkWhenOkIsClicked) {
    RecordingDialog dialog;
    HWND seenByDriver = nullptr;
    INT_PTR result = RunModal(&dialog, L"Wrapper modal OK", [&](HWND found) {
        seenByDriver = found;
        Click(found, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.okCount, 1);
    EXPECT_NE(seenByDriver, nullptr);
    EXPECT_FALSE(::IsWindow(seenByDriver));
    EXPECT_EQ(dialog.GetHwnd(), nullptr);
}

TEST(DialogWrapperTest, EscapeAndCloseEndWithCancel) {
    RecordingDialog escaped;
    INT_PTR result = RunModal(&escaped, L"Wrapper modal Escape", [](HWND found) {
        ::PostMessageW(found, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(escaped.okCount, 0);

    RecordingDialog closed;
    result = RunModal(&closed, L"Wrapper modal Close",
                      [](HWND found) { ::PostMessageW(found, WM_CLOSE, 0, 0); });
    EXPECT_EQ(result, IDCANCEL);
}

TEST(DialogWrapperTest, CommandsReachOnCommandWithTheirSource) {
    RecordingDialog dialog;
    std::atomic<bool> commanded{false};
    HWND button = nullptr;
    dialog.onCommand = [&](int id) {
        if (id == kActionButtonId) {
            commanded = true;
        }
    };
    INT_PTR result = RunModal(&dialog, L"Wrapper modal command", [&](HWND found) {
        button = ::GetDlgItem(found, kActionButtonId);
        Click(found, kActionButtonId);
        for (int i = 0; i < 500 && !commanded; ++i) {
            ::Sleep(10);
        }
        Click(found, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(commanded);
    EXPECT_EQ(dialog.lastCommandId, kActionButtonId);
    EXPECT_EQ(dialog.lastCommandCode, BN_CLICKED);
    EXPECT_EQ(dialog.lastCommandControl, button);
}

TEST(DialogWrapperTest, ExceptionInAHandlerStaysInsideTheDialog) {
    RecordingDialog dialog;
    std::atomic<bool> thrown{false};
    std::atomic<bool> aliveAfterThrow{false};
    dialog.onCommand = [&](int id) {
        if (id == kActionButtonId) {
            thrown = true;
            throw std::runtime_error("handler failed");
        }
    };
    INT_PTR result = RunModal(&dialog, L"Wrapper modal throw", [&](HWND found) {
        Click(found, kActionButtonId);
        for (int i = 0; i < 500 && !thrown; ++i) {
            ::Sleep(10);
        }
        // Answered only if the dialog's thread still runs its modal loop.
        DWORD_PTR answer = 0;
        aliveAfterThrow =
            ::SendMessageTimeoutW(found, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &answer) != 0 &&
            ::IsWindowVisible(found);
        Click(found, IDOK);
    });
    EXPECT_TRUE(thrown);
    EXPECT_TRUE(aliveAfterThrow);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.FailedHandlers(), 1);
}

TEST(DialogWrapperTest, ExceptionInInitialisationEndsTheDialogAsFailed) {
    RecordingDialog dialog;
    dialog.throwInInit = true;
    DialogTemplateBuilder builder = MakeTemplate(L"Wrapper init throw");
    INT_PTR result = dialog.DoModalIndirect(::GetModuleHandleW(nullptr), builder.Get(), nullptr);
    EXPECT_EQ(result, win32::CDialog::kFailed);
    EXPECT_EQ(dialog.FailedHandlers(), 1);
    EXPECT_EQ(::FindWindowW(L"#32770", L"Wrapper init throw"), nullptr);

    RecordingDialog modeless;
    modeless.throwInInit = true;
    EXPECT_FALSE(modeless.CreateIndirect(::GetModuleHandleW(nullptr), builder.Get(), nullptr));
    EXPECT_EQ(::FindWindowW(L"#32770", L"Wrapper init throw"), nullptr);
}

// A modeless dialog for the tests that need no modal loop.
class WrapperModelessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        builder_ = std::make_unique<DialogTemplateBuilder>(MakeTemplate(L"Wrapper modeless"));
        ASSERT_TRUE(dialog_.CreateIndirect(::GetModuleHandleW(nullptr), builder_->Get(), nullptr));
        list_.Attach(dialog_.GetItem(kListId));
    }

    std::unique_ptr<DialogTemplateBuilder> builder_;
    RecordingDialog dialog_;
    win32::CListView list_;
};

TEST_F(WrapperModelessTest, EndDialogDestroysAModelessDialogAndKeepsItsResult) {
    HWND hwnd = dialog_.GetHwnd();
    EXPECT_FALSE(dialog_.IsModal());
    EXPECT_TRUE(dialog_.EndDialog(5));
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(dialog_.GetHwnd(), nullptr);
    EXPECT_EQ(dialog_.Result(), 5);
}

TEST_F(WrapperModelessTest, DestroyingTheObjectDestroysItsWindow) {
    HWND hwnd = nullptr;
    {
        RecordingDialog local;
        ASSERT_TRUE(local.CreateIndirect(::GetModuleHandleW(nullptr), builder_->Get(), nullptr));
        hwnd = local.GetHwnd();
        EXPECT_TRUE(::IsWindow(hwnd));
    }
    EXPECT_FALSE(::IsWindow(hwnd));
}

TEST_F(WrapperModelessTest, NotificationAnswerReachesTheControl) {
    list_.InsertColumn(0, L"Name", 100);
    list_.InsertItem(0, L"first");
    list_.InsertItem(1, L"second");
    bool refuse = true;
    dialog_.onNotify = [&](NMHDR* header, LRESULT* result) {
        if (header->code != LVN_ITEMCHANGING) {
            return false;
        }
        *result = refuse ? TRUE : FALSE;  // TRUE refuses the change
        return true;
    };
    list_.SelectItem(1);
    EXPECT_EQ(list_.GetSelectedIndex(), -1);
    refuse = false;
    list_.SelectItem(1);
    EXPECT_EQ(list_.GetSelectedIndex(), 1);
}

TEST_F(WrapperModelessTest, MessagesThatAnswerDirectlyGetTheHandlersAnswer) {
    // Not the application icon, which the default handling would answer anyway.
    HICON icon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_QUESTION));
    dialog_.dragIcon = icon;
    EXPECT_EQ(dialog_.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(icon));
}

TEST_F(WrapperModelessTest, WindowTextsRoundTrip) {
    win32::CEdit edit(dialog_.GetItem(kEditId));
    const std::wstring long_text(3000, L'x');
    EXPECT_TRUE(edit.SetText(long_text));
    EXPECT_EQ(edit.GetText(), long_text);
    EXPECT_TRUE(dialog_.SetItemText(kEditId, L"\x00e9t\x00e9 \x20ac"));
    EXPECT_EQ(dialog_.GetItemText(kEditId), L"\x00e9t\x00e9 \x20ac");
    EXPECT_TRUE(edit.SetText(L""));
    EXPECT_EQ(edit.GetText(), L"");
    EXPECT_EQ(dialog_.GetItemText(4321), L"");  // no such control

    edit.LimitText(4);
    edit.SetSel(0, -1);
    edit.ReplaceSel(L"abcdefgh");
    EXPECT_EQ(edit.GetText(), L"abcd");
    edit.SetModify(false);
    EXPECT_FALSE(edit.GetModify());
    edit.SetModify(true);
    EXPECT_TRUE(edit.GetModify());
    EXPECT_TRUE(edit.SetReadOnly(true));
    EXPECT_NE(edit.GetStyle() & ES_READONLY, 0);
}

TEST_F(WrapperModelessTest, EnableAndShowReportThePreviousState) {
    win32::CButton button(dialog_.GetItem(kActionButtonId));
    EXPECT_TRUE(button.Enable(false));  // was enabled
    EXPECT_FALSE(button.IsEnabled());
    EXPECT_FALSE(button.Enable(true));  // was disabled
    EXPECT_TRUE(button.IsEnabled());
    EXPECT_TRUE(button.Show(SW_HIDE));
    EXPECT_FALSE(button.IsVisible());
}

TEST_F(WrapperModelessTest, ScreenToClientMatchesTheChildsPosition) {
    win32::CWindow button(dialog_.GetItem(kActionButtonId));
    RECT inClient = dialog_.ScreenToClient(button.GetWindowRect());
    POINT origin{0, 0};
    ::ClientToScreen(button.GetHwnd(), &origin);
    ::ScreenToClient(dialog_.GetHwnd(), &origin);
    // The button has no border of its own: its client origin is its window origin.
    EXPECT_EQ(inClient.left, origin.x);
    EXPECT_EQ(inClient.top, origin.y);
    button.MoveWindow(RECT{10, 20, 60, 45});
    RECT moved = dialog_.ScreenToClient(button.GetWindowRect());
    EXPECT_EQ(moved.left, 10);
    EXPECT_EQ(moved.top, 20);
    EXPECT_EQ(moved.right, 60);
    EXPECT_EQ(moved.bottom, 45);
}

TEST_F(WrapperModelessTest, ListViewColumnsAndTheirHeaderTags) {
    EXPECT_EQ(list_.InsertColumn(0, L"Name", 150), 0);
    EXPECT_EQ(list_.InsertColumn(1, L"Action", 100), 1);
    EXPECT_EQ(list_.InsertColumn(2, L"Comment", 80), 2);
    win32::CHeader header = list_.GetHeader();
    ASSERT_NE(header.GetHwnd(), nullptr);
    EXPECT_EQ(header.GetItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(header.SetItemParam(i, 100 + i));
    }
    LPARAM tag = 0;
    EXPECT_TRUE(header.GetItemParam(2, &tag));
    EXPECT_EQ(tag, 102);
    EXPECT_FALSE(header.GetItemParam(7, &tag));

    EXPECT_TRUE(list_.DeleteColumn(1));
    EXPECT_EQ(header.GetItemCount(), 2);
    EXPECT_TRUE(header.GetItemParam(1, &tag));
    EXPECT_EQ(tag, 102);  // the tag moved with its column
    EXPECT_FALSE(list_.DeleteColumn(5));
}

TEST_F(WrapperModelessTest, ListViewItemsTextsDataAndSelection) {
    list_.InsertColumn(0, L"Name", 150);
    list_.InsertColumn(1, L"Comment", 100);
    EXPECT_EQ(list_.InsertItem(0, L"WAV_one", 11), 0);
    EXPECT_EQ(list_.InsertItem(1, L"WAV_two", 22), 1);
    EXPECT_EQ(list_.InsertItem(list_.GetItemCount(), L"WAV_three", 33), 2);
    EXPECT_EQ(list_.GetItemCount(), 3);

    const std::wstring longComment(700, L'c');  // longer than the first read buffer
    EXPECT_TRUE(list_.SetItemText(1, 1, longComment));
    EXPECT_EQ(list_.GetItemText(1, 1), longComment);
    EXPECT_EQ(list_.GetItemText(2, 0), L"WAV_three");
    EXPECT_EQ(list_.GetItemText(0, 1), L"");
    EXPECT_EQ(list_.GetItemText(9, 0), L"");

    EXPECT_EQ(list_.GetItemData(1), 22);
    EXPECT_TRUE(list_.SetItemData(1, 77));
    EXPECT_EQ(list_.GetItemData(1), 77);
    EXPECT_EQ(list_.GetItemData(9), 0);

    EXPECT_EQ(list_.GetSelectedIndex(), -1);
    EXPECT_TRUE(list_.SelectItem(2));
    EXPECT_EQ(list_.GetSelectedIndex(), 2);
    EXPECT_EQ(list_.GetSelectionMark(), 2);
    EXPECT_EQ(list_.GetNextItem(-1, LVNI_FOCUSED), 2);
    EXPECT_TRUE(list_.SelectItem(0));  // single selection: the other one is deselected
    EXPECT_EQ(list_.GetSelectedIndex(), 0);
    EXPECT_EQ(list_.GetNextItem(0, LVNI_SELECTED), -1);

    EXPECT_TRUE(list_.DeleteItem(0));
    EXPECT_EQ(list_.GetItemCount(), 2);
    EXPECT_EQ(list_.GetItemText(0, 0), L"WAV_two");
    EXPECT_FALSE(list_.DeleteItem(5));
    EXPECT_TRUE(list_.DeleteAllItems());
    EXPECT_EQ(list_.GetItemCount(), 0);
}

TEST_F(WrapperModelessTest, ListViewExtendedStylesAndCheckBoxes) {
    const DWORD styles = LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES;
    list_.SetExtendedListViewStyle(styles, styles);
    EXPECT_EQ(list_.GetExtendedListViewStyle() & styles, styles);
    list_.InsertColumn(0, L"Sample", 150);
    list_.InsertItem(0, L"news.wav");
    list_.InsertItem(1, L"sport.wav");
    EXPECT_FALSE(list_.GetCheckState(0));
    EXPECT_TRUE(list_.SetCheckState(1, true));
    EXPECT_TRUE(list_.GetCheckState(1));
    EXPECT_FALSE(list_.GetCheckState(0));
    EXPECT_TRUE(list_.SetCheckState(1, false));
    EXPECT_FALSE(list_.GetCheckState(1));
}

TEST_F(WrapperModelessTest, ComboBoxStringsSelectionAndData) {
    win32::CComboBox combo(dialog_.GetItem(kComboId));
    EXPECT_EQ(combo.AddString(L"CX840 Input 1 B1"), 0);
    EXPECT_EQ(combo.AddString(L"CX840 Input 2 B1"), 1);
    EXPECT_EQ(combo.InsertString(0, L"first"), 0);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetLBText(2), L"CX840 Input 2 B1");
    EXPECT_EQ(combo.GetLBText(3), L"");
    EXPECT_EQ(combo.FindStringExact(-1, L"cx840 input 1 b1"), 1);  // case-insensitive
    EXPECT_EQ(combo.FindStringExact(-1, L"CX840 Input"), CB_ERR);  // exact, not a prefix
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(2), 2);
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.SetCurSel(9), CB_ERR);
    EXPECT_TRUE(combo.SetItemData(1, 48000));
    EXPECT_EQ(combo.GetItemData(1), 48000);
    EXPECT_EQ(combo.GetItemData(9), 0);
    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.GetLBText(0), L"CX840 Input 1 B1");
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(WrapperModelessTest, ButtonCheckAndClick) {
    win32::CButton check(dialog_.GetItem(kCheckId));
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);

    win32::CButton action(dialog_.GetItem(kActionButtonId));
    action.Click();
    EXPECT_EQ(dialog_.lastCommandId, kActionButtonId);
    EXPECT_EQ(dialog_.lastCommandCode, BN_CLICKED);
}

TEST_F(WrapperModelessTest, UpDownRangeAndPositionThroughItsBuddy) {
    win32::CUpDown spin(dialog_.GetItem(kSpinId));
    HWND buddy = dialog_.GetItem(kSpinId - 100);
    spin.SetBuddy(buddy);
    EXPECT_EQ(spin.GetBuddy(), buddy);
    spin.SetRange32(-5, 250);
    int low = 0, high = 0;
    spin.GetRange32(&low, &high);
    EXPECT_EQ(low, -5);
    EXPECT_EQ(high, 250);
    spin.SetPos32(120);
    int position = 0;
    EXPECT_TRUE(spin.GetPos32(&position));
    EXPECT_EQ(position, 120);
    EXPECT_EQ(win32::CWindow(buddy).GetText(), L"120");
    UDACCEL accel{0, 10};
    EXPECT_TRUE(spin.SetAccel(&accel, 1));
}

// A list view with its own key handling, as the main dialogs' lists have.
class KeyedList : public win32::CSubclassed<win32::CListView> {
  public:
    int* insertKeys = nullptr;
    int deleteKeys = 0;
    bool throwOnDelete = false;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_KEYDOWN && wParam == VK_INSERT && insertKeys != nullptr) {
            ++*insertKeys;
        }
        if (message == WM_KEYDOWN && wParam == VK_DELETE) {
            ++deleteKeys;
            if (throwOnDelete) {
                throw std::runtime_error("delete failed");
            }
        }
        return DefaultProc(message, wParam, lParam);
    }
};

TEST_F(WrapperModelessTest, SubclassedListSeesKeysAndPassesThemOn) {
    int insertKeys = 0;
    KeyedList keyed;
    keyed.insertKeys = &insertKeys;
    ASSERT_TRUE(keyed.Subclass(list_.GetHwnd()));
    EXPECT_FALSE(keyed.Subclass(list_.GetHwnd()));  // once only
    keyed.InsertColumn(0, L"Name", 100);
    keyed.InsertItem(0, L"a");
    keyed.InsertItem(1, L"b");
    keyed.SelectItem(0);

    keyed.SendMessage(WM_KEYDOWN, VK_INSERT, 0);
    EXPECT_EQ(insertKeys, 1);
    // VK_DOWN is not handled by the hook: the list's own handling moves the selection.
    keyed.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(keyed.GetSelectedIndex(), 1);

    keyed.throwOnDelete = true;
    keyed.SendMessage(WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(keyed.deleteKeys, 1);
    EXPECT_EQ(keyed.FailedHandlers(), 1);
    EXPECT_EQ(keyed.GetItemCount(), 2);  // the list still answers

    keyed.Unsubclass();
    keyed.SendMessage(WM_KEYDOWN, VK_INSERT, 0);
    EXPECT_EQ(insertKeys, 1);
}

TEST_F(WrapperModelessTest, SubclassEndsWithTheWindowOrTheObject) {
    int insertKeys = 0;
    {
        KeyedList keyed;
        keyed.insertKeys = &insertKeys;
        ASSERT_TRUE(keyed.Subclass(list_.GetHwnd()));
    }
    // The object is gone: its hook must be too.
    list_.SendMessage(WM_KEYDOWN, VK_INSERT, 0);
    EXPECT_EQ(insertKeys, 0);

    KeyedList keyed;
    ASSERT_TRUE(keyed.Subclass(list_.GetHwnd()));
    EXPECT_EQ(keyed.HookedWindow(), list_.GetHwnd());
    ::DestroyWindow(list_.GetHwnd());
    EXPECT_EQ(keyed.HookedWindow(), nullptr);
    EXPECT_EQ(keyed.GetHwnd(), nullptr);
}

}  // namespace
