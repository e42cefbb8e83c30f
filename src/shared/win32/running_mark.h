// How a program tells the setup program that it runs: a named mutex (program_mutexes.h),
// held until the process ends.
#pragma once

namespace win32 {

// Makes the mutex and leaves its handle open: the system closes it with the process, so
// the mark lasts as long as the program's files are in use. When it cannot be made
// (another account's program holds the name), that program's mark says the same.
void MarkRunning(const wchar_t* mutexName);

}  // namespace win32
