// A program's save and the recovery at start over the points of failure: for each, the
// registry afterwards (both roots, byte for byte) and what the operator was told.
#include <gtest/gtest.h>

#include <functional>

#include "shared/configuration_file.h"
#include "shared/event_table.h"
#include "shared/inmemory/memory_files.h"
#include "shared/inmemory/memory_message_box.h"
#include "shared/inmemory/memory_registry.h"
#include "shared/inmemory/memory_save_lock.h"
#include "shared/reg_values.h"
#include "shared/save_configuration.h"
#include "shared/save_recovery.h"

namespace core {
namespace {

const std::wstring kStore = L"Software\\Quorvane\\Sigvault\\Wave_2.0";
const std::wstring kTable = std::wstring(kPlayoutKey) + L"\\A\\Settings";
const std::wstring kSettings = L"Software\\Quorvane\\Cuebell\\General";
const std::wstring kTableName = L"HKEY_CURRENT_USER\\" + kTable;
const std::wstring kWow = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Quorvane\\Sigvault\\";
const std::wstring kBackups = L"C:\\ProgramData\\Quorvane\\Sigvault\\Backups";
const std::wstring kFirstBackup = kBackups + L"\\Cuebell 2026-03-14 09-26-53.reg";
const SaveTarget kTarget{kStore, L"WAV_", kSettings};
const SaveTexts kTexts{L"Save",           L"check %s", L"backup %s", L"not saved %s",
                       L"rollback %s %s", L"none",     L"busy"};
const RecoveryTexts kRecoveryTexts{L"Recover", L"restore from %s?", L"unreadable %s",
                                   L"cannot restore %s"};

void Seed(MemoryRegistry* registry) {
    registry->PutString(RegRoot::LocalMachine, kStore, L"GPIsCount", L"1");
    registry->PutString(RegRoot::LocalMachine, kStore + L"\\GPI0", L"Name", L"WAV_Old");
    registry->PutString(RegRoot::CurrentUser, kTable, L"GPIEvents",
                        L"101 0 500 WAV_Old|old\n7 3 250 News|kept");
}

// The program's loading code: its store and the table.
void Load(RegistryPort& registry) {
    ScopedRegKey store(registry);
    if (store.Open(RegRoot::LocalMachine, kStore, RegAccess::Read)) {
        ReadRegString(store, L"GPIsCount");
    }
    ScopedRegKey record(registry);
    if (record.Open(RegRoot::LocalMachine, kStore + L"\\GPI0", RegAccess::Read)) {
        ReadRegString(record, L"Name");
    }
    ScopedRegKey table(registry);
    if (table.Open(RegRoot::CurrentUser, kTable, RegAccess::Read)) {
        ReadRegStringWhole(table, kGpiEventsValue);
    }
}

// The program's writing code: the table first (the transaction puts the store first), a
// changed record, a new record and the count.
void Write(RegistryPort& registry) {
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
}

std::wstring Dump(const MemoryRegistry& registry) {
    return registry.Dump(RegRoot::LocalMachine) + registry.Dump(RegRoot::CurrentUser);
}

RegFileSummary Summarize(const RegFile& file) {
    return RegFileSummary{L"", DateTime(), 0, 0, CountOwnEvents(file, kTarget)};
}

std::vector<std::wstring> Told(const MemoryMessageBox& boxes) {
    std::vector<std::wstring> told;
    for (const MessageBoxCall& call : boxes.Calls()) {
        told.push_back(call.caption + L": " + call.text);
    }
    return told;
}

struct Station {
    MemoryRegistry registry;
    MemoryFiles files;
    MemorySaveLock lock;
    MemoryMessageBox boxes;
    ConfigurationSaver saver{registry, files, lock, kTarget, L"Cuebell", true, Summarize};
};

// What can fail, for a save and for a restore alike.
struct Failure {
    const char* label;
    std::function<void(Station&)> fail;
    std::vector<std::wstring> told;  // in a save
    int answer;                      // to a question, when one is asked
};

std::vector<Failure> Failures() {
    return {
        {"the store key refused",
         [](Station& s) { s.registry.DenyWriteAccess(RegRoot::LocalMachine, kStore); },
         {L"Save: check " + kWow + L"Wave_2.0"},
         kIdNo},
        {"a record key refused",
         [](Station& s) { s.registry.DenyWriteAccess(RegRoot::LocalMachine, kStore + L"\\GPI0"); },
         {L"Save: check " + kWow + L"Wave_2.0\\GPI0"},
         kIdNo},
        {"a value refused part-way",
         [](Station& s) {
             s.registry.FailCallOn(RegCall::Set, RegRoot::LocalMachine, kStore + L"\\GPI0");
         },
         {L"Save: not saved " + kWow + L"Wave_2.0\\GPI0"},
         kIdNo},
        {"a table refused",
         [](Station& s) { s.registry.DenyWriteAccess(RegRoot::CurrentUser, kTable); },
         {L"Save: check " + kTableName},
         kIdNo},
        {"the backup folder refused",
         [](Station& s) { s.files.FailCallOn(FileCall::CreateFolder, kBackups); },
         {L"Save: backup " + kBackups},
         kIdNo},
        {"the marker refused",
         [](Station& s) { s.registry.FailCallOn(RegCall::Set, RegRoot::CurrentUser, kSettings); },
         {L"Save: not saved HKEY_CURRENT_USER\\" + kSettings},
         kIdNo},
        {"the other program saving",
         [](Station& s) { s.lock.heldElsewhere = true; },
         {L"Save: busy"},
         kIdNo},
    };
}

TEST(ConfigurationSaveTest, EachPointOfFailureLeavesTheRegistryAsBeforeAndIsTold) {
    std::vector<Failure> rows = Failures();
    rows.insert(rows.begin(), Failure{"nothing fails", [](Station&) {}, {}, kIdNo});
    for (const Failure& row : rows) {
        SCOPED_TRACE(row.label);
        Station s;
        Seed(&s.registry);
        const std::vector<ReadValue> image = ReadStartupImage(s.registry, Load);
        row.fail(s);
        s.boxes.SetDefaultAnswer(row.answer);
        const SaveReport report =
            SaveAndTell(s.saver, s.boxes, 0, kTexts, image, [](RegistryPort& r) { Write(r); });
        EXPECT_EQ(Told(s.boxes), row.told);
        s.registry.ClearFailures();
        MemoryRegistry expected;
        Seed(&expected);
        if (row.told.empty()) {
            Write(expected);
            // The backup holds the registry as it was before.
            MemoryRegistry restored;
            Seed(&restored);
            Write(restored);
            RegFile backup;
            ASSERT_EQ(ReadRegFile(s.files.FileData(kFirstBackup), &backup), RegFileError::None);
            ASSERT_TRUE(backup.summary.has_value());
            EXPECT_EQ(backup.summary->events, 1);
            WriteBackConfiguration(restored, backup, kTarget);
            MemoryRegistry before;
            Seed(&before);
            EXPECT_EQ(Dump(restored), Dump(before));
        }
        EXPECT_EQ(SaveSucceeded(report), row.told.empty());
        // The marker's key may have been made; the marker itself is always gone.
        s.registry.PutKey(RegRoot::CurrentUser, kSettings);
        expected.PutKey(RegRoot::CurrentUser, kSettings);
        EXPECT_EQ(Dump(s.registry), Dump(expected));
    }
}

TEST(ConfigurationSaveTest, TheOperatorMayStillSaveWithoutABackupOrKeepACopy) {
    Station s;
    Seed(&s.registry);
    s.files.FailCallOn(FileCall::Write, kBackups);
    s.boxes.QueueAnswer(kIdYes);
    EXPECT_EQ(
        SaveAndTell(s.saver, s.boxes, 0, kTexts, {}, [](RegistryPort& r) { Write(r); }).status,
        SaveStatus::Saved);
    EXPECT_EQ(s.boxes.Calls().at(0).flags, kMbYesNo | kMbIconWarning | kMbDefButton2);

    Station refused;
    Seed(&refused.registry);
    refused.registry.DenyWriteAccess(RegRoot::LocalMachine, kStore);
    SaveFollowUp followUp = SaveFollowUp::None;
    SaveAndTell(
        refused.saver, refused.boxes, 0, kTexts, {}, [](RegistryPort& r) { Write(r); }, &followUp);
    EXPECT_EQ(followUp, SaveFollowUp::SaveCopy);  // the Yes of "Save copy..."
}

TEST(ConfigurationSaveTest, ARollBackThatFailsNamesTheBackup) {
    Station s;
    Seed(&s.registry);
    s.registry.FailCallOn(RegCall::Set, RegRoot::CurrentUser, kTable);
    s.registry.FailCallOn(RegCall::DeleteTree, RegRoot::LocalMachine, kStore + L"\\GPI1");
    SaveAndTell(s.saver, s.boxes, 0, kTexts, {}, [](RegistryPort& r) { Write(r); });
    EXPECT_EQ(Told(s.boxes),
              std::vector<std::wstring>{L"Save: rollback " + kTableName + L" " + kFirstBackup});
    EXPECT_EQ(s.registry.GetString(RegRoot::CurrentUser, kSettings, kSaveInProgressValue),
              kFirstBackup);
}

// An interrupted save: the save went through, the marker stayed, and another owner changed
// the table since.
void Interrupt(Station& s) {
    Seed(&s.registry);
    const std::vector<ReadValue> image = ReadStartupImage(s.registry, Load);
    ASSERT_EQ(s.saver
                  .Save(
                      image, [](RegistryPort& r) { Write(r); }, [] { return false; })
                  .status,
              SaveStatus::Saved);
    s.registry.PutString(RegRoot::CurrentUser, kSettings, kSaveInProgressValue, kFirstBackup);
    s.registry.PutString(RegRoot::CurrentUser, kTable, L"GPIEvents",
                         L"101 0 500 WAV_New|new\n7 3 250 News|kept\n8 0 1 Later|other tool");
    s.files.SetClock(Clock{DateTime{2026, 3, 15, 7, 0, 0}, DateTime{2026, 3, 15, 6, 0, 0}});
}

void Restored(MemoryRegistry* registry) {
    Seed(registry);
    registry->PutString(RegRoot::CurrentUser, kTable, L"GPIEvents",
                        L"101 0 500 WAV_Old|old\n7 3 250 News|kept\n8 0 1 Later|other tool");
}

TEST(SaveRecoveryTest, EachPointOfFailureKeepsTheMarkAndIsTold) {
    const std::wstring question = L"Recover: restore from 2026-03-14 09:26:53?";
    struct Row {
        Failure failure;  // its answer is the one to the question
        RecoveryResult result;
        std::vector<std::wstring> told;  // after the question
    };
    std::vector<Row> rows = {
        {{"nothing fails", [](Station&) {}, {}, kIdYes}, RecoveryResult::Restored, {}},
        {{"the operator says No", [](Station&) {}, {}, kIdNo}, RecoveryResult::KeptAsIs, {}},
    };
    for (const Failure& failure : Failures()) {
        std::vector<std::wstring> told = failure.told;
        for (std::wstring& text : told) {
            text = L"Recover" + text.substr(4);
            if (text.compare(0, 15, L"Recover: check ") == 0) {
                text = L"Recover: cannot restore " + text.substr(15);
            }
        }
        if (std::string(failure.label) == "the backup folder refused") {
            told = {L"Recover: backup " + kBackups};  // and No: nothing written
        }
        Failure restore = failure;
        restore.answer = kIdYes;
        rows.push_back({restore, RecoveryResult::RestoreFailed, told});
    }
    for (const Row& row : rows) {
        SCOPED_TRACE(row.failure.label);
        Station s;
        Interrupt(s);
        const std::wstring interrupted = Dump(s.registry);
        row.failure.fail(s);
        s.boxes.QueueAnswer(row.failure.answer);
        s.boxes.SetDefaultAnswer(kIdNo);
        EXPECT_EQ(RecoverInterruptedSave(s.saver, s.boxes, 0, kRecoveryTexts, kTexts), row.result);
        std::vector<std::wstring> told = {question};
        told.insert(told.end(), row.told.begin(), row.told.end());
        EXPECT_EQ(Told(s.boxes), told);
        s.registry.ClearFailures();
        if (row.result == RecoveryResult::RestoreFailed) {
            EXPECT_EQ(Dump(s.registry), interrupted);  // the mark stays, naming the backup
            continue;
        }
        MemoryRegistry expected;
        if (row.result == RecoveryResult::Restored) {
            Restored(&expected);
        } else {
            Seed(&expected);
            Write(expected);
            expected.PutString(RegRoot::CurrentUser, kTable, L"GPIEvents",
                               L"101 0 500 WAV_New|new\n7 3 250 News|kept\n8 0 1 Later|other tool");
        }
        expected.PutKey(RegRoot::CurrentUser, kSettings);
        EXPECT_EQ(Dump(s.registry), Dump(expected));
    }
}

TEST(SaveRecoveryTest, ABackupThatCannotBeUsedIsToldOnceAndTheMarkRemoved) {
    const std::vector<std::pair<const char*, std::function<void(MemoryFiles&)>>> rows = {
        {"missing", [](MemoryFiles& f) { f.RemoveFile(kFirstBackup); }},
        {"not a registry file",
         [](MemoryFiles& f) {
             f.PutFile(kFirstBackup, Bytes{0xFF, 0xFE, 'x', 0});
         }},
        {"another program's",
         [](MemoryFiles& f) {
             RegFile file;
             ReadRegFile(f.FileData(kFirstBackup), &file);
             file.summary->program = L"Tonegate";
             Bytes bytes;
             WriteRegFile(file, &bytes);
             f.PutFile(kFirstBackup, bytes);
         }},
        {"holding another key",
         [](MemoryFiles& f) {
             RegFile file;
             file.keys.push_back(RegFileKey{RegRoot::CurrentUser, kSettings, false, {}});
             Bytes bytes;
             WriteRegFile(file, &bytes);
             f.PutFile(kFirstBackup, bytes);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        Station s;
        Interrupt(s);
        row.second(s.files);
        const std::wstring before = Dump(s.registry);
        EXPECT_EQ(RecoverInterruptedSave(s.saver, s.boxes, 0, kRecoveryTexts, kTexts),
                  RecoveryResult::BackupUnreadable);
        EXPECT_EQ(Told(s.boxes), std::vector<std::wstring>{L"Recover: unreadable " + kFirstBackup});
        EXPECT_FALSE(s.registry.HasValue(RegRoot::CurrentUser, kSettings, kSaveInProgressValue));
        s.registry.PutString(RegRoot::CurrentUser, kSettings, kSaveInProgressValue, kFirstBackup);
        EXPECT_EQ(Dump(s.registry), before);
        s.boxes.ClearCalls();
        EXPECT_EQ(RecoverInterruptedSave(s.saver, s.boxes, 0, kRecoveryTexts, kTexts),
                  RecoveryResult::BackupUnreadable);
    }
    Station none;
    Seed(&none.registry);
    EXPECT_EQ(RecoverInterruptedSave(none.saver, none.boxes, 0, kRecoveryTexts, kTexts),
              RecoveryResult::NoInterruptedSave);
    EXPECT_TRUE(none.boxes.Calls().empty());
}

}  // namespace
}  // namespace core
