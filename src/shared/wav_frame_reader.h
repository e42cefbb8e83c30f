// Reads the audio of a WAV file as float frames in slices of the caller's size, so that
// memory stays the same for a file of a minute and one of hours. Accepts PCM of 8
// (unsigned), 16, 24 and 32 bits, IEEE float of 32 and 64 bits (a sample that is not a
// finite number reads as 0), A-law and mu-law, plain or extensible; of more than two
// channels the first two are read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "wav_info.h"

namespace core {

constexpr uint32_t kWavLowestRate = 8000;
constexpr uint32_t kWavHighestRate = 192000;

// Why a file cannot be read, in the order the checks run.
enum class WavRefusal {
    None,
    NotWav,      // no RIFF/WAVE header
    Rf64,        // RF64's 64-bit header
    Truncated,   // the file ends inside its header
    NoFormat,    // no usable format chunk
    NoData,      // no data chunk, or not one whole frame in it
    DataCut,     // the file ends before the data chunk does
    Encoding,    // a format tag other than PCM, float, A-law and mu-law
    SubFormat,   // an extensible chunk without its extension or with a foreign GUID
    SampleSize,  // bits per sample the encoding does not come in
    ValidBits,   // extensible valid bits of 0 or more than the sample holds
    Channels,    // no channel
    SampleRate,  // outside kWavLowestRate to kWavHighestRate
    BlockAlign,  // a frame size other than channels times the sample size
};

WavRefusal CheckReadableWav(const WavParseResult& parsed);

class WavFrameReader {
  public:
    // The source must outlive the reader; the info must pass CheckReadableWav.
    WavFrameReader(const ByteSource& source, const WavInfo& info);

    int Channels() const { return outChannels_; }  // 1 or 2
    uint32_t SampleRate() const { return rate_; }
    uint64_t TotalFrames() const { return totalFrames_; }
    uint64_t FramesRead() const { return framesRead_; }
    // The source gave fewer bytes than it holds: reading stopped there.
    bool ReadFailed() const { return readFailed_; }

    // Fills up to maxFrames frames of Channels() interleaved samples in [-1, 1]; returns
    // how many, 0 at the end of the audio or after a failed read.
    size_t Read(float* frames, size_t maxFrames);

  private:
    enum class Encoding { UnsignedPcm, Pcm, Float, ALaw, MuLaw };
    float Sample(const uint8_t* p) const;

    const ByteSource& source_;
    Encoding encoding_ = Encoding::Pcm;
    int bytesPerSample_ = 2;
    int outChannels_ = 1;
    uint32_t rate_ = 0;
    size_t blockAlign_ = 0;
    uint64_t dataOffset_ = 0;
    uint64_t totalFrames_ = 0;
    uint64_t framesRead_ = 0;
    bool readFailed_ = false;
    std::vector<uint8_t> buffer_;
};

}  // namespace core
