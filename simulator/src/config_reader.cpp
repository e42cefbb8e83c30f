#include "config_reader.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace cx840sim {

namespace {

// Far more than any sensible list; a larger value is treated as absent.
constexpr DWORD kMaxValueBytes = 64 * 1024;

// A REG_SZ or REG_EXPAND_SZ value as text, up to its first null unit; absent when the
// value is missing, of another type or unreasonably large.
std::optional<std::wstring> ReadText(HKEY key, const wchar_t* name) {
    for (int attempt = 0; attempt < 3; ++attempt) {  // the value may change between calls
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ) || bytes > kMaxValueBytes) {
            return std::nullopt;
        }
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        LONG status = RegQueryValueExW(key, name, nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::nullopt;
        }
        size_t units = size / sizeof(wchar_t);
        std::wstring text(buffer.data(), units);
        return text.substr(0, text.find(L'\0'));
    }
    return std::nullopt;
}

}  // namespace

core::SimulatorConfig ReadSimulatorConfig() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kConfigKeyPath, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                      &key) != ERROR_SUCCESS) {
        return core::ParseSimulatorConfig(std::nullopt, std::nullopt);
    }
    std::optional<std::wstring> boards = ReadText(key, L"Boards");
    std::optional<std::wstring> fail = ReadText(key, L"Fail");
    RegCloseKey(key);
    return core::ParseSimulatorConfig(boards, fail);
}

}  // namespace cx840sim
