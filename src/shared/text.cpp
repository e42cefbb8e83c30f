#include "text.h"

namespace core {

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\v' || c == L'\f';
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::wstring TrimLeft(const std::wstring& s) {
    size_t start = 0;
    while (start < s.size() && IsSpace(s[start])) {
        ++start;
    }
    return s.substr(start);
}

std::wstring TrimRight(const std::wstring& s) {
    size_t end = s.size();
    while (end > 0 && IsSpace(s[end - 1])) {
        --end;
    }
    return s.substr(0, end);
}

std::wstring Trim(const std::wstring& s) {
    return TrimLeft(TrimRight(s));
}

wchar_t FoldCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') {
        return static_cast<wchar_t>(c - L'a' + L'A');
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {  // Latin-1 lower-case letters
        return static_cast<wchar_t>(c - 0x20);
    }
    return c;
}

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

std::wstring ReplaceAll(const std::wstring& s, const std::wstring& from, const std::wstring& to) {
    if (from.empty()) {
        return s;
    }
    std::wstring out;
    size_t pos = 0;
    while (true) {
        size_t hit = s.find(from, pos);
        if (hit == std::wstring::npos) {
            out.append(s, pos, std::wstring::npos);
            return out;
        }
        out.append(s, pos, hit - pos);
        out += to;
        pos = hit + from.size();
    }
}

std::u16string ToUtf16(const std::wstring& s) {
    std::u16string out;
    out.reserve(s.size());
    for (wchar_t wc : s) {
        auto c = static_cast<uint32_t>(wc);
        if (sizeof(wchar_t) == 4 && c > 0xFFFF && c <= 0x10FFFF) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else if (c > 0x10FFFF) {
            out.push_back(u'\xFFFD');
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::wstring FromUtf16(const std::u16string& s) {
    std::wstring out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t c = s[i];
        if (sizeof(wchar_t) == 4 && c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() &&
            s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        out.push_back(static_cast<wchar_t>(c));
    }
    return out;
}

size_t Utf16Length(const std::wstring& s) {
    return ToUtf16(s).size();
}

std::vector<uint8_t> ToUtf16Bytes(const std::wstring& s, bool withTerminator) {
    std::u16string units = ToUtf16(s);
    if (withTerminator) {
        units.push_back(u'\0');
    }
    std::vector<uint8_t> bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t u : units) {
        bytes.push_back(static_cast<uint8_t>(u & 0xFF));
        bytes.push_back(static_cast<uint8_t>(u >> 8));
    }
    return bytes;
}

std::wstring FromUtf16Bytes(const std::vector<uint8_t>& bytes) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return FromUtf16(units);
}

}  // namespace core
