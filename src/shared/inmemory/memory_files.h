// An in-memory FilePort for tests: files and folders in maps, a settable clock, and
// failures on a path or a kind of call.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "../file_port.h"

namespace core {

enum class FileCall { Write, Read, List, Remove, CreateFolder };

class MemoryFiles : public FilePort {
  public:
    // Starts with "C:\ProgramData" present, empty, at 2026-03-14 09:26:53 local time and
    // 08:26:53 UTC.
    MemoryFiles();

    long WriteWhole(const std::wstring& path, const Bytes& data, bool replace) override;
    long ReadStart(const std::wstring& path, size_t maxBytes, Bytes* data) override;
    long ListFiles(const std::wstring& folder, std::vector<std::wstring>* names) override;
    long RemoveFile(const std::wstring& path) override;
    long CreateFolder(const std::wstring& path) override;
    std::wstring CommonAppDataFolder() override { return L"C:\\ProgramData"; }
    Clock Now() override { return clock_; }

    // --- Failure injection: a matching call returns the status and does nothing.
    // Calls of this kind on paths at or below the path (every path when empty).
    void FailCallOn(FileCall call, const std::wstring& path, long status = kErrorAccessDenied);
    void ClearFailures() { failures_.clear(); }

    // --- Direct access for setting up and checking tests.
    void SetClock(const Clock& clock) { clock_ = clock; }
    void PutFile(const std::wstring& path, const Bytes& data);
    bool HasFile(const std::wstring& path) const;
    Bytes FileData(const std::wstring& path) const;
    // Every file's full path as it was written, in path order.
    std::vector<std::wstring> AllFiles() const;

  private:
    struct File {
        std::wstring path;
        Bytes data;
    };
    struct Failure {
        FileCall call;
        std::wstring path;
        long status;
    };

    long Intercept(FileCall call, const std::wstring& normalPath) const;
    bool FolderExists(const std::wstring& normalFolder) const;

    std::map<std::wstring, File> files_;  // by normal path
    std::set<std::wstring> folders_;      // normal paths
    std::vector<Failure> failures_;
    Clock clock_;
};

}  // namespace core
