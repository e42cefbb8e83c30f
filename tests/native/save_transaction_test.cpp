// The save transaction over the points where a save can fail: for each, the registry
// afterwards (both roots, byte for byte) and what the caller is told.
#include "shared/save_transaction.h"

#include <gtest/gtest.h>

#include <functional>

#include "shared/event_table.h"
#include "shared/inmemory/memory_registry.h"
#include "shared/reg_values.h"
#include "shared/registry_overlay.h"

namespace core {
namespace {

const std::wstring kStore = L"Software\\Quorvane\\Sigvault\\Wave_2.0";
const std::wstring kTable = std::wstring(kPlayoutKey) + L"\\A\\Settings";
const std::wstring kSettings = L"Software\\Quorvane\\Cuebell\\General";
const SaveTarget kTarget{kStore, L"WAV_", kSettings};

class MemoryBackups : public BackupSink {
  public:
    bool WriteBackup(const RegFile& backup, std::wstring* path) override {
        written.push_back(backup);
        *path = L"C:\\ProgramData\\Quorvane\\Sigvault\\Backups\\Cuebell 2026-03-14 09-26-53.reg";
        return !fail;
    }
    bool fail = false;
    std::vector<RegFile> written;
};

void Seed(MemoryRegistry* registry) {
    registry->PutString(RegRoot::LocalMachine, kStore, L"GPIsCount", L"1");
    registry->PutString(RegRoot::LocalMachine, kStore + L"\\GPI0", L"Name", L"WAV_Old");
    registry->PutString(RegRoot::CurrentUser, kTable, L"GPIEvents",
                        L"101 0 500 WAV_Old|old\n7 3 250 News|kept");
    registry->PutString(RegRoot::CurrentUser, kSettings, L"Wav file path", L"C:\\a.wav");
}

// A save as the programs make it: the store, a new record key, the table and the settings,
// written in the programs' own order (the table first).
void SaveEverything(RegistryPort& registry) {
    ScopedRegKey table(registry);
    ASSERT_TRUE(table.OpenOrCreate(RegRoot::CurrentUser, kTable));
    WriteRegString(table, kGpiEventsValue, L"101 0 500 WAV_New|new\n7 3 250 News|kept");
    for (const std::wstring& path : {kStore + L"\\GPI0", kStore + L"\\GPI1"}) {
        ScopedRegKey record(registry);
        ASSERT_TRUE(record.OpenOrCreate(RegRoot::LocalMachine, path));
        WriteRegString(record, L"Name", L"WAV_New");
    }
    ScopedRegKey store(registry);
    ASSERT_TRUE(store.OpenOrCreate(RegRoot::LocalMachine, kStore));
    WriteRegInt(store, L"GPIsCount", 2);
    ScopedRegKey settings(registry);
    ASSERT_TRUE(settings.OpenOrCreate(RegRoot::CurrentUser, kSettings));
    WriteRegString(settings, L"Wav file path", L"C:\\a.wav");  // unchanged: not written
}

std::wstring Dump(const MemoryRegistry& registry) {
    return registry.Dump(RegRoot::LocalMachine) + registry.Dump(RegRoot::CurrentUser);
}

TEST(SaveTransactionTest, EachPointOfFailureLeavesTheRegistryAsTheCallerIsTold) {
    const std::wstring wow = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Quorvane\\Sigvault\\";
    struct Case {
        const char* label;
        std::function<void(MemoryRegistry&, MemoryBackups&)> fail;
        bool saveWithoutBackup;
        SaveStatus status;
        std::wstring keyName;
        bool changed;      // the registry holds the save, else it is as before
        bool markerStays;  // "Save in progress" is left for the next start
    };
    const Case cases[] = {
        {"nothing fails", [](MemoryRegistry&, MemoryBackups&) {}, false, SaveStatus::Saved, L"",
         true, false},
        {"the store key refused",
         [](MemoryRegistry& r, MemoryBackups&) {
             r.DenyWriteAccess(RegRoot::LocalMachine, kStore);
         },
         false, SaveStatus::CheckFailed, wow + L"Wave_2.0", false, false},
        {"a record key refused",
         [](MemoryRegistry& r, MemoryBackups&) {
             r.DenyWriteAccess(RegRoot::LocalMachine, kStore + L"\\GPI0");
         },
         false, SaveStatus::CheckFailed, wow + L"Wave_2.0\\GPI0", false, false},
        {"a value refused part-way",
         [](MemoryRegistry& r, MemoryBackups&) {
             r.FailCallOn(RegCall::Set, RegRoot::LocalMachine, kStore + L"\\GPI1");
         },
         false, SaveStatus::NotSaved, wow + L"Wave_2.0\\GPI1", false, false},
        {"a table refused at the check",
         [](MemoryRegistry& r, MemoryBackups&) { r.DenyWriteAccess(RegRoot::CurrentUser, kTable); },
         false, SaveStatus::CheckFailed,
         L"HKEY_CURRENT_USER\\Software\\Brenmark\\Halvex\\Skyvant\\A\\Settings", false, false},
        {"a table refused while writing",
         [](MemoryRegistry& r, MemoryBackups&) {
             r.FailCallOn(RegCall::Set, RegRoot::CurrentUser, kTable);
         },
         false, SaveStatus::NotSaved,
         L"HKEY_CURRENT_USER\\Software\\Brenmark\\Halvex\\Skyvant\\A\\Settings", false, false},
        {"the backup refused, not saved without",
         [](MemoryRegistry&, MemoryBackups& b) { b.fail = true; }, false,
         SaveStatus::BackupDeclined, L"", false, false},
        {"the backup refused, saved without",
         [](MemoryRegistry&, MemoryBackups& b) { b.fail = true; }, true, SaveStatus::Saved, L"",
         true, false},
        {"the marker refused",
         [](MemoryRegistry& r, MemoryBackups&) {
             r.FailCallOn(RegCall::Set, RegRoot::CurrentUser, kSettings);
         },
         false, SaveStatus::NotSaved, L"HKEY_CURRENT_USER\\" + kSettings, false, false},
        {"the table and then the roll-back refused",
         [](MemoryRegistry& r, MemoryBackups&) {
             r.FailCallOn(RegCall::Set, RegRoot::CurrentUser, kTable);
             r.FailCallOn(RegCall::DeleteTree, RegRoot::LocalMachine, kStore);
         },
         false, SaveStatus::RollbackFailed,
         L"HKEY_CURRENT_USER\\Software\\Brenmark\\Halvex\\Skyvant\\A\\Settings", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        MemoryRegistry registry;
        Seed(&registry);
        const std::wstring before = Dump(registry);
        RegistryOverlay overlay(registry);
        SaveEverything(overlay);
        const SavePlan plan = overlay.Plan();
        ASSERT_EQ(Dump(registry), before);  // planning wrote nothing

        MemoryBackups backups;
        c.fail(registry, backups);
        SaveTransaction transaction(registry, backups, kTarget, true);
        const SaveReport report =
            transaction.Run(plan, RegFile(), [&] { return c.saveWithoutBackup; });
        EXPECT_EQ(report.status, c.status);
        EXPECT_EQ(report.keyName, c.keyName);
        EXPECT_EQ(registry.HasValue(RegRoot::CurrentUser, kSettings, kSaveInProgressValue),
                  c.markerStays);
        registry.ClearFailures();
        registry.PutString(RegRoot::CurrentUser, kSettings, kSaveInProgressValue, L"");
        if (c.status == SaveStatus::RollbackFailed) {
            // The store's new record key could not be deleted again; the rest is back.
            EXPECT_TRUE(registry.HasKey(RegRoot::LocalMachine, kStore + L"\\GPI1"));
            EXPECT_EQ(registry.GetString(RegRoot::CurrentUser, kTable, kGpiEventsValue),
                      L"101 0 500 WAV_Old|old\n7 3 250 News|kept");
            EXPECT_EQ(report.backupPath.empty(), false);
            continue;
        }
        MemoryRegistry expected;
        Seed(&expected);
        if (c.changed) {
            SaveEverything(expected);
        }
        expected.PutString(RegRoot::CurrentUser, kSettings, kSaveInProgressValue, L"");
        EXPECT_EQ(Dump(registry), Dump(expected));
        const bool backedUp = c.status != SaveStatus::CheckFailed;
        EXPECT_EQ(backups.written.size(), backedUp ? 1u : 0u);
    }
}

TEST(SaveTransactionTest, ASaveThatChangesNothingWritesNothingNotEvenABackup) {
    MemoryRegistry registry;
    Seed(&registry);
    SaveEverything(registry);
    const std::wstring before = Dump(registry);
    const int calls = registry.CallCount();
    RegistryOverlay overlay(registry);
    SaveEverything(overlay);
    MemoryBackups backups;
    SaveTransaction transaction(registry, backups, kTarget, false);
    EXPECT_EQ(transaction.Run(overlay.Plan(), RegFile(), [] { return true; }).status,
              SaveStatus::NothingToSave);
    EXPECT_TRUE(backups.written.empty());
    EXPECT_EQ(Dump(registry), before);
    EXPECT_GT(registry.CallCount(), calls);  // it read, and only read
}

TEST(SaveTransactionTest, TheBackupHoldsWhatWasReadAndUndoesWhatTheSaveAdds) {
    MemoryRegistry registry;
    Seed(&registry);
    RegistryOverlay overlay(registry);
    {
        // The program reads its store and the tables first, as at start-up.
        ScopedRegKey record(overlay);
        ASSERT_TRUE(record.Open(RegRoot::LocalMachine, kStore + L"\\GPI0", RegAccess::Read));
        ReadRegString(record, L"Name");
        ScopedRegKey table(overlay);
        ASSERT_TRUE(table.Open(RegRoot::CurrentUser, kTable, RegAccess::Read));
        ReadRegStringWhole(table, kGpiEventsValue);
        ReadRegString(table, kAudioDeviceValue);
    }
    SaveEverything(overlay);
    const SavePlan plan = overlay.Plan();
    const RegFile backup = BackupContent(overlay.ValuesRead(), plan, kTarget, RegFileSummary());
    std::vector<std::wstring> lines;
    for (const RegFileKey& key : backup.keys) {
        std::wstring line = (key.remove ? L"-" : L"") + key.path + L":";
        for (const RegFileValue& value : key.values) {
            line += L" " + value.name + (value.remove ? L"=-" : L"");
        }
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::wstring>{
                         kStore + L"\\GPI0: Name",
                         kTable + L": GPIEvents",
                         L"-" + kStore + L"\\GPI1:",
                         kStore + L": GPIsCount",
                     }));
}

TEST(SaveTransactionTest, APutBackTableKeepsTheOtherOwnersEventsAsTheyAreNow) {
    EXPECT_EQ(TableWithOwnEventsOf(L"101 0 500 WAV_a|x\n7 0 1 Old|o",
                                   L"101 0 500 WAV_b|y\n5 0 1 DTMF_c|z\n8 0 2 Newer|n", L"WAV_"),
              L"101 0 500 WAV_a|x\n5 0 1 DTMF_c|z\n8 0 2 Newer|n");
}

}  // namespace
}  // namespace core
