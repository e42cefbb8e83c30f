// A file opened for reading as a ByteSource for the WAV reader (the programs' recordings,
// the board simulator's audio files); the file is closed when the source is destroyed.
#pragma once

#include <windows.h>

#include "shared/byte_source.h"

namespace win32 {

class Win32ByteSource : public core::ByteSource {
  public:
    Win32ByteSource() = default;
    ~Win32ByteSource() override;
    Win32ByteSource(const Win32ByteSource&) = delete;
    Win32ByteSource& operator=(const Win32ByteSource&) = delete;

    // Opens an existing file, sharing it with writers; on failure gives the Win32 error.
    DWORD Open(const wchar_t* path);

    uint64_t Size() const override { return size_; }
    size_t ReadAt(uint64_t offset, void* buffer, size_t count) const override;

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    uint64_t size_ = 0;
};

}  // namespace win32
