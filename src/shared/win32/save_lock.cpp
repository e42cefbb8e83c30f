#include "save_lock.h"

#include <windows.h>

namespace win32 {

MutexSaveLock::MutexSaveLock(const wchar_t* mutexName, unsigned waitMs)
    : mutex_(::CreateMutexW(nullptr, FALSE, mutexName)), waitMs_(waitMs) {
    if (!mutex_) {
        // Made by another account's program: it may still be waited on.
        mutex_ = ::OpenMutexW(SYNCHRONIZE, FALSE, mutexName);
    }
}

MutexSaveLock::~MutexSaveLock() {
    if (mutex_) {
        ::CloseHandle(mutex_);
    }
}

bool MutexSaveLock::Lock() {
    if (!mutex_) {
        return false;
    }
    // An abandoned mutex (the other program ended while saving) is ours now: its save
    // left a "Save in progress" mark of its own, offered at its next start.
    const DWORD result = ::WaitForSingleObject(mutex_, waitMs_);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void MutexSaveLock::Unlock() {
    if (mutex_) {
        ::ReleaseMutex(mutex_);
    }
}

}  // namespace win32
