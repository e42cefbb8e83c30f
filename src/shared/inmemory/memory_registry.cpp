#include "memory_registry.h"

#include <algorithm>
#include <cstdio>

#include "../text.h"

namespace core {

namespace {

std::wstring Folded(const std::wstring& s) {
    std::wstring out = s;
    for (auto& c : out) {
        c = FoldCase(c);
    }
    return out;
}

std::vector<std::wstring> SplitPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring current;
    for (wchar_t c : path) {
        if (c == L'\\') {
            if (!current.empty()) {
                parts.push_back(current);
            }
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) {
        parts.push_back(current);
    }
    return parts;
}

std::wstring NormalPath(RegRoot root, const std::wstring& path) {
    std::wstring out = root == RegRoot::LocalMachine ? L"HKLM" : L"HKCU";
    for (const auto& part : SplitPath(path)) {
        out += L"\\" + Folded(part);
    }
    return out;
}

bool IsAtOrBelow(const std::wstring& normalPath, const std::wstring& normalPrefix) {
    if (normalPath.compare(0, normalPrefix.size(), normalPrefix) != 0) {
        return false;
    }
    return normalPath.size() == normalPrefix.size() || normalPath[normalPrefix.size()] == L'\\';
}

}  // namespace

struct MemoryRegistry::Node {
    std::wstring name;
    bool deleted = false;
    // Keyed by folded name: case-insensitive lookup, enumeration in folded order.
    std::map<std::wstring, std::unique_ptr<Node>> children;
    struct Value {
        std::wstring name;
        uint32_t type;
        Bytes data;
    };
    std::map<std::wstring, Value> values;
};

MemoryRegistry::MemoryRegistry()
    : localMachine_(std::make_unique<Node>()), currentUser_(std::make_unique<Node>()) {}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Node* MemoryRegistry::Root(RegRoot root) const {
    return root == RegRoot::LocalMachine ? localMachine_.get() : currentUser_.get();
}

MemoryRegistry::Node* MemoryRegistry::Find(RegRoot root, const std::wstring& path) const {
    Node* node = Root(root);
    for (const auto& part : SplitPath(path)) {
        auto it = node->children.find(Folded(part));
        if (it == node->children.end()) {
            return nullptr;
        }
        node = it->second.get();
    }
    return node;
}

MemoryRegistry::Node* MemoryRegistry::FindOrCreate(RegRoot root, const std::wstring& path) {
    Node* node = Root(root);
    for (const auto& part : SplitPath(path)) {
        auto& child = node->children[Folded(part)];
        if (!child) {
            child = std::make_unique<Node>();
            child->name = part;
        }
        node = child.get();
    }
    return node;
}

const MemoryRegistry::Handle* MemoryRegistry::HandleOf(RegKey key) const {
    auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : &it->second;
}

long MemoryRegistry::Intercept(RegCall call, const std::wstring& path) {
    ++calls_;
    if (failOnCall_ != 0 && calls_ == failOnCall_) {
        return failOnCallStatus_;
    }
    for (const auto& failure : failures_) {
        if (!failure.anyCall && failure.call != call) {
            continue;
        }
        if (failure.path.empty() || IsAtOrBelow(path, failure.path)) {
            return failure.status;
        }
    }
    return kErrorSuccess;
}

long MemoryRegistry::OpenKey(RegRoot root, const std::wstring& path, RegAccess access,
                             RegKey* key) {
    *key = kNoKey;
    std::wstring normal = NormalPath(root, path);
    if (long status = Intercept(RegCall::Open, normal)) {
        return status;
    }
    Node* node = Find(root, path);
    if (!node) {
        return kErrorFileNotFound;
    }
    if (access != RegAccess::Read && WriteDenied(normal)) {
        return kErrorAccessDenied;
    }
    *key = nextHandle_++;
    const bool canRead = access == RegAccess::Read || access == RegAccess::ReadWrite;
    const bool canWrite = access == RegAccess::Write || access == RegAccess::ReadWrite;
    handles_[*key] = Handle{node, normal, canRead, canWrite};
    return kErrorSuccess;
}

long MemoryRegistry::CreateKey(RegRoot root, const std::wstring& path, RegKey* key) {
    *key = kNoKey;
    std::wstring normal = NormalPath(root, path);
    if (long status = Intercept(RegCall::Create, normal)) {
        return status;
    }
    if (WriteDenied(normal)) {
        return kErrorAccessDenied;
    }
    Node* node = FindOrCreate(root, path);
    *key = nextHandle_++;
    handles_[*key] = Handle{node, normal, true, true};
    return kErrorSuccess;
}

long MemoryRegistry::CloseKey(RegKey key) {
    const Handle* handle = HandleOf(key);
    if (!handle) {
        ++calls_;
        return kErrorInvalidHandle;
    }
    // A failing close still releases the handle, as RegCloseKey does.
    long status = Intercept(RegCall::Close, handle->path);
    handles_.erase(key);
    return status;
}

long MemoryRegistry::QueryValue(RegKey key, const std::wstring& name, uint32_t* type, Bytes* data) {
    const Handle* handle = HandleOf(key);
    if (!handle) {
        ++calls_;
        return kErrorInvalidHandle;
    }
    if (long status = Intercept(RegCall::Query, handle->path)) {
        return status;
    }
    if (handle->node->deleted) {
        return kErrorKeyDeleted;
    }
    if (!handle->canRead) {
        return kErrorAccessDenied;
    }
    auto it = handle->node->values.find(Folded(name));
    if (it == handle->node->values.end()) {
        return kErrorFileNotFound;
    }
    *type = it->second.type;
    *data = it->second.data;
    return kErrorSuccess;
}

long MemoryRegistry::SetValue(RegKey key, const std::wstring& name, uint32_t type,
                              const Bytes& data) {
    const Handle* handle = HandleOf(key);
    if (!handle) {
        ++calls_;
        return kErrorInvalidHandle;
    }
    if (long status = Intercept(RegCall::Set, handle->path)) {
        return status;
    }
    if (handle->node->deleted) {
        return kErrorKeyDeleted;
    }
    if (!handle->canWrite) {
        return kErrorAccessDenied;
    }
    auto& value = handle->node->values[Folded(name)];
    if (value.name.empty()) {
        value.name = name;
    }
    value.type = type;
    value.data = data;
    return kErrorSuccess;
}

long MemoryRegistry::EnumKey(RegKey key, uint32_t index, size_t maxNameChars, std::wstring* name) {
    const Handle* handle = HandleOf(key);
    if (!handle) {
        ++calls_;
        return kErrorInvalidHandle;
    }
    if (long status = Intercept(RegCall::Enum, handle->path)) {
        return status;
    }
    if (handle->node->deleted) {
        return kErrorKeyDeleted;
    }
    if (!handle->canRead) {
        return kErrorAccessDenied;
    }
    if (index >= handle->node->children.size()) {
        return kErrorNoMoreItems;
    }
    auto it = handle->node->children.begin();
    std::advance(it, index);
    if (Utf16Length(it->second->name) + 1 > maxNameChars) {
        return kErrorMoreData;
    }
    *name = it->second->name;
    return kErrorSuccess;
}

long MemoryRegistry::EnumValue(RegKey key, uint32_t index, std::wstring* name, uint32_t* type,
                               Bytes* data) {
    const Handle* handle = HandleOf(key);
    if (!handle) {
        ++calls_;
        return kErrorInvalidHandle;
    }
    if (long status = Intercept(RegCall::EnumValue, handle->path)) {
        return status;
    }
    if (handle->node->deleted) {
        return kErrorKeyDeleted;
    }
    if (!handle->canRead) {
        return kErrorAccessDenied;
    }
    if (index >= handle->node->values.size()) {
        return kErrorNoMoreItems;
    }
    auto it = handle->node->values.begin();
    std::advance(it, index);
    *name = it->second.name;
    *type = it->second.type;
    *data = it->second.data;
    return kErrorSuccess;
}

long MemoryRegistry::DeleteValue(RegKey key, const std::wstring& name) {
    const Handle* handle = HandleOf(key);
    if (!handle) {
        ++calls_;
        return kErrorInvalidHandle;
    }
    if (long status = Intercept(RegCall::DeleteValue, handle->path)) {
        return status;
    }
    if (handle->node->deleted) {
        return kErrorKeyDeleted;
    }
    if (!handle->canWrite) {
        return kErrorAccessDenied;
    }
    return handle->node->values.erase(Folded(name)) == 1 ? kErrorSuccess : kErrorFileNotFound;
}

long MemoryRegistry::DeleteTree(RegRoot root, const std::wstring& path) {
    const std::wstring normal = NormalPath(root, path);
    if (long status = Intercept(RegCall::DeleteTree, normal)) {
        return status;
    }
    std::vector<std::wstring> parts = SplitPath(path);
    if (parts.empty()) {
        return kErrorAccessDenied;  // a root is never deleted
    }
    const std::wstring leaf = Folded(parts.back());
    parts.pop_back();
    std::wstring parentPath;
    for (const auto& part : parts) {
        parentPath += part + L"\\";
    }
    Node* parent = Find(root, parentPath);
    if (!parent || parent->children.count(leaf) == 0) {
        return kErrorFileNotFound;
    }
    if (WriteDenied(normal)) {
        return kErrorAccessDenied;
    }
    // Handles open on the deleted keys stay valid, as in Windows, and every call on them
    // answers kErrorKeyDeleted.
    auto& child = parent->children[leaf];
    MarkDeleted(child.get());
    deleted_.push_back(std::move(child));
    parent->children.erase(leaf);
    return kErrorSuccess;
}

long MemoryRegistry::FlushKey(RegKey key) {
    const Handle* handle = HandleOf(key);
    if (!handle) {
        ++calls_;
        return kErrorInvalidHandle;
    }
    if (long status = Intercept(RegCall::Flush, handle->path)) {
        return status;
    }
    if (handle->node->deleted) {
        return kErrorKeyDeleted;
    }
    ++flushes_;
    return kErrorSuccess;
}

void MemoryRegistry::MarkDeleted(Node* node) {
    node->deleted = true;
    for (auto& child : node->children) {
        MarkDeleted(child.second.get());
    }
}

bool MemoryRegistry::WriteDenied(const std::wstring& normalPath) const {
    for (const auto& denied : writeDenied_) {
        if (IsAtOrBelow(normalPath, denied)) {
            return true;
        }
    }
    return false;
}

void MemoryRegistry::DenyWriteAccess(RegRoot root, const std::wstring& path) {
    writeDenied_.push_back(NormalPath(root, path));
}

void MemoryRegistry::FailCall(RegCall call, long status) {
    failures_.push_back(Failure{call, false, L"", status});
}

void MemoryRegistry::FailCallOn(RegCall call, RegRoot root, const std::wstring& path, long status) {
    failures_.push_back(Failure{call, false, NormalPath(root, path), status});
}

void MemoryRegistry::FailPath(RegRoot root, const std::wstring& path, long status) {
    failures_.push_back(Failure{RegCall::Open, true, NormalPath(root, path), status});
}

void MemoryRegistry::FailNthCall(int n, long status) {
    failOnCall_ = calls_ + n;
    failOnCallStatus_ = status;
}

void MemoryRegistry::ClearFailures() {
    failures_.clear();
    writeDenied_.clear();
    failOnCall_ = 0;
}

void MemoryRegistry::PutValue(RegRoot root, const std::wstring& path, const std::wstring& name,
                              uint32_t type, const Bytes& data) {
    auto& value = FindOrCreate(root, path)->values[Folded(name)];
    value.name = name;
    value.type = type;
    value.data = data;
}

void MemoryRegistry::PutString(RegRoot root, const std::wstring& path, const std::wstring& name,
                               const std::wstring& text) {
    PutValue(root, path, name, kRegSz, ToUtf16Bytes(text, true));
}

void MemoryRegistry::PutDword(RegRoot root, const std::wstring& path, const std::wstring& name,
                              uint32_t value) {
    Bytes data(4);
    for (int i = 0; i < 4; ++i) {
        data[static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    }
    PutValue(root, path, name, kRegDword, data);
}

void MemoryRegistry::PutKey(RegRoot root, const std::wstring& path) {
    FindOrCreate(root, path);
}

bool MemoryRegistry::HasKey(RegRoot root, const std::wstring& path) const {
    return Find(root, path) != nullptr;
}

bool MemoryRegistry::HasValue(RegRoot root, const std::wstring& path,
                              const std::wstring& name) const {
    uint32_t type = 0;
    Bytes data;
    return GetValue(root, path, name, &type, &data);
}

bool MemoryRegistry::GetValue(RegRoot root, const std::wstring& path, const std::wstring& name,
                              uint32_t* type, Bytes* data) const {
    Node* node = Find(root, path);
    if (!node) {
        return false;
    }
    auto it = node->values.find(Folded(name));
    if (it == node->values.end()) {
        return false;
    }
    *type = it->second.type;
    *data = it->second.data;
    return true;
}

std::wstring MemoryRegistry::GetString(RegRoot root, const std::wstring& path,
                                       const std::wstring& name) const {
    uint32_t type = 0;
    Bytes data;
    if (!GetValue(root, path, name, &type, &data)) {
        return std::wstring();
    }
    std::wstring text = FromUtf16Bytes(data);
    if (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return text;
}

std::wstring MemoryRegistry::Dump(RegRoot root) const {
    std::wstring out;
    struct Walker {
        static void Walk(const Node& node, const std::wstring& path, std::wstring& out) {
            out += L"[" + path + L"]\n";
            for (const auto& entry : node.values) {
                const auto& value = entry.second;
                out += L"\"" + value.name + L"\"=" + std::to_wstring(value.type) + L":";
                for (uint8_t b : value.data) {
                    wchar_t hex[4];
                    std::swprintf(hex, 4, L"%02x", b);
                    out += hex;
                }
                out += L"\n";
            }
            for (const auto& child : node.children) {
                Walk(*child.second, path + L"\\" + child.second->name, out);
            }
        }
    };
    Walker::Walk(*Root(root), root == RegRoot::LocalMachine ? L"HKLM" : L"HKCU", out);
    return out;
}

}  // namespace core
