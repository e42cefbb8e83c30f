// A message box as a program's core composes it: text, caption and flags (icon and
// buttons), so that a dialog only shows it.
#pragma once

#include <string>

#include "shared/message_box_port.h"

namespace core {

struct BoxMessage {
    std::wstring text;
    std::wstring caption;
    unsigned flags = kMbOk;
};

// Shows the box and answers the button pressed.
int ShowBoxMessage(MessageBoxPort& boxes, WindowHandle owner, const BoxMessage& message);

}  // namespace core
