// Tonegate's application object: sets up the common controls and COM for the thread, runs
// the main dialog modally with the Win32 ports, and ends when it closes.
#pragma once

#include <windows.h>

namespace tonegate {

class CTonegateApp {
  public:
    // Returns the program's exit code.
    int Run(HINSTANCE instance);
};

}  // namespace tonegate
