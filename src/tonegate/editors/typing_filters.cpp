#include "tonegate/editors/typing_filters.h"

#include <algorithm>

#include "shared/format.h"
#include "shared/reg_values.h"
#include "shared/text.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

core::BoxMessage InvalidSymbolMessage() {
    return core::BoxMessage{TonegateText(IDS_INVALID_SYMBOL),
                            TonegateText(IDS_CHECK_SYMBOLS_CAPTION),
                            core::kMbOk | core::kMbIconWarning};
}

FilteredEdit Result(const EditText& typed, std::wstring text, size_t caret) {
    FilteredEdit result;
    result.rewritten = text != typed.text;
    result.edit.caret = result.rewritten ? std::min(caret, text.size()) : typed.caret;
    result.edit.text = std::move(text);
    return result;
}

}  // namespace

FilteredEdit FilterDigits(const EditText& typed) {
    std::wstring digits;
    size_t digitsBeforeCaret = 0;
    for (size_t i = 0; i < typed.text.size(); ++i) {
        if (core::IsDigit(typed.text[i])) {
            digits += typed.text[i];
            digitsBeforeCaret += i < typed.caret ? 1 : 0;
        }
    }
    if (digits.empty()) {
        return Result(typed, std::wstring(), 0);
    }
    const std::wstring number = core::Format(L"%d", core::ParseLeadingInt(digits));
    // The dropped leading zeros stood before the caret whenever any digit did.
    const size_t dropped = digits.size() > number.size() ? digits.size() - number.size() : 0;
    const size_t caret = digitsBeforeCaret > dropped ? digitsBeforeCaret - dropped : 0;
    return Result(typed, number, caret);
}

bool IsCueToneSymbol(wchar_t c) {
    return core::IsDigit(c) || c == L'#' || c == L'*' || (c >= L'A' && c <= L'D') ||
           (c >= L'a' && c <= L'd');
}

FilteredEdit FilterSymbols(const EditText& typed) {
    const std::wstring first = typed.text.substr(0, kSymbolsEditLimit);
    std::wstring symbols;
    size_t keptBeforeCaret = 0;
    size_t removed = 0;
    for (size_t i = 0; i < first.size(); ++i) {
        const wchar_t c = first[i];
        if (!IsCueToneSymbol(c)) {
            ++removed;
            continue;
        }
        symbols += (c >= L'a' && c <= L'd') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
        keptBeforeCaret += i < typed.caret ? 1 : 0;
    }
    FilteredEdit result = Result(typed, symbols, keptBeforeCaret);
    result.messages.assign(removed, InvalidSymbolMessage());
    return result;
}

}  // namespace tonegate
