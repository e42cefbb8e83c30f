#include "shared/save_texts.h"

namespace core {

SaveTexts LoadSaveTexts(const StringTable& table, const SaveTextIds& ids) {
    return SaveTexts{LoadText(table, ids.caption),
                     LoadText(table, ids.checkFailed),
                     LoadText(table, ids.backupFailed),
                     LoadText(table, ids.notSaved),
                     LoadText(table, ids.rollbackFailed),
                     LoadText(table, ids.noBackup),
                     LoadText(table, ids.busy)};
}

RecoveryTexts LoadRecoveryTexts(const StringTable& table, const SaveTextIds& ids) {
    return RecoveryTexts{LoadText(table, ids.recoverCaption), LoadText(table, ids.recoverQuestion),
                         LoadText(table, ids.recoverUnreadable),
                         LoadText(table, ids.recoverCheckFailed)};
}

}  // namespace core
