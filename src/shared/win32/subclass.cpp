#include "subclass.h"

#include <commctrl.h>

namespace win32 {

bool CSubclassHook::Install(HWND hwnd) {
    if (hooked_ != nullptr || hwnd == nullptr) {
        return false;
    }
    // The object is both the subclass's identifier and its reference data, so that several
    // hooks can share one window.
    if (!::SetWindowSubclass(hwnd, HookProc, reinterpret_cast<UINT_PTR>(this),
                             reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    hooked_ = hwnd;
    return true;
}

void CSubclassHook::Remove() {
    if (hooked_ == nullptr) {
        return;
    }
    ::RemoveWindowSubclass(hooked_, HookProc, reinterpret_cast<UINT_PTR>(this));
    hooked_ = nullptr;
    OnHookRemoved();
}

LRESULT CSubclassHook::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    defaultCalled_ = true;
    return ::DefSubclassProc(hooked_, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassHook::HookProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData) {
    CSubclassHook* hook = reinterpret_cast<CSubclassHook*>(refData);
    if (message == WM_NCDESTROY) {
        // The window's last message: the hook goes, then the window's own handling finishes.
        hook->Remove();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    // A handler may send messages that come back here: each level keeps its own record of
    // whether the window's own handling has run.
    bool outerDefaultCalled = hook->defaultCalled_;
    hook->defaultCalled_ = false;
    LRESULT result = 0;
    try {
        result = hook->OnHookedMessage(message, wParam, lParam);
    } catch (...) {
        ++hook->failedHandlers_;
        // The window still gets its own handling once (a paint left unhandled would come
        // back for ever), never twice.
        if (!hook->defaultCalled_) {
            result = ::DefSubclassProc(hwnd, message, wParam, lParam);
        }
    }
    hook->defaultCalled_ = outerDefaultCalled;
    return result;
}

}  // namespace win32
