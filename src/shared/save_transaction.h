// One save for both programs, over the registry port: the plan of every write (from a
// RegistryOverlay), the check that every key may be written (creating nothing), the
// backup, the "Save in progress" marker, the writes in a safe order and, when a write
// fails, the roll-back from the "before" image. A plan that changes nothing writes
// nothing, not even a backup.
#pragma once

#include <functional>
#include <string>

#include "reg_file.h"
#include "registry_port.h"
#include "save_plan.h"

namespace core {

// The value that marks a save in progress, under the tool settings key; it names the
// backup written before the save.
constexpr const wchar_t* kSaveInProgressValue = L"Save in progress";

// Writes "Save in progress" naming the backup, and flushes it; false when refused.
bool WriteSaveMarker(RegistryPort& registry, const std::wstring& settingsKey,
                     const std::wstring& backupPath);
// Removes "Save in progress"; true when it is gone.
bool RemoveSaveMarker(RegistryPort& registry, const std::wstring& settingsKey);

// What a program's save touches.
struct SaveTarget {
    std::wstring storeKey;     // the detection store, below HKEY_LOCAL_MACHINE
    std::wstring toolPrefix;   // "WAV_", "DTMF_": the program's own events in the tables
    std::wstring settingsKey;  // the tool settings key, below HKEY_CURRENT_USER
};

// Where backups go: written whole before the first value, or refused.
class BackupSink {
  public:
    virtual ~BackupSink() = default;
    // The full path of the backup written; false when it could not be written.
    virtual bool WriteBackup(const RegFile& backup, std::wstring* path) = 0;
};

enum class SaveStatus {
    NothingToSave,   // the plan changes nothing: nothing written
    Saved,           // every write done, the marker removed
    CheckFailed,     // a key may not be written (keyName): nothing written
    BackupDeclined,  // no backup could be written and the operator chose not to save
    NotSaved,        // a write failed and everything was put back (keyName: the key)
    RollbackFailed,  // a write failed and putting it back failed too (backupPath)
    Busy,            // the other program was saving: nothing written
};

struct SaveReport {
    SaveStatus status = SaveStatus::NothingToSave;
    std::wstring keyName;     // the key as regedit shows it
    std::wstring backupPath;  // empty when saved without a backup
};

// The order the writes go in: the detection store, then the playout tables, then the
// rest (the tool settings), each in the order planned.
int WriteGroup(const SaveTarget& target, const PlannedWrite& write);

// The key's name as regedit shows it: on 64-bit Windows the 32-bit view of
// HKEY_LOCAL_MACHINE\SOFTWARE lies under "WOW6432Node".
std::wstring RegeditKeyName(RegRoot root, const std::wstring& path, bool windows64);

// In the table text, the program's own events (and only they) from ownSource, followed by
// every other record of currentText as it stands: how a table is put back.
std::wstring TableWithOwnEventsOf(const std::wstring& ownSource, const std::wstring& currentText,
                                  const std::wstring& toolPrefix);

// What the backup of a save holds: the values the program read from its store and every
// table's "GPIEvents" it read, and for the store what the save adds, so that writing the
// backup back undoes it: keys it creates as [-KEY], values it adds as "name"=-.
RegFile BackupContent(const std::vector<ReadValue>& valuesRead, const SavePlan& plan,
                      const SaveTarget& target, const RegFileSummary& summary);

class SaveTransaction {
  public:
    SaveTransaction(RegistryPort& registry, BackupSink& backups, const SaveTarget& target,
                    bool windows64)
        : registry_(registry), backups_(backups), target_(target), windows64_(windows64) {}

    // Runs the plan. backup is what the backup holds; saveWithoutBackup asks the operator
    // (No is the safe answer) when it cannot be written.
    SaveReport Run(const SavePlan& plan, const RegFile& backup,
                   const std::function<bool()>& saveWithoutBackup);

  private:
    bool Check(const SavePlan& plan, std::wstring* refusedKey);
    bool CanWrite(RegRoot root, const std::wstring& path);
    long Apply(const PlannedWrite& write);
    bool Undo(const PlannedWrite& write);
    bool RestoreTree(RegRoot root, const TreeImage& tree);

    RegistryPort& registry_;
    BackupSink& backups_;
    SaveTarget target_;
    bool windows64_;
};

}  // namespace core
