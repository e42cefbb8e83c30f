#include "registry_floor.h"

#include "registry_path.h"

#include <windows.h>

#include <vector>

namespace e2e {

namespace {

// As large as the programs' first read of a value: a longer value takes a second call.
constexpr DWORD kValueBytes = 2048;
constexpr DWORD kNameChars = 16384;

void ReadKey(HKEY parent, const std::wstring& path, FloorCount* count) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    ++count->keys;
    std::vector<wchar_t> name(kNameChars);
    std::vector<BYTE> data(kValueBytes);
    for (DWORD index = 0;; ++index) {
        DWORD nameChars = kNameChars;
        DWORD bytes = static_cast<DWORD>(data.size());
        LONG status = ::RegEnumValueW(key, index, name.data(), &nameChars, nullptr, nullptr,
                                      data.data(), &bytes);
        if (status == ERROR_MORE_DATA) {
            data.resize(bytes);
            nameChars = kNameChars;
            status = ::RegEnumValueW(key, index, name.data(), &nameChars, nullptr, nullptr,
                                     data.data(), &bytes);
        }
        if (status != ERROR_SUCCESS) {
            break;
        }
        ++count->values;
    }
    for (const std::wstring& subkey : SubkeyNames(key)) {
        ReadKey(key, subkey, count);
    }
    ::RegCloseKey(key);
}

}  // namespace

std::vector<std::wstring> SubkeyNames(HKEY key) {
    std::vector<wchar_t> name(kNameChars);
    std::vector<std::wstring> subkeys;
    for (DWORD index = 0;; ++index) {
        DWORD nameChars = kNameChars;
        if (::RegEnumKeyExW(key, index, name.data(), &nameChars, nullptr, nullptr, nullptr,
                            nullptr) != ERROR_SUCCESS) {
            break;
        }
        subkeys.emplace_back(name.data(), nameChars);
    }
    return subkeys;
}

bool ReadRegistryFloor(const std::wstring& path, FloorCount* count) {
    RegistryPath parsed;
    if (!ParseRegistryPath(path, &parsed)) {
        return false;
    }
    ReadKey(parsed.root, parsed.rest, count);
    return true;
}

}  // namespace e2e
