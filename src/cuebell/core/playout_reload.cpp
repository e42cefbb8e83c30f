#include "cuebell/core/playout_reload.h"

#include <cstdint>

#include "cuebell/model/event_merge.h"

namespace cuebell {

namespace {

using core::RegRoot;

// Opens the key for reading only to learn why it could not be read: the status of
// the attempt (the key is closed again at once).
long ReadStatusOf(core::RegistryPort& registry, const std::wstring& path) {
    core::RegKey key = core::kNoKey;
    long status = registry.OpenKey(RegRoot::CurrentUser, path, core::RegAccess::Read, &key);
    if (status == core::kErrorSuccess && key != core::kNoKey) {
        registry.CloseKey(key);
    }
    return status;
}

// True when the playout key is missing, or when listing it again finds every subkey
// that the instance list holds and nothing more: an instance left out of the list by a
// failed enumeration would otherwise go unnoticed.
bool PlayoutKeyListedCompletely(core::RegistryPort& registry, size_t instancesListed) {
    core::RegKey key = core::kNoKey;
    long status =
        registry.OpenKey(RegRoot::CurrentUser, core::kPlayoutKey, core::RegAccess::Read, &key);
    if (status == core::kErrorFileNotFound) {
        return instancesListed == 0;
    }
    if (status != core::kErrorSuccess || key == core::kNoKey) {
        return false;
    }
    bool complete = false;
    size_t named = 0;
    for (uint32_t index = 0; index < UINT32_MAX; ++index) {
        std::wstring name;
        status = registry.EnumKey(key, index, core::kInstanceNameBufferChars, &name);
        if (status == core::kErrorNoMoreItems) {
            complete = true;
            break;
        }
        if (status == core::kErrorMoreData) {
            continue;  // a name too long to address: never read, never written
        }
        if (status != core::kErrorSuccess) {
            break;
        }
        if (!name.empty()) {
            ++named;
        }
    }
    registry.CloseKey(key);
    return complete && named == instancesListed;
}

}  // namespace

bool ReloadPlayoutTables(core::RegistryPort& registry, const core::ActionList& actions,
                         const std::wstring& toolPrefix, core::PlayoutInstanceList* instances) {
    core::LoadPlayoutInstances(registry, instances);
    bool complete = PlayoutKeyListedCompletely(registry, instances->size());
    core::LoadPlayoutSettings(registry, instances);
    for (auto& instance : *instances) {
        if (instance.Stored != core::StoredTable::NotOpened) {
            continue;
        }
        // A settings key that is missing is created at save with the tool's events; one
        // that exists but could not be read holds events that a rewrite would erase.
        if (ReadStatusOf(registry, core::InstanceSettingsPath(instance.Name)) !=
            core::kErrorFileNotFound) {
            instance.Stored = core::StoredTable::Unreadable;
        }
    }
    AttachActions(instances, actions);
    core::SplitForeignEvents(instances, toolPrefix);
    return complete;
}

}  // namespace cuebell
