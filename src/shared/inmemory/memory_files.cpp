#include "memory_files.h"

#include <algorithm>

#include "../text.h"

namespace core {

namespace {

std::wstring NormalPath(const std::wstring& path) {
    std::wstring out = ReplaceAll(path, L"/", L"\\");
    for (auto& c : out) {
        c = FoldCase(c);
    }
    while (!out.empty() && out.back() == L'\\') {
        out.pop_back();
    }
    return out;
}

std::wstring ParentOf(const std::wstring& normalPath) {
    const size_t cut = normalPath.find_last_of(L'\\');
    return cut == std::wstring::npos ? std::wstring() : normalPath.substr(0, cut);
}

bool IsAtOrBelow(const std::wstring& path, const std::wstring& prefix) {
    return prefix.empty() || (path.compare(0, prefix.size(), prefix) == 0 &&
                              (path.size() == prefix.size() || path[prefix.size()] == L'\\'));
}

}  // namespace

MemoryFiles::MemoryFiles() {
    folders_.insert(NormalPath(L"C:"));
    folders_.insert(NormalPath(CommonAppDataFolder()));
    clock_.local = DateTime{2026, 3, 14, 9, 26, 53};
    clock_.utc = DateTime{2026, 3, 14, 8, 26, 53};
}

long MemoryFiles::Intercept(FileCall call, const std::wstring& normalPath) const {
    for (const auto& failure : failures_) {
        if (failure.call == call && IsAtOrBelow(normalPath, failure.path)) {
            return failure.status;
        }
    }
    return kErrorSuccess;
}

bool MemoryFiles::FolderExists(const std::wstring& normalFolder) const {
    return folders_.count(normalFolder) != 0;
}

long MemoryFiles::WriteWhole(const std::wstring& path, const Bytes& data, bool replace) {
    const std::wstring normal = NormalPath(path);
    if (long status = Intercept(FileCall::Write, normal)) {
        return status;
    }
    if (!FolderExists(ParentOf(normal))) {
        return kErrorPathNotFound;
    }
    if (FolderExists(normal)) {
        return kErrorAccessDenied;
    }
    auto it = files_.find(normal);
    if (it != files_.end() && !replace) {
        return kErrorAlreadyExists;
    }
    files_[normal] = File{path, data};
    return kErrorSuccess;
}

long MemoryFiles::ReadStart(const std::wstring& path, size_t maxBytes, Bytes* data) {
    const std::wstring normal = NormalPath(path);
    if (long status = Intercept(FileCall::Read, normal)) {
        return status;
    }
    auto it = files_.find(normal);
    if (it == files_.end()) {
        return FolderExists(ParentOf(normal)) ? kErrorFileNotFound : kErrorPathNotFound;
    }
    const Bytes& stored = it->second.data;
    data->assign(stored.begin(), stored.begin() + std::min(maxBytes, stored.size()));
    return kErrorSuccess;
}

long MemoryFiles::ListFiles(const std::wstring& folder, std::vector<std::wstring>* names) {
    const std::wstring normal = NormalPath(folder);
    if (long status = Intercept(FileCall::List, normal)) {
        return status;
    }
    if (!FolderExists(normal)) {
        return kErrorPathNotFound;
    }
    names->clear();
    for (const auto& entry : files_) {
        if (ParentOf(entry.first) == normal) {
            const std::wstring& shown = entry.second.path;
            names->push_back(shown.substr(shown.find_last_of(L"\\/") + 1));
        }
    }
    return kErrorSuccess;
}

long MemoryFiles::RemoveFile(const std::wstring& path) {
    const std::wstring normal = NormalPath(path);
    if (long status = Intercept(FileCall::Remove, normal)) {
        return status;
    }
    return files_.erase(normal) == 1 ? kErrorSuccess : kErrorFileNotFound;
}

long MemoryFiles::CreateFolder(const std::wstring& path) {
    const std::wstring normal = NormalPath(path);
    if (long status = Intercept(FileCall::CreateFolder, normal)) {
        return status;
    }
    if (files_.count(normal) != 0) {
        return kErrorAlreadyExists;
    }
    for (std::wstring at = normal; !at.empty(); at = ParentOf(at)) {
        folders_.insert(at);
    }
    return kErrorSuccess;
}

void MemoryFiles::FailCallOn(FileCall call, const std::wstring& path, long status) {
    failures_.push_back(Failure{call, NormalPath(path), status});
}

void MemoryFiles::PutFile(const std::wstring& path, const Bytes& data) {
    const std::wstring normal = NormalPath(path);
    for (std::wstring at = ParentOf(normal); !at.empty(); at = ParentOf(at)) {
        folders_.insert(at);
    }
    files_[normal] = File{path, data};
}

bool MemoryFiles::HasFile(const std::wstring& path) const {
    return files_.count(NormalPath(path)) != 0;
}

Bytes MemoryFiles::FileData(const std::wstring& path) const {
    auto it = files_.find(NormalPath(path));
    return it == files_.end() ? Bytes() : it->second.data;
}

std::vector<std::wstring> MemoryFiles::AllFiles() const {
    std::vector<std::wstring> paths;
    for (const auto& entry : files_) {
        paths.push_back(entry.second.path);
    }
    return paths;
}

}  // namespace core
