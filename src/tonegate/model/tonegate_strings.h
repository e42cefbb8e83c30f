// Tonegate's string identifiers and its string table, both made from
// resources/tonegate/strings.inc, the file the resource script is built from too.
#pragma once

#include <string>

#include "shared/string_table.h"

namespace tonegate {

enum StringId : int {
#define STRING_ENTRY(name, id, text) name = id,
#define MESSAGE_ENTRY(name, id, text) STRING_ENTRY(name, id, text)
#include "tonegate/strings.inc"
#undef MESSAGE_ENTRY
#undef STRING_ENTRY
};

const core::StringTable& TonegateStrings();

// The text of a string of Tonegate's table ("UNTRANSLATED" when it has none).
std::wstring TonegateText(int id);

// The refusal to save while the playout program runs is the one Tonegate message
// whose text and caption are fixed rather than string-table entries.
inline constexpr const wchar_t kPlayoutRunningAtSaveText[] =
    L"Airvexa is detected and must be closed before saving the changes!";
inline constexpr const wchar_t kPlayoutRunningAtSaveCaption[] = L"Tonegate closing message";

}  // namespace tonegate
