#include "reg_values.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "format.h"
#include "text.h"

namespace core {

namespace {

std::wstring DecodeRegText(uint32_t type, const Bytes& data) {
    if (type != kRegSz && type != kRegExpandSz) {
        return std::wstring();
    }
    if (data.size() < 2 || data.size() % 2 != 0) {
        return std::wstring();
    }
    if (data[data.size() - 1] != 0 || data[data.size() - 2] != 0) {
        return std::wstring();
    }
    std::wstring text = FromUtf16Bytes(data);
    // The text ends at its first null, as a C string read from the buffer would.
    size_t end = text.find(L'\0');
    return end == std::wstring::npos ? text : text.substr(0, end);
}

bool QueryText(const ScopedRegKey& key, const std::wstring& name, size_t maxBytes,
               std::wstring* text) {
    if (!key.IsOpen()) {
        return false;
    }
    uint32_t type = kRegNone;
    Bytes data;
    if (key.Registry().QueryValue(key.Get(), name, &type, &data) != kErrorSuccess) {
        return false;
    }
    if (data.size() > maxBytes) {
        return false;
    }
    *text = DecodeRegText(type, data);
    return true;
}

}  // namespace

bool ReadsBackWhole(const std::wstring& text) {
    return Utf16Length(text) <= kRegStringLongestChars;
}

int StoredNameEditLimit(const std::wstring& toolPrefix) {
    return static_cast<int>(kRegStringLongestChars - Utf16Length(toolPrefix));
}

std::wstring ReadRegString(const ScopedRegKey& key, const std::wstring& name) {
    std::wstring text;
    QueryText(key, name, kRegStringBufferChars * 2, &text);
    return text;
}

long QueryRegString(const ScopedRegKey& key, const std::wstring& name, std::wstring* text) {
    text->clear();
    if (!key.IsOpen()) {
        return kErrorInvalidHandle;
    }
    uint32_t type = kRegNone;
    Bytes data;
    long status = key.Registry().QueryValue(key.Get(), name, &type, &data);
    if (status == kErrorSuccess && data.size() <= kRegStringBufferChars * 2) {
        *text = DecodeRegText(type, data);
    }
    return status;
}

std::wstring ReadRegStringWhole(const ScopedRegKey& key, const std::wstring& name) {
    std::wstring text;
    QueryText(key, name, std::numeric_limits<size_t>::max(), &text);
    return text;
}

int32_t ParseLeadingInt(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    int64_t value = 0;
    const int64_t limit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
    while (i < text.size() && IsDigit(text[i])) {
        value = value * 10 + (text[i] - L'0');
        if (value > limit) {
            value = limit;
        }
        ++i;
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int32_t>::max()) {
        value = std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

double ParseLeadingDouble(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    std::string number;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        number.push_back(static_cast<char>(text[i]));
        ++i;
    }
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) {
        number.push_back(static_cast<char>(text[i++]));
        digits = true;
    }
    if (i < text.size() && text[i] == L'.') {
        number.push_back('.');
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            number.push_back(static_cast<char>(text[i++]));
            digits = true;
        }
    }
    if (!digits) {
        return 0.0;
    }
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) {
            exponent.push_back(static_cast<char>(text[j++]));
        }
        bool exponentDigits = false;
        while (j < text.size() && IsDigit(text[j])) {
            exponent.push_back(static_cast<char>(text[j++]));
            exponentDigits = true;
        }
        if (exponentDigits) {
            number += exponent;
        }
    }
    // The number holds only ASCII digits, sign, "." and exponent: strtod reads it
    // the same in the "C" locale the programs run in.
    return std::strtod(number.c_str(), nullptr);
}

int32_t ReadRegInt(const ScopedRegKey& key, const std::wstring& name, int32_t defaultValue) {
    std::wstring text = ReadRegString(key, name);
    return text.empty() ? defaultValue : ParseLeadingInt(text);
}

int32_t ReadRegLong(const ScopedRegKey& key, const std::wstring& name, int32_t defaultValue) {
    return ReadRegInt(key, name, defaultValue);
}

double ReadRegDouble(const ScopedRegKey& key, const std::wstring& name, double defaultValue) {
    std::wstring text = ReadRegString(key, name);
    if (text.empty()) {
        return defaultValue;
    }
    double value = ParseLeadingDouble(text);
    // An overflowing text would be written back as "inf", which nothing reads again.
    if (value < 0.0 || !std::isfinite(value)) {
        return defaultValue;
    }
    return value;
}

bool ReadRegDword(const ScopedRegKey& key, const std::wstring& name, uint32_t* value) {
    if (!key.IsOpen()) {
        return false;
    }
    uint32_t type = kRegNone;
    Bytes data;
    if (key.Registry().QueryValue(key.Get(), name, &type, &data) != kErrorSuccess) {
        return false;
    }
    if (type != kRegDword || data.size() != 4) {
        return false;
    }
    *value = static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
             (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
    return true;
}

bool WriteRegString(const ScopedRegKey& key, const std::wstring& name, const std::wstring& text) {
    if (!key.IsOpen()) {
        return false;
    }
    return key.Registry().SetValue(key.Get(), name, kRegSz, ToUtf16Bytes(text, true)) ==
           kErrorSuccess;
}

bool WriteRegInt(const ScopedRegKey& key, const std::wstring& name, int32_t value) {
    // The text of "%d", without the formatter's parsing: a save writes thousands.
    return WriteRegString(key, name, std::to_wstring(value));
}

bool WriteRegDouble(const ScopedRegKey& key, const std::wstring& name, double value) {
    return WriteRegString(key, name, Format(L"%f", value));
}

bool WriteRegDword(const ScopedRegKey& key, const std::wstring& name, uint32_t value) {
    if (!key.IsOpen()) {
        return false;
    }
    Bytes data{static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
               static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
    return key.Registry().SetValue(key.Get(), name, kRegDword, data) == kErrorSuccess;
}

}  // namespace core
