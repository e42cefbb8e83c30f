// Cuebell's string identifiers and its string table, both made from
// resources/cuebell/strings.inc, the file the resource script is built from too.
#pragma once

#include "shared/string_table.h"

namespace cuebell {

enum StringId : int {
#define STRING_ENTRY(name, id, text) name = id,
#define MESSAGE_ENTRY(name, id, text) STRING_ENTRY(name, id, text)
#include "cuebell/strings.inc"
#undef MESSAGE_ENTRY
#undef STRING_ENTRY
};

const core::StringTable& CuebellStrings();

}  // namespace cuebell
