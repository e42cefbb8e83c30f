#include "wav_info.h"

#include <algorithm>
#include <cstring>

namespace core {

namespace {

// A file of nothing but empty chunks must not keep the reader busy for long.
constexpr int kMaxChunksVisited = 10000;
constexpr uint32_t kBasicFormatBytes = 16;
constexpr uint32_t kExtensibleFormatBytes = 40;
constexpr size_t kExtensionSizeOffset = 16;
constexpr size_t kValidBitsOffset = 18;
constexpr size_t kExtensibleSubFormatOffset = 24;
constexpr uint16_t kExtensionBytes = 22;
// The standard sub-format GUID after its leading 32-bit tag field:
// {xxxxxxxx-0000-0010-8000-00AA00389B71} as stored.
constexpr uint8_t kSubFormatBase[12] = {0x00, 0x00, 0x10, 0x00, 0x80, 0x00,
                                        0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
constexpr uint32_t kOpenSizeZero = 0;
constexpr uint32_t kOpenSizeAllOnes = 0xFFFFFFFFu;

uint16_t ReadU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool IsId(const uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

bool IsFrameCountable(uint16_t tag) {
    return tag == kWaveFormatPcm || tag == kWaveFormatIeeeFloat || tag == kWaveFormatALaw ||
           tag == kWaveFormatMuLaw;
}

void ReadFormatFields(const uint8_t* body, size_t size, WavInfo* info) {
    info->formatTag = ReadU16(body);
    info->channels = ReadU16(body + 2);
    info->sampleRate = ReadU32(body + 4);
    info->byteRate = ReadU32(body + 8);
    info->blockAlign = ReadU16(body + 12);
    info->bitsPerSample = ReadU16(body + 14);
    info->effectiveTag = info->formatTag;
    if (info->formatTag == kWaveFormatExtensible && size >= kExtensibleFormatBytes) {
        const uint8_t* guid = body + kExtensibleSubFormatOffset;
        info->extensionComplete = ReadU16(body + kExtensionSizeOffset) >= kExtensionBytes;
        info->validBits = ReadU16(body + kValidBitsOffset);
        info->subFormatStandard =
            ReadU16(guid + 2) == 0 && std::memcmp(guid + 4, kSubFormatBase, 12) == 0;
        // The sub-format GUID starts with the tag of the format it stands for.
        info->effectiveTag = ReadU16(guid);
    }
}

void ChooseDurationBasis(WavInfo* info) {
    if (IsFrameCountable(info->effectiveTag) && info->blockAlign > 0 && info->sampleRate > 0) {
        info->unit = DurationUnit::Frames;
        info->durationRate = info->sampleRate;
        info->durationCount = info->dataBytes / info->blockAlign;
    } else if (!IsFrameCountable(info->effectiveTag) && info->hasFact && info->sampleRate > 0) {
        info->unit = DurationUnit::Frames;
        info->durationRate = info->sampleRate;
        info->durationCount = info->factFrames;
    } else {
        info->unit = DurationUnit::Bytes;
        info->durationRate = info->byteRate;
        info->durationCount = info->dataBytes;
    }
}

}  // namespace

WavParseResult ParseWav(const ByteSource& source) {
    WavParseResult result;
    const uint64_t size = source.Size();

    uint8_t header[12] = {};
    size_t got = source.ReadAt(0, header, sizeof header);
    // Compare what is there; a file that stops inside a matching header is truncated.
    static const char kRiff[] = "RIFF";
    static const char kWave[] = "WAVE";
    if (got < 4 ? (got == 0 || std::memcmp(header, kRiff, got) != 0) : !IsId(header, kRiff)) {
        result.status = WavStatus::NotRiffWave;
        result.rf64 = got >= 4 && IsId(header, "RF64");
        return result;
    }
    if (got > 8 && std::memcmp(header + 8, kWave, got - 8) != 0) {
        result.status = WavStatus::NotRiffWave;
        return result;
    }
    if (got < sizeof header) {
        result.status = WavStatus::Truncated;
        return result;
    }

    WavInfo& info = result.info;
    bool hasFormat = false;
    bool formatTooShort = false;
    bool formatCut = false;
    int chunksSeen = 0;
    uint64_t pos = sizeof header;
    while (chunksSeen < kMaxChunksVisited && size - pos >= 8) {
        uint8_t chunk[8];
        if (source.ReadAt(pos, chunk, sizeof chunk) != sizeof chunk) {
            break;
        }
        ++chunksSeen;
        const uint32_t chunkSize = ReadU32(chunk + 4);
        const uint64_t bodyStart = pos + 8;
        const uint64_t available = size - bodyStart;

        if (IsId(chunk, "fmt ") && !hasFormat) {
            if (chunkSize < kBasicFormatBytes) {
                formatTooShort = true;
            } else if (available < kBasicFormatBytes) {
                formatCut = true;
            } else {
                uint8_t body[kExtensibleFormatBytes] = {};
                size_t want = static_cast<size_t>(
                    std::min<uint64_t>({chunkSize, kExtensibleFormatBytes, available}));
                size_t read = source.ReadAt(bodyStart, body, want);
                if (read < kBasicFormatBytes) {
                    formatCut = true;
                } else {
                    ReadFormatFields(body, read, &info);
                    hasFormat = true;
                }
            }
        } else if (IsId(chunk, "data") && !info.hasData) {
            info.hasData = true;
            info.dataOffset = bodyStart;
            info.dataBytes = static_cast<uint32_t>(std::min<uint64_t>(chunkSize, available));
            info.dataReadable = info.dataBytes;
            info.dataCut = chunkSize > available;
            if (chunkSize == kOpenSizeZero || chunkSize == kOpenSizeAllOnes) {
                info.dataSizeOpen = true;
                info.dataCut = false;
                info.dataReadable =
                    static_cast<uint32_t>(std::min<uint64_t>(available, kOpenSizeAllOnes));
                pos = size;
                break;  // no chunk header can be told from the audio that follows
            }
        } else if (IsId(chunk, "fact") && !info.hasFact && chunkSize >= 4 && available >= 4) {
            uint8_t frames[4];
            if (source.ReadAt(bodyStart, frames, sizeof frames) == sizeof frames) {
                info.hasFact = true;
                info.factFrames = ReadU32(frames);
            }
        }

        if (hasFormat && info.hasData && (info.hasFact || IsFrameCountable(info.effectiveTag))) {
            break;  // everything the length needs is known
        }
        // Chunks are padded to an even size. 64-bit arithmetic cannot overflow here.
        pos = bodyStart + chunkSize + (chunkSize & 1u);
        if (pos >= size) {
            break;
        }
    }

    if (!hasFormat) {
        // Complete chunks without a usable format chunk are a malformed file; a file
        // that stops before or inside its chunks was cut short.
        const bool endedInsideChunk = pos != size && chunksSeen < kMaxChunksVisited;
        const bool cutShort = formatCut || chunksSeen == 0 || endedInsideChunk;
        result.status =
            (cutShort && !formatTooShort) ? WavStatus::Truncated : WavStatus::MissingFormat;
        return result;
    }
    ChooseDurationBasis(&info);
    result.status = WavStatus::Ok;
    return result;
}

int32_t WavStreamCount(const WavInfo& info) {
    return info.hasData && info.dataBytes > 0 ? 1 : 0;
}

double WavDurationSeconds(const WavInfo& info) {
    if (info.durationRate == 0) {
        return -1.0;
    }
    return static_cast<double>(info.durationCount) / static_cast<double>(info.durationRate);
}

}  // namespace core
