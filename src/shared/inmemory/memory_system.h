// An in-memory SystemPort for tests: deterministic GUIDs, a settable program path,
// a set of existing file-system paths, window classes, a work area and file
// versions. Every answer can be changed between calls.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../system_port.h"

namespace core {

class MemorySystem : public SystemPort {
  public:
    // Starts with the program at "C:\Program Files\Quorvane\Cuebell.exe", a work
    // area of 1024 x 738 at the origin, no paths, no windows, no version resources.
    MemorySystem();

    bool IsWindowClassPresent(const std::wstring& className) override;
    std::wstring ModulePath(size_t bufferChars) override;
    bool PathExists(const std::wstring& path) override;
    bool NewGuid(std::array<uint8_t, 16>* guid) override;
    Rect WorkArea() override;
    bool GetFileVersion(const std::wstring& path, FileVersion* version) override;
    bool OpenFolder(const std::wstring& path) override;
    bool IsWindows64() override { return windows64_; }

    // --- Folders shown with OpenFolder, in order; the answer it gives.
    const std::vector<std::wstring>& OpenedFolders() const { return openedFolders_; }
    void SetOpenFolderFailure(bool fail) { failOpenFolder_ = fail; }
    void SetWindows64(bool windows64) { windows64_ = windows64; }

    // --- GUIDs: the nth GUID handed out (counted from 1) carries n in its first
    // field, so every GUID of one MemorySystem differs from every other.
    void SetGuidFailure(bool fail) { failGuids_ = fail; }
    // Only the nth request from now on fails (counted from 1).
    void FailNthGuid(int n) { failGuidAt_ = guidRequests_ + n; }
    int GuidRequestCount() const { return guidRequests_; }
    int GuidsIssued() const { return guidsIssued_; }

    // --- The program file's path; empty means it cannot be obtained.
    void SetModulePath(const std::wstring& path) { modulePath_ = path; }

    // --- Paths that exist. Compared as Windows does: without regard to case, "/"
    // read as "\", trailing backslashes ignored.
    void AddPath(const std::wstring& path);
    void RemovePath(const std::wstring& path);

    // --- Top-level window classes present (compared without regard to case).
    void AddWindowClass(const std::wstring& className);
    void RemoveWindowClass(const std::wstring& className);

    void SetWorkArea(const Rect& area) { workArea_ = area; }

    // --- Version resources by file path (path compared as for AddPath).
    void SetFileVersion(const std::wstring& path, const FileVersion& version);
    void RemoveFileVersion(const std::wstring& path);

  private:
    static std::wstring NormalPath(const std::wstring& path);
    static std::wstring Folded(const std::wstring& text);

    bool failGuids_ = false;
    int failGuidAt_ = 0;
    int guidRequests_ = 0;
    int guidsIssued_ = 0;
    std::wstring modulePath_;
    std::set<std::wstring> paths_;
    std::set<std::wstring> windowClasses_;
    Rect workArea_;
    std::map<std::wstring, FileVersion> versions_;
    std::vector<std::wstring> openedFolders_;
    bool failOpenFolder_ = false;
    bool windows64_ = true;
};

}  // namespace core
