// The lock both programs take around every save, so that Cuebell and Tonegate never
// rewrite a playout table at the same time.
#pragma once

namespace core {

class SaveLockPort {
  public:
    virtual ~SaveLockPort() = default;
    // Waits a little for another program's save to end; false when it does not.
    virtual bool Lock() = 0;
    virtual void Unlock() = 0;
};

// Holds the lock for a scope.
class ScopedSaveLock {
  public:
    explicit ScopedSaveLock(SaveLockPort& lock) : lock_(lock), held_(lock.Lock()) {}
    ~ScopedSaveLock() {
        if (held_) {
            lock_.Unlock();
        }
    }
    ScopedSaveLock(const ScopedSaveLock&) = delete;
    ScopedSaveLock& operator=(const ScopedSaveLock&) = delete;
    bool Held() const { return held_; }

  private:
    SaveLockPort& lock_;
    bool held_;
};

}  // namespace core
