#include "shared/wav_frame_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "native/wav_bytes.h"

namespace core {
namespace {

using namespace wav_bytes;

// One sample as a file of the format stores it.
void PutSample(Bytes* b, uint16_t tag, uint16_t bits, double value) {
    if (tag == kWaveFormatIeeeFloat) {
        uint8_t raw[8];
        if (bits == 32) {
            float f = static_cast<float>(value);
            std::memcpy(raw, &f, 4);
        } else {
            std::memcpy(raw, &value, 8);
        }
        b->insert(b->end(), raw, raw + bits / 8);
        return;
    }
    const double scale = std::ldexp(1.0, bits - 1);
    int64_t n = static_cast<int64_t>(std::llround(value * scale));
    n = std::min<int64_t>(n, static_cast<int64_t>(scale) - 1);
    if (bits == 8) {
        n += 128;  // 8-bit PCM is unsigned
    }
    for (int i = 0; i < bits / 8; ++i) {
        b->push_back(static_cast<uint8_t>(static_cast<uint64_t>(n) >> (8 * i)));
    }
}

std::vector<float> ReadAll(const Bytes& file, int* channels, uint32_t* rate) {
    MemoryByteSource source(file);
    WavParseResult parsed = ParseWav(source);
    EXPECT_EQ(CheckReadableWav(parsed), WavRefusal::None);
    WavFrameReader reader(source, parsed.info);
    *channels = reader.Channels();
    *rate = reader.SampleRate();
    std::vector<float> all;
    std::vector<float> slice(3 * 2);  // small slices cross frame and buffer edges
    while (size_t n = reader.Read(slice.data(), 3)) {
        all.insert(all.end(), slice.begin(), slice.begin() + n * reader.Channels());
    }
    EXPECT_EQ(reader.FramesRead(), reader.TotalFrames());
    EXPECT_FALSE(reader.ReadFailed());
    return all;
}

struct FormatCase {
    const char* name;
    uint16_t tag;
    uint16_t bits;
    bool extensible;
};

class WavReaderFormatTest : public ::testing::TestWithParam<FormatCase> {};

// Every format on both rate families, three channels of which the first two are read.
TEST_P(WavReaderFormatTest, ReadsTheFirstTwoChannelsAsFloats) {
    const FormatCase& c = GetParam();
    const std::vector<double> values = {0.0, 0.5, -0.5, 0.25, -1.0, 0.75};
    for (uint32_t rate : {44100u, 48000u}) {
        Bytes data;
        for (double v : values) {
            PutSample(&data, c.tag, c.bits, v);
            PutSample(&data, c.tag, c.bits, -v / 2);
            PutSample(&data, c.tag, c.bits, 0.125);  // a third channel, never read
        }
        Bytes format = c.extensible ? ExtensibleBody(c.tag, 3, rate, c.bits)
                                    : FormatBody(c.tag, 3, rate, c.bits);
        int channels = 0;
        uint32_t readRate = 0;
        std::vector<float> got =
            ReadAll(Riff({Chunk("fmt ", format), Chunk("data", data)}), &channels, &readRate);
        EXPECT_EQ(channels, 2);
        EXPECT_EQ(readRate, rate);
        ASSERT_EQ(got.size(), values.size() * 2);
        for (size_t i = 0; i < values.size(); ++i) {
            EXPECT_FLOAT_EQ(got[2 * i], static_cast<float>(values[i])) << i;
            EXPECT_FLOAT_EQ(got[2 * i + 1], static_cast<float>(-values[i] / 2)) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, WavReaderFormatTest,
                         ::testing::Values(FormatCase{"Pcm8", kWaveFormatPcm, 8, false},
                                           FormatCase{"Pcm16", kWaveFormatPcm, 16, false},
                                           FormatCase{"Pcm24", kWaveFormatPcm, 24, false},
                                           FormatCase{"Pcm32", kWaveFormatPcm, 32, false},
                                           FormatCase{"Float32", kWaveFormatIeeeFloat, 32, false},
                                           FormatCase{"Float64", kWaveFormatIeeeFloat, 64, false},
                                           FormatCase{"ExtPcm24", kWaveFormatPcm, 24, true},
                                           FormatCase{"ExtFloat32", kWaveFormatIeeeFloat, 32,
                                                      true}),
                         [](const auto& info) { return std::string(info.param.name); });

// G.711 codes whose linear values the standard gives, plain and extensible; mono.
TEST(WavReaderTest, ExpandsALawAndMuLaw) {
    struct LawCase {
        uint16_t tag;
        Bytes codes;
        std::vector<int> linear;
    };
    const std::vector<LawCase> cases = {
        {kWaveFormatMuLaw, {0xFF, 0x80, 0x00, 0xEF}, {0, 32124, -32124, 132}},
        {kWaveFormatALaw, {0xD5, 0xAA, 0x2A, 0x55}, {8, 32256, -32256, -8}},
    };
    for (const LawCase& c : cases) {
        for (bool extensible : {false, true}) {
            Bytes format =
                extensible ? ExtensibleBody(c.tag, 1, 8000, 8) : FormatBody(c.tag, 1, 8000, 8);
            int channels = 0;
            uint32_t rate = 0;
            std::vector<float> got =
                ReadAll(Riff({Chunk("fmt ", format), Chunk("data", c.codes)}), &channels, &rate);
            EXPECT_EQ(channels, 1);
            ASSERT_EQ(got.size(), c.linear.size());
            for (size_t i = 0; i < got.size(); ++i) {
                EXPECT_FLOAT_EQ(got[i], c.linear[i] / 32768.0f) << c.tag << " " << i;
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
    int channels = 0;
    uint32_t rate = 0;
    std::vector<float> got = ReadAll(
        Riff({Chunk("fmt ", FormatBody(kWaveFormatIeeeFloat, 1, 96000, 32)), Chunk("data", data)}),
        &channels, &rate);
    EXPECT_EQ(got, (std::vector<float>{0.0f, 0.0f, 1.0f, -1.0f}));
}

// A recorder that never closed its file leaves the data size 0 or all ones: the audio runs
// to the end of the file, and the reader says so.
TEST(WavReaderTest, AnOpenDataSizeIsReadToTheEndOfTheFile) {
    for (uint32_t declared : {0u, 0xFFFFFFFFu}) {
        Bytes data(4 * 10, 0);
        data[4 * 9] = 0x40;  // the last frame's left sample: 0x4000
        data[4 * 9 + 1] = 0x40;
        MemoryByteSource source(Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 2, 8000, 16)),
                                      Chunk("data", declared, data)}));
        WavParseResult parsed = ParseWav(source);
        ASSERT_EQ(CheckReadableWav(parsed), WavRefusal::None) << declared;
        EXPECT_TRUE(parsed.info.dataSizeOpen);
        WavFrameReader reader(source, parsed.info);
        EXPECT_EQ(reader.TotalFrames(), 10u);
        std::vector<float> frames(20);
        EXPECT_EQ(reader.Read(frames.data(), 10), 10u);
        EXPECT_FLOAT_EQ(frames[18], 0x4040 / 32768.0f);
    }
}

// A source that fails part-way: the reader stops and says so.
class FailingSource : public ByteSource {
  public:
    explicit FailingSource(Bytes bytes, uint64_t failFrom) : inner_(bytes), failFrom_(failFrom) {}
    uint64_t Size() const override { return inner_.Size(); }
    size_t ReadAt(uint64_t offset, void* buffer, size_t count) const override {
        return offset + count > failFrom_ ? 0 : inner_.ReadAt(offset, buffer, count);
    }

  private:
    MemoryByteSource inner_;
    uint64_t failFrom_;
};

TEST(WavReaderTest, AFailedReadEndsTheAudioAndIsReported) {
    Bytes file = Riff(
        {Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 16)), Chunk("data", Bytes(200000))});
    FailingSource source(file, 100000);
    WavParseResult parsed = ParseWav(source);
    WavFrameReader reader(source, parsed.info);
    std::vector<float> frames(100000);
    size_t got = reader.Read(frames.data(), frames.size());
    EXPECT_LT(got, 50000u);
    EXPECT_TRUE(reader.ReadFailed());
    EXPECT_EQ(reader.Read(frames.data(), frames.size()), 0u);
}

struct RefusalCase {
    const char* name;
    Bytes file;
    WavRefusal refusal;
};

class WavReaderRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(WavReaderRefusalTest, SaysWhy) {
    EXPECT_EQ(CheckReadableWav(ParseWav(MemoryByteSource(GetParam().file))), GetParam().refusal);
}

Bytes WithFormat(const Bytes& format, const Bytes& data = Bytes(8)) {
    return Riff({Chunk("fmt ", format), Chunk("data", data)});
}

Bytes Patched(Bytes b, size_t at, std::vector<uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    return b;
}

Bytes Prefix(Bytes b, size_t n) {
    b.resize(n);
    return b;
}

Bytes Rf64() {
    Bytes b = WithFormat(FormatBody(kWaveFormatPcm, 2, 48000, 16));
    return Patched(b, 0, {'R', 'F', '6', '4'});
}

INSTANTIATE_TEST_SUITE_P(
    Files, WavReaderRefusalTest,
    ::testing::Values(
        RefusalCase{"NotWav", Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6}, WavRefusal::NotWav},
        RefusalCase{"Rf64", Rf64(), WavRefusal::Rf64},
        RefusalCase{"CutInHeader", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A'},
                    WavRefusal::Truncated},
        RefusalCase{"NoFormat", Riff({Chunk("data", Bytes(8))}), WavRefusal::NoFormat},
        RefusalCase{"Adpcm", WithFormat(FormatBody(0x0002, 1, 8000, 4, 256)), WavRefusal::Encoding},
        RefusalCase{"ExtensibleWithoutExtension",
                    WithFormat(Patched(ExtensibleBody(kWaveFormatPcm, 2, 48000, 16), 16, {0, 0})),
                    WavRefusal::SubFormat},
        RefusalCase{"ExtensibleForeignGuid",
                    WithFormat(Patched(ExtensibleBody(kWaveFormatPcm, 2, 48000, 16), 39, {0x72})),
                    WavRefusal::SubFormat},
        RefusalCase{"ExtensibleCutShort",
                    WithFormat(Prefix(ExtensibleBody(kWaveFormatPcm, 2, 48000, 16), 24)),
                    WavRefusal::SubFormat},
        RefusalCase{"ExtensibleAdpcm", WithFormat(ExtensibleBody(0x0002, 2, 48000, 16)),
                    WavRefusal::Encoding},
        RefusalCase{"Pcm12", WithFormat(FormatBody(kWaveFormatPcm, 1, 8000, 12, 2)),
                    WavRefusal::SampleSize},
        RefusalCase{"Float16", WithFormat(FormatBody(kWaveFormatIeeeFloat, 1, 8000, 16)),
                    WavRefusal::SampleSize},
        RefusalCase{"MuLaw16", WithFormat(FormatBody(kWaveFormatMuLaw, 1, 8000, 16)),
                    WavRefusal::SampleSize},
        RefusalCase{"ValidBitsZero",
                    WithFormat(Patched(ExtensibleBody(kWaveFormatPcm, 2, 48000, 24), 18, {0, 0})),
                    WavRefusal::ValidBits},
        RefusalCase{"ValidBitsAboveTheSample",
                    WithFormat(Patched(ExtensibleBody(kWaveFormatPcm, 2, 48000, 24), 18, {32, 0})),
                    WavRefusal::ValidBits},
        RefusalCase{"NoChannel", WithFormat(FormatBody(kWaveFormatPcm, 0, 8000, 16, 2)),
                    WavRefusal::Channels},
        RefusalCase{"RateTooLow", WithFormat(FormatBody(kWaveFormatPcm, 1, 7999, 16)),
                    WavRefusal::SampleRate},
        RefusalCase{"RateTooHigh", WithFormat(FormatBody(kWaveFormatPcm, 1, 192001, 16)),
                    WavRefusal::SampleRate},
        RefusalCase{"FrameSizeWrong", WithFormat(FormatBody(kWaveFormatPcm, 2, 8000, 16, 6)),
                    WavRefusal::BlockAlign},
        RefusalCase{"NoDataChunk", Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 16))}),
                    WavRefusal::NoData},
        RefusalCase{"LessThanAFrame", WithFormat(FormatBody(kWaveFormatPcm, 2, 8000, 16), Bytes(3)),
                    WavRefusal::NoData},
        RefusalCase{"DataCut",
                    Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 2, 8000, 16)),
                          Chunk("data", 4000, Bytes(400))}),
                    WavRefusal::DataCut}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace core
