// The texts of saving and of the recovery at start, from a program's string table.
#pragma once

#include "save_recovery.h"
#include "string_table.h"

namespace core {

struct SaveTextIds {
    int caption, checkFailed, backupFailed, notSaved, rollbackFailed, noBackup, busy;
    int recoverCaption, recoverQuestion, recoverUnreadable, recoverCheckFailed;
};

SaveTexts LoadSaveTexts(const StringTable& table, const SaveTextIds& ids);
RecoveryTexts LoadRecoveryTexts(const StringTable& table, const SaveTextIds& ids);

}  // namespace core
