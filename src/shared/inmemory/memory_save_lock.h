// An in-memory SaveLockPort for tests: can be held by "another program".
#pragma once

#include "../save_lock.h"

namespace core {

class MemorySaveLock : public SaveLockPort {
  public:
    bool Lock() override {
        if (heldElsewhere || held) {
            return false;
        }
        held = true;
        ++locks;
        return true;
    }
    void Unlock() override { held = false; }

    bool heldElsewhere = false;  // another program is saving
    bool held = false;
    int locks = 0;
};

}  // namespace core
