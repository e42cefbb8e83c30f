// One instance of a program at a time, so that what it read at start is the registry's.
#pragma once

namespace win32 {

// Marks the program as running (as MarkRunning does). False when another instance
// already runs: its main dialog (the top-level dialog captioned windowTitle) is brought to
// the front, and this instance should end.
bool StartSingleInstance(const wchar_t* runningMutex, const wchar_t* windowTitle);

}  // namespace win32
