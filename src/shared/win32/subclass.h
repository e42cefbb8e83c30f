// Subclassing a control so that its own key and mouse handling can run before the
// control's: CSubclassed<CListView> is a list view whose messages first reach OnMessage.
// The subclass ends when the window is destroyed or the object goes away, whichever is
// first. No C++ exception leaves the window procedure. Several hooks may share a window:
// the last installed sees a message first, and its default handling passes it to the one
// installed before it.
#pragma once

#include <windows.h>

#include "window.h"

namespace win32 {

class CSubclassHook {
  public:
    CSubclassHook() = default;
    CSubclassHook(const CSubclassHook&) = delete;
    CSubclassHook& operator=(const CSubclassHook&) = delete;
    virtual ~CSubclassHook() { Remove(); }

    bool Install(HWND hwnd);
    void Remove();
    HWND HookedWindow() const { return hooked_; }
    // How many message handlers have thrown instead of returning.
    int FailedHandlers() const { return failedHandlers_; }

  protected:
    virtual LRESULT OnHookedMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // The window's own handling of the message.
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone (after WM_NCDESTROY) or the hook is removed.
    virtual void OnHookRemoved() {}

  private:
    friend class CHookChain;
    // Runs the hook's handler for one message (nested calls keep their own record).
    LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hooked_ = nullptr;
    bool defaultCalled_ = false;
    int failedHandlers_ = 0;
};

template <class Control = CWindow>
class CSubclassed : public Control, public CSubclassHook {
  public:
    bool Subclass(HWND hwnd) {
        if (!Install(hwnd)) {
            return false;
        }
        this->Attach(hwnd);
        return true;
    }
    void Unsubclass() { Remove(); }

  protected:
    // Every message of the control; the default passes it on unchanged.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefaultProc(message, wParam, lParam);
    }
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return CallDefault(message, wParam, lParam);
    }

  private:
    LRESULT OnHookedMessage(UINT message, WPARAM wParam, LPARAM lParam) final {
        return OnMessage(message, wParam, lParam);
    }
    void OnHookRemoved() final { this->Detach(); }
};

}  // namespace win32
