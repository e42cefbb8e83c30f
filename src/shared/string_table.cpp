#include "string_table.h"

namespace core {

const wchar_t* StringTable::Find(int id) const {
    for (const StringEntry& entry : *this) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return nullptr;
}

std::wstring LoadText(const StringTable& table, int id) {
    const wchar_t* text = table.Find(id);
    return text != nullptr ? std::wstring(text) : std::wstring(L"UNTRANSLATED");
}

}  // namespace core
