// The platform ports the sample manager and the sample editor work through: the program
// passes the Win32 implementations, the tests may pass their in-memory twins.
#pragma once

#include "shared/board_driver_port.h"
#include "shared/file_dialog_port.h"
#include "shared/message_box_port.h"
#include "shared/system_port.h"

namespace cuebell {

struct SamplePorts {
    core::MessageBoxPort& boxes;
    core::SystemPort& system;
    core::AudioFileInfoPort& audio;
    core::FileDialogPort& files;
};

}  // namespace cuebell
