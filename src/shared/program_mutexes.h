// The named mutexes of Cuebell and Tonegate, one family for every such name:
// "Global\Quorvane.DetectionTools." then the program (or what the programs share) and what
// the mutex stands for.
//
// Global, not Local: a Local name lives in one logon session's namespace. The setup
// program runs elevated and may well run in another session than the programs (an engineer
// installing over Remote Desktop, or from a second logon, while the operator's session has
// Cuebell open); it would not see their Local names, yet their files are the same and
// locked. Making a Global mutex needs no privilege (only file mappings do). A mutex another
// account made may deny access to it, which still tells that it exists.
//
// The setup program takes these names from this file (installer/CMakeLists.txt reads the
// text between the quotes after each constant's name).
#pragma once

namespace core {

// Held by each program from its start to its end: the setup program installs or removes
// nothing while one exists.
constexpr const wchar_t* kCuebellRunningMutex = L"Global\\Quorvane.DetectionTools.Cuebell.Running";
constexpr const wchar_t* kTonegateRunningMutex =
    L"Global\\Quorvane.DetectionTools.Tonegate.Running";

// Held by either program around every save, so that the two never rewrite a playout table
// at the same time.
constexpr const wchar_t* kConfigurationSaveMutex =
    L"Global\\Quorvane.DetectionTools.Configuration.Saving";

}  // namespace core
