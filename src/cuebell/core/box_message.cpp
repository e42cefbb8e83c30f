#include "cuebell/core/box_message.h"

#include "cuebell/model/cuebell_strings.h"
#include "shared/string_table.h"

namespace cuebell {

std::wstring CuebellText(int id) {
    return core::LoadText(CuebellStrings(), id);
}

BoxMessage MakeBoxMessage(int textId, int captionId, unsigned flags) {
    return BoxMessage{CuebellText(textId), CuebellText(captionId), flags};
}

}  // namespace cuebell
