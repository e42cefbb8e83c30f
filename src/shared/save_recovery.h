// Recovery of a save that did not finish: a "Save in progress" value left under the tool
// settings key names the backup written before that save. At the next start the operator
// is asked whether to restore the configuration from it; the restore is a save like any
// other (check, backup, writes, roll-back).
#pragma once

#include <string>

#include "file_port.h"
#include "reg_file.h"
#include "save_configuration.h"

namespace core {

struct RecoveryTexts {
    std::wstring caption;
    std::wstring question;     // %s: the backup's local date and time; Yes restores
    std::wstring unreadable;   // %s: the backup file named by the value
    std::wstring checkFailed;  // %s: the key as regedit shows it
};

enum class InterruptedSaveKind { None, Found, Unreadable };

struct InterruptedSave {
    InterruptedSaveKind kind = InterruptedSaveKind::None;
    std::wstring backupPath;
    DateTime savedLocal;  // when the backup was written, in local time
    RegFile backup;
};

// What the "Save in progress" value says: none, a backup of this program's configuration
// that reads, or one that is missing, does not parse or holds anything else.
InterruptedSave FindInterruptedSave(RegistryPort& registry, FilePort& files,
                                    const SaveTarget& target, const std::wstring& program);

enum class RecoveryResult {
    NoInterruptedSave,
    KeptAsIs,          // the operator chose not to restore: the value is removed
    Restored,          // the value is removed
    RestoreFailed,     // the operator was told; the value stays for the next start
    BackupUnreadable,  // the operator was told once; the value is removed
};

// The whole recovery at start, asking and telling the operator. On Restored the program
// loads its configuration afresh.
RecoveryResult RecoverInterruptedSave(ConfigurationSaver& saver, MessageBoxPort& boxes,
                                      WindowHandle owner, const RecoveryTexts& texts,
                                      const SaveTexts& saveTexts);

}  // namespace core
