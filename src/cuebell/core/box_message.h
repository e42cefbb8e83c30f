// A message box as the main dialog and its start-up show it: text, caption and flags
// (icon and buttons), composed by the core so that the dialog only shows it.
#pragma once

#include <string>

#include "shared/message_box_port.h"

namespace cuebell {

struct BoxMessage {
    std::wstring text;
    std::wstring caption;
    unsigned flags = core::kMbOk;
};

// The text of a string of Cuebell's table ("UNTRANSLATED" when it has none).
std::wstring CuebellText(int id);

// A box of two strings of Cuebell's table.
BoxMessage MakeBoxMessage(int textId, int captionId, unsigned flags);

// Shows the box and answers the button pressed.
int ShowBoxMessage(core::MessageBoxPort& boxes, core::WindowHandle owner,
                   const BoxMessage& message);

}  // namespace cuebell
