// The WAV chunk reader and the frame reader over arbitrary bytes: nothing may crash, no
// read may start past the end, what they report must fit the file they read, and every
// sample they give is a finite number in [-1, 1].
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "shared/wav_frame_reader.h"
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

void CheckFrames(const core::ByteSource& source, const core::WavParseResult& result) {
    if (core::CheckReadableWav(result) != core::WavRefusal::None) {
        return;
    }
    core::WavFrameReader reader(source, result.info);
    Check(reader.Channels() == 1 || reader.Channels() == 2);
    Check(reader.TotalFrames() * result.info.blockAlign <= source.Size());
    float frames[2 * 7];
    while (size_t n = reader.Read(frames, 7)) {
        Check(n <= 7);
        for (size_t i = 0; i < n * static_cast<size_t>(reader.Channels()); ++i) {
            Check(std::isfinite(frames[i]) && frames[i] >= -1.0f && frames[i] <= 1.0f);
        }
    }
    Check(reader.FramesRead() == reader.TotalFrames());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckedSource source(data, size);
    core::WavParseResult result = core::ParseWav(source);
    CheckFrames(source, result);
    if (result.status != core::WavStatus::Ok) {
        return 0;
    }
    const core::WavInfo& info = result.info;
    Check(size >= 12 + 8 + 16);  // header and a basic format chunk at least
    Check(info.dataBytes <= size);
    Check(info.dataReadable <= size && info.dataOffset + info.dataReadable <= size);
    int32_t streams = core::WavStreamCount(info);
    Check(streams == 0 || streams == 1);
    double seconds = core::WavDurationSeconds(info);
    Check(std::isfinite(seconds));
    Check(info.durationRate == 0 ? seconds < 0 : seconds >= 0);
    return 0;
}
