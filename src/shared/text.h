// Plain text operations the whole system shares: trimming, UTF-16 conversion.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace core {

// White space as the C library's iswspace sees it in the "C" locale.
bool IsSpace(wchar_t c);
bool IsDigit(wchar_t c);  // "0" to "9" only

std::wstring TrimLeft(const std::wstring& s);
std::wstring TrimRight(const std::wstring& s);
std::wstring Trim(const std::wstring& s);

// Case-insensitive comparison of ASCII and Latin letters, as the registry and the
// programs compare names.
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);
wchar_t FoldCase(wchar_t c);

// Replaces every occurrence of `from` (left to right, non-overlapping).
std::wstring ReplaceAll(const std::wstring& s, const std::wstring& from, const std::wstring& to);

// UTF-16 code units of a wide string (identity on Windows, surrogate pairs on Linux).
std::u16string ToUtf16(const std::wstring& s);
std::wstring FromUtf16(const std::u16string& s);
size_t Utf16Length(const std::wstring& s);

// Little-endian bytes of the UTF-16 text, without or with a terminating null unit.
std::vector<uint8_t> ToUtf16Bytes(const std::wstring& s, bool withTerminator);
// Decodes little-endian UTF-16 bytes; an odd last byte is ignored.
std::wstring FromUtf16Bytes(const std::vector<uint8_t>& bytes);

}  // namespace core
