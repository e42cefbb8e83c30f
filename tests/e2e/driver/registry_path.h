// A registry path as the driver's commands take it: "HKLM\..." or "HKCU\...".
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

struct RegistryPath {
    HKEY root = nullptr;
    std::wstring rootName;  // "HKLM" or "HKCU"
    std::wstring rest;      // below the root; empty for the root itself
};

// False when the path names neither root.
inline bool ParseRegistryPath(const std::wstring& path, RegistryPath* parsed) {
    const size_t slash = path.find(L'\\');
    parsed->rootName = path.substr(0, slash);
    parsed->rest = slash == std::wstring::npos ? L"" : path.substr(slash + 1);
    if (parsed->rootName == L"HKLM") {
        parsed->root = HKEY_LOCAL_MACHINE;
    } else if (parsed->rootName == L"HKCU") {
        parsed->root = HKEY_CURRENT_USER;
    } else {
        return false;
    }
    return true;
}

}  // namespace e2e
