#include "tonegate/dtmf/dtmf_symbols.h"

#include <cwctype>

namespace tonegate::dtmf {

bool KeypadPosition(wchar_t symbol, int* row, int* column) {
    const wchar_t upper = static_cast<wchar_t>(std::towupper(symbol));
    for (int r = 0; r < kGroupSize; ++r) {
        for (int c = 0; c < kGroupSize; ++c) {
            if (kKeypad[r][c] == upper) {
                *row = r;
                *column = c;
                return true;
            }
        }
    }
    return false;
}

}  // namespace tonegate::dtmf
