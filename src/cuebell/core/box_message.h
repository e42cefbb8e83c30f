// Cuebell's message boxes: the shared box, made of texts of Cuebell's string table.
#pragma once

#include <string>

#include "shared/box_message.h"

namespace cuebell {

using core::BoxMessage;
using core::ShowBoxMessage;

// The text of a string of Cuebell's table ("UNTRANSLATED" when it has none).
std::wstring CuebellText(int id);

// A box of two strings of Cuebell's table.
BoxMessage MakeBoxMessage(int textId, int captionId, unsigned flags);

}  // namespace cuebell
