#include "window.h"

#include <vector>

namespace win32 {

HWND CWindow::Detach() {
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    return hwnd;
}

bool CWindow::SetText(const std::wstring& text) {
    return ::SetWindowTextW(hwnd_, text.c_str()) != FALSE;
}

std::wstring CWindow::GetText() const {
    // The length may be larger than the text (it can count double-byte conversions), never
    // smaller; the copy reports what it really copied.
    int length = ::GetWindowTextLengthW(hwnd_);
    if (length <= 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(hwnd_, buffer.data(), length + 1);
    if (copied <= 0) {
        return std::wstring();
    }
    return std::wstring(buffer.data(), static_cast<size_t>(copied));
}

RECT CWindow::GetWindowRect() const {
    RECT rect{0, 0, 0, 0};
    if (!::GetWindowRect(hwnd_, &rect)) {
        rect = RECT{0, 0, 0, 0};
    }
    return rect;
}

RECT CWindow::GetClientRect() const {
    RECT rect{0, 0, 0, 0};
    if (!::GetClientRect(hwnd_, &rect)) {
        rect = RECT{0, 0, 0, 0};
    }
    return rect;
}

RECT CWindow::ScreenToClient(const RECT& screen) const {
    RECT rect = screen;
    // MapWindowPoints (unlike ScreenToClient) also mirrors for right-to-left layouts.
    ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool CWindow::MoveWindow(int x, int y, int width, int height, bool repaint) {
    return ::MoveWindow(hwnd_, x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

bool CWindow::MoveWindow(const RECT& rect, bool repaint) {
    return MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

bool CWindow::SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    return ::SetWindowPos(hwnd_, insertAfter, x, y, width, height, flags) != FALSE;
}

HICON CWindow::SetIcon(HICON icon, bool big) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

bool CWindow::Destroy() {
    if (hwnd_ == nullptr) {
        return false;
    }
    bool destroyed = ::DestroyWindow(hwnd_) != FALSE;
    if (destroyed) {
        hwnd_ = nullptr;
    }
    return destroyed;
}

}  // namespace win32
