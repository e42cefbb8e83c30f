#include "shared/wav_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "native/wav_bytes.h"
#include "shared/inmemory/memory_files.h"
#include "shared/wav_frame_reader.h"

namespace core {
namespace {

using namespace wav_bytes;

// The whole file against one built chunk by chunk: "fmt ", "data", "cue " (name, position,
// "data", chunk start, block start, sample offset), "LIST" with an "adtl" list of padded
// "labl" chunks; the reader accepts what the writer writes.
TEST(WavWriterTest, WritesFormatDataCuesAndLabelsInThatOrder) {
    const std::vector<int16_t> samples = {0, 0, 1000, -1000, 32767, -32768, 5, 6};
    const std::vector<WavCue> cues = {{1, L"nominal"}, {3, L"+1.5 % \u2264"}};
    const Bytes file = BuildStereoWav(44100, samples, cues);

    Bytes data, cue, list;
    for (int16_t s : samples) {
        PutU16(&data, static_cast<uint16_t>(s));
    }
    PutU32(&cue, 2);
    PutId(&list, "adtl");
    const char* const texts[] = {"nominal", "+1.5 % ?"};
    for (uint32_t id = 1; id <= 2; ++id) {
        const uint32_t frame = cues[id - 1].frame;
        for (uint32_t v : {id, frame, 0x61746164u, 0u, 0u, frame}) {  // 0x61746164: "data"
            PutU32(&cue, v);
        }
        const char* text = texts[id - 1];
        Bytes label;
        PutU32(&label, id);
        label.insert(label.end(), text, text + std::string(text).size() + 1);
        const Bytes chunk = Chunk("labl", label);
        list.insert(list.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(file, Riff({Chunk("fmt ", FormatBody(kWaveFormatPcm, 2, 44100, 16)),
                          Chunk("data", data), Chunk("cue ", cue), Chunk("LIST", list)}));
    EXPECT_EQ(CheckReadableWav(ParseWav(MemoryByteSource(file))), WavRefusal::None);
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
