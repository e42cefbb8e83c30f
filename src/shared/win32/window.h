// A window handle with the calls every window kind shares. It does not own the window:
// copying a CWindow copies the handle, destroying one destroys nothing.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

class CWindow {
  public:
    CWindow() = default;
    explicit CWindow(HWND hwnd) : hwnd_(hwnd) {}
    virtual ~CWindow() = default;

    HWND GetHwnd() const { return hwnd_; }
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    HWND Detach();
    bool IsWindow() const { return hwnd_ != nullptr && ::IsWindow(hwnd_) != FALSE; }

    int GetDlgCtrlID() const { return ::GetDlgCtrlID(hwnd_); }
    HWND GetParent() const { return ::GetParent(hwnd_); }

    bool SetText(const std::wstring& text);
    std::wstring GetText() const;

    // Returns whether the window was enabled before.
    bool Enable(bool enable) { return ::EnableWindow(hwnd_, enable ? TRUE : FALSE) == FALSE; }
    bool IsEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
    // Returns whether the window was visible before.
    bool Show(int showCommand) { return ::ShowWindow(hwnd_, showCommand) != FALSE; }
    bool IsVisible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
    bool IsZoomed() const { return ::IsZoomed(hwnd_) != FALSE; }
    bool IsIconic() const { return ::IsIconic(hwnd_) != FALSE; }

    // Screen coordinates; an empty rectangle when the window does not exist.
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    // Converts a rectangle from screen coordinates to this window's client coordinates.
    RECT ScreenToClient(const RECT& screen) const;

    bool MoveWindow(int x, int y, int width, int height, bool repaint = true);
    bool MoveWindow(const RECT& rect, bool repaint = true);
    bool SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags);
    bool Invalidate(bool erase = true) {
        return ::InvalidateRect(hwnd_, nullptr, erase ? TRUE : FALSE) != FALSE;
    }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(hwnd_, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(hwnd_, message, wParam, lParam) != FALSE;
    }

    HWND SetFocus() { return ::SetFocus(hwnd_); }
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(hwnd_, GWL_STYLE); }
    LONG_PTR GetExStyle() const { return ::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE); }
    HICON SetIcon(HICON icon, bool big);
    HMENU GetSystemMenu(bool revert) const { return ::GetSystemMenu(hwnd_, revert ? TRUE : FALSE); }
    bool Destroy();

  protected:
    HWND hwnd_ = nullptr;
};

}  // namespace win32
