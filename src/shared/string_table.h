// A program's string table: identifier and text, as its resource script holds them.
#pragma once

#include <cstddef>
#include <string>

namespace core {

struct StringEntry {
    int id;
    const wchar_t* text;
};

// True when no identifier occurs twice; lets a table check itself at compile time.
template <std::size_t N>
constexpr bool HasUniqueIds(const StringEntry (&entries)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            if (entries[i].id == entries[j].id) {
                return false;
            }
        }
    }
    return true;
}

// A view of a static array of entries; the lists are short, so lookup is a scan.
class StringTable {
  public:
    template <std::size_t N>
    constexpr explicit StringTable(const StringEntry (&entries)[N]) : entries_(entries), size_(N) {}

    // The text of the entry, or nullptr when the table has no such identifier.
    const wchar_t* Find(int id) const;

    const StringEntry* begin() const { return entries_; }
    const StringEntry* end() const { return entries_ + size_; }
    std::size_t size() const { return size_; }

  private:
    const StringEntry* entries_;
    std::size_t size_;
};

// The entry's text; "UNTRANSLATED" when the table has no such entry.
std::wstring LoadText(const StringTable& table, int id);

}  // namespace core
