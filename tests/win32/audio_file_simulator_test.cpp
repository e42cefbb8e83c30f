// The audio-file information component through real COM: durations of real WAV files
// (made by make_test_wavs.sh into the folder CX840_TEST_WAVS names), broken files, the
// stream-information record and the client's reading of it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "board_simulator_fixture.h"
#include "shared/win32/com_board_driver.h"
#include "shared/win32/cx840_ids.h"

namespace simtest {
namespace {

using core::ComAudioFileInfoPort;

class SimulatorWavFixture : public BoardSimulatorFixture {
  protected:
    void SetUp() override {
        BoardSimulatorFixture::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        folder_ = TestWavFolder();
        if (folder_.empty()) {
            GTEST_SKIP() << "CX840_TEST_WAVS is not set (run tests/win32/make_test_wavs.sh)";
        }
    }

    std::wstring PathOf(const char* file) const {
        return folder_ + std::wstring(file, file + std::strlen(file));
    }

    std::wstring folder_;
};

struct DurationCase {
    const char* file;
    double seconds;
};

class AudioFileSimulatorDurationTest : public SimulatorWavFixture,
                                       public ::testing::WithParamInterface<DurationCase> {};

TEST_P(AudioFileSimulatorDurationTest, GivesThePlayLength) {
    EXPECT_DOUBLE_EQ(ComAudioFileInfoPort().GetAudioFileDuration(PathOf(GetParam().file)),
                     GetParam().seconds);
}

INSTANTIATE_TEST_SUITE_P(Files, AudioFileSimulatorDurationTest,
                         ::testing::Values(DurationCase{"pcm16_44100_stereo_10s.wav", 10.0},
                                           DurationCase{"pcm16_48000_mono_0.8s.wav", 0.8},
                                           DurationCase{"pcm16_11025_mono_3s.wav", 3.0},
                                           DurationCase{"pcm8_8000_mono_0.8s.wav", 0.8},
                                           DurationCase{"pcm24_44100_stereo_0.8s.wav", 0.8},
                                           DurationCase{"pcm32_96000_stereo_2s.wav", 2.0},
                                           DurationCase{"float32_48000_stereo_0.8s.wav", 0.8},
                                           DurationCase{"float32_22050_mono_10s.wav", 10.0},
                                           DurationCase{"extensible_float_16000_stereo_0.5s.wav",
                                                        0.5},
                                           DurationCase{"alaw_8000_mono_1.5s.wav", 1.5},
                                           DurationCase{"imaadpcm_8000_mono_0.8s.wav", 0.8},
                                           DurationCase{"gsm_8000_mono_0.8s.wav", 0.8},
                                           DurationCase{"odd_chunk_data_first_0.5s.wav", 0.5},
                                           DurationCase{"oversized_data_1s.wav", 1.0}),
                         [](const ::testing::TestParamInfo<DurationCase>& info) {
                             std::string name = info.param.file;
                             for (char& c : name) {
                                 if (!isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

struct BrokenCase {
    const char* file;
    double result;
};

class AudioFileSimulatorBrokenTest : public SimulatorWavFixture,
                                     public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(AudioFileSimulatorBrokenTest, GivesTheFailureOfItsStep) {
    EXPECT_EQ(ComAudioFileInfoPort().GetAudioFileDuration(PathOf(GetParam().file)),
              GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Files, AudioFileSimulatorBrokenTest,
    ::testing::Values(BrokenCase{"no_such_file.wav", core::kAudioInfoCannotOpen},
                      BrokenCase{"not_riff.wav", core::kAudioInfoCannotOpen},
                      BrokenCase{"truncated_header.wav", core::kAudioInfoCannotOpen},
                      BrokenCase{"", core::kAudioInfoCannotOpen},  // the folder itself
                      BrokenCase{"zero_length_data.wav", core::kAudioInfoNoStreams},
                      BrokenCase{"zero_rates.wav", core::kAudioInfoNoStreamInfo}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) {
        std::string name = *info.param.file ? info.param.file : "folder";
        for (char& c : name) {
            if (!isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    });

class AudioFileSimulatorTest : public SimulatorWavFixture {};

TEST_F(AudioFileSimulatorTest, PathsThatCannotBePassedWholeAreNotOpened) {
    EXPECT_EQ(ComAudioFileInfoPort().GetAudioFileDuration(L""), core::kAudioInfoCannotOpen);
    // The part before the null unit names a good file; it must not be the one measured.
    std::wstring path = PathOf("pcm16_48000_mono_0.8s.wav");
    path.push_back(L'\0');
    path += L"other.wav";
    EXPECT_EQ(ComAudioFileInfoPort().GetAudioFileDuration(path), core::kAudioInfoCannotOpen);
}

using QueryMethod = HRESULT(STDMETHODCALLTYPE*)(void*, REFIID, void**);
using ReleaseMethod = ULONG(STDMETHODCALLTYPE*)(void*);
using NoArgumentMethod = HRESULT(STDMETHODCALLTYPE*)(void*);
using OpenMethod = HRESULT(STDMETHODCALLTYPE*)(void*, BSTR);
using CountMethod = HRESULT(STDMETHODCALLTYPE*)(void*, long*);
using InfoMethod = HRESULT(STDMETHODCALLTYPE*)(void*, long, BYTE*, long, long*, long*);

template <typename Function>
Function Method(void* object, int position) {
    void** table = *static_cast<void***>(object);
    return reinterpret_cast<Function>(table[position]);
}

uint32_t U32At(const BYTE* record, size_t offset) {
    uint32_t value = 0;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

TEST_F(AudioFileSimulatorTest, ComponentAnswersAtItsPositionsWithTheRecord) {
    void* info = nullptr;
    ASSERT_EQ(
        CoCreateInstance(CLSID_Cx840AudioFileInfo, nullptr, 23, IID_ICx840AudioFileInfo, &info),
        S_OK);
    for (int position : {3, 4, 5, 6, 7, 8, 9, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}) {
        EXPECT_EQ(Method<NoArgumentMethod>(info, position)(info), E_NOTIMPL) << position;
    }

    BYTE record[CX840_STREAM_INFO_SIZE + 8];
    std::memset(record, 0xCD, sizeof record);
    long count = -1;
    long written = 0;
    long kind = 0;
    EXPECT_LT(Method<CountMethod>(info, 10)(info, &count), 0) << "nothing open yet";

    BSTR path = SysAllocString(PathOf("pcm24_44100_stereo_0.8s.wav").c_str());
    EXPECT_EQ(Method<OpenMethod>(info, 24)(info, path), S_OK);
    SysFreeString(path);
    EXPECT_EQ(Method<CountMethod>(info, 10)(info, &count), S_OK);
    EXPECT_EQ(count, 1);
    EXPECT_LT(Method<InfoMethod>(info, 12)(info, 0, record, 299, &written, &kind), 0)
        << "a buffer too small for the record";
    EXPECT_LT(Method<InfoMethod>(info, 12)(info, 1, record, 300, &written, &kind), 0)
        << "there is no second stream";
    ASSERT_EQ(Method<InfoMethod>(info, 12)(info, 0, record, 300, &written, &kind), S_OK);
    EXPECT_EQ(written, 300);
    EXPECT_EQ(kind, CX840_STREAM_AUDIO);

    EXPECT_EQ(U32At(record, CX840_INFO_RECORD_SIZE), 300u);
    EXPECT_EQ(U32At(record, CX840_INFO_FORMAT_TAG), 0xFFFEu);
    EXPECT_EQ(U32At(record, CX840_INFO_SUB_FORMAT), 1u);
    EXPECT_EQ(U32At(record, CX840_INFO_CHANNELS), 2u);
    EXPECT_EQ(U32At(record, CX840_INFO_BITS), 24u);
    EXPECT_EQ(U32At(record, CX840_INFO_BLOCK_ALIGN), 6u);
    EXPECT_EQ(U32At(record, 24), 44100u);  // the rate the length is counted in
    EXPECT_EQ(U32At(record, 32), 35280u);  // 0.8 s of frames
    EXPECT_EQ(U32At(record, CX840_INFO_DATA_BYTES), 35280u * 6);
    EXPECT_EQ(U32At(record, CX840_INFO_UNIT), 0u);
    EXPECT_EQ(record[CX840_STREAM_INFO_SIZE], 0xCD) << "written past the 300 bytes";
    EXPECT_EQ(record[299], 0) << "the rest of the record is cleared";

    // A failed open forgets the file opened before.
    path = SysAllocString(PathOf("not_riff.wav").c_str());
    EXPECT_LT(Method<OpenMethod>(info, 24)(info, path), 0);
    SysFreeString(path);
    EXPECT_LT(Method<CountMethod>(info, 10)(info, &count), 0);

    EXPECT_EQ(Method<ReleaseMethod>(info, 2)(info), 0u);
}

TEST_F(AudioFileSimulatorTest, CompressedFileWithAFactChunkCountsFrames) {
    // The ADPCM file has a fact chunk: its length is counted in frames.
    void* info = nullptr;
    ASSERT_EQ(
        CoCreateInstance(CLSID_Cx840AudioFileInfo, nullptr, 23, IID_ICx840AudioFileInfo, &info),
        S_OK);
    BSTR path = SysAllocString(PathOf("imaadpcm_8000_mono_0.8s.wav").c_str());
    EXPECT_EQ(Method<OpenMethod>(info, 24)(info, path), S_OK);
    SysFreeString(path);
    BYTE record[CX840_STREAM_INFO_SIZE] = {};
    ASSERT_EQ(Method<InfoMethod>(info, 12)(info, 0, record, 300, nullptr, nullptr), S_OK);
    EXPECT_EQ(U32At(record, CX840_INFO_FORMAT_TAG), 0x11u);
    EXPECT_EQ(U32At(record, 24), 8000u);
    EXPECT_EQ(U32At(record, 32), 6400u);
    EXPECT_EQ(U32At(record, CX840_INFO_UNIT), 0u);
    Method<ReleaseMethod>(info, 2)(info);
}

// --- The client's reading of a record, whatever component filled it.

TEST(AudioFileSimulatorRecordTest, DividesTheLengthByTheRateAsDoubles) {
    unsigned char record[CX840_STREAM_INFO_SIZE] = {};
    const uint32_t rate = 3;
    const uint32_t length = 0xFFFFFFFFu;
    std::memcpy(record + 24, &rate, 4);
    std::memcpy(record + 32, &length, 4);
    EXPECT_DOUBLE_EQ(core::DurationFromStreamRecord(record, sizeof record), 4294967295.0 / 3.0);
}

TEST(AudioFileSimulatorRecordTest, ZeroRateOrShortRecordIsNoStreamInformation) {
    unsigned char record[CX840_STREAM_INFO_SIZE] = {};
    const uint32_t length = 1000;
    std::memcpy(record + 32, &length, 4);
    EXPECT_EQ(core::DurationFromStreamRecord(record, sizeof record), core::kAudioInfoNoStreamInfo);
    const uint32_t rate = 1000;
    std::memcpy(record + 24, &rate, 4);
    EXPECT_EQ(core::DurationFromStreamRecord(record, 35), core::kAudioInfoNoStreamInfo);
    EXPECT_EQ(core::DurationFromStreamRecord(nullptr, 300), core::kAudioInfoNoStreamInfo);
    EXPECT_EQ(core::DurationFromStreamRecord(record, 36), 1.0);
}

}  // namespace
}  // namespace simtest
