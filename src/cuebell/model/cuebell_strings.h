// Cuebell's string identifiers and its string table, both made from
// resources/cuebell/strings.inc, the file the resource script is built from too.
#pragma once

#include "shared/string_table.h"

namespace cuebell {

enum StringId : int {
#define STRING_ENTRY(name, id, text) name = id,
#include "cuebell/strings.inc"
#undef STRING_ENTRY
};

const core::StringTable& CuebellStrings();

}  // namespace cuebell
