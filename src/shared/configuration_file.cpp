#include "shared/configuration_file.h"

#include "shared/event_table.h"
#include "shared/reg_values.h"
#include "shared/registry_overlay.h"
#include "shared/text.h"
#include "shared/utilities.h"

namespace core {

namespace {

bool IsAtOrBelow(RegRoot root, const std::wstring& path, const std::wstring& ancestor) {
    const std::wstring id = FoldedKeyId(root, path);
    const std::wstring top = FoldedKeyId(root, ancestor);
    return id.compare(0, top.size(), top) == 0 &&
           (id.size() == top.size() || id[top.size()] == L'\\');
}

bool InStore(const RegFileKey& key, const SaveTarget& target) {
    return key.root == RegRoot::LocalMachine && IsAtOrBelow(key.root, key.path, target.storeKey);
}

bool IsTableKey(const RegFileKey& key) {
    return key.root == RegRoot::CurrentUser && !key.remove &&
           IsAtOrBelow(key.root, key.path, kPlayoutKey);
}

bool TextOf(const RegFileValue& value, std::wstring* text) {
    if (value.remove || value.type != kRegSz || value.data.size() % 2 != 0) {
        return false;
    }
    Bytes data = value.data;
    while (data.size() >= 2 && data[data.size() - 1] == 0 && data[data.size() - 2] == 0) {
        data.resize(data.size() - 2);
    }
    *text = FromUtf16Bytes(data);
    return true;
}

void WriteBackTable(RegistryPort& registry, const RegFileKey& key, const RegFileValue& value,
                    const std::wstring& toolPrefix) {
    std::wstring backupText;
    ScopedRegKey table(registry);
    if (!TextOf(value, &backupText) || !table.Open(key.root, key.path, RegAccess::ReadWrite)) {
        return;
    }
    const std::wstring current = ReadRegStringWhole(table, kGpiEventsValue);
    WriteRegString(table, kGpiEventsValue, TableWithOwnEventsOf(backupText, current, toolPrefix));
}

}  // namespace

bool IsConfigurationOf(const RegFile& file, const SaveTarget& target) {
    for (const RegFileKey& key : file.keys) {
        if (InStore(key, target)) {
            continue;
        }
        if (!IsTableKey(key)) {
            return false;
        }
        for (const RegFileValue& value : key.values) {
            std::wstring text;
            if (!EqualsNoCase(value.name, kGpiEventsValue) || !TextOf(value, &text)) {
                return false;
            }
        }
    }
    return true;
}

void WriteBackConfiguration(RegistryPort& registry, const RegFile& file, const SaveTarget& target) {
    for (const RegFileKey& key : file.keys) {
        if (IsTableKey(key)) {
            for (const RegFileValue& value : key.values) {
                if (EqualsNoCase(value.name, kGpiEventsValue)) {
                    WriteBackTable(registry, key, value, target.toolPrefix);
                }
            }
            continue;
        }
        if (!InStore(key, target)) {
            continue;
        }
        if (key.remove) {
            registry.DeleteTree(key.root, key.path);
            continue;
        }
        ScopedRegKey store(registry);
        if (!store.OpenOrCreate(key.root, key.path)) {
            continue;
        }
        for (const RegFileValue& value : key.values) {
            if (value.remove) {
                registry.DeleteValue(store.Get(), value.name);
            } else {
                registry.SetValue(store.Get(), value.name, value.type, value.data);
            }
        }
    }
}

int32_t CountOwnEvents(const RegFile& file, const SaveTarget& target) {
    int32_t count = 0;
    for (const RegFileKey& key : file.keys) {
        for (const RegFileValue& value : key.values) {
            std::wstring text;
            if (!IsTableKey(key) || !EqualsNoCase(value.name, kGpiEventsValue) ||
                !TextOf(value, &text)) {
                continue;
            }
            GpiEventList events;
            ParseGpiEvents(text, &events);
            for (const GpiEventRecord& event : events) {
                count += StartsWith(target.toolPrefix, event.Name) ? 1 : 0;
            }
        }
    }
    return count;
}

}  // namespace core
