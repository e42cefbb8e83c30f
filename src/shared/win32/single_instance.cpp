#include "single_instance.h"

#include <windows.h>

namespace win32 {

namespace {

constexpr const wchar_t* kDialogClass = L"#32770";

void BringToFront(const wchar_t* windowTitle) {
    HWND window = ::FindWindowW(kDialogClass, windowTitle);
    if (!window) {
        return;  // still starting, or in another logon session
    }
    if (::IsIconic(window)) {
        ::ShowWindow(window, SW_RESTORE);
    }
    ::SetForegroundWindow(window);
}

}  // namespace

bool StartSingleInstance(const wchar_t* runningMutex, const wchar_t* windowTitle) {
    // The handle stays open until the process ends: it is also the running mark.
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, runningMutex);
    const DWORD error = ::GetLastError();
    if (mutex && error != ERROR_ALREADY_EXISTS) {
        return true;
    }
    if (mutex) {
        ::CloseHandle(mutex);
    }
    // ERROR_ACCESS_DENIED: another account's instance holds the name.
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED) {
        return true;  // no mutex at all: running twice is better than not at all
    }
    BringToFront(windowTitle);
    return false;
}

}  // namespace win32
