// Reads the simulator's configuration from its registry key, at every creation of a
// component, so a test or a demo can change it between two creations.
#pragma once

#include "config/simulator_config.h"

namespace cx840sim {

// HKEY_LOCAL_MACHINE "Software\CX840 Simulator", always in the 32-bit view (where the
// 32-bit programs and their plug-ins look). A missing key gives the defaults.
constexpr wchar_t kConfigKeyPath[] = L"Software\\CX840 Simulator";

core::SimulatorConfig ReadSimulatorConfig();

}  // namespace cx840sim
