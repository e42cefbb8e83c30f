#include "win32_system.h"

#include <objbase.h>
#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <limits>
#include <vector>

namespace win32 {

bool Win32System::IsWindowClassPresent(const std::wstring& className) {
    return FindWindowW(className.c_str(), nullptr) != nullptr;
}

std::wstring Win32System::ModulePath(size_t bufferChars) {
    if (bufferChars == 0 || bufferChars > std::numeric_limits<DWORD>::max()) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(bufferChars, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(bufferChars));
    // A path that filled the whole buffer was cut short (and, before Vista, left
    // without a terminator): a truncated path is no path.
    if (length == 0 || length >= bufferChars) {
        return std::wstring();
    }
    return std::wstring(buffer.data(), length);
}

bool Win32System::PathExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32System::NewGuid(std::array<uint8_t, 16>* guid) {
    GUID created;
    if (CoCreateGuid(&created) != S_OK) {
        return false;
    }
    static_assert(sizeof(created) == 16, "a GUID is 16 bytes");
    std::memcpy(guid->data(), &created, sizeof(created));
    return true;
}

core::Rect Win32System::WorkArea() {
    RECT area;
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) {
        // Without a work area the primary screen is the best estimate of it.
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    core::Rect rect;
    rect.left = area.left;
    rect.top = area.top;
    rect.right = area.right;
    rect.bottom = area.bottom;
    return rect;
}

bool Win32System::GetFileVersion(const std::wstring& path, core::FileVersion* version) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return false;
    }
    std::vector<uint8_t> info(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data())) {
        return false;
    }
    void* block = nullptr;
    UINT blockSize = 0;
    if (!VerQueryValueW(info.data(), L"\\", &block, &blockSize) || block == nullptr ||
        blockSize < sizeof(VS_FIXEDFILEINFO)) {
        return false;
    }
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, block, sizeof(fixed));
    if (fixed.dwSignature != VS_FFI_SIGNATURE) {
        return false;
    }
    version->major = HIWORD(fixed.dwFileVersionMS);
    version->minor = LOWORD(fixed.dwFileVersionMS);
    version->build = HIWORD(fixed.dwFileVersionLS);
    version->revision = LOWORD(fixed.dwFileVersionLS);
    return true;
}

bool Win32System::OpenFolder(const std::wstring& path) {
    // ShellExecute answers a number above 32 when it succeeded.
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32System::IsWindows64() {
#if defined(_WIN64)
    return true;
#else
    // A 32-bit program runs under WOW64 exactly on 64-bit Windows.
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
#endif
}

}  // namespace win32
