// The registry as a save would leave it, without writing anything: reads see the real
// registry with the recorded writes on top, writes are only recorded. Running a
// program's own load and save code against it yields the values it reads (the backup)
// and the plan of what the save changes (what the transaction checks, writes and undoes).
//
// Subkeys created or deleted through the overlay are not listed by EnumKey, and values
// set through it not by EnumValue: the programs list keys only before they write.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "registry_port.h"
#include "save_plan.h"

namespace core {

class RegistryOverlay : public RegistryPort {
  public:
    explicit RegistryOverlay(RegistryPort& base);
    ~RegistryOverlay() override;
    RegistryOverlay(const RegistryOverlay&) = delete;
    RegistryOverlay& operator=(const RegistryOverlay&) = delete;

    long OpenKey(RegRoot root, const std::wstring& path, RegAccess access, RegKey* key) override;
    long CreateKey(RegRoot root, const std::wstring& path, RegKey* key) override;
    long CloseKey(RegKey key) override;
    long QueryValue(RegKey key, const std::wstring& name, uint32_t* type, Bytes* data) override;
    long SetValue(RegKey key, const std::wstring& name, uint32_t type, const Bytes& data) override;
    long EnumKey(RegKey key, uint32_t index, size_t maxNameChars, std::wstring* name) override;
    long EnumValue(RegKey key, uint32_t index, std::wstring* name, uint32_t* type,
                   Bytes* data) override;
    long DeleteValue(RegKey key, const std::wstring& name) override;
    long DeleteTree(RegRoot root, const std::wstring& path) override;
    long FlushKey(RegKey key) override { return kErrorSuccess; }

    // Every value read from the real registry so far, once each, in the order first read.
    const std::vector<ReadValue>& ValuesRead() const { return valuesRead_; }

    // The recorded writes in the order first made, each value once with its last data,
    // without those that change nothing (a value set to what it holds, a key created that
    // exists), each with its "before" image read from the real registry.
    SavePlan Plan();

  private:
    struct KeyState {
        RegRoot root;
        std::wstring path;
        bool created = false;  // missing in the real registry (or deleted), then created
        bool deleted = false;  // deleted, and not created again
        std::map<std::wstring, std::optional<ValueImage>> values;  // by folded name
    };
    struct Handle {
        std::wstring id;  // the key's folded full path
        RegKey base = kNoKey;
        long baseStatus = kErrorSuccess;  // why there is no base handle, for reads
    };
    struct Step {
        PlanStep step;
        std::wstring id;
        std::wstring name;
    };

    KeyState& State(RegRoot root, const std::wstring& path);
    // Whether the key exists as the save would leave it (nullopt: the real registry has to
    // be asked).
    std::optional<bool> ExistsHere(const std::wstring& id) const;
    bool BaseHasKey(RegRoot root, const std::wstring& path);
    void RecordRead(const KeyState& key, const std::wstring& name, uint32_t type,
                    const Bytes& data);
    // The value's "before" image through the key opened for reading (or why it could not be).
    void ReadBefore(RegKey baseKey, long openStatus, PlannedWrite* write);
    TreeImage ReadTree(RegRoot root, const std::wstring& path, int depth);

    RegistryPort& base_;
    std::map<std::wstring, KeyState> keys_;  // by folded full path
    std::map<RegKey, Handle> handles_;
    RegKey nextHandle_ = 0x7000;
    std::vector<Step> steps_;
    std::vector<ReadValue> valuesRead_;
    std::map<std::wstring, bool> readSeen_;
};

// "HKLM\path" or "HKCU\path" folded: one spelling for a key, whatever its case.
std::wstring FoldedKeyId(RegRoot root, const std::wstring& path);
// The path without empty parts and surrounding backslashes.
std::wstring CleanKeyPath(const std::wstring& path);
// The parent's path; empty for a key just below the root.
std::wstring ParentKeyPath(const std::wstring& path);

}  // namespace core
