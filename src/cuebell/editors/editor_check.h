// Cuebell's editors answer their OK with the shared check result.
#pragma once

#include "cuebell/core/box_message.h"
#include "shared/editor_check.h"

namespace cuebell {

using core::Checked;
using core::Refusal;

}  // namespace cuebell
