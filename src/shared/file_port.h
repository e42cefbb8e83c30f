// Files as the programs need them for backups and copies of the configuration: whole
// files written so that a crash never leaves a half-written one under the final name,
// folder listings, and the clock. Paths are full Windows paths; names compare without
// regard to case. Status codes are Win32's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "registry_port.h"

namespace core {

constexpr long kErrorPathNotFound = 3;
constexpr long kErrorFileExists = 80;
constexpr long kErrorAlreadyExists = 183;

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The same moment in local time and in UTC.
struct Clock {
    DateTime local;
    DateTime utc;
};

class FilePort {
  public:
    virtual ~FilePort() = default;

    // Writes the bytes to a temporary file beside the path, flushes it to disk and renames
    // it to the path. Without replace an existing file is left alone and the answer is
    // kErrorAlreadyExists; the temporary file is removed on every failure.
    virtual long WriteWhole(const std::wstring& path, const Bytes& data, bool replace) = 0;
    // The file's first maxBytes bytes (all of it when it is shorter).
    virtual long ReadStart(const std::wstring& path, size_t maxBytes, Bytes* data) = 0;
    // The names (not paths) of the files directly in the folder.
    virtual long ListFiles(const std::wstring& folder, std::vector<std::wstring>* names) = 0;
    virtual long RemoveFile(const std::wstring& path) = 0;
    // Creates the folder and every missing parent; success when it exists already.
    virtual long CreateFolder(const std::wstring& path) = 0;
    // The application-data folder common to all users ("C:\ProgramData").
    virtual std::wstring CommonAppDataFolder() = 0;
    virtual Clock Now() = 0;
};

}  // namespace core
