// Cuebell.exe: the jingle-detection configuration program.
#include <windows.h>

#include "cuebell/ui/win32/cuebell_app.h"
#include "shared/program_mutexes.h"
#include "shared/win32/running_mark.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // First, so that the setup program never replaces the files of a program that has started.
    win32::MarkRunning(core::kCuebellRunningMutex);
    cuebell::CCuebellApp app;
    return app.Run(instance);
}
