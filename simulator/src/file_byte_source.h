// A file opened for reading as a ByteSource for the WAV reader; the file is closed
// when the source is destroyed.
#pragma once

#include <windows.h>

#include "shared/wav_info.h"

namespace cx840sim {

class FileByteSource : public core::ByteSource {
  public:
    FileByteSource() = default;
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // Opens an existing file, sharing it with writers; on failure gives the Win32 error.
    DWORD Open(const wchar_t* path);

    uint64_t Size() const override { return size_; }
    size_t ReadAt(uint64_t offset, void* buffer, size_t count) const override;

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    uint64_t size_ = 0;
};

}  // namespace cx840sim
