// The registry port over the Win32 Reg* API. Every key is opened and created with
// KEY_WOW64_32KEY: the detection plug-ins and the playout program are 32-bit and read
// the 32-bit view of HKEY_LOCAL_MACHINE\Software, and the flag keeps a 64-bit build of
// the programs (the one the Windows tests run) in that same view. A 32-bit build sees
// that view anyway.
#pragma once

#include "shared/registry_port.h"

namespace win32 {

class Win32Registry : public core::RegistryPort {
  public:
    long OpenKey(core::RegRoot root, const std::wstring& path, core::RegAccess access,
                 core::RegKey* key) override;
    long CreateKey(core::RegRoot root, const std::wstring& path, core::RegKey* key) override;
    long CloseKey(core::RegKey key) override;
    long QueryValue(core::RegKey key, const std::wstring& name, uint32_t* type,
                    core::Bytes* data) override;
    long SetValue(core::RegKey key, const std::wstring& name, uint32_t type,
                  const core::Bytes& data) override;
    long EnumKey(core::RegKey key, uint32_t index, size_t maxNameChars,
                 std::wstring* name) override;
    long EnumValue(core::RegKey key, uint32_t index, std::wstring* name, uint32_t* type,
                   core::Bytes* data) override;
    long DeleteValue(core::RegKey key, const std::wstring& name) override;
    long DeleteTree(core::RegRoot root, const std::wstring& path) override;
    long FlushKey(core::RegKey key) override;

  private:
    // Reused by every string write: a save sets thousands of values.
    core::Bytes padded_;
};

}  // namespace win32
