#include "tonegate/core/tonegate_save_texts.h"

#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

constexpr core::SaveTextIds kIds{IDS_SAVE_CONFIGURATION_CAPTION,
                                 IDS_SAVE_CHECK_FAILED,
                                 IDS_SAVE_BACKUP_FAILED,
                                 IDS_SAVE_NOT_SAVED,
                                 IDS_SAVE_ROLLBACK_FAILED,
                                 IDS_SAVE_NO_BACKUP,
                                 IDS_SAVE_BUSY,
                                 IDS_RECOVER_CAPTION,
                                 IDS_RECOVER_QUESTION,
                                 IDS_RECOVER_UNREADABLE,
                                 IDS_RECOVER_CHECK_FAILED};

}  // namespace

core::SaveTexts TonegateSaveTexts() {
    return core::LoadSaveTexts(TonegateStrings(), kIds);
}

core::RecoveryTexts TonegateRecoveryTexts() {
    return core::LoadRecoveryTexts(TonegateStrings(), kIds);
}

}  // namespace tonegate
