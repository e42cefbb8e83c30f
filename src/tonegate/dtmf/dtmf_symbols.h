// The sixteen DTMF symbols: each one tone of the low group (rows) with one of the high
// group (columns).
#pragma once

namespace tonegate::dtmf {

inline constexpr int kGroupSize = 4;
inline constexpr double kLowGroupHz[kGroupSize] = {697.0, 770.0, 852.0, 941.0};
inline constexpr double kHighGroupHz[kGroupSize] = {1209.0, 1336.0, 1477.0, 1633.0};

// Row by row, as the keypad shows them.
inline constexpr wchar_t kKeypad[kGroupSize][kGroupSize] = {
    {L'1', L'2', L'3', L'A'},
    {L'4', L'5', L'6', L'B'},
    {L'7', L'8', L'9', L'C'},
    {L'*', L'0', L'#', L'D'},
};

// The row and column of a symbol (letters in either case); false for any other character.
bool KeypadPosition(wchar_t symbol, int* row, int* column);

}  // namespace tonegate::dtmf
