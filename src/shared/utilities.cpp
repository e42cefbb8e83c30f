#include "utilities.h"

#include "format.h"
#include "text.h"

namespace core {

bool StartsWith(const std::wstring& prefix, const std::wstring& text) {
    return text.find(prefix) == 0;
}

std::wstring NewIdentifier(SystemPort& system) {
    std::array<uint8_t, 16> g{};
    if (!system.NewGuid(&g)) {
        return std::wstring();
    }
    // The GUID's first three fields are little-endian in memory.
    unsigned data1 = static_cast<unsigned>(g[0] | (g[1] << 8) | (g[2] << 16)) |
                     (static_cast<unsigned>(g[3]) << 24);
    unsigned data2 = static_cast<unsigned>(g[4] | (g[5] << 8));
    unsigned data3 = static_cast<unsigned>(g[6] | (g[7] << 8));
    std::wstring text = Format(L"{%08X-%04X-%04X-", data1, data2, data3);
    for (size_t i = 8; i < 16; ++i) {
        if (i == 10) {
            text += L"-";
        }
        text += Format(L"%02X", static_cast<unsigned>(g[i]));
    }
    return text + L"}";
}

std::wstring ModuleFolder(SystemPort& system) {
    std::wstring path = system.ModulePath(520);
    size_t slash = path.rfind(L'\\');
    if (path.empty() || slash == std::wstring::npos) {
        return L"C:";
    }
    return path.substr(0, slash);
}

std::wstring FileInModuleFolder(SystemPort& system, const std::wstring& name) {
    return ModuleFolder(system) + L"\\" + name;
}

StartFolder StartFolderFor(SystemPort& system, const std::wstring& path) {
    size_t slash = path.rfind(L'\\');
    if (!path.empty() && slash != std::wstring::npos) {
        std::wstring folder = path.substr(0, slash);
        if (system.PathExists(folder)) {
            return StartFolder{true, folder};
        }
    }
    return StartFolder{false, ModuleFolder(system)};
}

std::wstring FileNamePart(const std::wstring& path) {
    std::wstring trimmed = Trim(path);
    size_t slash = trimmed.rfind(L'\\');
    return slash == std::wstring::npos ? trimmed : trimmed.substr(slash + 1);
}

bool HasFileName(const std::wstring& path) {
    std::wstring trimmed = Trim(path);
    if (trimmed.empty()) {
        return false;
    }
    trimmed = ReplaceAll(trimmed, L"/", L"\\");
    size_t slash = trimmed.rfind(L'\\');
    std::wstring name = slash == std::wstring::npos ? trimmed : trimmed.substr(slash + 1);
    return !Trim(name).empty();
}

}  // namespace core
