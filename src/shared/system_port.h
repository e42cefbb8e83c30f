// What the programs ask of the system besides the registry and the boards.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace core {

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct FileVersion {
    uint16_t major = 0, minor = 0, build = 0, revision = 0;
};

class SystemPort {
  public:
    virtual ~SystemPort() = default;
    // A top-level window of this class exists (any title).
    virtual bool IsWindowClassPresent(const std::wstring& className) = 0;
    // The program file's full path as read into a buffer of bufferChars UTF-16 units;
    // empty when it cannot be obtained or does not fit.
    virtual std::wstring ModulePath(size_t bufferChars) = 0;
    virtual bool PathExists(const std::wstring& path) = 0;
    // A new GUID's 16 bytes in memory order; false when generation fails.
    virtual bool NewGuid(std::array<uint8_t, 16>* guid) = 0;
    // The desktop area without task bars.
    virtual Rect WorkArea() = 0;
    // The fixed file version of the file; false when it has no version resource.
    virtual bool GetFileVersion(const std::wstring& path, FileVersion* version) = 0;
    // Shows the folder in the file manager ("Open folder"); false when it cannot.
    virtual bool OpenFolder(const std::wstring& path) = 0;
    // Windows is 64-bit: regedit shows the plug-ins' view of HKEY_LOCAL_MACHINE\SOFTWARE
    // under "WOW6432Node".
    virtual bool IsWindows64() = 0;
};

// A window whose placement is kept in the tool settings.
class PlacedWindow {
  public:
    virtual ~PlacedWindow() = default;
    virtual Rect GetWindowRect() = 0;
    virtual void MoveWindow(const Rect& rect) = 0;  // with repainting
};

}  // namespace core
