// The message-box port over MessageBoxW.
#pragma once

#include "shared/message_box_port.h"

namespace win32 {

class Win32MessageBox : public core::MessageBoxPort {
  public:
    int Show(core::WindowHandle owner, const std::wstring& text, const std::wstring& caption,
             unsigned flags) override;
};

}  // namespace win32
