// The registry contract on the real registry, through Win32Registry. Every case works
// below its own scratch key under HKCU and HKLM (32-bit view) and removes it afterwards.
#include <windows.h>

#include <string>

#include "contract/registry_contract.h"
#include "shared/win32/win32_registry.h"

namespace contract {
namespace {

constexpr wchar_t kScratchParent[] = L"Software\\ContractTest";

class Win32Backend : public RegistryBackend {
  public:
    Win32Backend() {
        static unsigned caseNumber = 0;
        scratch_ = std::wstring(kScratchParent) + L"\\" + std::to_wstring(GetCurrentProcessId()) +
                   L"_" + std::to_wstring(GetTickCount()) + L"_" + std::to_wstring(++caseNumber);
    }
    core::RegistryPort& Registry() override { return registry_; }
    std::wstring ScratchPath() const override { return scratch_; }
    void CleanUp() override {
        for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            LONG status = RegDeleteTreeW(root, scratch_.c_str());
            EXPECT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << status;
            RegDeleteKeyW(root, scratch_.c_str());
            // Removes the parent too once no other run is using it (fails while it has subkeys).
            RegDeleteKeyW(root, kScratchParent);
        }
    }

  private:
    win32::Win32Registry registry_;
    std::wstring scratch_;
};

std::unique_ptr<RegistryBackend> MakeWin32Backend() {
    return std::make_unique<Win32Backend>();
}

const RegistryBackendParam kWin32{"Win32", &MakeWin32Backend};

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContractTest, ::testing::Values(kWin32), BackendName);
INSTANTIATE_TEST_SUITE_P(Win32, RegValuesContractTest, ::testing::Values(kWin32), BackendName);

// The port passes no view flag, so HKLM\Software writes land in the process's own view:
// for the 32-bit programs the 32-bit view the plug-ins read (Software\Wow6432Node to a
// 64-bit tool), for a 64-bit build of the tests the 64-bit one.
TEST(Win32RegistryContractTest, MachineWritesLandInTheProcesssOwnView) {
    const std::wstring path =
        std::wstring(kScratchParent) + L"\\View" + std::to_wstring(GetCurrentProcessId());
    const REGSAM ownView = sizeof(void*) == 4 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
    const REGSAM otherView = sizeof(void*) == 4 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;

    win32::Win32Registry registry;
    core::RegKey key = core::kNoKey;
    ASSERT_EQ(registry.CreateKey(core::RegRoot::LocalMachine, path, &key), core::kErrorSuccess);
    EXPECT_EQ(registry.SetValue(key, L"Probe", core::kRegDword, core::Bytes{1, 0, 0, 0}),
              core::kErrorSuccess);
    registry.CloseKey(key);

    HKEY opened = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | ownView, &opened),
              ERROR_SUCCESS);
    if (opened != nullptr) {
        RegCloseKey(opened);
    }
    EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | otherView, &opened),
              ERROR_FILE_NOT_FOUND);

    EXPECT_EQ(RegDeleteTreeW(HKEY_LOCAL_MACHINE, path.c_str()), ERROR_SUCCESS);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, path.c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kScratchParent);
}

}  // namespace
}  // namespace contract
