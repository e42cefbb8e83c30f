#include "dialog_driver.h"

#include <commctrl.h>

#include <atomic>
#include <sstream>

#include "shared/win32/controls.h"

namespace cuebelltest {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr UINT kSettleMessage = WM_APP + 77;
constexpr DWORD kPollMs = 10;

// A message-only window of the UI thread. Posted messages of one thread are handled in the
// order they were posted, so when it has handled a marker, everything posted before the
// marker has been handled (or is waiting inside a modal loop it opened).
class SettleMarker {
  public:
    SettleMarker() {
        static const wchar_t kClass[] = L"CuebellTestSettleMarker";
        static bool registered = false;
        if (!registered) {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = Proc;
            windowClass.hInstance = ::GetModuleHandleW(nullptr);
            windowClass.lpszClassName = kClass;
            registered = ::RegisterClassW(&windowClass) != 0;
        }
        window_ = ::CreateWindowW(kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~SettleMarker() { ::DestroyWindow(window_); }

    HWND Window() const { return window_; }
    long Handled() const { return handled_.load(); }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kSettleMessage) {
            auto* self =
                reinterpret_cast<SettleMarker*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
            if (self != nullptr) {
                self->handled_.store(static_cast<long>(wParam));
            }
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::atomic<long> handled_{0};
};

SettleMarker* g_marker = nullptr;
long g_settleSequence = 0;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return name;
}

bool IsMessageBox(HWND window) {
    return ::GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    if (::IsWindowVisible(window) && ClassOf(window) == L"#32770") {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
}

template <class Condition>
bool WaitFor(DWORD timeoutMs, Condition condition) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (::GetTickCount64() >= end) {
            return false;
        }
        ::Sleep(kPollMs);
    }
    return true;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        narrow += c < 128 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

}  // namespace

std::vector<HWND> DialogDriver::ThreadDialogs() {
    std::vector<HWND> found;
    ::EnumThreadWindows(uiThread_, CollectDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND DialogDriver::WaitForDialog(const std::wstring& caption, DWORD timeoutMs) {
    HWND dialog = nullptr;
    WaitFor(timeoutMs, [&] {
        for (HWND window : ThreadDialogs()) {
            if (!IsMessageBox(window) && Text(window) == caption) {
                dialog = window;
                return true;
            }
        }
        return false;
    });
    if (dialog == nullptr) {
        Fail("no dialog \"" + Narrow(caption) + "\" appeared");
    }
    return dialog;
}

bool DialogDriver::StaysAway(const std::wstring& caption, DWORD ms) {
    return !WaitFor(ms, [&] {
        for (HWND window : ThreadDialogs()) {
            if (!IsMessageBox(window) && Text(window) == caption) {
                return true;
            }
        }
        return false;
    });
}

bool DialogDriver::WaitUntilGone(HWND window, DWORD timeoutMs) {
    if (!WaitFor(timeoutMs, [&] { return !::IsWindow(window) || !::IsWindowVisible(window); })) {
        Fail("a window did not close");
        return false;
    }
    return true;
}

SeenBox DialogDriver::WaitForBox(DWORD timeoutMs) {
    SeenBox box;
    WaitFor(timeoutMs, [&] {
        for (HWND window : ThreadDialogs()) {
            if (IsMessageBox(window)) {
                box.window = window;
                return true;
            }
        }
        return false;
    });
    if (!box.seen()) {
        Fail("no message box appeared");
        return box;
    }
    box.caption = Text(box.window);
    box.text = Text(::GetDlgItem(box.window, kMessageBoxTextId));
    return box;
}

SeenBox DialogDriver::Answer(int button, DWORD timeoutMs) {
    SeenBox box = WaitForBox(timeoutMs);
    if (!box.seen()) {
        return box;
    }
    HWND control = ::GetDlgItem(box.window, button);
    if (control == nullptr) {
        Fail("the box \"" + Narrow(box.text) + "\" has no button " + std::to_string(button));
        return box;
    }
    ::PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
    WaitUntilGone(box.window);
    return box;
}

bool DialogDriver::BoxOpen() {
    for (HWND window : ThreadDialogs()) {
        if (IsMessageBox(window)) {
            return true;
        }
    }
    return false;
}

void DialogDriver::Click(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void DialogDriver::ClickAndWait(HWND dialog, int id) {
    Click(dialog, id);
    Settle(dialog);
}

void DialogDriver::PressKey(HWND control, UINT key) {
    ::PostMessageW(control, WM_KEYDOWN, key, 1);
    ::PostMessageW(control, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

void DialogDriver::Type(HWND control, const std::wstring& characters) {
    for (wchar_t c : characters) {
        ::PostMessageW(control, WM_CHAR, c, 1);
        Settle(control);
    }
}

void DialogDriver::Focus(HWND dialog, HWND control) {
    ::PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    Settle(dialog);
}

void DialogDriver::PressHelp(HWND window) {
    // The message the system turns F1 into; the window's default handling sends WM_HELP
    // (which cannot be posted: it carries a pointer) to itself and on to its parent or owner.
    constexpr UINT kKeyF1 = 0x004D;
    ::PostMessageW(window, kKeyF1, 0, 0);
}

void DialogDriver::Settle(HWND) {
    if (g_marker == nullptr) {
        return;
    }
    const long sequence = ++g_settleSequence;
    ::PostMessageW(g_marker->Window(), kSettleMessage, static_cast<WPARAM>(sequence), 0);
    if (!WaitFor(10000, [&] { return g_marker->Handled() >= sequence; })) {
        Fail("the dialog did not handle its messages in time");
    }
}

Rows DialogDriver::ReadRows(HWND list) {
    // The list lives in this process: its messages may carry this thread's pointers.
    win32::CListView view(list);
    const int columns = view.GetHeader().GetItemCount();
    Rows rows;
    for (int row = 0; row < view.GetItemCount(); ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            cells.push_back(view.GetItemText(row, column));
        }
        rows.push_back(cells);
    }
    return rows;
}

int DialogDriver::SelectedRow(HWND list) {
    return win32::CListView(list).GetSelectedIndex();
}

void DialogDriver::SelectRow(HWND list, int row) {
    win32::CListView view(list);
    if (row < 0) {
        view.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    } else if (!view.SelectItem(row)) {
        Fail("row " + std::to_string(row) + " cannot be selected");
    }
}

std::wstring DialogDriver::Text(HWND window) {
    return window != nullptr ? win32::CWindow(window).GetText() : std::wstring();
}

void DialogDriver::CloseLeftovers(const volatile LONG* dialogEnded) {
    const ULONGLONG end = ::GetTickCount64() + 15000;
    while (*dialogEnded == 0 && ::GetTickCount64() < end) {
        for (HWND window : ThreadDialogs()) {
            int button = IDCANCEL;
            if (IsMessageBox(window)) {
                for (int candidate : {IDCANCEL, IDNO, IDOK}) {
                    if (::GetDlgItem(window, candidate) != nullptr) {
                        button = candidate;
                        break;
                    }
                }
            }
            ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(window, button)));
        }
        ::Sleep(50);
    }
}

namespace {

struct ThreadStart {
    DialogDriver* driver;
    const std::function<void(DialogDriver&)>* script;
    volatile LONG* dialogEnded;
};

DWORD WINAPI DriverThread(void* param) {
    auto* start = static_cast<ThreadStart*>(param);
    try {
        (*start->script)(*start->driver);
    } catch (...) {
        start->driver->Fail("the driver script threw");
    }
    start->driver->CloseLeftovers(start->dialogEnded);
    return 0;
}

}  // namespace

DialogRun RunWithDriver(const std::function<INT_PTR()>& runModal,
                        const std::function<void(DialogDriver&)>& script) {
    DialogRun run;
    SettleMarker marker;
    g_marker = &marker;
    DialogDriver driver(::GetCurrentThreadId());
    volatile LONG dialogEnded = 0;
    ThreadStart start{&driver, &script, &dialogEnded};
    HANDLE thread = ::CreateThread(nullptr, 0, DriverThread, &start, 0, nullptr);
    if (thread == nullptr) {
        g_marker = nullptr;
        run.failures.push_back("the driver thread could not start");
        return run;
    }

    run.result = runModal();
    ::InterlockedExchange(&dialogEnded, 1);

    // The driver may still wait for this thread's messages: keep them flowing until it ends.
    for (;;) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                run.quitPosted = true;
                continue;
            }
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (::MsgWaitForMultipleObjects(1, &thread, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) {
            break;
        }
    }
    ::CloseHandle(thread);
    MSG quit;
    while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        run.quitPosted = true;
    }
    g_marker = nullptr;
    run.failures = driver.Failures();
    return run;
}

std::string Describe(const std::vector<std::string>& failures) {
    std::ostringstream text;
    for (const std::string& failure : failures) {
        text << "\n  driver: " << failure;
    }
    return text.str();
}

}  // namespace cuebelltest
