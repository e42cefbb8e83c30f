// Random-access bytes of a file (or of a buffer in tests): what the WAV reader reads
// through, so that the same reader serves the programs, the board simulator and the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace core {

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Copies up to `count` bytes from `offset`; returns how many were copied (fewer at
    // the end of the source or on a read error).
    virtual size_t ReadAt(uint64_t offset, void* buffer, size_t count) const = 0;
};

class MemoryByteSource : public ByteSource {
  public:
    explicit MemoryByteSource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    uint64_t Size() const override { return bytes_.size(); }
    size_t ReadAt(uint64_t offset, void* buffer, size_t count) const override;

  private:
    std::vector<uint8_t> bytes_;
};

}  // namespace core
