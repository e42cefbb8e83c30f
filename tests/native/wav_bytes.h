// Builders of WAV files byte by byte for the tests of the WAV reader, writer and the
// test signal: chunks with any declared size, format chunks plain or extensible.
#pragma once

#include <cstdint>
#include <vector>

#include "shared/wav_info.h"

namespace core {
namespace wav_bytes {

using Bytes = std::vector<uint8_t>;

inline void PutU16(Bytes* b, uint32_t v) {
    b->push_back(static_cast<uint8_t>(v));
    b->push_back(static_cast<uint8_t>(v >> 8));
}

inline void PutU32(Bytes* b, uint32_t v) {
    PutU16(b, v & 0xFFFF);
    PutU16(b, v >> 16);
}

inline void PutId(Bytes* b, const char* id) {
    b->insert(b->end(), id, id + 4);
}

// A chunk with its declared size; the body is written as given (it may be shorter or
// longer than declared), followed by a pad byte when the body has an odd length.
inline Bytes Chunk(const char* id, uint32_t declaredSize, const Bytes& body, bool pad = true) {
    Bytes b;
    PutId(&b, id);
    PutU32(&b, declaredSize);
    b.insert(b.end(), body.begin(), body.end());
    if (pad && body.size() % 2 == 1) {
        b.push_back(0);
    }
    return b;
}

inline Bytes Chunk(const char* id, const Bytes& body) {
    return Chunk(id, static_cast<uint32_t>(body.size()), body);
}

inline Bytes FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                        uint16_t blockAlign = 0, uint32_t byteRate = 0) {
    if (blockAlign == 0) {
        blockAlign = static_cast<uint16_t>(channels * ((bits + 7) / 8));
    }
    if (byteRate == 0) {
        byteRate = rate * blockAlign;
    }
    Bytes b;
    PutU16(&b, tag);
    PutU16(&b, channels);
    PutU32(&b, rate);
    PutU32(&b, byteRate);
    PutU16(&b, blockAlign);
    PutU16(&b, bits);
    return b;
}

inline Bytes ExtensibleBody(uint16_t subTag, uint16_t channels, uint32_t rate, uint16_t bits) {
    Bytes b = FormatBody(kWaveFormatExtensible, channels, rate, bits);
    PutU16(&b, 22);    // extra bytes
    PutU16(&b, bits);  // valid bits
    PutU32(&b, 3);     // channel mask
    PutU16(&b, subTag);
    static const uint8_t kGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                          0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    b.insert(b.end(), kGuidTail, kGuidTail + sizeof kGuidTail);
    return b;
}

inline Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes body;
    PutId(&body, "WAVE");
    for (const Bytes& c : chunks) {
        body.insert(body.end(), c.begin(), c.end());
    }
    Bytes b;
    PutId(&b, "RIFF");
    PutU32(&b, static_cast<uint32_t>(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

}  // namespace wav_bytes
}  // namespace core
