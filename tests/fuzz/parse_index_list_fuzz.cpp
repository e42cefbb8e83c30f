// The sample-position list of a stored detection entry, on arbitrary UTF-16 text:
// every call must make progress, and every number returned must be a digit run of
// the text that no minus sign precedes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cuebell/model/store.h"
#include "shared/text.h"

namespace {

std::wstring TextOf(const uint8_t* data, size_t size) {
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2) {
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return core::FromUtf16(units);
}

// The numbers the list must give, found independently: digit runs not directly
// after a minus sign, clamped to 32 bits.
std::wstring Expected(const std::wstring& text) {
    std::wstring out;
    size_t i = 0;
    while (i < text.size()) {
        if (!core::IsDigit(text[i])) {
            ++i;
            continue;
        }
        const bool negative = i > 0 && text[i - 1] == L'-';
        std::wstring run;
        while (i < text.size() && core::IsDigit(text[i])) {
            run.push_back(text[i++]);
        }
        if (!negative) {
            size_t first = run.find_first_not_of(L'0');
            std::wstring digits = first == std::wstring::npos ? L"0" : run.substr(first);
            out += (digits.size() > 10 || (digits.size() == 10 && digits > L"2147483647"))
                       ? L"2147483647"
                       : digits;
            out += L" ";
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring text = TextOf(data, size);
    std::wstring remaining = text;
    std::wstring got;
    while (!remaining.empty()) {
        const size_t before = remaining.size();
        const int32_t n = cuebell::ParseIndexList(&remaining);
        if (n < -1) {
            std::abort();
        }
        if (n == -1 && !remaining.empty()) {
            std::abort();  // -1 only when nothing is left
        }
        if (n >= 0) {
            got += std::to_wstring(n) + L" ";
        }
        if (!remaining.empty() && remaining.size() >= before) {
            std::abort();  // no progress: the caller's loop would never end
        }
    }
    if (got != Expected(text)) {
        std::abort();
    }
    return 0;
}
