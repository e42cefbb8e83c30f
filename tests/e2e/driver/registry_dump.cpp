#include "registry_dump.h"

#include "registry_path.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace e2e {

namespace {

constexpr REGSAM kView = KEY_WOW64_32KEY;

std::wstring Hex(unsigned value, int digits) {
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"%0*x", digits, value);
    return buffer;
}

// UTF-16 text with its terminator(s) made visible: \n, \r, \\, \" and \0 escaped.
std::wstring EscapedText(const std::vector<BYTE>& data) {
    std::wstring text;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const wchar_t c = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
        switch (c) {
            case L'\n':
                text += L"\\n";
                break;
            case L'\r':
                text += L"\\r";
                break;
            case L'\\':
                text += L"\\\\";
                break;
            case L'"':
                text += L"\\\"";
                break;
            case L'\0':
                text += L"\\0";
                break;
            default:
                if (c < 0x20) {
                    text += L"\\x" + Hex(c, 2);
                } else {
                    text += c;
                }
        }
    }
    if (data.size() % 2 != 0) {
        text += L"<odd byte " + Hex(data.back(), 2) + L">";
    }
    return text;
}

std::wstring TypeName(DWORD type) {
    switch (type) {
        case REG_SZ:
            return L"REG_SZ";
        case REG_EXPAND_SZ:
            return L"REG_EXPAND_SZ";
        case REG_MULTI_SZ:
            return L"REG_MULTI_SZ";
        case REG_DWORD:
            return L"REG_DWORD";
        case REG_BINARY:
            return L"REG_BINARY";
        default:
            return L"TYPE_" + std::to_wstring(type);
    }
}

std::wstring ValueLine(const std::wstring& name, DWORD type, const std::vector<BYTE>& data) {
    std::wstring line =
        L"\"" + name + L"\" " + TypeName(type) + L" " + std::to_wstring(data.size()) + L" bytes: ";
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
        return line + L"\"" + EscapedText(data) + L"\"";
    }
    if (type == REG_DWORD && data.size() == 4) {
        const DWORD value =
            data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<DWORD>(data[3]) << 24);
        return line + std::to_wstring(static_cast<long>(value));
    }
    for (BYTE b : data) {
        line += Hex(b, 2);
    }
    return line;
}

void DumpKey(HKEY root, const std::wstring& rootName, const std::wstring& path,
             std::wstring* dump) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | kView, &key) != ERROR_SUCCESS) {
        *dump += L"[" + rootName + L"\\" + path + L"] (missing)\n";
        return;
    }
    *dump += L"[" + rootName + L"\\" + path + L"]\n";

    std::vector<std::pair<std::wstring, std::wstring>> values;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameChars = 16384;
        DWORD type = 0;
        DWORD size = 0;
        LONG status = ::RegEnumValueW(key, index, name, &nameChars, nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS) {
            break;
        }
        std::vector<BYTE> data(size);
        nameChars = 16384;
        if (::RegEnumValueW(key, index, name, &nameChars, nullptr, &type,
                            data.empty() ? nullptr : data.data(), &size) != ERROR_SUCCESS) {
            break;
        }
        data.resize(size);
        values.emplace_back(name, ValueLine(name, type, data));
    }
    std::sort(values.begin(), values.end(), [](const auto& a, const auto& b) {
        return _wcsicmp(a.first.c_str(), b.first.c_str()) < 0;
    });
    for (const auto& value : values) {
        *dump += value.second + L"\n";
    }

    std::vector<std::wstring> subkeys;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD chars = 256;
        if (::RegEnumKeyExW(key, index, name, &chars, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        subkeys.emplace_back(name);
    }
    ::RegCloseKey(key);
    std::sort(subkeys.begin(), subkeys.end(), [](const std::wstring& a, const std::wstring& b) {
        return _wcsicmp(a.c_str(), b.c_str()) < 0;
    });
    for (const std::wstring& subkey : subkeys) {
        DumpKey(root, rootName, path + L"\\" + subkey, dump);
    }
}

}  // namespace

bool DumpRegistryTree(const std::wstring& path, std::wstring* dump) {
    RegistryPath parsed;
    if (!ParseRegistryPath(path, &parsed)) {
        return false;
    }
    dump->clear();
    DumpKey(parsed.root, parsed.rootName, parsed.rest, dump);
    return true;
}

}  // namespace e2e
