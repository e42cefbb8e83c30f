#include "win32_registry.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace win32 {

namespace {

HKEY RootKey(core::RegRoot root) {
    return root == core::RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// The detection plug-ins and the board maker's components are 32-bit: they see the
// 32-bit registry view. Asking for it explicitly makes every build of the programs
// (the 32-bit one that ships, the 64-bit one the tests run) read and write what the
// plug-ins read; on 32-bit Windows the flag is ignored.
constexpr REGSAM kPluginView = KEY_WOW64_32KEY;

REGSAM AccessMask(core::RegAccess access) {
    switch (access) {
        case core::RegAccess::Read:
            return KEY_READ | kPluginView;
        case core::RegAccess::Write:
            return KEY_WRITE | kPluginView;
        case core::RegAccess::CreateSubkeys:
            return KEY_CREATE_SUB_KEY | kPluginView;
        case core::RegAccess::ReadWrite:
            break;
    }
    return KEY_READ | KEY_WRITE | kPluginView;
}

HKEY ToHkey(core::RegKey key) {
    return reinterpret_cast<HKEY>(key);
}
core::RegKey FromHkey(HKEY key) {
    return reinterpret_cast<core::RegKey>(key);
}

bool IsStringType(uint32_t type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Bytes of the first read of a value: more than any value of the 520-character rule.
constexpr DWORD kFirstReadBytes = 2048;
// Bounds the re-reads of a value that keeps growing between two reads.
constexpr int kMaxQueryAttempts = 8;

}  // namespace

long Win32Registry::OpenKey(core::RegRoot root, const std::wstring& path, core::RegAccess access,
                            core::RegKey* key) {
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExW(RootKey(root), path.c_str(), 0, AccessMask(access), &opened);
    *key = status == ERROR_SUCCESS ? FromHkey(opened) : core::kNoKey;
    return status;
}

long Win32Registry::CreateKey(core::RegRoot root, const std::wstring& path, core::RegKey* key) {
    HKEY created = nullptr;
    LONG status = RegCreateKeyExW(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_READ | KEY_WRITE | kPluginView, nullptr, &created, nullptr);
    *key = status == ERROR_SUCCESS ? FromHkey(created) : core::kNoKey;
    return status;
}

long Win32Registry::CloseKey(core::RegKey key) {
    return RegCloseKey(ToHkey(key));
}

long Win32Registry::QueryValue(core::RegKey key, const std::wstring& name, uint32_t* type,
                               core::Bytes* data) {
    // One call in the common case: the buffer holds any value of the 520-character rule;
    // a longer value ("GPIEvents", "SampleIndices") answers ERROR_MORE_DATA with its size
    // and is read again at that size. Each call is a round trip to the registry server.
    core::Bytes buffer(kFirstReadBytes, 0);
    DWORD valueType = REG_NONE;
    LONG status = ERROR_MORE_DATA;
    for (int attempt = 0; attempt < kMaxQueryAttempts && status == ERROR_MORE_DATA; ++attempt) {
        DWORD got = static_cast<DWORD>(buffer.size());
        status =
            RegQueryValueExW(ToHkey(key), name.c_str(), nullptr, &valueType, buffer.data(), &got);
        if (status == ERROR_SUCCESS) {
            buffer.resize(got);
            *type = valueType;
            *data = std::move(buffer);
        } else if (status == ERROR_MORE_DATA) {
            // Larger than the buffer (or grown since the last call): read again at its size.
            buffer.assign(std::max<DWORD>(got, static_cast<DWORD>(buffer.size()) + 1), 0);
        }
    }
    return status;
}

long Win32Registry::SetValue(core::RegKey key, const std::wstring& name, uint32_t type,
                             const core::Bytes& data) {
    if (data.size() > std::numeric_limits<DWORD>::max()) {
        return ERROR_INVALID_PARAMETER;
    }
    const DWORD count = static_cast<DWORD>(data.size());
    if (!IsStringType(type)) {
        return RegSetValueExW(ToHkey(key), name.c_str(), 0, type,
                              data.empty() ? nullptr : data.data(), count);
    }
    // For string types RegSetValueExW looks at the UTF-16 unit before the end of the data
    // and the one after it, and stores an extra terminator when the data lacks one but the
    // next unit in memory is null. Non-null padding on both sides keeps that look inside
    // this buffer and the stored bytes exactly those given.
    constexpr size_t kPad = 2;
    padded_.assign(kPad + data.size() + kPad, 0xFF);
    std::copy(data.begin(), data.end(), padded_.begin() + kPad);
    return RegSetValueExW(ToHkey(key), name.c_str(), 0, type,
                          data.empty() ? nullptr : padded_.data() + kPad, count);
}

long Win32Registry::EnumKey(core::RegKey key, uint32_t index, size_t maxNameChars,
                            std::wstring* name) {
    const size_t capacity = std::min<size_t>(maxNameChars, std::numeric_limits<DWORD>::max());
    std::wstring buffer(std::max<size_t>(capacity, 1), L'\0');
    DWORD length = static_cast<DWORD>(capacity);
    LONG status =
        RegEnumKeyExW(ToHkey(key), index, &buffer[0], &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        name->assign(buffer.data(), std::min<size_t>(length, capacity));
    }
    return status;
}

long Win32Registry::EnumValue(core::RegKey key, uint32_t index, std::wstring* name, uint32_t* type,
                              core::Bytes* data) {
    DWORD nameChars = 0;
    DWORD dataBytes = 0;
    LONG status = RegQueryInfoKeyW(ToHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, &nameChars, &dataBytes, nullptr, nullptr);
    for (int attempt = 0; attempt < kMaxQueryAttempts && status == ERROR_SUCCESS; ++attempt) {
        std::wstring nameBuffer(nameChars + 1, L'\0');
        core::Bytes buffer(std::max<DWORD>(dataBytes, 1), 0);
        DWORD gotName = nameChars + 1;
        DWORD got = dataBytes;
        DWORD valueType = REG_NONE;
        status = RegEnumValueW(ToHkey(key), index, &nameBuffer[0], &gotName, nullptr, &valueType,
                               buffer.data(), &got);
        if (status == ERROR_SUCCESS) {
            name->assign(nameBuffer.data(), gotName);
            buffer.resize(got);
            *type = valueType;
            *data = std::move(buffer);
            return status;
        }
        if (status == ERROR_MORE_DATA) {
            // A value grew since the sizes were asked: ask again, with room to spare.
            nameChars = nameChars * 2 + 16;
            dataBytes = std::max(got, dataBytes * 2 + 16);
            status = ERROR_SUCCESS;
        }
    }
    return status;
}

long Win32Registry::DeleteValue(core::RegKey key, const std::wstring& name) {
    return RegDeleteValueW(ToHkey(key), name.c_str());
}

long Win32Registry::DeleteTree(core::RegRoot root, const std::wstring& path) {
    // The key is opened in the plug-ins' view and deleted below that handle, so the tree
    // removed is the one the other calls read and write.
    const size_t cut = path.find_last_of(L'\\');
    const std::wstring parentPath =
        cut == std::wstring::npos ? std::wstring() : path.substr(0, cut);
    const std::wstring leaf = cut == std::wstring::npos ? path : path.substr(cut + 1);
    if (leaf.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    HKEY parent = nullptr;
    LONG status = RegOpenKeyExW(RootKey(root), parentPath.c_str(), 0,
                                KEY_READ | KEY_WRITE | DELETE | kPluginView, &parent);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    HKEY probe = nullptr;
    status = RegOpenKeyExW(parent, leaf.c_str(), 0, KEY_READ | kPluginView, &probe);
    if (status == ERROR_SUCCESS) {
        RegCloseKey(probe);
        status = RegDeleteTreeW(parent, leaf.c_str());  // the key itself included
    }
    RegCloseKey(parent);
    return status;
}

long Win32Registry::FlushKey(core::RegKey key) {
    return RegFlushKey(ToHkey(key));
}

}  // namespace win32
