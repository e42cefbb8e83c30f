#include "memory_system.h"

#include "../text.h"

namespace core {

MemorySystem::MemorySystem()
    : modulePath_(L"C:\\Program Files\\Quorvane\\Cuebell.exe"), workArea_{0, 0, 1024, 738} {}

std::wstring MemorySystem::Folded(const std::wstring& text) {
    std::wstring out = text;
    for (auto& c : out) {
        c = FoldCase(c);
    }
    return out;
}

std::wstring MemorySystem::NormalPath(const std::wstring& path) {
    std::wstring out = Folded(ReplaceAll(path, L"/", L"\\"));
    while (!out.empty() && out.back() == L'\\') {
        out.pop_back();
    }
    return out;
}

bool MemorySystem::IsWindowClassPresent(const std::wstring& className) {
    return windowClasses_.count(Folded(className)) != 0;
}

std::wstring MemorySystem::ModulePath(size_t bufferChars) {
    // A path that does not fit the caller's buffer (terminator included) cannot be
    // obtained, as with a truncating Win32 call.
    if (Utf16Length(modulePath_) + 1 > bufferChars) {
        return std::wstring();
    }
    return modulePath_;
}

bool MemorySystem::PathExists(const std::wstring& path) {
    std::wstring normal = NormalPath(path);
    return !normal.empty() && paths_.count(normal) != 0;
}

bool MemorySystem::NewGuid(std::array<uint8_t, 16>* guid) {
    ++guidRequests_;
    if (failGuids_ || guidRequests_ == failGuidAt_) {
        return false;
    }
    uint32_t serial = static_cast<uint32_t>(++guidsIssued_);
    // A version-4 shaped GUID whose first field (little-endian) is the serial number.
    *guid = {static_cast<uint8_t>(serial),
             static_cast<uint8_t>(serial >> 8),
             static_cast<uint8_t>(serial >> 16),
             static_cast<uint8_t>(serial >> 24),
             0x34,
             0x12,
             0x78,
             0x46,
             0x9A,
             0xBC,
             0xDE,
             0xF0,
             0x12,
             0x34,
             0x56,
             0x78};
    return true;
}

Rect MemorySystem::WorkArea() {
    return workArea_;
}

bool MemorySystem::GetFileVersion(const std::wstring& path, FileVersion* version) {
    auto it = versions_.find(NormalPath(path));
    if (it == versions_.end()) {
        return false;
    }
    *version = it->second;
    return true;
}

void MemorySystem::AddPath(const std::wstring& path) {
    paths_.insert(NormalPath(path));
}

void MemorySystem::RemovePath(const std::wstring& path) {
    paths_.erase(NormalPath(path));
}

void MemorySystem::AddWindowClass(const std::wstring& className) {
    windowClasses_.insert(Folded(className));
}

void MemorySystem::RemoveWindowClass(const std::wstring& className) {
    windowClasses_.erase(Folded(className));
}

void MemorySystem::SetFileVersion(const std::wstring& path, const FileVersion& version) {
    versions_[NormalPath(path)] = version;
}

void MemorySystem::RemoveFileVersion(const std::wstring& path) {
    versions_.erase(NormalPath(path));
}

bool MemorySystem::OpenFolder(const std::wstring& path) {
    if (failOpenFolder_) {
        return false;
    }
    openedFolders_.push_back(path);
    return true;
}

}  // namespace core
