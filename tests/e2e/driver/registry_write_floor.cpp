#include "registry_write_floor.h"

#include "registry_path.h"

#include <windows.h>

namespace e2e {

namespace {

constexpr DWORD kNameChars = 16384;

void ReadKey(HKEY root, const std::wstring& path, FloorTree* tree) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS) {
        return;
    }
    FloorKey read{path, {}};
    std::vector<wchar_t> name(kNameChars);
    for (DWORD index = 0;; ++index) {
        DWORD nameChars = kNameChars;
        DWORD type = REG_NONE;
        DWORD bytes = 0;
        if (::RegEnumValueW(key, index, name.data(), &nameChars, nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS) {
            break;
        }
        FloorValue value{std::wstring(name.data(), nameChars), type,
                         std::vector<unsigned char>(bytes)};
        DWORD got = bytes;
        if (::RegQueryValueExW(key, value.name.c_str(), nullptr, nullptr,
                               got ? value.data.data() : nullptr, &got) != ERROR_SUCCESS) {
            break;
        }
        value.data.resize(got);
        read.values.push_back(std::move(value));
    }
    tree->keys.push_back(std::move(read));
    const std::vector<std::wstring> subkeys = SubkeyNames(key);
    ::RegCloseKey(key);
    for (const std::wstring& subkey : subkeys) {
        ReadKey(root, path.empty() ? subkey : path + L"\\" + subkey, tree);
    }
}

}  // namespace

bool ReadFloorTree(const std::wstring& path, FloorTree* tree) {
    RegistryPath parsed;
    if (!ParseRegistryPath(path, &parsed)) {
        return false;
    }
    ReadKey(parsed.root, parsed.rest, tree);
    return true;
}

void WriteFloorTree(const std::wstring& path, const FloorTree& tree, FloorCount* count) {
    RegistryPath parsed;
    if (!ParseRegistryPath(path, &parsed)) {
        return;
    }
    for (const FloorKey& read : tree.keys) {
        HKEY key = nullptr;
        // Each key by its full path from the root, as the programs open their record keys.
        if (::RegCreateKeyExW(parsed.root, read.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_WOW64_32KEY, nullptr, &key,
                              nullptr) != ERROR_SUCCESS) {
            continue;
        }
        ++count->keys;
        for (const FloorValue& value : read.values) {
            if (::RegSetValueExW(key, value.name.c_str(), 0, value.type,
                                 value.data.empty() ? nullptr : value.data.data(),
                                 static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS) {
                ++count->values;
            }
        }
        ::RegCloseKey(key);
    }
}

}  // namespace e2e
