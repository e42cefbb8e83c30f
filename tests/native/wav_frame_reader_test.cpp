#include "shared/wav_frame_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "native/wav_bytes.h"

namespace core {
namespace {

using namespace wav_bytes;

// One sample as a file of the format stores it.
void PutSample(Bytes* b, uint16_t tag, uint16_t bits, double value) {
    uint8_t raw[8];
    const float f = static_cast<float>(value);
    if (tag == kWaveFormatIeeeFloat) {
        bits == 32 ? std::memcpy(raw, &f, 4) : std::memcpy(raw, &value, 8);
        b->insert(b->end(), raw, raw + bits / 8);
        return;
    }
    const double scale = std::ldexp(1.0, bits - 1);
    const int64_t n = std::min<int64_t>(std::llround(value * scale), int64_t(scale) - 1);
    for (int i = 0; i < bits / 8; ++i) {  // 8-bit PCM is unsigned
        b->push_back(
            static_cast<uint8_t>(static_cast<uint64_t>(n + (bits == 8 ? 128 : 0)) >> 8 * i));
    }
}

// All frames, read in small slices that cross frame and buffer edges.
std::vector<float> ReadAll(const Bytes& file, int channels) {
    MemoryByteSource source(file);
    WavParseResult parsed = ParseWav(source);
    EXPECT_EQ(CheckReadableWav(parsed), WavRefusal::None);
    WavFrameReader reader(source, parsed.info);
    EXPECT_EQ(reader.Channels(), channels);
    EXPECT_EQ(reader.SampleRate(), parsed.info.sampleRate);
    std::vector<float> all, slice(3 * 2);
    while (size_t n = reader.Read(slice.data(), 3)) {
        all.insert(all.end(), slice.begin(), slice.begin() + n * reader.Channels());
    }
    EXPECT_EQ(reader.FramesRead(), reader.TotalFrames());
    EXPECT_FALSE(reader.ReadFailed());
    return all;
}

// Every format, plain and extensible, on both rate families; of three channels the first
// two are read. G.711 codes read as the linear values the standard gives them.
TEST(WavReaderTest, ReadsEveryFormatAsFloats) {
    struct Case {
        uint16_t tag, bits;
        Bytes codes;
        std::vector<int> linear;
    };
    const std::vector<Case> cases = {
        {kWaveFormatPcm, 8, {}, {}},
        {kWaveFormatPcm, 16, {}, {}},
        {kWaveFormatPcm, 24, {}, {}},
        {kWaveFormatPcm, 32, {}, {}},
        {kWaveFormatIeeeFloat, 32, {}, {}},
        {kWaveFormatIeeeFloat, 64, {}, {}},
        {kWaveFormatMuLaw, 8, {0xFF, 0x80, 0x00, 0xEF}, {0, 32124, -32124, 132}},
        {kWaveFormatALaw, 8, {0xD5, 0xAA, 0x2A, 0x55}, {8, 32256, -32256, -8}}};
    const std::vector<double> values = {0.0, 0.5, -0.5, 0.25, -1.0, 0.75};
    for (const Case& c : cases) {
        Bytes data;
        std::vector<float> want;
        for (size_t i = 0; i < (c.codes.empty() ? values.size() : c.codes.size()); ++i) {
            if (c.codes.empty()) {
                for (double v : {values[i], -values[i] / 2, 0.125}) {  // the third is never read
                    PutSample(&data, c.tag, c.bits, v);
                }
                want.insert(want.end(), {float(values[i]), float(-values[i] / 2)});
            } else {
                const size_t j = (i + 1) % c.codes.size();
                data.insert(data.end(), {c.codes[i], c.codes[j], 0x00});
                want.insert(want.end(), {c.linear[i] / 32768.0f, c.linear[j] / 32768.0f});
            }
        }
        for (bool extensible : {false, true}) {
            for (uint32_t rate : {44100u, 48000u}) {
                const Bytes format = extensible ? ExtensibleBody(c.tag, 3, rate, c.bits)
                                                : FormatBody(c.tag, 3, rate, c.bits);
                const std::vector<float> got =
                    ReadAll(Riff({Chunk("fmt ", format), Chunk("data", data)}), 2);
                ASSERT_EQ(got.size(), want.size());
                for (size_t i = 0; i < got.size(); ++i) {
                    EXPECT_FLOAT_EQ(got[i], want[i]) << c.tag << " " << c.bits << " " << i;
                }
            }
        }
    }
}

TEST(WavReaderTest, FloatsThatAreNoFiniteNumberReadAsZeroAndLoudOnesAreClipped) {
    Bytes data;
    for (double v : {std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity(), 2.0, -3.0}) {
        PutSample(&data, kWaveFormatIeeeFloat, 32, v);
    }
    const Bytes format = FormatBody(kWaveFormatIeeeFloat, 1, 96000, 32);
    EXPECT_EQ(ReadAll(Riff({Chunk("fmt ", format), Chunk("data", data)}), 1),
              (std::vector<float>{0.0f, 0.0f, 1.0f, -1.0f}));
}

// A recorder that never closed its file leaves the data size 0 or all ones: the audio runs
// to the end of the file.
TEST(WavReaderTest, AnOpenDataSizeIsReadToTheEndOfTheFile) {
    for (uint32_t declared : {0u, 0xFFFFFFFFu}) {
        Bytes data(4 * 10, 0);
        data[4 * 9] = data[4 * 9 + 1] = 0x40;  // the last frame's left sample: 0x4040
        const std::vector<float> got =
            ReadAll(Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 2, 8000, 16)),
                          Chunk("data", declared, data)}),
                    2);
        ASSERT_EQ(got.size(), 20u) << declared;
        EXPECT_FLOAT_EQ(got[18], 0x4040 / 32768.0f);
    }
}

// A source that fails part-way: the reader stops and says so.
class FailingSource : public MemoryByteSource {
  public:
    using MemoryByteSource::MemoryByteSource;
    size_t ReadAt(uint64_t offset, void* buffer, size_t count) const override {
        return offset + count > 100000 ? 0 : MemoryByteSource::ReadAt(offset, buffer, count);
    }
};

TEST(WavReaderTest, AFailedReadEndsTheAudioAndIsReported) {
    FailingSource source(Riff(
        {Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 16)), Chunk("data", Bytes(200000))}));
    WavFrameReader reader(source, ParseWav(source).info);
    std::vector<float> frames(100000);
    EXPECT_LT(reader.Read(frames.data(), frames.size()), 50000u);
    EXPECT_TRUE(reader.ReadFailed());
    EXPECT_EQ(reader.Read(frames.data(), frames.size()), 0u);
}

Bytes WithFormat(const Bytes& format, const Bytes& data = Bytes(8)) {
    return Riff({Chunk("fmt ", format), Chunk("data", data)});
}

Bytes Patched(Bytes b, size_t at, std::vector<uint8_t> bytes, size_t cutAt = 0) {
    std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    b.resize(cutAt ? cutAt : b.size());
    return b;
}

TEST(WavReaderTest, RefusesAndSaysWhy) {
    const uint16_t pcm = kWaveFormatPcm;
    const Bytes ext16 = ExtensibleBody(pcm, 2, 48000, 16),
                ext24 = ExtensibleBody(pcm, 2, 48000, 24);
    const std::vector<std::pair<Bytes, WavRefusal>> cases = {
        {Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6}, WavRefusal::NotWav},
        {Patched(WithFormat(FormatBody(pcm, 2, 48000, 16)), 0, {'R', 'F', '6', '4'}),
         WavRefusal::Rf64},
        {Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A'}, WavRefusal::Truncated},
        {Riff({Chunk("data", Bytes(8))}), WavRefusal::NoFormat},
        {WithFormat(FormatBody(0x0002, 1, 8000, 4, 256)), WavRefusal::Encoding},  // ADPCM
        {WithFormat(Patched(ext16, 16, {0, 0})), WavRefusal::SubFormat},          // no extension
        {WithFormat(Patched(ext16, 39, {0x72})), WavRefusal::SubFormat},          // foreign GUID
        {WithFormat(Patched(ext16, 0, {}, 24)), WavRefusal::SubFormat},           // cut short
        {WithFormat(ExtensibleBody(0x0002, 2, 48000, 16)), WavRefusal::Encoding},
        {WithFormat(FormatBody(pcm, 1, 8000, 12, 2)), WavRefusal::SampleSize},
        {WithFormat(FormatBody(kWaveFormatIeeeFloat, 1, 8000, 16)), WavRefusal::SampleSize},
        {WithFormat(FormatBody(kWaveFormatMuLaw, 1, 8000, 16)), WavRefusal::SampleSize},
        {WithFormat(Patched(ext24, 18, {0, 0})), WavRefusal::ValidBits},
        {WithFormat(Patched(ext24, 18, {32, 0})), WavRefusal::ValidBits},
        {WithFormat(FormatBody(pcm, 0, 8000, 16, 2)), WavRefusal::Channels},
        {WithFormat(FormatBody(pcm, 1, 7999, 16)), WavRefusal::SampleRate},
        {WithFormat(FormatBody(pcm, 1, 192001, 16)), WavRefusal::SampleRate},
        {WithFormat(FormatBody(pcm, 2, 8000, 16, 6)), WavRefusal::BlockAlign},
        {Riff({Chunk("fmt ", FormatBody(pcm, 1, 8000, 16))}), WavRefusal::NoData},
        {WithFormat(FormatBody(pcm, 2, 8000, 16), Bytes(3)), WavRefusal::NoData},  // < a frame
        {Riff({Chunk("fmt ", FormatBody(pcm, 2, 8000, 16)), Chunk("data", 4000, Bytes(400))}),
         WavRefusal::DataCut}};
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(CheckReadableWav(ParseWav(MemoryByteSource(cases[i].first))), cases[i].second)
            << i;
    }
}

}  // namespace
}  // namespace core
