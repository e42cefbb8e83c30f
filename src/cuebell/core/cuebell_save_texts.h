// Cuebell's texts about saving and the recovery of an interrupted save.
#pragma once

#include "shared/save_texts.h"

namespace cuebell {

core::SaveTexts CuebellSaveTexts();
core::RecoveryTexts CuebellRecoveryTexts();

}  // namespace cuebell
