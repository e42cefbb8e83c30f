// The file contract on the real file system, through Win32Files, in a folder of its own
// below the temporary folder.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "contract/file_contract.h"
#include "shared/win32/win32_files.h"

namespace contract {
namespace {

class Win32FileBackend : public FileBackend {
  public:
    Win32FileBackend() {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        static unsigned caseNumber = 0;
        folder_ = std::wstring(temp) + L"FileContract" + std::to_wstring(::GetCurrentProcessId()) +
                  L"_" + std::to_wstring(::GetTickCount()) + L"_" + std::to_wstring(++caseNumber);
        EXPECT_EQ(files_.CreateFolder(folder_), core::kErrorSuccess);
    }
    ~Win32FileBackend() override {
        // SHFileOperation wants a list ending in two nulls.
        std::wstring from = folder_ + std::wstring(2, L'\0');
        SHFILEOPSTRUCTW remove{};
        remove.wFunc = FO_DELETE;
        remove.pFrom = from.c_str();
        remove.fFlags = FOF_NO_UI;
        ::SHFileOperationW(&remove);
    }
    core::FilePort& Files() override { return files_; }
    std::wstring ScratchFolder() const override { return folder_; }

  private:
    win32::Win32Files files_;
    std::wstring folder_;
};

std::unique_ptr<FileBackend> MakeWin32FileBackend() {
    return std::make_unique<Win32FileBackend>();
}

INSTANTIATE_TEST_SUITE_P(Win32, FileContractTest,
                         ::testing::Values(FileBackendParam{"Win32", &MakeWin32FileBackend}),
                         FileBackendName);

}  // namespace
}  // namespace contract
