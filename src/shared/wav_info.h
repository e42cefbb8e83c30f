// Reads what the board simulator's audio-file component reports about a WAV file: its
// format and the two numbers whose quotient is the play length. Only chunk headers and
// the format and fact chunks are read, through a ByteSource, so a file of any size costs
// a few small reads and nothing is ever read past the end of the source.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace core {

// Random-access bytes of a file (or of a buffer in tests).
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

enum class WavStatus {
    Ok,
    NotRiffWave,    // no "RIFF" ... "WAVE" header
    Truncated,      // the file ends inside the header or inside the format chunk
    MissingFormat,  // no format chunk, or one too short to hold the basic fields
};

// Format tags the parser treats specially.
constexpr uint16_t kWaveFormatPcm = 0x0001;
constexpr uint16_t kWaveFormatIeeeFloat = 0x0003;
constexpr uint16_t kWaveFormatALaw = 0x0006;
constexpr uint16_t kWaveFormatMuLaw = 0x0007;
constexpr uint16_t kWaveFormatExtensible = 0xFFFE;

// How the play length is counted: sample frames at the sample rate, or data bytes at
// the byte rate (for a compressed format without a fact chunk).
enum class DurationUnit { Frames, Bytes };

struct WavInfo {
    uint16_t formatTag = 0;     // as stored in the format chunk
    uint16_t effectiveTag = 0;  // the sub-format's tag for an extensible file
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    bool hasData = false;     // a data chunk was found
    uint32_t dataBytes = 0;   // its size, clipped to the bytes the file really holds
    bool hasFact = false;     // a fact chunk of at least 4 bytes was found
    uint32_t factFrames = 0;  // its sample-frame count
    DurationUnit unit = DurationUnit::Frames;
    uint32_t durationRate = 0;   // frames or bytes per second; 0 when unknown
    uint32_t durationCount = 0;  // frames or bytes in the data
};

struct WavParseResult {
    WavStatus status = WavStatus::NotRiffWave;
    WavInfo info;
};

// Parses a RIFF/WAVE source. Chunks may come in any order; odd-sized chunks are
// followed by a pad byte; a data chunk that claims more bytes than the file holds is
// counted as far as the file goes. The RIFF size field is ignored (streaming writers
// leave it wrong), the chunks are followed to the end of the source.
WavParseResult ParseWav(const ByteSource& source);

// Number of audio streams the file holds: 1 when it has audio data, else 0.
int32_t WavStreamCount(const WavInfo& info);

// Play length in seconds, or a negative value when it cannot be known (a zero rate).
double WavDurationSeconds(const WavInfo& info);

}  // namespace core
