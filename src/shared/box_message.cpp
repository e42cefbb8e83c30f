#include "shared/box_message.h"

namespace core {

int ShowBoxMessage(MessageBoxPort& boxes, WindowHandle owner, const BoxMessage& message) {
    return boxes.Show(owner, message.text, message.caption, message.flags);
}

}  // namespace core
