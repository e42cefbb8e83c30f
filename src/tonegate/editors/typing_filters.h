// The signal editor's typing filters: what an edit holds after each change of its text,
// whether the operator typed it, a spin wrote it, or the editor put a record's text in.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "shared/box_message.h"

namespace tonegate {

// The symbol edit takes at most this many characters.
inline constexpr size_t kSymbolsEditLimit = 4;

// An edit's text and its caret (0 to the text's length): after typing, the caret stands at
// the end of what was typed.
struct EditText {
    std::wstring text;
    size_t caret = 0;
};

// What a filter leaves in an edit. Only a rewritten edit is set again; its caret then goes
// back to the end of what the operator typed, so that the next key lands where he was
// typing rather than at the start of the text.
struct FilteredEdit {
    EditText edit;
    bool rewritten = false;
    std::vector<core::BoxMessage> messages;  // shown in order, one box each
};

// A timing edit keeps its decimal digits only, as a number without leading zeros ("%d";
// beyond 32 bits the largest such number); no digit at all leaves it empty.
FilteredEdit FilterDigits(const EditText& typed);

// "0" to "9", "#", "*" and the letters A to D in either case.
bool IsCueToneSymbol(wchar_t c);

// The symbol edit keeps the cue-tone symbols among its first kSymbolsEditLimit characters,
// upper-cased; every other character is removed with one warning box each.
FilteredEdit FilterSymbols(const EditText& typed);

}  // namespace tonegate
