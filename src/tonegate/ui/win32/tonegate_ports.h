// The platform ports the main dialog works through: the program passes the Win32
// implementations, the tests may pass their in-memory twins.
#pragma once

#include "shared/board_driver_port.h"
#include "shared/message_box_port.h"
#include "shared/registry_port.h"
#include "shared/system_port.h"

namespace tonegate {

struct TonegatePorts {
    core::RegistryPort& registry;
    core::SystemPort& system;
    core::MessageBoxPort& boxes;
    core::BoardDriverPort& boardDriver;
};

}  // namespace tonegate
