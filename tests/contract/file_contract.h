// The file contract: one suite that every FilePort implementation must pass. Each backend
// instantiates FileContractTest with a factory of its own, as for the registry contract.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "shared/file_port.h"

namespace contract {

class FileBackend {
  public:
    virtual ~FileBackend() = default;
    virtual core::FilePort& Files() = 0;
    // An existing, empty folder that only this case uses; removed with its content by
    // the destructor.
    virtual std::wstring ScratchFolder() const = 0;
};

struct FileBackendParam {
    const char* name;
    std::unique_ptr<FileBackend> (*make)();
};

std::string FileBackendName(const ::testing::TestParamInfo<FileBackendParam>& info);
inline void PrintTo(const FileBackendParam& param, std::ostream* out) {
    *out << param.name;
}

class FileContractTest : public ::testing::TestWithParam<FileBackendParam> {
  protected:
    void SetUp() override { backend_ = GetParam().make(); }
    void TearDown() override { backend_.reset(); }

    core::FilePort& Files() { return backend_->Files(); }
    std::wstring Path(const std::wstring& below) const {
        return backend_->ScratchFolder() + L"\\" + below;
    }

  private:
    std::unique_ptr<FileBackend> backend_;
};

}  // namespace contract
