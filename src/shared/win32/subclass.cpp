#include "subclass.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace win32 {

// The hooks of every subclassed window, kept in this process: a window's procedure finds
// its hooks without asking the system. (comctl32's subclassing looks them up in a window
// property on every message, and under Wine each look-up is a round trip to the server:
// thousands for a list filled with a thousand rows.)
class CHookChain {
  public:
    static bool Add(HWND hwnd, CSubclassHook* hook) {
        std::lock_guard<std::mutex> lock(Mutex());
        auto found = Chains().find(hwnd);
        if (found == Chains().end()) {
            ::SetLastError(0);
            const LONG_PTR previous = ::SetWindowLongPtrW(
                hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CHookChain::WindowProc));
            if (previous == 0 && ::GetLastError() != 0) {
                return false;
            }
            found = Chains().emplace(hwnd, Chain{reinterpret_cast<WNDPROC>(previous), {}}).first;
        }
        found->second.hooks.push_back(hook);
        return true;
    }

    static void Drop(HWND hwnd, CSubclassHook* hook) {
        std::lock_guard<std::mutex> lock(Mutex());
        auto found = Chains().find(hwnd);
        if (found == Chains().end()) {
            return;
        }
        auto& hooks = found->second.hooks;
        hooks.erase(std::remove(hooks.begin(), hooks.end(), hook), hooks.end());
        // The window's own procedure comes back unless a later subclass sits above this
        // one; the chain then stays, empty, and passes every message on.
        if (hooks.empty() && ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC) ==
                                 reinterpret_cast<LONG_PTR>(&CHookChain::WindowProc)) {
            ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC,
                                reinterpret_cast<LONG_PTR>(found->second.original));
            Chains().erase(found);
        }
    }

    // The message for the hook installed before this one, or for the window's own
    // procedure when there is none (or the hook is no longer installed).
    static LRESULT CallBelow(HWND hwnd, const CSubclassHook* hook, UINT message, WPARAM wParam,
                             LPARAM lParam) {
        CSubclassHook* below = nullptr;
        WNDPROC original = nullptr;
        {
            std::lock_guard<std::mutex> lock(Mutex());
            auto found = Chains().find(hwnd);
            if (found == Chains().end()) {
                return 0;
            }
            const auto& hooks = found->second.hooks;
            auto at = std::find(hooks.begin(), hooks.end(), hook);
            if (at != hooks.end() && at != hooks.begin()) {
                below = *(at - 1);
            }
            original = found->second.original;
        }
        return below ? below->Dispatch(hwnd, message, wParam, lParam)
                     : ::CallWindowProcW(original, hwnd, message, wParam, lParam);
    }

  private:
    struct Chain {
        WNDPROC original;
        std::vector<CSubclassHook*> hooks;  // in the order installed
    };

    static std::unordered_map<HWND, Chain>& Chains() {
        static std::unordered_map<HWND, Chain> chains;
        return chains;
    }
    static std::mutex& Mutex() {
        static std::mutex mutex;
        return mutex;
    }

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        CSubclassHook* top = nullptr;
        WNDPROC original = nullptr;
        std::vector<CSubclassHook*> all;
        {
            std::lock_guard<std::mutex> lock(Mutex());
            auto found = Chains().find(hwnd);
            if (found == Chains().end()) {
                return ::DefWindowProcW(hwnd, message, wParam, lParam);
            }
            original = found->second.original;
            if (message == WM_NCDESTROY) {
                all = found->second.hooks;
            } else if (!found->second.hooks.empty()) {
                top = found->second.hooks.back();
            }
        }
        if (message == WM_NCDESTROY) {
            // The window's last message: the hooks go, then the window's own handling
            // finishes.
            for (auto hook = all.rbegin(); hook != all.rend(); ++hook) {
                (*hook)->Remove();
            }
            {
                std::lock_guard<std::mutex> lock(Mutex());
                Chains().erase(hwnd);
            }
            return ::CallWindowProcW(original, hwnd, message, wParam, lParam);
        }
        return top ? top->Dispatch(hwnd, message, wParam, lParam)
                   : ::CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
};

bool CSubclassHook::Install(HWND hwnd) {
    if (hooked_ != nullptr || hwnd == nullptr || !::IsWindow(hwnd)) {
        return false;
    }
    if (!CHookChain::Add(hwnd, this)) {
        return false;
    }
    hooked_ = hwnd;
    return true;
}

void CSubclassHook::Remove() {
    if (hooked_ == nullptr) {
        return;
    }
    CHookChain::Drop(hooked_, this);
    hooked_ = nullptr;
    OnHookRemoved();
}

LRESULT CSubclassHook::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    defaultCalled_ = true;
    return hooked_ ? CHookChain::CallBelow(hooked_, this, message, wParam, lParam) : 0;
}

LRESULT CSubclassHook::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // A handler may send messages that come back here: each level keeps its own record of
    // whether the window's own handling has run.
    bool outerDefaultCalled = defaultCalled_;
    defaultCalled_ = false;
    LRESULT result = 0;
    try {
        result = OnHookedMessage(message, wParam, lParam);
    } catch (...) {
        ++failedHandlers_;
        // The window still gets its own handling once (a paint left unhandled would come
        // back for ever), never twice.
        if (!defaultCalled_) {
            result = CHookChain::CallBelow(hwnd, this, message, wParam, lParam);
        }
    }
    defaultCalled_ = outerDefaultCalled;
    return result;
}

}  // namespace win32
