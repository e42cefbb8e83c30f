// The file port over Win32: CreateFile, FlushFileBuffers and MoveFileEx for whole files,
// FindFirstFile for listings, the shell's common application-data folder, the clock.
#pragma once

#include "shared/file_port.h"

namespace win32 {

class Win32Files : public core::FilePort {
  public:
    long WriteWhole(const std::wstring& path, const core::Bytes& data, bool replace) override;
    long ReadStart(const std::wstring& path, size_t maxBytes, core::Bytes* data) override;
    long ListFiles(const std::wstring& folder, std::vector<std::wstring>* names) override;
    long RemoveFile(const std::wstring& path) override;
    long CreateFolder(const std::wstring& path) override;
    std::wstring CommonAppDataFolder() override;
    core::Clock Now() override;
};

}  // namespace win32
