// Tonegate.exe: the cue-tone detection configuration program.
#include <windows.h>

#include "tonegate/ui/win32/tonegate_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tonegate::CTonegateApp app;
    return app.Run(instance);
}
