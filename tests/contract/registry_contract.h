// The registry contract: one suite that every RegistryPort implementation must pass,
// so that the in-memory twin the native tests use behaves as the real registry does.
// Each backend instantiates RegistryContractTest and RegValuesContractTest with a
// factory of its own, e.g.
//   INSTANTIATE_TEST_SUITE_P(Memory, RegistryContractTest, ::testing::Values(kMemory),
//                            BackendName);
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "shared/registry_port.h"

namespace contract {

class RegistryBackend {
  public:
    virtual ~RegistryBackend() = default;
    virtual core::RegistryPort& Registry() = 0;
    // A path, the same under both roots, that no other case uses and that does not
    // exist yet; every case works below it.
    virtual std::wstring ScratchPath() const = 0;
    // Removes the scratch path with everything below it from both roots.
    virtual void CleanUp() = 0;
};

struct RegistryBackendParam {
    const char* name;
    std::unique_ptr<RegistryBackend> (*make)();
};

// Prints the backend's name in the test names ("Memory", "Win32") and in failures.
std::string BackendName(const ::testing::TestParamInfo<RegistryBackendParam>& info);
inline void PrintTo(const RegistryBackendParam& param, std::ostream* out) {
    *out << param.name;
}

class RegistryContractTest : public ::testing::TestWithParam<RegistryBackendParam> {
  protected:
    void SetUp() override;
    void TearDown() override;

    core::RegistryPort& Registry() { return backend_->Registry(); }
    // The scratch path, or a path below it.
    std::wstring Path(const std::wstring& below = std::wstring()) const;
    // Creates the key and stores the value (fails the case if the registry refuses).
    void Put(core::RegRoot root, const std::wstring& path, const std::wstring& name, uint32_t type,
             const core::Bytes& data);

  private:
    std::unique_ptr<RegistryBackend> backend_;
};

// The text rules of the configuration values (ReadRegString and its companions) on
// the same backends: what a reader accepts depends on the exact bytes the registry
// hands back.
class RegValuesContractTest : public RegistryContractTest {
  protected:
    void TearDown() override;

    // Stores one value named "V" and opens its key for reading, as the loaders do.
    void Store(uint32_t type, const core::Bytes& data);
    void StoreText(const std::wstring& text);
    const core::ScopedRegKey& Key() const { return *key_; }
    // Opens the key as the savers do: for writing, creating it when missing.
    core::ScopedRegKey& WriteKey();
    // The type and bytes stored as "V".
    void Stored(uint32_t* type, core::Bytes* data);

  private:
    std::unique_ptr<core::ScopedRegKey> key_;
    std::unique_ptr<core::ScopedRegKey> writeKey_;
};

}  // namespace contract
