// The WAV chunk reader over arbitrary bytes: nothing may crash, no read may start past
// the end, and what it reports must fit the file it read.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "shared/wav_info.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Refuses reads that start beyond the end, which the reader never needs.
class CheckedSource : public core::ByteSource {
  public:
    CheckedSource(const uint8_t* data, size_t size)
        : inner_(std::vector<uint8_t>(data, data + size)) {}
    uint64_t Size() const override { return inner_.Size(); }
    size_t ReadAt(uint64_t offset, void* buffer, size_t count) const override {
        Check(offset <= inner_.Size());
        return inner_.ReadAt(offset, buffer, count);
    }

  private:
    core::MemoryByteSource inner_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckedSource source(data, size);
    core::WavParseResult result = core::ParseWav(source);
    if (result.status != core::WavStatus::Ok) {
        return 0;
    }
    const core::WavInfo& info = result.info;
    Check(size >= 12 + 8 + 16);  // header and a basic format chunk at least
    Check(info.dataBytes <= size);
    int32_t streams = core::WavStreamCount(info);
    Check(streams == 0 || streams == 1);
    double seconds = core::WavDurationSeconds(info);
    Check(std::isfinite(seconds));
    Check(info.durationRate == 0 ? seconds < 0 : seconds >= 0);
    return 0;
}
