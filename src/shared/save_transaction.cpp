#include "shared/save_transaction.h"

#include <algorithm>
#include <map>

#include "shared/event_table.h"
#include "shared/reg_values.h"
#include "shared/registry_overlay.h"
#include "shared/text.h"
#include "shared/utilities.h"

namespace core {

namespace {

bool IsAtOrBelow(const std::wstring& id, const std::wstring& ancestor) {
    return id.compare(0, ancestor.size(), ancestor) == 0 &&
           (id.size() == ancestor.size() || id[ancestor.size()] == L'\\');
}

// The text of REG_SZ or REG_EXPAND_SZ data that ends in its terminator.
bool TextOfValue(uint32_t type, const Bytes& data, std::wstring* text) {
    if ((type != kRegSz && type != kRegExpandSz) || data.size() < 2 || data.size() % 2 != 0 ||
        data[data.size() - 1] != 0 || data[data.size() - 2] != 0) {
        return false;
    }
    *text = FromUtf16Bytes(Bytes(data.begin(), data.end() - 2));
    return true;
}

bool IsTable(const PlannedWrite& write) {
    return write.root == RegRoot::CurrentUser && EqualsNoCase(write.name, kGpiEventsValue) &&
           IsAtOrBelow(FoldedKeyId(write.root, write.path), FoldedKeyId(write.root, kPlayoutKey));
}

}  // namespace

bool WriteSaveMarker(RegistryPort& registry, const std::wstring& settingsKey,
                     const std::wstring& backupPath) {
    ScopedRegKey key(registry);
    return key.OpenOrCreate(RegRoot::CurrentUser, settingsKey) &&
           WriteRegString(key, kSaveInProgressValue, backupPath) &&
           registry.FlushKey(key.Get()) == kErrorSuccess;
}

bool RemoveSaveMarker(RegistryPort& registry, const std::wstring& settingsKey) {
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::CurrentUser, settingsKey, RegAccess::Write)) {
        return false;
    }
    const long status = registry.DeleteValue(key.Get(), kSaveInProgressValue);
    registry.FlushKey(key.Get());
    return status == kErrorSuccess || status == kErrorFileNotFound;
}

int WriteGroup(const SaveTarget& target, const PlannedWrite& write) {
    if (write.root == RegRoot::LocalMachine) {
        return 0;
    }
    const std::wstring id = FoldedKeyId(write.root, write.path);
    const std::wstring playout = FoldedKeyId(RegRoot::CurrentUser, kPlayoutKey);
    return IsAtOrBelow(id, playout) || IsAtOrBelow(playout, id) ? 1 : 2;
}

std::wstring RegeditKeyName(RegRoot root, const std::wstring& path, bool windows64) {
    const std::wstring clean = CleanKeyPath(path);
    const std::wstring software = L"Software\\";
    if (root == RegRoot::LocalMachine && windows64 && clean.size() > software.size() &&
        EqualsNoCase(clean.substr(0, software.size()), software)) {
        return RegFileKeyName(root, L"SOFTWARE\\WOW6432Node\\" + clean.substr(software.size()));
    }
    return RegFileKeyName(root, clean);
}

std::wstring TableWithOwnEventsOf(const std::wstring& ownSource, const std::wstring& currentText,
                                  const std::wstring& toolPrefix) {
    GpiEventList own;
    ParseGpiEvents(ownSource, &own);
    GpiEventList current;
    ParseGpiEvents(currentText, &current);
    GpiEventList merged;
    for (const auto& event : own) {
        if (StartsWith(toolPrefix, event.Name)) {
            merged.push_back(event);
        }
    }
    for (const auto& event : current) {
        if (!StartsWith(toolPrefix, event.Name)) {
            merged.push_back(event);
        }
    }
    return FormatGpiEvents(merged);
}

RegFile BackupContent(const std::vector<ReadValue>& valuesRead, const SavePlan& plan,
                      const SaveTarget& target, const RegFileSummary& summary) {
    RegFile file;
    file.summary = summary;
    std::map<std::wstring, size_t> keyAt;
    std::map<std::wstring, bool> valueSeen;
    const std::wstring store = FoldedKeyId(RegRoot::LocalMachine, target.storeKey);
    auto keyOf = [&](RegRoot root, const std::wstring& path) -> RegFileKey& {
        const std::wstring id = FoldedKeyId(root, path);
        auto it = keyAt.find(id);
        if (it == keyAt.end()) {
            it = keyAt.emplace(id, file.keys.size()).first;
            file.keys.push_back(RegFileKey{root, CleanKeyPath(path), false, {}});
        }
        return file.keys[it->second];
    };
    auto add = [&](RegRoot root, const std::wstring& path, const RegFileValue& value) {
        const std::wstring id = FoldedKeyId(root, path) + L"\n" + FoldedKeyId(root, value.name);
        if (valueSeen.emplace(id, true).second) {
            keyOf(root, path).values.push_back(value);
        }
    };
    for (const ReadValue& read : valuesRead) {
        const std::wstring id = FoldedKeyId(read.root, read.path);
        const bool inStore = read.root == RegRoot::LocalMachine && IsAtOrBelow(id, store);
        PlannedWrite probe;
        probe.root = read.root;
        probe.path = read.path;
        probe.name = read.value.name;
        if (inStore || IsTable(probe)) {
            add(read.root, read.path,
                RegFileValue{read.value.name, false, read.value.type, read.value.data});
        }
    }
    std::map<std::wstring, bool> created;
    for (const PlannedWrite& write : plan.writes) {
        const std::wstring id = FoldedKeyId(write.root, write.path);
        const bool inStore = write.root == RegRoot::LocalMachine && IsAtOrBelow(id, store);
        if (write.step == PlanStep::CreateKey) {
            created[id] = true;
            if (inStore && !created.count(FoldedKeyId(write.root, ParentKeyPath(write.path)))) {
                RegFileKey removed{write.root, CleanKeyPath(write.path), true, {}};
                file.keys.push_back(removed);
            }
            continue;
        }
        const bool value = write.step == PlanStep::SetValue || write.step == PlanStep::DeleteValue;
        if (!value || created.count(id) || !(inStore || IsTable(write))) {
            continue;
        }
        if (write.existed) {
            add(write.root, write.path,
                RegFileValue{write.name, false, write.before.type, write.before.data});
        } else if (inStore) {
            add(write.root, write.path, RegFileValue{write.name, true, kRegNone, {}});
        }
    }
    return file;
}

bool SaveTransaction::CanWrite(RegRoot root, const std::wstring& path) {
    // An existing key is opened for writing; for a missing one, the nearest existing
    // parent must let subkeys be created. Nothing is created.
    RegAccess access = RegAccess::Write;
    for (std::wstring at = CleanKeyPath(path); !at.empty(); at = ParentKeyPath(at)) {
        RegKey key = kNoKey;
        const long status = registry_.OpenKey(root, at, access, &key);
        if (key != kNoKey) {
            registry_.CloseKey(key);
        }
        if (status != kErrorFileNotFound) {
            return status == kErrorSuccess;
        }
        access = RegAccess::CreateSubkeys;
    }
    return true;  // the roots always take new keys from those who may write them
}

bool SaveTransaction::Check(const SavePlan& plan, std::wstring* refusedKey) {
    std::map<std::wstring, bool> checked;
    auto check = [&](RegRoot root, const std::wstring& path) {
        const std::wstring id = FoldedKeyId(root, path);
        auto it = checked.find(id);
        const bool writable = it != checked.end() ? it->second : CanWrite(root, path);
        checked[id] = writable;
        if (!writable) {
            *refusedKey = RegeditKeyName(root, path, windows64_);
        }
        return writable;
    };
    // In the order of writing, a key before its subkeys: the operator is told about the
    // highest key refused, the one an administrator would open up.
    std::vector<const PlannedWrite*> order;
    for (const PlannedWrite& write : plan.writes) {
        order.push_back(&write);
    }
    std::stable_sort(order.begin(), order.end(), [&](const PlannedWrite* a, const PlannedWrite* b) {
        const int groupA = WriteGroup(target_, *a);
        const int groupB = WriteGroup(target_, *b);
        return groupA != groupB ? groupA < groupB
                                : FoldedKeyId(a->root, a->path) < FoldedKeyId(b->root, b->path);
    });
    for (const PlannedWrite* planned : order) {
        const PlannedWrite& write = *planned;
        if (!write.beforeKnown) {
            // What it replaces cannot be read, so it could not be put back.
            *refusedKey = RegeditKeyName(write.root, write.path, windows64_);
            return false;
        }
        if (!check(write.root, write.path)) {
            return false;
        }
    }
    return check(RegRoot::CurrentUser, target_.settingsKey);
}

long SaveTransaction::Apply(const PlannedWrite& write) {
    ScopedRegKey key(registry_);
    switch (write.step) {
        case PlanStep::CreateKey:
            return key.OpenOrCreate(write.root, write.path) ? kErrorSuccess : kErrorAccessDenied;
        case PlanStep::DeleteTree: {
            const long status = registry_.DeleteTree(write.root, write.path);
            return status == kErrorFileNotFound ? kErrorSuccess : status;
        }
        case PlanStep::SetValue:
        case PlanStep::DeleteValue:
            break;
    }
    if (!key.Open(write.root, write.path, RegAccess::Write)) {
        return kErrorAccessDenied;
    }
    if (write.step == PlanStep::SetValue) {
        return registry_.SetValue(key.Get(), write.name, write.type, write.data);
    }
    const long status = registry_.DeleteValue(key.Get(), write.name);
    return status == kErrorFileNotFound ? kErrorSuccess : status;
}

bool SaveTransaction::RestoreTree(RegRoot root, const TreeImage& tree) {
    ScopedRegKey key(registry_);
    if (!key.OpenOrCreate(root, tree.path)) {
        return false;
    }
    bool restored = true;
    for (const ValueImage& value : tree.values) {
        restored =
            registry_.SetValue(key.Get(), value.name, value.type, value.data) == kErrorSuccess &&
            restored;
    }
    for (const TreeImage& subkey : tree.subkeys) {
        restored = RestoreTree(root, subkey) && restored;
    }
    return restored;
}

bool SaveTransaction::Undo(const PlannedWrite& write) {
    if (write.step == PlanStep::CreateKey) {
        const long status = registry_.DeleteTree(write.root, write.path);
        return status == kErrorSuccess || status == kErrorFileNotFound;
    }
    if (write.step == PlanStep::DeleteTree) {
        return RestoreTree(write.root, write.beforeTree);
    }
    ScopedRegKey key(registry_);
    if (!key.Open(write.root, write.path, RegAccess::ReadWrite)) {
        return false;
    }
    if (!write.existed) {
        const long status = registry_.DeleteValue(key.Get(), write.name);
        return status == kErrorSuccess || status == kErrorFileNotFound;
    }
    Bytes data = write.before.data;
    std::wstring before;
    std::wstring current;
    uint32_t type = kRegNone;
    Bytes now;
    // A table gets the program's own events back as they were, and keeps the other
    // owners' events as they are now.
    if (IsTable(write) && TextOfValue(write.before.type, write.before.data, &before) &&
        registry_.QueryValue(key.Get(), write.name, &type, &now) == kErrorSuccess &&
        TextOfValue(type, now, &current)) {
        data = ToUtf16Bytes(TableWithOwnEventsOf(before, current, target_.toolPrefix), true);
    }
    return registry_.SetValue(key.Get(), write.name, write.before.type, data) == kErrorSuccess;
}

SaveReport SaveTransaction::Run(const SavePlan& plan, const RegFile& backup,
                                const std::function<bool()>& saveWithoutBackup) {
    SaveReport report;
    if (plan.Empty()) {
        return report;
    }
    if (!Check(plan, &report.keyName)) {
        report.status = SaveStatus::CheckFailed;
        return report;
    }
    if (!backups_.WriteBackup(backup, &report.backupPath)) {
        report.backupPath.clear();
        if (!saveWithoutBackup()) {
            report.status = SaveStatus::BackupDeclined;
            return report;
        }
    }
    // Without a backup there is nothing an interrupted save could be restored from.
    if (!report.backupPath.empty() &&
        !WriteSaveMarker(registry_, target_.settingsKey, report.backupPath)) {
        report.status = SaveStatus::NotSaved;
        report.keyName = RegeditKeyName(RegRoot::CurrentUser, target_.settingsKey, windows64_);
        return report;
    }
    std::vector<size_t> order(plan.writes.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return WriteGroup(target_, plan.writes[a]) < WriteGroup(target_, plan.writes[b]);
    });
    for (size_t done = 0; done < order.size(); ++done) {
        const PlannedWrite& write = plan.writes[order[done]];
        if (Apply(write) == kErrorSuccess) {
            continue;
        }
        report.keyName = RegeditKeyName(write.root, write.path, windows64_);
        bool undone = true;
        for (size_t back = done; back-- > 0;) {  // the failed write changed nothing
            undone = Undo(plan.writes[order[back]]) && undone;
        }
        // After a failed roll-back the marker stays: the next start offers the backup.
        if (undone) {
            RemoveSaveMarker(registry_, target_.settingsKey);
        }
        report.status = undone ? SaveStatus::NotSaved : SaveStatus::RollbackFailed;
        return report;
    }
    RemoveSaveMarker(registry_, target_.settingsKey);
    report.status = SaveStatus::Saved;
    return report;
}

}  // namespace core
