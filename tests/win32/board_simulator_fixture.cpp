#include "board_simulator_fixture.h"

#include <vector>

namespace simtest {

namespace {

constexpr wchar_t kConfigKey[] = L"Software\\CX840 Simulator";

void SetText(HKEY key, const wchar_t* name, const std::wstring& text) {
    DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    ASSERT_EQ(
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes),
        ERROR_SUCCESS);
}

}  // namespace

std::wstring ProgramFolder() {
    std::vector<wchar_t> path(32768, L'\0');
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring folder(path.data(), length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

HRESULT CallSimulatorExport(const char* name) {
    HMODULE dll = LoadLibraryW((ProgramFolder() + L"cx840sim.dll").c_str());
    if (!dll) {
        return HRESULT_FROM_WIN32(GetLastError());
    }
    using Export = HRESULT(STDAPICALLTYPE*)();
    auto function = reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
    HRESULT result = function ? function() : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    FreeLibrary(dll);
    return result;
}

void WriteSimulatorConfig(const std::optional<std::wstring>& boards,
                          const std::optional<std::wstring>& fail) {
    RemoveSimulatorConfig();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kConfigKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (boards) {
        SetText(key, L"Boards", *boards);
    }
    if (fail) {
        SetText(key, L"Fail", *fail);
    }
    RegCloseKey(key);
}

void RemoveSimulatorConfig() {
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kConfigKey, KEY_WOW64_32KEY, 0);
}

std::wstring TestWavFolder() {
    wchar_t folder[4096] = {};
    DWORD length = GetEnvironmentVariableW(L"CX840_TEST_WAVS", folder, 4096);
    if (length == 0 || length >= 4096) {
        return std::wstring();
    }
    std::wstring text(folder, length);
    if (text.back() != L'\\' && text.back() != L'/') {
        text += L'\\';
    }
    return text;
}

HRESULT BoardSimulatorFixture::registration_ = E_FAIL;

void BoardSimulatorFixture::SetUpTestSuite() {
    registration_ = CallSimulatorExport("DllRegisterServer");
}

void BoardSimulatorFixture::SetUp() {
    ASSERT_EQ(registration_, S_OK) << "cx840sim.dll beside the test program did not register";
    // Flags 0, as the programs do. A thread another test left in a single-threaded
    // apartment keeps it; the simulator's objects live in either.
    HRESULT com = CoInitializeEx(nullptr, 0);
    ASSERT_TRUE(SUCCEEDED(com) || com == RPC_E_CHANGED_MODE) << std::hex << com;
    comInitialised_ = SUCCEEDED(com);
    RemoveSimulatorConfig();
}

void BoardSimulatorFixture::TearDown() {
    RemoveSimulatorConfig();
    if (comInitialised_) {
        CoUninitialize();
    }
}

}  // namespace simtest
