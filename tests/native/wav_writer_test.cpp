#include "shared/wav_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/inmemory/memory_files.h"
#include "shared/wav_frame_reader.h"

namespace core {
namespace {

uint32_t U32At(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

std::string IdAt(const Bytes& b, size_t at) {
    return std::string(b.begin() + static_cast<std::ptrdiff_t>(at),
                       b.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

struct ChunkSpan {
    std::string id;
    size_t body;
    uint32_t size;
};

// The chunks from the first after "WAVE" to the end, each padded to an even size.
std::vector<ChunkSpan> Chunks(const Bytes& b, size_t from, size_t end) {
    std::vector<ChunkSpan> chunks;
    for (size_t at = from; at + 8 <= end;) {
        chunks.push_back({IdAt(b, at), at + 8, U32At(b, at + 4)});
        at += 8 + chunks.back().size + (chunks.back().size & 1u);
    }
    return chunks;
}

TEST(WavWriterTest, WritesFormatDataCuesAndLabelsInThatOrder) {
    const std::vector<int16_t> samples = {0, 0, 1000, -1000, 32767, -32768, 5, 6};
    const std::vector<WavCue> cues = {{1, L"nominal"}, {3, L"+1.5 % \u2264"}};
    const Bytes file = BuildStereoWav(44100, samples, cues);

    ASSERT_EQ(IdAt(file, 0), "RIFF");
    EXPECT_EQ(U32At(file, 4), file.size() - 8);
    EXPECT_EQ(IdAt(file, 8), "WAVE");
    std::vector<ChunkSpan> chunks = Chunks(file, 12, file.size());
    ASSERT_EQ(chunks.size(), 4u);
    EXPECT_EQ(chunks[0].id, "fmt ");
    EXPECT_EQ(chunks[1].id, "data");
    EXPECT_EQ(chunks[2].id, "cue ");
    EXPECT_EQ(chunks[3].id, "LIST");

    // Each cue point: name, position, "data", chunk start, block start, sample offset.
    const ChunkSpan& cue = chunks[2];
    ASSERT_EQ(U32At(file, cue.body), 2u);
    EXPECT_EQ(cue.size, 4u + 2 * 24);
    for (size_t i = 0; i < cues.size(); ++i) {
        const size_t point = cue.body + 4 + 24 * i;
        EXPECT_EQ(U32At(file, point), i + 1);
        EXPECT_EQ(U32At(file, point + 4), cues[i].frame);
        EXPECT_EQ(IdAt(file, point + 8), "data");
        EXPECT_EQ(U32At(file, point + 12), 0u);
        EXPECT_EQ(U32At(file, point + 16), 0u);
        EXPECT_EQ(U32At(file, point + 20), cues[i].frame);
    }

    const ChunkSpan& list = chunks[3];
    EXPECT_EQ(IdAt(file, list.body), "adtl");
    std::vector<ChunkSpan> labels = Chunks(file, list.body + 4, list.body + list.size);
    ASSERT_EQ(labels.size(), 2u);
    const std::vector<std::string> texts = {"nominal", "+1.5 % ?"};
    for (size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].id, "labl");
        EXPECT_EQ(U32At(file, labels[i].body), i + 1);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[labels[i].body + 4])), texts[i]);
        EXPECT_EQ(labels[i].size, 4 + texts[i].size() + 1);
    }

    // The reader gets the samples back.
    MemoryByteSource source(file);
    WavParseResult parsed = ParseWav(source);
    ASSERT_EQ(CheckReadableWav(parsed), WavRefusal::None);
    EXPECT_EQ(parsed.info.sampleRate, 44100u);
    WavFrameReader reader(source, parsed.info);
    std::vector<float> frames(samples.size());
    ASSERT_EQ(reader.Read(frames.data(), 4), 4u);
    for (size_t i = 0; i < samples.size(); ++i) {
        EXPECT_FLOAT_EQ(frames[i], samples[i] / 32768.0f);
    }
}

TEST(WavWriterTest, AFailedWriteLeavesNoFile) {
    MemoryFiles files;
    const std::wstring path = L"C:\\ProgramData\\signal test.wav";
    files.FailCallOn(FileCall::Write, L"", 112);  // the disk is full
    EXPECT_EQ(WriteStereoWav(files, path, 48000, {1, 2}, {}), 112);
    EXPECT_FALSE(files.HasFile(path));
    files.ClearFailures();
    EXPECT_EQ(WriteStereoWav(files, path, 48000, {1, 2}, {}), 0);
    EXPECT_EQ(files.FileData(path), BuildStereoWav(48000, {1, 2}, {}));
}

}  // namespace
}  // namespace core
