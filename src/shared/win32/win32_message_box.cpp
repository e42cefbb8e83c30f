#include "win32_message_box.h"

#include <windows.h>

namespace win32 {

int Win32MessageBox::Show(core::WindowHandle owner, const std::wstring& text,
                          const std::wstring& caption, unsigned flags) {
    return MessageBoxW(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
}

}  // namespace win32
