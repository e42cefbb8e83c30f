// e2e_driver.exe: one operator action or observation per call, on a program running in the
// same Wine prefix. Dialogs are found by their caption among the visible top-level dialog
// windows (#32770); message boxes by their text control (id 0xFFFF). Output is UTF-8;
// texts keep their line feeds (carriage returns are dropped).
//
//   wait-dialog CAPTION [MS]         wait until the dialog is shown
//   wait-gone CAPTION [MS]           wait until it is gone
//   box [BUTTON] [MS]                wait for a message box, print its caption and text,
//                                    then press BUTTON (1 OK, 2 Cancel, 6 Yes, 7 No) if given
//   no-box                           fail when a message box is open
//   click CAPTION ID                 press the dialog's button (posted: it may open a box)
//   key CAPTION ID VK                press and release a key in the dialog's control
//   syscommand CAPTION CMD           send the system-menu command (posted)
//   text CAPTION ID                  print the control's text
//   enabled CAPTION ID               print 1 when the control is enabled, else 0
//   rect CAPTION                     print the dialog's window rectangle on the screen as
//                                    "WIDTHxHEIGHT+LEFT+TOP" (a crop geometry)
//   list CAPTION ID                  print "selected=N", then one line per row, cells by " | "
//   select CAPTION ID ROW            select the list row (-1: none)
//   dblclick CAPTION ID ROW          double-click the list row (posted: it may open a dialog)
//   check CAPTION ID ROW 0|1         clear or tick the list row's check box
//   set-text CAPTION ID TEXT         replace the control's text (as typing would leave it)
//   focus CAPTION ID                 move the focus to the control (its edit's focus loss runs)
//   combo CAPTION ID                 print "selected=N", then one line per item
//   combo-select CAPTION ID INDEX    select the item and tell the dialog, as a click would
//   choose-file CAPTION PATH         in the file-open dialog of that caption, enter the
//                                    path and press Open (posted)
//   wait-class CLASS [MS]            wait until a top-level window of the class exists
//   close-class CLASS                ask every top-level window of the class to close
//   regdump HKLM\PATH|HKCU\PATH      print the tree in the 32-bit view, sorted
//   launch-time EXE CAPTION ID ROWS [MS]
//                                    start EXE and print the milliseconds until its dialog
//                                    is shown with ROWS rows in list ID (it stays open)
//   open-time CAPTION BUTTON OPENED ID ROWS [MS]
//                                    press the button and print the milliseconds until the
//                                    dialog OPENED shows ROWS rows in list ID
//   close-time CAPTION BUTTON [MS]   press the button and print the milliseconds until the
//                                    dialog is gone
//   exit-time CAPTION BUTTON [MS]    press the button and print the milliseconds until the
//                                    dialog's process has ended
//   registry-floor PATH...           open every key of the trees, read every value once,
//                                    print the milliseconds it took, the keys and the values
//   registry-write-floor PATH...     read the trees, then open every key once and set every
//                                    value once as it was; print the milliseconds of the
//                                    writes, the keys and the values
#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <string>
#include <vector>

#include "registry_dump.h"
#include "registry_floor.h"
#include "registry_write_floor.h"
#include "remote_list_view.h"
#include "wav_header_floor.h"

namespace {

constexpr DWORD kDefaultTimeoutMs = 15000;
constexpr int kMessageBoxTextId = 0xFFFF;

void Print(const std::wstring& text) {
    std::wstring clean;
    for (wchar_t c : text) {
        if (c != L'\r') {
            clean += c;
        }
    }
    clean += L'\n';
    const int bytes = ::WideCharToMultiByte(
        CP_UTF8, 0, clean.c_str(), static_cast<int>(clean.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, clean.c_str(), static_cast<int>(clean.size()), utf8.data(),
                          bytes, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()),
                &written, nullptr);
}

int Fail(const std::wstring& why) {
    Print(L"e2e_driver: " + why);
    return 1;
}

std::wstring WindowText(HWND window) {
    // WM_GETTEXT is copied across processes by the system.
    const LRESULT length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    ::GetClassNameW(window, name, 256);
    return name;
}

bool IsMessageBox(HWND window) {
    return ::GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

BOOL CALLBACK CollectVisibleDialog(HWND window, LPARAM param) {
    if (::IsWindowVisible(window) && ClassOf(window) == L"#32770") {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> VisibleDialogs() {
    std::vector<HWND> found;
    ::EnumWindows(CollectVisibleDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindDialog(const std::wstring& caption) {
    for (HWND window : VisibleDialogs()) {
        if (!IsMessageBox(window) && WindowText(window) == caption) {
            return window;
        }
    }
    return nullptr;
}

HWND FindMessageBox() {
    for (HWND window : VisibleDialogs()) {
        if (IsMessageBox(window)) {
            return window;
        }
    }
    return nullptr;
}

template <class Condition>
bool WaitFor(DWORD timeoutMs, Condition condition) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (::GetTickCount64() >= end) {
            return false;
        }
        ::Sleep(20);
    }
}

DWORD TimeoutArg(const std::vector<std::wstring>& args, size_t index) {
    return args.size() > index ? static_cast<DWORD>(std::wcstoul(args[index].c_str(), nullptr, 10))
                               : kDefaultTimeoutMs;
}

int Number(const std::wstring& text) {
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 0));
}

// The dialog, waited for briefly: a command may follow the previous one closely.
HWND DialogOrFail(const std::wstring& caption) {
    HWND dialog = nullptr;
    WaitFor(kDefaultTimeoutMs, [&] { return (dialog = FindDialog(caption)) != nullptr; });
    if (dialog == nullptr) {
        Fail(L"no dialog \"" + caption + L"\"");
    }
    return dialog;
}

int WaitDialog(const std::vector<std::wstring>& args) {
    HWND dialog = nullptr;
    if (!WaitFor(TimeoutArg(args, 1), [&] { return (dialog = FindDialog(args[0])) != nullptr; })) {
        return Fail(L"timed out waiting for \"" + args[0] + L"\"");
    }
    return 0;
}

int WaitGone(const std::vector<std::wstring>& args) {
    if (!WaitFor(TimeoutArg(args, 1), [&] { return FindDialog(args[0]) == nullptr; })) {
        return Fail(L"\"" + args[0] + L"\" is still open");
    }
    return 0;
}

int Box(const std::vector<std::wstring>& args) {
    HWND box = nullptr;
    if (!WaitFor(TimeoutArg(args, 1), [&] { return (box = FindMessageBox()) != nullptr; })) {
        return Fail(L"no message box appeared");
    }
    Print(WindowText(box));
    Print(WindowText(::GetDlgItem(box, kMessageBoxTextId)));
    if (!args.empty()) {
        const int button = Number(args[0]);
        if (::GetDlgItem(box, button) == nullptr) {
            return Fail(L"the box has no button " + args[0]);
        }
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
        if (!WaitFor(kDefaultTimeoutMs,
                     [&] { return !::IsWindow(box) || !::IsWindowVisible(box); })) {
            return Fail(L"the box did not close");
        }
    }
    return 0;
}

int NoBox() {
    if (HWND box = FindMessageBox()) {
        return Fail(L"a message box is open: " + WindowText(::GetDlgItem(box, kMessageBoxTextId)));
    }
    return 0;
}

int Click(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    if (dialog == nullptr) {
        return 1;
    }
    const int id = Number(args[1]);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    return 0;
}

int Key(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    HWND control = dialog ? ::GetDlgItem(dialog, Number(args[1])) : nullptr;
    if (control == nullptr) {
        return Fail(L"no control " + args[1]);
    }
    const WPARAM key = static_cast<WPARAM>(Number(args[2]));
    ::PostMessageW(control, WM_KEYDOWN, key, 1);
    ::PostMessageW(control, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
    return 0;
}

int SysCommand(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    if (dialog == nullptr) {
        return 1;
    }
    ::PostMessageW(dialog, WM_SYSCOMMAND, static_cast<WPARAM>(Number(args[1])), 0);
    return 0;
}

int Text(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    HWND control = dialog ? ::GetDlgItem(dialog, Number(args[1])) : nullptr;
    if (control == nullptr) {
        return Fail(L"no control " + args[1]);
    }
    Print(WindowText(control));
    return 0;
}

int Rect(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    RECT rect{};
    if (dialog == nullptr) {
        return 1;
    }
    if (!::GetWindowRect(dialog, &rect)) {
        return Fail(L"no window rectangle for " + args[0]);
    }
    Print(std::to_wstring(rect.right - rect.left) + L"x" + std::to_wstring(rect.bottom - rect.top) +
          L"+" + std::to_wstring(rect.left) + L"+" + std::to_wstring(rect.top));
    return 0;
}

int Enabled(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    HWND control = dialog ? ::GetDlgItem(dialog, Number(args[1])) : nullptr;
    if (control == nullptr) {
        return Fail(L"no control " + args[1]);
    }
    Print(::IsWindowEnabled(control) ? L"1" : L"0");
    return 0;
}

int List(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    HWND list = dialog ? ::GetDlgItem(dialog, Number(args[1])) : nullptr;
    e2e::ListViewContent content;
    if (list == nullptr || !e2e::ReadListView(list, &content)) {
        return Fail(L"cannot read list " + args[1]);
    }
    Print(L"selected=" + std::to_wstring(content.selected));
    for (const auto& row : content.rows) {
        std::wstring line;
        for (size_t i = 0; i < row.size(); ++i) {
            line += (i ? L" | " : L"") + row[i];
        }
        Print(line);
    }
    return 0;
}

int Select(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    HWND list = dialog ? ::GetDlgItem(dialog, Number(args[1])) : nullptr;
    if (list == nullptr || !e2e::SelectListViewRow(list, Number(args[2]))) {
        return Fail(L"cannot select row " + args[2]);
    }
    return 0;
}

int DoubleClick(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    HWND list = dialog ? ::GetDlgItem(dialog, Number(args[1])) : nullptr;
    POINT point{};
    if (list == nullptr || !e2e::ListViewRowPoint(list, Number(args[2]), &point)) {
        return Fail(L"cannot find row " + args[2]);
    }
    ::PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    return 0;
}

int Check(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    HWND list = dialog ? ::GetDlgItem(dialog, Number(args[1])) : nullptr;
    if (list == nullptr || !e2e::CheckListViewRow(list, Number(args[2]), Number(args[3]) != 0)) {
        return Fail(L"cannot tick row " + args[2]);
    }
    return 0;
}

// The dialog's control, or null after printing why.
HWND ControlOrFail(const std::wstring& caption, const std::wstring& id) {
    HWND dialog = DialogOrFail(caption);
    HWND control = dialog ? ::GetDlgItem(dialog, Number(id)) : nullptr;
    if (dialog != nullptr && control == nullptr) {
        Fail(L"no control " + id);
    }
    return control;
}

int SetText(const std::vector<std::wstring>& args) {
    HWND control = ControlOrFail(args[0], args[1]);
    if (control == nullptr) {
        return 1;
    }
    // WM_SETTEXT is copied across processes; the edit then tells its dialog, as typing does.
    ::SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[2].c_str()));
    return 0;
}

int Focus(const std::vector<std::wstring>& args) {
    HWND control = ControlOrFail(args[0], args[1]);
    if (control == nullptr) {
        return 1;
    }
    // The focus cannot be set from another process; the dialog moves it itself.
    ::SendMessageW(::GetParent(control), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return 0;
}

int Combo(const std::vector<std::wstring>& args) {
    HWND combo = ControlOrFail(args[0], args[1]);
    if (combo == nullptr) {
        return 1;
    }
    Print(L"selected=" + std::to_wstring(::SendMessageW(combo, CB_GETCURSEL, 0, 0)));
    const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        std::vector<wchar_t> text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        Print(text.data());
    }
    return 0;
}

int ComboSelect(const std::vector<std::wstring>& args) {
    HWND combo = ControlOrFail(args[0], args[1]);
    if (combo == nullptr) {
        return 1;
    }
    const int index = Number(args[2]);
    if (::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != index) {
        return Fail(L"no item " + args[2]);
    }
    ::SendMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    return 0;
}

// The file-open dialog's name field: the combo box of an Explorer-style dialog, or the
// edit of an old-style one.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

int ChooseFile(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    if (dialog == nullptr) {
        return 1;
    }
    HWND name = ::GetDlgItem(dialog, kFileNameCombo);
    if (name == nullptr) {
        name = ::GetDlgItem(dialog, kFileNameEdit);
    }
    if (name == nullptr) {
        return Fail(L"the file dialog has no file name field");
    }
    ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[1].c_str()));
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    return 0;
}

int WaitClass(const std::vector<std::wstring>& args) {
    if (!WaitFor(TimeoutArg(args, 1),
                 [&] { return ::FindWindowW(args[0].c_str(), nullptr) != nullptr; })) {
        return Fail(L"no window of class " + args[0]);
    }
    return 0;
}

int CloseClass(const std::vector<std::wstring>& args) {
    HWND window = nullptr;
    int closed = 0;
    while ((window = ::FindWindowExW(nullptr, window, args[0].c_str(), nullptr)) != nullptr) {
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        ++closed;
    }
    return closed > 0 ? 0 : Fail(L"no window of class " + args[0]);
}

int RegDump(const std::vector<std::wstring>& args) {
    std::wstring dump;
    if (!e2e::DumpRegistryTree(args[0], &dump)) {
        return Fail(L"unknown root in " + args[0]);
    }
    if (!dump.empty() && dump.back() == L'\n') {
        dump.pop_back();
    }
    Print(dump);
    return 0;
}

int LaunchTime(const std::vector<std::wstring>& args) {
    const int rows = Number(args[3]);
    std::wstring commandLine = L"\"" + args[0] + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return Fail(L"cannot start " + args[0]);
    }
    ::CloseHandle(process.hThread);
    const bool ready = WaitFor(TimeoutArg(args, 4), [&] {
        HWND dialog = FindDialog(args[1]);
        HWND list = dialog ? ::GetDlgItem(dialog, Number(args[2])) : nullptr;
        return list != nullptr && ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= rows;
    });
    ::QueryPerformanceCounter(&now);
    ::CloseHandle(process.hProcess);
    if (!ready) {
        return Fail(L"the dialog did not show " + args[3] + L" rows in time");
    }
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    wchar_t text[32];
    std::swprintf(text, 32, L"%.0f", ms);
    Print(text);
    return 0;
}

// Milliseconds since the start, as the timing commands print them.
class Stopwatch {
  public:
    Stopwatch() {
        ::QueryPerformanceFrequency(&frequency_);
        ::QueryPerformanceCounter(&start_);
    }
    void PrintElapsed() const {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        wchar_t text[32];
        std::swprintf(text, 32, L"%.0f",
                      1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
                          static_cast<double>(frequency_.QuadPart));
        Print(text);
    }

  private:
    LARGE_INTEGER frequency_, start_;
};

int OpenTime(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    if (dialog == nullptr) {
        return 1;
    }
    const int rows = Number(args[4]);
    const Stopwatch stopwatch;
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(Number(args[1]), BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, Number(args[1]))));
    const bool ready = WaitFor(TimeoutArg(args, 5), [&] {
        HWND opened = FindDialog(args[2]);
        HWND list = opened ? ::GetDlgItem(opened, Number(args[3])) : nullptr;
        return list != nullptr && ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= rows;
    });
    if (!ready) {
        return Fail(L"\"" + args[2] + L"\" did not show " + args[4] + L" rows in time");
    }
    stopwatch.PrintElapsed();
    return 0;
}

int CloseTime(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    if (dialog == nullptr) {
        return 1;
    }
    const Stopwatch stopwatch;
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(Number(args[1]), BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, Number(args[1]))));
    if (!WaitFor(TimeoutArg(args, 2), [&] { return !::IsWindow(dialog); })) {
        return Fail(L"\"" + args[0] + L"\" is still open");
    }
    stopwatch.PrintElapsed();
    return 0;
}

int ExitTime(const std::vector<std::wstring>& args) {
    HWND dialog = DialogOrFail(args[0]);
    if (dialog == nullptr) {
        return 1;
    }
    DWORD processId = 0;
    ::GetWindowThreadProcessId(dialog, &processId);
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (process == nullptr) {
        return Fail(L"cannot wait for the process of \"" + args[0] + L"\"");
    }
    const Stopwatch stopwatch;
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(Number(args[1]), BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, Number(args[1]))));
    const bool ended = ::WaitForSingleObject(process, TimeoutArg(args, 2)) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    if (!ended) {
        return Fail(L"the process of \"" + args[0] + L"\" is still running");
    }
    stopwatch.PrintElapsed();
    return 0;
}

int HeaderFloor(const std::vector<std::wstring>& args) {
    std::vector<std::wstring> paths;
    if (!e2e::ReadPathList(args[0], &paths)) {
        return Fail(L"cannot read " + args[0]);
    }
    const Stopwatch stopwatch;
    const long read = e2e::ReadWavHeaders(paths);
    stopwatch.PrintElapsed();
    Print(std::to_wstring(read) + L" files");
    return 0;
}

int RegistryFloor(const std::vector<std::wstring>& args) {
    e2e::FloorCount count;
    const Stopwatch stopwatch;
    for (const std::wstring& path : args) {
        if (!e2e::ReadRegistryFloor(path, &count)) {
            return Fail(L"unknown root in " + path);
        }
    }
    stopwatch.PrintElapsed();
    Print(std::to_wstring(count.keys) + L" keys, " + std::to_wstring(count.values) + L" values");
    return 0;
}

int RegistryWriteFloor(const std::vector<std::wstring>& args) {
    std::vector<e2e::FloorTree> trees(args.size());
    for (size_t n = 0; n < args.size(); ++n) {
        if (!e2e::ReadFloorTree(args[n], &trees[n])) {
            return Fail(L"unknown root in " + args[n]);
        }
    }
    e2e::FloorCount count;
    const Stopwatch stopwatch;
    for (size_t n = 0; n < args.size(); ++n) {
        e2e::WriteFloorTree(args[n], trees[n], &count);
    }
    stopwatch.PrintElapsed();
    Print(std::to_wstring(count.keys) + L" keys, " + std::to_wstring(count.values) + L" values");
    return 0;
}

struct Command {
    const wchar_t* name;
    size_t minArgs;
    int (*run)(const std::vector<std::wstring>&);
};

const Command kCommands[] = {
    {L"wait-dialog", 1, WaitDialog},
    {L"wait-gone", 1, WaitGone},
    {L"box", 0, Box},
    {L"no-box", 0, [](const std::vector<std::wstring>&) { return NoBox(); }},
    {L"click", 2, Click},
    {L"key", 3, Key},
    {L"syscommand", 2, SysCommand},
    {L"text", 2, Text},
    {L"enabled", 2, Enabled},
    {L"rect", 1, Rect},
    {L"list", 2, List},
    {L"select", 3, Select},
    {L"dblclick", 3, DoubleClick},
    {L"check", 4, Check},
    {L"set-text", 3, SetText},
    {L"focus", 2, Focus},
    {L"combo", 2, Combo},
    {L"combo-select", 3, ComboSelect},
    {L"choose-file", 2, ChooseFile},
    {L"wait-class", 1, WaitClass},
    {L"close-class", 1, CloseClass},
    {L"regdump", 1, RegDump},
    {L"launch-time", 4, LaunchTime},
    {L"open-time", 5, OpenTime},
    {L"close-time", 2, CloseTime},
    {L"exit-time", 2, ExitTime},
    {L"registry-floor", 1, RegistryFloor},
    {L"header-floor", 1, HeaderFloor},
    {L"registry-write-floor", 1, RegistryWriteFloor},
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 2) {
        const std::vector<std::wstring> args(argv + 2, argv + argc);
        for (const Command& command : kCommands) {
            if (argv[1] == std::wstring(command.name) && args.size() >= command.minArgs) {
                return command.run(args);
            }
        }
    }
    Print(L"usage: e2e_driver COMMAND ARGS... (see the source's head comment)");
    return 2;
}
