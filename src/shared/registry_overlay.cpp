#include "shared/registry_overlay.h"

#include <memory>
#include <set>

#include "shared/text.h"

namespace core {

namespace {

constexpr size_t kKeyNameChars = 256;  // the registry's longest key name and its terminator
constexpr int kMaxTreeDepth = 64;

std::wstring Folded(const std::wstring& text) {
    std::wstring out = text;
    for (auto& c : out) {
        c = FoldCase(c);
    }
    return out;
}

bool IsBelow(const std::wstring& id, const std::wstring& ancestor) {
    return id.size() > ancestor.size() && id.compare(0, ancestor.size(), ancestor) == 0 &&
           id[ancestor.size()] == L'\\';
}

// A real registry key opened for reading for as long as the object lives.
class BaseKey {
  public:
    BaseKey(RegistryPort& registry, RegRoot root, const std::wstring& path) : registry_(registry) {
        status_ = registry_.OpenKey(root, path, RegAccess::Read, &key_);
    }
    ~BaseKey() {
        if (key_ != kNoKey) {
            registry_.CloseKey(key_);
        }
    }
    BaseKey(const BaseKey&) = delete;
    BaseKey& operator=(const BaseKey&) = delete;
    long Status() const { return status_; }
    RegKey Get() const { return key_; }

  private:
    RegistryPort& registry_;
    RegKey key_ = kNoKey;
    long status_;
};

}  // namespace

std::wstring CleanKeyPath(const std::wstring& path) {
    std::wstring out;
    std::wstring part;
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == L'\\') {
            if (!part.empty()) {
                out += (out.empty() ? L"" : L"\\") + part;
            }
            part.clear();
        } else {
            part.push_back(path[i]);
        }
    }
    return out;
}

std::wstring ParentKeyPath(const std::wstring& path) {
    const size_t cut = path.find_last_of(L'\\');
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut);
}

std::wstring FoldedKeyId(RegRoot root, const std::wstring& path) {
    return (root == RegRoot::LocalMachine ? L"HKLM\\" : L"HKCU\\") + Folded(CleanKeyPath(path));
}

RegistryOverlay::RegistryOverlay(RegistryPort& base) : base_(base) {}

RegistryOverlay::~RegistryOverlay() {
    for (auto& entry : handles_) {
        if (entry.second.base != kNoKey) {
            base_.CloseKey(entry.second.base);
        }
    }
}

RegistryOverlay::KeyState& RegistryOverlay::State(RegRoot root, const std::wstring& path) {
    const std::wstring clean = CleanKeyPath(path);
    KeyState& state = keys_[FoldedKeyId(root, clean)];
    if (state.path.empty()) {
        state.root = root;
        state.path = clean;
    }
    return state;
}

std::optional<bool> RegistryOverlay::ExistsHere(const std::wstring& id) const {
    auto own = keys_.find(id);
    if (own != keys_.end() && (own->second.created || own->second.deleted)) {
        return own->second.created;
    }
    // Below a key deleted, or created anew, nothing exists that was not created since.
    for (std::wstring at = ParentKeyPath(id); at.find(L'\\') != std::wstring::npos;
         at = ParentKeyPath(at)) {
        auto ancestor = keys_.find(at);
        if (ancestor != keys_.end() && (ancestor->second.created || ancestor->second.deleted)) {
            return false;
        }
    }
    return std::nullopt;
}

bool RegistryOverlay::BaseHasKey(RegRoot root, const std::wstring& path) {
    // A key the registry will not open for reading is taken to exist: the check before
    // writing finds out whether it may be written.
    return BaseKey(base_, root, path).Status() != kErrorFileNotFound;
}

long RegistryOverlay::OpenKey(RegRoot root, const std::wstring& path, RegAccess access,
                              RegKey* key) {
    *key = kNoKey;
    KeyState& state = State(root, path);
    const std::wstring id = FoldedKeyId(root, path);
    Handle handle{id, kNoKey, kErrorSuccess};
    const std::optional<bool> here = ExistsHere(id);
    if (here && !*here) {
        return kErrorFileNotFound;
    }
    if (!here) {
        const long status = base_.OpenKey(root, state.path, RegAccess::Read, &handle.base);
        if (status == kErrorFileNotFound ||
            (status != kErrorSuccess && access == RegAccess::Read)) {
            return status;
        }
        handle.baseStatus = status;
    }
    *key = nextHandle_++;
    handles_[*key] = handle;
    return kErrorSuccess;
}

long RegistryOverlay::CreateKey(RegRoot root, const std::wstring& path, RegKey* key) {
    // The keys that are missing, from the highest down, are recorded as created.
    std::vector<std::wstring> missing;
    for (std::wstring at = CleanKeyPath(path); !at.empty(); at = ParentKeyPath(at)) {
        const std::optional<bool> here = ExistsHere(FoldedKeyId(root, at));
        if (here ? *here : BaseHasKey(root, at)) {
            break;
        }
        missing.insert(missing.begin(), at);
    }
    for (const auto& at : missing) {
        KeyState& state = State(root, at);
        state.created = true;
        state.deleted = false;
        state.values.clear();
        steps_.push_back(Step{PlanStep::CreateKey, FoldedKeyId(root, at), L""});
    }
    return OpenKey(root, path, RegAccess::ReadWrite, key);
}

long RegistryOverlay::CloseKey(RegKey key) {
    auto it = handles_.find(key);
    if (it == handles_.end()) {
        return kErrorInvalidHandle;
    }
    if (it->second.base != kNoKey) {
        base_.CloseKey(it->second.base);
    }
    handles_.erase(it);
    return kErrorSuccess;
}

void RegistryOverlay::RecordRead(const KeyState& key, const std::wstring& name, uint32_t type,
                                 const Bytes& data) {
    const std::wstring id = FoldedKeyId(key.root, key.path) + L"\n" + Folded(name);
    if (readSeen_.emplace(id, true).second) {
        valuesRead_.push_back(ReadValue{key.root, key.path, ValueImage{name, type, data}});
    }
}

long RegistryOverlay::QueryValue(RegKey key, const std::wstring& name, uint32_t* type,
                                 Bytes* data) {
    auto it = handles_.find(key);
    if (it == handles_.end()) {
        return kErrorInvalidHandle;
    }
    const Handle& handle = it->second;
    const KeyState& state = keys_[handle.id];
    auto recorded = state.values.find(Folded(name));
    if (recorded != state.values.end()) {
        if (!recorded->second) {
            return kErrorFileNotFound;
        }
        *type = recorded->second->type;
        *data = recorded->second->data;
        return kErrorSuccess;
    }
    const std::optional<bool> here = ExistsHere(handle.id);
    if (here) {
        return *here ? kErrorFileNotFound : kErrorKeyDeleted;
    }
    if (handle.base == kNoKey) {
        return handle.baseStatus;
    }
    const long status = base_.QueryValue(handle.base, name, type, data);
    if (status == kErrorSuccess) {
        RecordRead(state, name, *type, *data);
    }
    return status;
}

long RegistryOverlay::SetValue(RegKey key, const std::wstring& name, uint32_t type,
                               const Bytes& data) {
    auto it = handles_.find(key);
    if (it == handles_.end()) {
        return kErrorInvalidHandle;
    }
    if (ExistsHere(it->second.id) == std::optional<bool>(false)) {
        return kErrorKeyDeleted;
    }
    keys_[it->second.id].values[Folded(name)] = ValueImage{name, type, data};
    steps_.push_back(Step{PlanStep::SetValue, it->second.id, name});
    return kErrorSuccess;
}

long RegistryOverlay::DeleteValue(RegKey key, const std::wstring& name) {
    uint32_t type = kRegNone;
    Bytes data;
    const long status = QueryValue(key, name, &type, &data);
    if (status != kErrorSuccess) {
        return status;
    }
    const Handle& handle = handles_[key];
    keys_[handle.id].values[Folded(name)] = std::nullopt;
    steps_.push_back(Step{PlanStep::DeleteValue, handle.id, name});
    return kErrorSuccess;
}

long RegistryOverlay::DeleteTree(RegRoot root, const std::wstring& path) {
    const std::wstring id = FoldedKeyId(root, path);
    const std::optional<bool> here = ExistsHere(id);
    if (!(here ? *here : BaseHasKey(root, path))) {
        return kErrorFileNotFound;
    }
    State(root, path);
    for (auto& entry : keys_) {
        if (entry.first == id || IsBelow(entry.first, id)) {
            entry.second.created = false;
            entry.second.deleted = true;
            entry.second.values.clear();
        }
    }
    steps_.push_back(Step{PlanStep::DeleteTree, id, L""});
    return kErrorSuccess;
}

long RegistryOverlay::EnumKey(RegKey key, uint32_t index, size_t maxNameChars, std::wstring* name) {
    auto it = handles_.find(key);
    if (it == handles_.end()) {
        return kErrorInvalidHandle;
    }
    if (it->second.base == kNoKey) {
        return it->second.baseStatus == kErrorSuccess ? kErrorNoMoreItems : it->second.baseStatus;
    }
    return base_.EnumKey(it->second.base, index, maxNameChars, name);
}

long RegistryOverlay::EnumValue(RegKey key, uint32_t index, std::wstring* name, uint32_t* type,
                                Bytes* data) {
    auto it = handles_.find(key);
    if (it == handles_.end()) {
        return kErrorInvalidHandle;
    }
    if (it->second.base == kNoKey) {
        return it->second.baseStatus == kErrorSuccess ? kErrorNoMoreItems : it->second.baseStatus;
    }
    return base_.EnumValue(it->second.base, index, name, type, data);
}

void RegistryOverlay::ReadBefore(RegKey baseKey, long openStatus, PlannedWrite* write) {
    if (openStatus == kErrorFileNotFound) {
        write->existed = false;
        return;
    }
    if (openStatus != kErrorSuccess) {
        write->beforeKnown = false;
        return;
    }
    write->before.name = write->name;
    const long status =
        base_.QueryValue(baseKey, write->name, &write->before.type, &write->before.data);
    write->existed = status == kErrorSuccess;
    write->beforeKnown = status == kErrorSuccess || status == kErrorFileNotFound;
}

TreeImage RegistryOverlay::ReadTree(RegRoot root, const std::wstring& path, int depth) {
    TreeImage tree;
    tree.path = path;
    BaseKey key(base_, root, path);
    if (key.Status() != kErrorSuccess || depth > kMaxTreeDepth) {
        return tree;
    }
    for (uint32_t index = 0;; ++index) {
        ValueImage value;
        if (base_.EnumValue(key.Get(), index, &value.name, &value.type, &value.data) !=
            kErrorSuccess) {
            break;
        }
        tree.values.push_back(std::move(value));
    }
    for (uint32_t index = 0;; ++index) {
        std::wstring name;
        if (base_.EnumKey(key.Get(), index, kKeyNameChars, &name) != kErrorSuccess) {
            break;
        }
        tree.subkeys.push_back(ReadTree(root, path + L"\\" + name, depth + 1));
    }
    return tree;
}

SavePlan RegistryOverlay::Plan() {
    SavePlan plan;
    std::set<std::wstring> seen;
    // One key opened at a time for the "before" images: a save writes key after key.
    std::unique_ptr<BaseKey> opened;
    std::wstring openedId;
    for (const Step& step : steps_) {
        const KeyState& state = keys_[step.id];
        PlannedWrite write;
        write.root = state.root;
        write.path = state.path;
        write.step = step.step;
        if (step.step == PlanStep::CreateKey || step.step == PlanStep::DeleteTree) {
            if (!seen.insert(step.id + L"\n" + std::to_wstring(static_cast<int>(step.step)))
                     .second) {
                continue;
            }
            if (step.step == PlanStep::DeleteTree) {
                write.existed = true;
                write.beforeTree = ReadTree(state.root, state.path, 0);
            }
            plan.writes.push_back(std::move(write));
            continue;
        }
        // A value: once, where first written, with what it holds at the end.
        if (!seen.insert(step.id + L"\n" + Folded(step.name)).second) {
            continue;
        }
        const auto& last = state.values.find(Folded(step.name));
        if (last == state.values.end()) {
            continue;  // its key was deleted since
        }
        write.name = last->second ? last->second->name : step.name;
        write.step = last->second ? PlanStep::SetValue : PlanStep::DeleteValue;
        if (last->second) {
            write.type = last->second->type;
            write.data = last->second->data;
        }
        if (ExistsHere(step.id).has_value()) {
            write.existed = false;  // in a key the save creates: nothing was there
        } else {
            if (!opened || openedId != step.id) {
                opened.reset();  // one handle at a time
                opened = std::make_unique<BaseKey>(base_, state.root, state.path);
                openedId = step.id;
            }
            ReadBefore(opened->Get(), opened->Status(), &write);
        }
        const bool unchanged =
            write.beforeKnown &&
            (write.step == PlanStep::SetValue ? write.existed && write.before.type == write.type &&
                                                    write.before.data == write.data
                                              : !write.existed);
        if (!unchanged) {
            plan.writes.push_back(std::move(write));
        }
    }
    return plan;
}

}  // namespace core
