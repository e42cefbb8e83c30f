// The save lock both programs share, as a named mutex (program_mutexes.h).
#pragma once

#include "shared/save_lock.h"

namespace win32 {

class MutexSaveLock : public core::SaveLockPort {
  public:
    // waitMs: how long Lock waits for another program's save to end.
    MutexSaveLock(const wchar_t* mutexName, unsigned waitMs);
    ~MutexSaveLock() override;
    MutexSaveLock(const MutexSaveLock&) = delete;
    MutexSaveLock& operator=(const MutexSaveLock&) = delete;

    bool Lock() override;
    void Unlock() override;

  private:
    void* mutex_;  // a HANDLE; null when the mutex could not be made or opened
    unsigned waitMs_;
};

}  // namespace win32
