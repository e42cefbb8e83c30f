// The registry contract on the in-memory twin.
#include "contract/registry_contract.h"
#include "shared/inmemory/memory_registry.h"

namespace contract {
namespace {

class MemoryBackend : public RegistryBackend {
  public:
    core::RegistryPort& Registry() override { return registry_; }
    std::wstring ScratchPath() const override { return L"Software\\ContractTest\\Case"; }
    // Each case gets a fresh registry, so there is nothing to remove; the twin must
    // not leak handles, though.
    void CleanUp() override { EXPECT_EQ(registry_.OpenHandleCount(), 0); }

  private:
    core::MemoryRegistry registry_;
};

std::unique_ptr<RegistryBackend> MakeMemoryBackend() {
    return std::make_unique<MemoryBackend>();
}

const RegistryBackendParam kMemory{"Memory", &MakeMemoryBackend};

INSTANTIATE_TEST_SUITE_P(Memory, RegistryContractTest, ::testing::Values(kMemory), BackendName);
INSTANTIATE_TEST_SUITE_P(Memory, RegValuesContractTest, ::testing::Values(kMemory), BackendName);

}  // namespace
}  // namespace contract
