#include "wav_writer.h"

namespace core {

namespace {

constexpr uint16_t kChannels = 2;
constexpr uint16_t kBytesPerSample = 2;
constexpr uint16_t kPcmTag = 1;

void PutU16(Bytes* b, uint32_t v) {
    b->push_back(static_cast<uint8_t>(v));
    b->push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(Bytes* b, uint32_t v) {
    PutU16(b, v & 0xFFFFu);
    PutU16(b, v >> 16);
}

void PutId(Bytes* b, const char* id) {
    b->insert(b->end(), id, id + 4);
}

// Appends a chunk header whose size is filled in by EndChunk.
size_t BeginChunk(Bytes* b, const char* id) {
    PutId(b, id);
    PutU32(b, 0);
    return b->size();
}

void EndChunk(Bytes* b, size_t bodyStart) {
    const uint32_t size = static_cast<uint32_t>(b->size() - bodyStart);
    for (int i = 0; i < 4; ++i) {
        (*b)[bodyStart - 4 + static_cast<size_t>(i)] = static_cast<uint8_t>(size >> (8 * i));
    }
    if (size % 2 == 1) {
        b->push_back(0);  // chunks are padded to an even size; the pad is not counted
    }
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) {
        narrow.push_back(c > 0 && c < 0x80 ? static_cast<char>(c) : '?');
    }
    return narrow;
}

}  // namespace

Bytes BuildStereoWav(uint32_t sampleRate, const std::vector<int16_t>& interleaved,
                     const std::vector<WavCue>& cues) {
    Bytes b;
    b.reserve(interleaved.size() * kBytesPerSample + 256 + cues.size() * 64);
    const size_t riff = BeginChunk(&b, "RIFF");
    PutId(&b, "WAVE");

    const size_t format = BeginChunk(&b, "fmt ");
    PutU16(&b, kPcmTag);
    PutU16(&b, kChannels);
    PutU32(&b, sampleRate);
    PutU32(&b, sampleRate * kChannels * kBytesPerSample);
    PutU16(&b, kChannels * kBytesPerSample);
    PutU16(&b, kBytesPerSample * 8);
    EndChunk(&b, format);

    const size_t data = BeginChunk(&b, "data");
    for (int16_t sample : interleaved) {
        PutU16(&b, static_cast<uint16_t>(sample));
    }
    EndChunk(&b, data);

    const size_t cue = BeginChunk(&b, "cue ");
    PutU32(&b, static_cast<uint32_t>(cues.size()));
    for (size_t i = 0; i < cues.size(); ++i) {
        PutU32(&b, static_cast<uint32_t>(i + 1));  // the cue point's name, as labl names it
        PutU32(&b, cues[i].frame);
        PutId(&b, "data");
        PutU32(&b, 0);  // chunk start: the data chunk is the only one
        PutU32(&b, 0);  // block start: PCM has no blocks
        PutU32(&b, cues[i].frame);
    }
    EndChunk(&b, cue);

    const size_t list = BeginChunk(&b, "LIST");
    PutId(&b, "adtl");
    for (size_t i = 0; i < cues.size(); ++i) {
        const size_t label = BeginChunk(&b, "labl");
        PutU32(&b, static_cast<uint32_t>(i + 1));
        const std::string text = Narrow(cues[i].label);
        b.insert(b.end(), text.begin(), text.end());
        b.push_back(0);
        EndChunk(&b, label);
    }
    EndChunk(&b, list);
    EndChunk(&b, riff);
    return b;
}

long WriteStereoWav(FilePort& files, const std::wstring& path, uint32_t sampleRate,
                    const std::vector<int16_t>& interleaved, const std::vector<WavCue>& cues) {
    return files.WriteWhole(path, BuildStereoWav(sampleRate, interleaved, cues), true);
}

}  // namespace core
