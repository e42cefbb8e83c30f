// Message boxes: owner, text, caption, flags and the button pressed.
#pragma once

#include <cstdint>
#include <string>

namespace core {

using WindowHandle = uintptr_t;  // an HWND, opaque to the core; 0 = no owner

// Win32 MessageBox flags and answers.
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbYesNo = 0x4;
constexpr unsigned kMbIconError = 0x10;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconWarning = 0x30;  // also the exclamation icon
constexpr unsigned kMbIconInformation = 0x40;
constexpr unsigned kMbDefButton2 = 0x100;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    virtual int Show(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                     unsigned flags) = 0;
};

}  // namespace core
