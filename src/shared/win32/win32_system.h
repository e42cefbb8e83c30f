// The system port over Win32: window lookup, module path, file attributes, GUIDs,
// the work area and version resources.
#pragma once

#include "shared/system_port.h"

namespace win32 {

class Win32System : public core::SystemPort {
  public:
    bool IsWindowClassPresent(const std::wstring& className) override;
    std::wstring ModulePath(size_t bufferChars) override;
    bool PathExists(const std::wstring& path) override;
    bool NewGuid(std::array<uint8_t, 16>* guid) override;
    core::Rect WorkArea() override;
    bool GetFileVersion(const std::wstring& path, core::FileVersion* version) override;
    bool OpenFolder(const std::wstring& path) override;
    bool IsWindows64() override;
};

}  // namespace win32
