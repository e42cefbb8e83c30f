// Tonegate.exe: the cue-tone detection configuration program.
#include <windows.h>

#include "shared/program_mutexes.h"
#include "shared/win32/running_mark.h"
#include "tonegate/ui/win32/tonegate_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // First, so that the setup program never replaces the files of a program that has started.
    win32::MarkRunning(core::kTonegateRunningMutex);
    tonegate::CTonegateApp app;
    return app.Run(instance);
}
