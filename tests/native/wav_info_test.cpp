#include "shared/wav_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "native/wav_bytes.h"

namespace core {
namespace {

using namespace wav_bytes;

WavParseResult Parse(const Bytes& bytes) {
    return ParseWav(MemoryByteSource(bytes));
}

Bytes Zeros(size_t n) {
    return Bytes(n, 0);
}

// --- Well-formed files: the duration from each kind of format.

struct DurationCase {
    const char* name;
    Bytes file;
    DurationUnit unit;
    uint32_t rate;
    uint32_t count;
};

class WavDurationTest : public ::testing::TestWithParam<DurationCase> {};

TEST_P(WavDurationTest, ReportsRateAndCountOfTheData) {
    const DurationCase& c = GetParam();
    WavParseResult r = Parse(c.file);
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.unit, c.unit);
    EXPECT_EQ(r.info.durationRate, c.rate);
    EXPECT_EQ(r.info.durationCount, c.count);
    EXPECT_EQ(WavStreamCount(r.info), 1);
    EXPECT_DOUBLE_EQ(WavDurationSeconds(r.info), static_cast<double>(c.count) / c.rate);
}

Bytes Fact(uint32_t frames) {
    Bytes b;
    PutU32(&b, frames);
    return Chunk("fact", b);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WavDurationTest,
    ::testing::Values(
        DurationCase{"Pcm16Stereo",
                     Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 2, 44100, 16)),
                           Chunk("data", Zeros(44100 * 4))}),
                     DurationUnit::Frames, 44100, 44100},
        DurationCase{"Pcm24Mono",
                     Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 48000, 24)),
                           Chunk("data", Zeros(4800 * 3))}),
                     DurationUnit::Frames, 48000, 4800},
        DurationCase{"PcmPartialLastFrameIsNotCounted",
                     Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 2, 8000, 16)),
                           Chunk("data", Zeros(8003))}),
                     DurationUnit::Frames, 8000, 2000},
        DurationCase{"ExtensibleFloat",
                     Riff({Chunk("fmt ", ExtensibleBody(kWaveFormatIeeeFloat, 2, 22050, 32)),
                           Chunk("data", Zeros(22050 * 8 / 10))}),
                     DurationUnit::Frames, 22050, 2205},
        DurationCase{"ExtensiblePcm",
                     Riff({Chunk("fmt ", ExtensibleBody(kWaveFormatPcm, 2, 96000, 24)),
                           Chunk("data", Zeros(960 * 6))}),
                     DurationUnit::Frames, 96000, 960},
        DurationCase{"CompressedWithFactCountsFrames",
                     Riff({Chunk("fmt ", FormatBody(0x0011, 1, 8000, 4, 256, 4055)),
                           Fact(16000), Chunk("data", Zeros(8192))}),
                     DurationUnit::Frames, 8000, 16000},
        DurationCase{"FactAfterData",
                     Riff({Chunk("fmt ", FormatBody(0x0002, 1, 11025, 4, 256, 5644)),
                           Chunk("data", Zeros(1024)), Fact(2000)}),
                     DurationUnit::Frames, 11025, 2000},
        DurationCase{"CompressedWithoutFactCountsBytes",
                     Riff({Chunk("fmt ", FormatBody(0x0055, 2, 44100, 0, 1, 16000)),
                           Chunk("data", Zeros(32000))}),
                     DurationUnit::Bytes, 16000, 32000},
        DurationCase{"PcmIgnoresAStaleFact",
                     Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 8)), Fact(99),
                           Chunk("data", Zeros(800))}),
                     DurationUnit::Frames, 8000, 800},
        DurationCase{"DataBeforeFormat",
                     Riff({Chunk("data", Zeros(1600)),
                           Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 16000, 16))}),
                     DurationUnit::Frames, 16000, 800},
        DurationCase{"OddChunksArePadded",
                     Riff({Chunk("LIST", Bytes(5, 'x')),
                           Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 8)),
                           Chunk("junk", Bytes(3, 'y')), Chunk("data", Zeros(801))}),
                     DurationUnit::Frames, 8000, 801},
        DurationCase{"LongFormatChunk",
                     Riff({Chunk("fmt ",
                                 [] {
                                     Bytes b = FormatBody(kWaveFormatPcm, 1, 8000, 16);
                                     PutU16(&b, 0);  // cbSize of a WAVEFORMATEX
                                     return b;
                                 }()),
                           Chunk("data", Zeros(1600))}),
                     DurationUnit::Frames, 8000, 800},
        DurationCase{"DataClippedToTheFile",
                     Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 16)),
                           Chunk("data", 0xFFFFFFF0u, Zeros(4000))}),
                     DurationUnit::Frames, 8000, 2000},
        DurationCase{"WrongRiffSizeIsIgnored",
                     [] {
                         Bytes b = Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 8)),
                                         Chunk("data", Zeros(400))});
                         b[4] = b[5] = b[6] = b[7] = 0;
                         return b;
                     }(),
                     DurationUnit::Frames, 8000, 400}),
    [](const ::testing::TestParamInfo<DurationCase>& info) { return info.param.name; });

// --- Files that cannot be opened.

struct BrokenCase {
    const char* name;
    Bytes file;
    WavStatus status;
};

class WavBrokenTest : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(WavBrokenTest, IsRejected) {
    EXPECT_EQ(Parse(GetParam().file).status, GetParam().status);
}

Bytes Prefix(const Bytes& b, size_t n) {
    return Bytes(b.begin(), b.begin() + n);
}

const Bytes kGood =
    Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 2, 44100, 16)), Chunk("data", Zeros(400))});

INSTANTIATE_TEST_SUITE_P(
    Files, WavBrokenTest,
    ::testing::Values(
        BrokenCase{"Empty", {}, WavStatus::NotRiffWave},
        BrokenCase{"Text", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'},
                   WavStatus::NotRiffWave},
        BrokenCase{"RiffButNotWave",
                   [] {
                       Bytes b = kGood;
                       b[8] = 'A';
                       b[9] = 'V';
                       b[10] = 'I';
                       b[11] = ' ';
                       return b;
                   }(),
                   WavStatus::NotRiffWave},
        BrokenCase{"BigEndianRifx",
                   [] {
                       Bytes b = kGood;
                       b[3] = 'X';
                       return b;
                   }(),
                   WavStatus::NotRiffWave},
        BrokenCase{"TwoBytes", Prefix(kGood, 2), WavStatus::Truncated},
        BrokenCase{"CutInsideRiffHeader", Prefix(kGood, 10), WavStatus::Truncated},
        BrokenCase{"HeaderOnly", Prefix(kGood, 12), WavStatus::Truncated},
        BrokenCase{"CutInsideChunkHeader", Prefix(kGood, 17), WavStatus::Truncated},
        BrokenCase{"CutInsideFormat", Prefix(kGood, 30), WavStatus::Truncated},
        BrokenCase{"DataWithoutFormat", Riff({Chunk("data", Zeros(100))}),
                   WavStatus::MissingFormat},
        BrokenCase{"FormatTooShort", Riff({Chunk("fmt ", Zeros(14)), Chunk("data", Zeros(100))}),
                   WavStatus::MissingFormat},
        BrokenCase{
            "HugeChunkBeforeFormat",
            Riff({Chunk("LIST", 0xFFFFFFFFu, Zeros(10), false),
                  Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 8)), Chunk("data", Zeros(8))}),
            WavStatus::Truncated}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

// --- Files that open but have nothing to play, or no usable rate.

TEST(WavInfoTest, ZeroLengthDataHasNoStream) {
    WavParseResult r = Parse(
        Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 16)), Chunk("data", Bytes{})}));
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_TRUE(r.info.hasData);
    EXPECT_EQ(WavStreamCount(r.info), 0);
}

TEST(WavInfoTest, MissingDataChunkHasNoStream) {
    WavParseResult r = Parse(Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 16))}));
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_FALSE(r.info.hasData);
    EXPECT_EQ(WavStreamCount(r.info), 0);
}

TEST(WavInfoTest, DataChunkWithNothingAfterItsHeaderHasNoStream) {
    Bytes file = Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 16))});
    Bytes header = Chunk("data", 1000, Bytes{});
    file.insert(file.end(), header.begin(), header.end());
    WavParseResult r = Parse(file);
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.dataBytes, 0u);
    EXPECT_EQ(WavStreamCount(r.info), 0);
}

TEST(WavInfoTest, ZeroRatesNeverDivide) {
    // Sample rate and byte rate zero: no basis for a length.
    WavParseResult r = Parse(Riff(
        {Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 0, 16, 0, 0)), Chunk("data", Zeros(100))}));
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.durationRate, 0u);
    EXPECT_LT(WavDurationSeconds(r.info), 0.0);
    EXPECT_EQ(WavStreamCount(r.info), 1);
}

TEST(WavInfoTest, PcmWithoutBlockAlignFallsBackToTheByteRate) {
    Bytes fmt = FormatBody(kWaveFormatPcm, 1, 8000, 16, 0, 16000);
    fmt[12] = fmt[13] = 0;  // block alignment 0
    WavParseResult r = Parse(Riff({Chunk("fmt ", fmt), Chunk("data", Zeros(8000))}));
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.unit, DurationUnit::Bytes);
    EXPECT_DOUBLE_EQ(WavDurationSeconds(r.info), 0.5);
}

TEST(WavInfoTest, CompressedFactWithZeroSampleRateFallsBackToTheByteRate) {
    WavParseResult r = Parse(Riff({Chunk("fmt ", FormatBody(0x0011, 1, 0, 4, 256, 4000)),
                                   Fact(1234), Chunk("data", Zeros(2000))}));
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.unit, DurationUnit::Bytes);
    EXPECT_DOUBLE_EQ(WavDurationSeconds(r.info), 0.5);
}

TEST(WavInfoTest, ReportsTheFormatFields) {
    WavParseResult r =
        Parse(Riff({Chunk("fmt ", ExtensibleBody(kWaveFormatIeeeFloat, 2, 44100, 32)),
                    Chunk("data", Zeros(80))}));
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.formatTag, kWaveFormatExtensible);
    EXPECT_EQ(r.info.effectiveTag, kWaveFormatIeeeFloat);
    EXPECT_EQ(r.info.channels, 2);
    EXPECT_EQ(r.info.sampleRate, 44100u);
    EXPECT_EQ(r.info.byteRate, 44100u * 8);
    EXPECT_EQ(r.info.blockAlign, 8);
    EXPECT_EQ(r.info.bitsPerSample, 32);
    EXPECT_EQ(r.info.dataBytes, 80u);
}

TEST(WavInfoTest, ExtensibleCutBeforeItsSubFormatCountsBytes) {
    Bytes fmt = ExtensibleBody(kWaveFormatPcm, 1, 8000, 16);
    fmt.resize(18);  // the sub-format is missing
    WavParseResult r = Parse(Riff({Chunk("fmt ", fmt), Chunk("data", Zeros(16000))}));
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.effectiveTag, kWaveFormatExtensible);
    EXPECT_EQ(r.info.unit, DurationUnit::Bytes);
    EXPECT_DOUBLE_EQ(WavDurationSeconds(r.info), 1.0);
}

TEST(WavInfoTest, TheFirstFormatAndDataChunksCount) {
    WavParseResult r = Parse(Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 8)),
                                   Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 44100, 8)),
                                   Chunk("data", Zeros(800)), Chunk("data", Zeros(1600))}));
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.sampleRate, 8000u);
    EXPECT_EQ(r.info.dataBytes, 800u);
}

// Reads nothing but the counted bytes: a source that is much larger than its reads.
class CountingSource : public ByteSource {
  public:
    explicit CountingSource(Bytes head, uint64_t size) : head_(std::move(head)), size_(size) {}
    uint64_t Size() const override { return size_; }
    size_t ReadAt(uint64_t offset, void* buffer, size_t count) const override {
        bytesRead_ += count;
        if (offset >= size_) {
            ADD_FAILURE() << "read past the end at " << offset;
            return 0;
        }
        size_t n = static_cast<size_t>(std::min<uint64_t>(count, size_ - offset));
        for (size_t i = 0; i < n; ++i) {
            uint64_t at = offset + i;
            static_cast<uint8_t*>(buffer)[i] = at < head_.size() ? head_[at] : 0;
        }
        return n;
    }
    mutable uint64_t bytesRead_ = 0;

  private:
    Bytes head_;
    uint64_t size_;
};

TEST(WavInfoTest, AHugeFileIsReadOnlyAtItsChunkHeaders) {
    Bytes head = Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 2, 48000, 16))});
    Bytes data = Chunk("data", 0xFFFFFFFEu, Bytes{});
    head.insert(head.end(), data.begin(), data.end());
    const uint64_t size = 6ull * 1024 * 1024 * 1024;  // larger than any 32-bit size
    CountingSource source(head, size);
    WavParseResult r = ParseWav(source);
    ASSERT_EQ(r.status, WavStatus::Ok);
    EXPECT_EQ(r.info.dataBytes, 0xFFFFFFFEu);
    EXPECT_EQ(r.info.durationCount, 0xFFFFFFFEu / 4);
    EXPECT_LT(source.bytesRead_, 200u);
}

TEST(WavInfoTest, TheScanGivesUpAfterTensOfThousandsOfChunks) {
    // Each chunk costs a read of the file: a file made of nothing else is rejected
    // instead of keeping the reader busy.
    Bytes file = Riff({});
    const Bytes empty = Chunk("junk", Bytes{});
    file.reserve(file.size() + 20000 * empty.size() + 100);
    for (int i = 0; i < 20000; ++i) {
        file.insert(file.end(), empty.begin(), empty.end());
    }
    for (const Bytes& c :
         {Chunk("fmt ", FormatBody(kWaveFormatPcm, 1, 8000, 8)), Chunk("data", Zeros(8))}) {
        file.insert(file.end(), c.begin(), c.end());
    }
    EXPECT_EQ(Parse(file).status, WavStatus::MissingFormat);
}

}  // namespace
}  // namespace core
