// Registry values as the configuration keys hold them: numbers as REG_SZ text
// ("%d", "%f"), strings read through a buffer of 520 characters. Anything
// unreadable reads as empty and takes the caller's default.
#pragma once

#include <cstdint>
#include <string>

#include "registry_port.h"

namespace core {

// Size, in UTF-16 units with the terminator, of the buffer strings are read through.
constexpr size_t kRegStringBufferChars = 520;
// The longest text, in UTF-16 units, that reads back whole.
constexpr size_t kRegStringLongestChars = kRegStringBufferChars - 1;

// Whether a text written with WriteRegString reads back whole through ReadRegString: a
// longer one reads back empty, and a record named by it vanishes at the next start.
bool ReadsBackWhole(const std::wstring& text);
// The most characters a name edit may take for a name stored behind the tool's prefix
// (a name typed without the prefix gets it at OK).
int StoredNameEditLimit(const std::wstring& toolPrefix);

// REG_SZ or REG_EXPAND_SZ (not expanded) with an even byte count ending in a null
// unit, at most 520 units with the terminator; anything else gives the empty text.
std::wstring ReadRegString(const ScopedRegKey& key, const std::wstring& name);
// ReadRegString that also answers the status of the query, for a caller that must tell a
// value the registry refused to read from one that is missing or reads as empty.
long QueryRegString(const ScopedRegKey& key, const std::wstring& name, std::wstring* text);
// The same rules without the length limit, for values that other programs share
// and that must never be cut short (the playout event tables).
std::wstring ReadRegStringWhole(const ScopedRegKey& key, const std::wstring& name);

int32_t ReadRegInt(const ScopedRegKey& key, const std::wstring& name, int32_t defaultValue);
int32_t ReadRegLong(const ScopedRegKey& key, const std::wstring& name, int32_t defaultValue);
double ReadRegDouble(const ScopedRegKey& key, const std::wstring& name, double defaultValue);
// A REG_DWORD value; false when missing or of another type.
bool ReadRegDword(const ScopedRegKey& key, const std::wstring& name, uint32_t* value);

// Writes return true when the registry accepted the value.
bool WriteRegString(const ScopedRegKey& key, const std::wstring& name, const std::wstring& text);
bool WriteRegInt(const ScopedRegKey& key, const std::wstring& name, int32_t value);
bool WriteRegDouble(const ScopedRegKey& key, const std::wstring& name, double value);
bool WriteRegDword(const ScopedRegKey& key, const std::wstring& name, uint32_t value);

// The text conversions behind the readers, usable on their own.
// Leading white space, an optional sign, the longest run of digits; no digits give 0;
// values beyond 32 bits are clamped.
int32_t ParseLeadingInt(const std::wstring& text);
// Leading white space, an optional sign, digits with an optional decimal point and
// exponent, the longest valid prefix; no valid prefix gives 0.0; an overflow gives
// infinity.
double ParseLeadingDouble(const std::wstring& text);

}  // namespace core
