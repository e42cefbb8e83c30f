// Helpers for running a store's loads and saves with each registry call failing in
// turn: a registry that notes every call with the key it concerns, copies of a
// registry with one key or value left out, and registries in comparable form.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "shared/inmemory/memory_registry.h"
#include "shared/text.h"

namespace registry_faults {

using core::RegCall;
using core::RegRoot;

// Forwards to the memory registry and notes each call with the key it concerns.
class RecordingRegistry : public core::RegistryPort {
  public:
    struct Call {
        RegCall kind;
        std::wstring path;  // upper case
        std::wstring name;  // value name, upper case
    };

    explicit RecordingRegistry(core::MemoryRegistry& inner) : inner_(inner) {}

    long OpenKey(RegRoot root, const std::wstring& path, core::RegAccess access,
                 core::RegKey* key) override {
        calls.push_back({RegCall::Open, Upper(path), L""});
        long status = inner_.OpenKey(root, path, access, key);
        if (status == core::kErrorSuccess) {
            paths_[*key] = Upper(path);
        }
        return status;
    }
    long CreateKey(RegRoot root, const std::wstring& path, core::RegKey* key) override {
        calls.push_back({RegCall::Create, Upper(path), L""});
        long status = inner_.CreateKey(root, path, key);
        if (status == core::kErrorSuccess) {
            paths_[*key] = Upper(path);
        }
        return status;
    }
    long CloseKey(core::RegKey key) override {
        calls.push_back({RegCall::Close, paths_[key], L""});
        return inner_.CloseKey(key);
    }
    long QueryValue(core::RegKey key, const std::wstring& name, uint32_t* type,
                    core::Bytes* data) override {
        calls.push_back({RegCall::Query, paths_[key], Upper(name)});
        return inner_.QueryValue(key, name, type, data);
    }
    long SetValue(core::RegKey key, const std::wstring& name, uint32_t type,
                  const core::Bytes& data) override {
        calls.push_back({RegCall::Set, paths_[key], Upper(name)});
        return inner_.SetValue(key, name, type, data);
    }
    long EnumKey(core::RegKey key, uint32_t index, size_t maxNameChars,
                 std::wstring* name) override {
        calls.push_back({RegCall::Enum, paths_[key], L""});
        return inner_.EnumKey(key, index, maxNameChars, name);
    }

    static std::wstring Upper(const std::wstring& text) {
        std::wstring out = text;
        for (auto& c : out) {
            c = core::FoldCase(c);
        }
        return out;
    }

    std::vector<Call> calls;

  private:
    core::MemoryRegistry& inner_;
    std::map<core::RegKey, std::wstring> paths_;
};

struct Omit {
    std::wstring path;  // upper case; empty: nothing is left out
    std::wstring name;  // upper case; empty: the whole key
};

// Copies every value below HKEY_LOCAL_MACHINE, value by value through the dump,
// except the omitted key or value: what a failed open or read must look like.
inline void CopyOmitting(const core::MemoryRegistry& source, const Omit& omit,
                         core::MemoryRegistry& target) {
    auto skips = [&](const std::wstring& path, const std::wstring& name) {
        if (omit.path.empty() || RecordingRegistry::Upper(path) != omit.path) {
            return false;
        }
        return omit.name.empty() || RecordingRegistry::Upper(name) == omit.name;
    };
    std::wistringstream lines(source.Dump(RegRoot::LocalMachine));
    std::wstring line, path;
    while (std::getline(lines, line)) {
        if (line.front() == L'[') {
            path = line.substr(6, line.size() - 7);  // "[HKLM\...]"
            continue;
        }
        size_t quote = line.find(L'"', 1);
        std::wstring name = line.substr(1, quote - 1);
        if (skips(path, name)) {
            continue;
        }
        uint32_t type = 0;
        core::Bytes data;
        source.GetValue(RegRoot::LocalMachine, path, name, &type, &data);
        target.PutValue(RegRoot::LocalMachine, path, name, type, data);
    }
}

// The registry as (key, value) -> encoded value, and the set of keys.
struct Tree {
    std::map<std::wstring, std::wstring> values;  // "PATH\tNAME" -> "type:hex"
    std::map<std::wstring, bool> keys;
};

inline Tree Flatten(const core::MemoryRegistry& registry) {
    Tree tree;
    std::wistringstream lines(registry.Dump(RegRoot::LocalMachine));
    std::wstring line, path;
    while (std::getline(lines, line)) {
        if (line.front() == L'[') {
            path = RecordingRegistry::Upper(line.substr(6, line.size() - 7));
            tree.keys[path] = true;
            continue;
        }
        size_t quote = line.find(L'"', 1);
        tree.values[path + L"\t" + RecordingRegistry::Upper(line.substr(1, quote - 1))] =
            line.substr(quote + 2);
    }
    return tree;
}

}  // namespace registry_faults
