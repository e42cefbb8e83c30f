// The file contract on the in-memory twin.
#include "contract/file_contract.h"
#include "shared/inmemory/memory_files.h"

namespace contract {
namespace {

class MemoryFileBackend : public FileBackend {
  public:
    MemoryFileBackend() { files_.CreateFolder(ScratchFolder()); }
    core::FilePort& Files() override { return files_; }
    std::wstring ScratchFolder() const override { return L"C:\\Scratch"; }

  private:
    core::MemoryFiles files_;
};

std::unique_ptr<FileBackend> MakeMemoryFileBackend() {
    return std::make_unique<MemoryFileBackend>();
}

INSTANTIATE_TEST_SUITE_P(Memory, FileContractTest,
                         ::testing::Values(FileBackendParam{"Memory", &MakeMemoryFileBackend}),
                         FileBackendName);

}  // namespace
}  // namespace contract
