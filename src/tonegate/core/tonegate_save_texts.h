// Tonegate's texts about saving and the recovery of an interrupted save.
#pragma once

#include "shared/save_texts.h"

namespace tonegate {

core::SaveTexts TonegateSaveTexts();
core::RecoveryTexts TonegateRecoveryTexts();

}  // namespace tonegate
