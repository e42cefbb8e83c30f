#include "wav_frame_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace core {

namespace {

// Bytes read from the source at a time: the reader's whole memory, whatever the length.
constexpr size_t kSliceBytes = 64 * 1024;

bool IsReadableTag(uint16_t tag) {
    return tag == kWaveFormatPcm || tag == kWaveFormatIeeeFloat || tag == kWaveFormatALaw ||
           tag == kWaveFormatMuLaw;
}

bool IsSampleSizeOf(uint16_t tag, uint16_t bits) {
    switch (tag) {
        case kWaveFormatPcm:
            return bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case kWaveFormatIeeeFloat:
            return bits == 32 || bits == 64;
        default:
            return bits == 8;  // A-law and mu-law
    }
}

// G.711 expansion to 16-bit linear values.
int16_t ExpandMuLaw(uint8_t code) {
    const int u = ~code & 0xFF;
    const int exponent = (u >> 4) & 0x07;
    const int magnitude = ((((u & 0x0F) << 3) + 0x84) << exponent) - 0x84;
    return static_cast<int16_t>((u & 0x80) != 0 ? -magnitude : magnitude);
}

int16_t ExpandALaw(uint8_t code) {
    const int a = code ^ 0x55;
    const int segment = (a & 0x70) >> 4;
    int magnitude = (a & 0x0F) << 4;
    if (segment == 0) {
        magnitude += 8;
    } else {
        magnitude = (magnitude + 0x108) << (segment - 1);
    }
    return static_cast<int16_t>((a & 0x80) != 0 ? magnitude : -magnitude);
}

using LawTable = std::array<float, 256>;

template <typename Expand>
LawTable MakeLawTable(Expand expand) {
    LawTable table{};
    for (size_t code = 0; code < table.size(); ++code) {
        table[code] = static_cast<float>(expand(static_cast<uint8_t>(code))) / 32768.0f;
    }
    return table;
}

const LawTable& MuLawTable() {
    static const LawTable table = MakeLawTable(ExpandMuLaw);
    return table;
}

const LawTable& ALawTable() {
    static const LawTable table = MakeLawTable(ExpandALaw);
    return table;
}

int32_t SignedLittleEndian(const uint8_t* p, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<uint32_t>(p[i]) << (8 * i);
    }
    // Moved to the top of 32 bits, so that the sign comes along.
    return static_cast<int32_t>(value << (8 * (4 - bytes)));
}

float FiniteInRange(double value) {
    return std::isfinite(value) ? static_cast<float>(std::clamp(value, -1.0, 1.0)) : 0.0f;
}

}  // namespace

WavRefusal CheckReadableWav(const WavParseResult& parsed) {
    switch (parsed.status) {
        case WavStatus::NotRiffWave:
            return parsed.rf64 ? WavRefusal::Rf64 : WavRefusal::NotWav;
        case WavStatus::Truncated:
            return WavRefusal::Truncated;
        case WavStatus::MissingFormat:
            return WavRefusal::NoFormat;
        case WavStatus::Ok:
            break;
    }
    const WavInfo& info = parsed.info;
    const bool extensible = info.formatTag == kWaveFormatExtensible;
    if (extensible && (!info.extensionComplete || !info.subFormatStandard)) {
        return WavRefusal::SubFormat;
    }
    if (!IsReadableTag(info.effectiveTag)) {
        return WavRefusal::Encoding;
    }
    if (!IsSampleSizeOf(info.effectiveTag, info.bitsPerSample)) {
        return WavRefusal::SampleSize;
    }
    if (extensible && (info.validBits == 0 || info.validBits > info.bitsPerSample)) {
        return WavRefusal::ValidBits;
    }
    if (info.channels == 0) {
        return WavRefusal::Channels;
    }
    if (info.sampleRate < kWavLowestRate || info.sampleRate > kWavHighestRate) {
        return WavRefusal::SampleRate;
    }
    if (info.blockAlign != static_cast<uint32_t>(info.channels) * (info.bitsPerSample / 8)) {
        return WavRefusal::BlockAlign;
    }
    if (!info.hasData || info.dataReadable < info.blockAlign) {
        return WavRefusal::NoData;
    }
    if (info.dataCut) {
        return WavRefusal::DataCut;
    }
    return WavRefusal::None;
}

WavFrameReader::WavFrameReader(const ByteSource& source, const WavInfo& info)
    : source_(source),
      bytesPerSample_(info.bitsPerSample / 8),
      outChannels_(std::min<int>(info.channels, 2)),
      rate_(info.sampleRate),
      blockAlign_(info.blockAlign),
      dataOffset_(info.dataOffset),
      totalFrames_(info.blockAlign > 0 ? info.dataReadable / info.blockAlign : 0) {
    switch (info.effectiveTag) {
        case kWaveFormatIeeeFloat:
            encoding_ = Encoding::Float;
            break;
        case kWaveFormatALaw:
            encoding_ = Encoding::ALaw;
            break;
        case kWaveFormatMuLaw:
            encoding_ = Encoding::MuLaw;
            break;
        default:
            encoding_ = bytesPerSample_ == 1 ? Encoding::UnsignedPcm : Encoding::Pcm;
            break;
    }
    // At least one frame fits, however wide the frames are.
    buffer_.resize(std::max(kSliceBytes, blockAlign_));
}

float WavFrameReader::Sample(const uint8_t* p) const {
    switch (encoding_) {
        case Encoding::UnsignedPcm:
            return (static_cast<float>(p[0]) - 128.0f) / 128.0f;
        case Encoding::Pcm:
            return static_cast<float>(SignedLittleEndian(p, bytesPerSample_) / 2147483648.0);
        case Encoding::ALaw:
            return ALawTable()[p[0]];
        case Encoding::MuLaw:
            return MuLawTable()[p[0]];
        case Encoding::Float:
            break;
    }
    if (bytesPerSample_ == 4) {
        float value;
        std::memcpy(&value, p, sizeof value);  // the file is little-endian, as are the targets
        return FiniteInRange(value);
    }
    double value;
    std::memcpy(&value, p, sizeof value);
    return FiniteInRange(value);
}

size_t WavFrameReader::Read(float* frames, size_t maxFrames) {
    size_t done = 0;
    const size_t framesPerSlice = buffer_.size() / blockAlign_;
    while (done < maxFrames && framesRead_ < totalFrames_ && !readFailed_) {
        const size_t want = static_cast<size_t>(
            std::min<uint64_t>({maxFrames - done, framesPerSlice, totalFrames_ - framesRead_}));
        const size_t bytes = want * blockAlign_;
        if (source_.ReadAt(dataOffset_ + framesRead_ * blockAlign_, buffer_.data(), bytes) !=
            bytes) {
            readFailed_ = true;
            break;
        }
        for (size_t frame = 0; frame < want; ++frame) {
            const uint8_t* p = buffer_.data() + frame * blockAlign_;
            for (int channel = 0; channel < outChannels_; ++channel) {
                *frames++ = Sample(p + channel * bytesPerSample_);
            }
        }
        done += want;
        framesRead_ += want;
    }
    return done;
}

}  // namespace core
