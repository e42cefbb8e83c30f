#include "shared/playout_reload.h"

#include <cstdint>

namespace core {

namespace {

// Opens the key for reading only to learn why it could not be read: the status of
// the attempt (the key is closed again at once).
long ReadStatusOf(RegistryPort& registry, const std::wstring& path) {
    RegKey key = kNoKey;
    long status = registry.OpenKey(RegRoot::CurrentUser, path, RegAccess::Read, &key);
    if (status == kErrorSuccess && key != kNoKey) {
        registry.CloseKey(key);
    }
    return status;
}

// True when the playout key is missing, or when listing it again finds every subkey
// that the instance list holds and nothing more: an instance left out of the list by a
// failed enumeration would otherwise go unnoticed.
bool PlayoutKeyListedCompletely(RegistryPort& registry, size_t instancesListed) {
    RegKey key = kNoKey;
    long status = registry.OpenKey(RegRoot::CurrentUser, kPlayoutKey, RegAccess::Read, &key);
    if (status == kErrorFileNotFound) {
        return instancesListed == 0;
    }
    if (status != kErrorSuccess || key == kNoKey) {
        return false;
    }
    bool complete = false;
    size_t named = 0;
    for (uint32_t index = 0; index < UINT32_MAX; ++index) {
        std::wstring name;
        status = registry.EnumKey(key, index, kInstanceNameBufferChars, &name);
        if (status == kErrorNoMoreItems) {
            complete = true;
            break;
        }
        if (status == kErrorMoreData) {
            continue;  // a name too long to address: never read, never written
        }
        if (status != kErrorSuccess) {
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

bool ReloadPlayoutTables(RegistryPort& registry, const std::wstring& toolPrefix,
                         PlayoutInstanceList* instances) {
    LoadPlayoutInstances(registry, instances);
    bool complete = PlayoutKeyListedCompletely(registry, instances->size());
    LoadPlayoutSettings(registry, instances);
    for (auto& instance : *instances) {
        if (instance.Stored != StoredTable::NotOpened) {
            continue;
        }
        // A settings key that is missing is created at save with the tool's events; one
        // that exists but could not be read holds events that a rewrite would erase.
        if (ReadStatusOf(registry, InstanceSettingsPath(instance.Name)) != kErrorFileNotFound) {
            instance.Stored = StoredTable::Unreadable;
        }
    }
    SplitForeignEvents(instances, toolPrefix);
    return complete;
}

bool SaveReadableTables(RegistryPort& registry, const PlayoutInstanceList& instances,
                        std::vector<std::wstring>* tablesLeftAlone) {
    PlayoutInstanceList writable;
    for (const auto& instance : instances) {
        // A table that could not be read is never rewritten: its events would be lost.
        if (instance.Stored == StoredTable::Unreadable) {
            tablesLeftAlone->push_back(instance.Name);
        } else {
            writable.push_back(instance);
        }
    }
    return SavePlayoutSettings(registry, writable);
}

std::wstring InstanceNameLines(const std::vector<std::wstring>& names) {
    std::wstring lines;
    for (const auto& name : names) {
        lines += L"\n" + name;
    }
    return lines;
}

}  // namespace core
