// The registry contract on the real registry, through Win32Registry. Every case works
// below its own scratch key under HKCU and HKLM (32-bit view) and removes it afterwards.
#include <windows.h>

#include <string>

#include "contract/registry_contract.h"
#include "shared/win32/win32_registry.h"

namespace contract {
namespace {

// Scratch keys live below HKxx\Software\ContractTest.
constexpr wchar_t kSoftware[] = L"Software";
constexpr wchar_t kScratchParent[] = L"ContractTest";

// A name no other case or run uses (Wine reuses process ids from run to run).
std::wstring UniqueScratchName(const wchar_t* stem) {
    static unsigned caseNumber = 0;
    return std::wstring(stem) + std::to_wstring(GetCurrentProcessId()) + L"_" +
           std::to_wstring(GetTickCount()) + L"_" + std::to_wstring(++caseNumber);
}

// Removes Software\ContractTest\<name> with everything below it from both registry views,
// so that a port writing into the wrong view leaves nothing behind; then the parent,
// once no other run is using it.
void DeleteScratch(HKEY root, const std::wstring& name) {
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        HKEY software = nullptr;
        if (RegOpenKeyExW(root, kSoftware, 0, KEY_ALL_ACCESS | view, &software) != ERROR_SUCCESS) {
            continue;
        }
        const std::wstring path = std::wstring(kScratchParent) + L"\\" + name;
        LONG status = RegDeleteTreeW(software, path.c_str());
        EXPECT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << status;
        RegDeleteKeyW(software, kScratchParent);  // fails while other runs' keys are there
        RegCloseKey(software);
    }
}

class Win32Backend : public RegistryBackend {
  public:
    Win32Backend() : name_(UniqueScratchName(L"Case")) {}
    core::RegistryPort& Registry() override { return registry_; }
    std::wstring ScratchPath() const override {
        return std::wstring(kSoftware) + L"\\" + kScratchParent + L"\\" + name_;
    }
    void CleanUp() override {
        DeleteScratch(HKEY_CURRENT_USER, name_);
        DeleteScratch(HKEY_LOCAL_MACHINE, name_);
    }

  private:
    win32::Win32Registry registry_;
    std::wstring name_;
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
// Whatever the bitness of the build, machine keys are those the 32-bit plug-ins read.
TEST(Win32RegistryContractTest, MachineWritesLandInThePluginsView) {
    const std::wstring name = UniqueScratchName(L"View");
    const std::wstring path = std::wstring(kSoftware) + L"\\" + kScratchParent + L"\\" + name;
    const REGSAM ownView = KEY_WOW64_32KEY;
    const REGSAM otherView = KEY_WOW64_64KEY;

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
    DeleteScratch(HKEY_LOCAL_MACHINE, name);
}

}  // namespace
}  // namespace contract
