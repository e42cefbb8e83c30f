// The save lock and the single-instance start over real named mutexes: another thread
// stands for the other program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "shared/win32/save_lock.h"
#include "shared/win32/single_instance.h"

namespace {

std::wstring UniqueName(const wchar_t* what) {
    return L"Local\\Quorvane.DetectionTools.Test." + std::wstring(what) + L"." +
           std::to_wstring(::GetCurrentProcessId());
}

bool LockedFromAnotherThread(const std::wstring& name) {
    bool locked = false;
    std::thread other([&] {
        win32::MutexSaveLock lock(name.c_str(), 50);
        locked = lock.Lock();
        if (locked) {
            lock.Unlock();
        }
    });
    other.join();
    return locked;
}

TEST(SaveLockTest, OneSaveAtATime) {
    const std::wstring name = UniqueName(L"Save");
    win32::MutexSaveLock lock(name.c_str(), 50);
    ASSERT_TRUE(lock.Lock());
    EXPECT_FALSE(LockedFromAnotherThread(name));
    lock.Unlock();
    EXPECT_TRUE(LockedFromAnotherThread(name));
}

TEST(SingleInstanceTest, ASecondStartEnds) {
    const std::wstring name = UniqueName(L"Running");
    EXPECT_TRUE(win32::StartSingleInstance(name.c_str(), L"No such window"));
    EXPECT_FALSE(win32::StartSingleInstance(name.c_str(), L"No such window"));
}

}  // namespace
