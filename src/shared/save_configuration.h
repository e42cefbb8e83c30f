// The one way both programs write their configuration (OK, the conversion of the older
// layout, a repair at start, a restore): the program's own writing code runs against a
// RegistryOverlay, which gives the plan; the backup holds the start-up image and what the
// plan replaces; the transaction checks, backs up, writes and rolls back, under the lock
// both programs share. The report says what the operator is to be told.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "backup_store.h"
#include "box_message.h"
#include "save_lock.h"
#include "save_transaction.h"

namespace core {

// The program's writing code: writes the whole configuration through the port given.
using ConfigurationWriter = std::function<void(RegistryPort&)>;

// Runs the program's loading code, keeping every value it reads: the start-up image its
// backups hold. Whatever the loading code writes is not written (only planned).
std::vector<ReadValue> ReadStartupImage(RegistryPort& registry,
                                        const std::function<void(RegistryPort&)>& load);

// The operator's texts about saving, from the program's string table.
struct SaveTexts {
    std::wstring caption;
    std::wstring checkFailed;      // %s: the key as regedit shows it
    std::wstring backupFailed;     // %s: the backup folder; Yes saves without a backup
    std::wstring notSaved;         // %s: the key whose write failed
    std::wstring rollbackFailed;   // %s: the key, %s: the backup file
    std::wstring noBackupWritten;  // stands for the backup file when there is none
    std::wstring busy;             // the other program is saving
};

class ConfigurationSaver {
  public:
    // Counts a backup's detections and the program's events for its summary line and the
    // list of backups.
    using Summarizer = BackupStore::Summarizer;

    ConfigurationSaver(RegistryPort& registry, FilePort& files, SaveLockPort& lock,
                       const SaveTarget& target, const std::wstring& program, bool windows64,
                       Summarizer summarize)
        : registry_(registry),
          files_(files),
          backups_(files, program),
          lock_(lock),
          target_(target),
          windows64_(windows64),
          summarize_(std::move(summarize)) {}

    // Saves what write writes. startupImage: the values read at start (ReadStartupImage);
    // saveWithoutBackup asks the operator when no backup can be written (No is the safe
    // answer).
    SaveReport Save(const std::vector<ReadValue>& startupImage, const ConfigurationWriter& write,
                    const std::function<bool()>& saveWithoutBackup);

    BackupStore& Backups() { return backups_; }
    RegistryPort& Registry() { return registry_; }
    FilePort& Files() { return files_; }
    const SaveTarget& Target() const { return target_; }
    const Summarizer& Summarize() const { return summarize_; }

  private:
    RegistryPort& registry_;
    FilePort& files_;
    BackupStore backups_;
    SaveLockPort& lock_;
    SaveTarget target_;
    bool windows64_;
    Summarizer summarize_;
};

// The question asked when the backup cannot be written: Yes/No, No the default.
BoxMessage BackupFailedQuestion(const SaveTexts& texts, const std::wstring& folder);

// What the operator is told after a save; no text when there is nothing to tell (saved,
// nothing to save, or the operator chose not to save without a backup). A refused key is
// asked about with Yes/No: Yes means "Save copy...".
BoxMessage SaveReportMessage(const SaveReport& report, const SaveTexts& texts);
bool SaveReportNeedsMessage(const SaveReport& report);

// Whether the configuration on screen is now saved; else the dialog stays open.
inline bool SaveSucceeded(const SaveReport& report) {
    return report.status == SaveStatus::Saved || report.status == SaveStatus::NothingToSave;
}

enum class SaveFollowUp { None, SaveCopy };

// Shows SaveReportMessage when there is one; SaveCopy when the operator asked to keep the
// work in a file.
SaveFollowUp TellSaveReport(MessageBoxPort& boxes, WindowHandle owner, const SaveReport& report,
                            const SaveTexts& texts);

// OK's whole save with the operator: asks whether to save without a backup when none can
// be written, and tells what happened (SaveCopy: the operator asked to keep the work in a
// file).
SaveReport SaveAndTell(ConfigurationSaver& saver, MessageBoxPort& boxes, WindowHandle owner,
                       const SaveTexts& texts, const std::vector<ReadValue>& startupImage,
                       const ConfigurationWriter& write, SaveFollowUp* followUp = nullptr);

}  // namespace core
