#include "module.h"

namespace cx840sim {

namespace {

HMODULE g_module = nullptr;
LONG g_liveObjects = 0;
LONG g_locks = 0;

}  // namespace

HMODULE ModuleHandle() {
    return g_module;
}

void ObjectCreated() {
    InterlockedIncrement(&g_liveObjects);
}
void ObjectDestroyed() {
    InterlockedDecrement(&g_liveObjects);
}

void LockModule(bool lock) {
    if (lock) {
        InterlockedIncrement(&g_locks);
    } else {
        InterlockedDecrement(&g_locks);
    }
}

bool CanUnloadModule() {
    return InterlockedCompareExchange(&g_liveObjects, 0, 0) == 0 &&
           InterlockedCompareExchange(&g_locks, 0, 0) == 0;
}

}  // namespace cx840sim

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        cx840sim::g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
