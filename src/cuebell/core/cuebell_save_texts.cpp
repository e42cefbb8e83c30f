#include "cuebell/core/cuebell_save_texts.h"

#include "cuebell/model/cuebell_strings.h"

namespace cuebell {

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

core::SaveTexts CuebellSaveTexts() {
    return core::LoadSaveTexts(CuebellStrings(), kIds);
}

core::RecoveryTexts CuebellRecoveryTexts() {
    return core::LoadRecoveryTexts(CuebellStrings(), kIds);
}

}  // namespace cuebell
