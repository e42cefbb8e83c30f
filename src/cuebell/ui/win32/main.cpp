// Cuebell.exe: the jingle-detection configuration program.
#include <windows.h>

#include "cuebell/ui/win32/cuebell_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    cuebell::CCuebellApp app;
    return app.Run(instance);
}
