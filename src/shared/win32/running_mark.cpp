#include "running_mark.h"

#include <windows.h>

namespace win32 {

void MarkRunning(const wchar_t* mutexName) {
    ::CreateMutexW(nullptr, FALSE, mutexName);
}

}  // namespace win32
