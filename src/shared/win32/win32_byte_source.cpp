#include "win32_byte_source.h"

#include <algorithm>

namespace win32 {

Win32ByteSource::~Win32ByteSource() {
    if (file_ != INVALID_HANDLE_VALUE) {
        CloseHandle(file_);
    }
}

DWORD Win32ByteSource::Open(const wchar_t* path) {
    file_ = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file_ == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_OPEN_FAILED;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file_, &size) || size.QuadPart < 0) {
        DWORD error = GetLastError();
        return error != ERROR_SUCCESS ? error : ERROR_READ_FAULT;
    }
    size_ = static_cast<uint64_t>(size.QuadPart);
    return ERROR_SUCCESS;
}

size_t Win32ByteSource::ReadAt(uint64_t offset, void* buffer, size_t count) const {
    size_t done = 0;
    while (done < count && file_ != INVALID_HANDLE_VALUE) {
        uint64_t at = offset + done;
        OVERLAPPED position = {};
        position.Offset = static_cast<DWORD>(at);
        position.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD want = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 20));
        DWORD got = 0;
        if (!ReadFile(file_, static_cast<BYTE*>(buffer) + done, want, &got, &position) ||
            got == 0) {
            break;
        }
        done += got;
    }
    return done;
}

}  // namespace win32
