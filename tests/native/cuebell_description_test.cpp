// The description of the selected detection entry, character for character.
#include "cuebell/core/description.h"

#include <gtest/gtest.h>

#include <string>

namespace cuebell {
namespace {

SampleInfo Sample(const std::wstring& id, const std::wstring& file, int32_t threshold,
                  double offset, double delay) {
    SampleInfo sample;
    sample.SampleId = id;
    sample.AudioFile = file;
    sample.Threshold = threshold;
    sample.Offset = offset;
    sample.Delay = delay;
    return sample;
}

DeviceInfo Device(const std::wstring& id, const std::wstring& name, int32_t rate, int32_t digit) {
    DeviceInfo device;
    device.DeviceId = id;
    device.Name = name;
    device.SampleRate = rate;
    device.AnalysisDigit = digit;
    return device;
}

GpiInfo Entry(const std::wstring& deviceId, std::vector<std::wstring> sampleIds) {
    GpiInfo entry;
    entry.Name = L"WAV_Entry";
    entry.DeviceId = deviceId;
    entry.SampleIds = std::move(sampleIds);
    return entry;
}

const std::wstring kHead = L"Selected device for detection:\r\n";
const std::wstring kSeparatorAndSamples =
    L";\r\n-------------------------\r\nSelected sample(s) for detection:";

TEST(CuebellDescription, TwoSamplesGiveTheExampleText) {
    SampleList samples{Sample(L"{S1}", L"C:\\Jingles\\news.wav", 0, 0.5, 2.0),
                       Sample(L"{S2}", L"C:\\Jingles\\sport.wav", 45, 1.0, 10.25)};
    DeviceList devices{Device(L"{D1}", L"CX840 Input 1 B1", 44100, 14)};
    GeneralParams general;
    general.Threshold = 30;

    EXPECT_EQ(DescribeEntry(Entry(L"{D1}", {L"{S1}", L"{S2}"}), samples, devices, general),
              L"Selected device for detection:\r\n"
              L"CX840 Input 1 B1 (Sample rate = 44100 Hz, Analysis interval = 371 ms);\r\n"
              L"-------------------------\r\n"
              L"Selected sample(s) for detection:\r\n"
              L"1) C:\\Jingles\\news.wav (Delay = 02.00 s, Offset = 00.50 s, "
              L"Threshold = 30%(default));\r\n"
              L"2) C:\\Jingles\\sport.wav (Delay = 10.25 s, Offset = 01.00 s, Threshold = 45%).");
}

TEST(CuebellDescription, OneSampleEndsWithAFullStop) {
    SampleList samples{Sample(L"{S1}", L"a.wav", 45, 0.0, 0.0)};
    DeviceList devices{Device(L"{D1}", L"CX840 Input 2 B1", 48000, 15)};

    EXPECT_EQ(DescribeEntry(Entry(L"{D1}", {L"{S1}"}), samples, devices, GeneralParams()),
              kHead + L"CX840 Input 2 B1 (Sample rate = 48000 Hz, Analysis interval = 682 ms)" +
                  kSeparatorAndSamples +
                  L"\r\n1) a.wav (Delay = 00.00 s, Offset = 00.00 s, Threshold = 45%).");
}

TEST(CuebellDescription, ASampleRepeatedInTheEntryIsListedEachTime) {
    SampleList samples{Sample(L"{S1}", L"a.wav", 0, 0.0, 0.0)};
    DeviceList devices{Device(L"{D1}", L"In", 8000, 12)};
    GeneralParams general;
    general.Threshold = 0;

    std::wstring text =
        DescribeEntry(Entry(L"{D1}", {L"{S1}", L"{S1}"}), samples, devices, general);

    EXPECT_NE(text.find(L"\r\n1) a.wav (Delay = 00.00 s, Offset = 00.00 s, "
                        L"Threshold = 0%(default));\r\n2) a.wav"),
              std::wstring::npos)
        << std::string(text.begin(), text.end());
    EXPECT_EQ(text.back(), L'.');
}

struct DeviceCase {
    int32_t rate;
    int32_t digit;
    const wchar_t* expected;
};

class CuebellDescriptionDevice : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(CuebellDescriptionDevice, ShowsTheRateAndTheAnalysisInterval) {
    DeviceList devices{Device(L"{D1}", L"CX840 Input 1 B1", GetParam().rate, GetParam().digit)};
    std::wstring text = DescribeEntry(Entry(L"{D1}", {}), SampleList(), devices, GeneralParams());
    EXPECT_EQ(text, kHead + GetParam().expected + kSeparatorAndSamples);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, CuebellDescriptionDevice,
    ::testing::Values(
        DeviceCase{48000, 15,
                   L"CX840 Input 1 B1 (Sample rate = 48000 Hz, Analysis interval = 682 ms)"},
        DeviceCase{44100, 12,
                   L"CX840 Input 1 B1 (Sample rate = 44100 Hz, Analysis interval = 92 ms)"},
        // A rate of 0 counts as 1.
        DeviceCase{0, 12,
                   L"CX840 Input 1 B1 (Sample rate = 0 Hz, Analysis interval = 4096000 ms)"}));

struct NumberCase {
    double offset;
    const wchar_t* shown;
};

class CuebellDescriptionNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(CuebellDescriptionNumber, PadsToFiveCharactersWithTwoDecimals) {
    SampleList samples{Sample(L"{S1}", L"a.wav", 10, GetParam().offset, 0.0)};
    DeviceList devices{Device(L"{D1}", L"In", 8000, 12)};
    std::wstring text = DescribeEntry(Entry(L"{D1}", {L"{S1}"}), samples, devices, GeneralParams());
    EXPECT_NE(text.find(std::wstring(L"Offset = ") + GetParam().shown + L" s,"), std::wstring::npos)
        << std::string(text.begin(), text.end());
}

INSTANTIATE_TEST_SUITE_P(Offsets, CuebellDescriptionNumber,
                         ::testing::Values(NumberCase{0.5, L"00.50"}, NumberCase{12.346, L"12.35"},
                                           NumberCase{123.4, L"123.40"},
                                           NumberCase{0.0, L"00.00"}));

TEST(CuebellDescription, ReferencesThatDoNotResolveShowAQuestionMark) {
    SampleList samples{Sample(L"{S1}", L"a.wav", 10, 0.0, 0.0)};
    DeviceList devices{Device(L"{D1}", L"In", 8000, 12)};

    EXPECT_EQ(
        DescribeEntry(Entry(L"{gone}", {L"{S1}", L"{missing}"}), samples, devices, GeneralParams()),
        kHead + L"? (Sample rate = ? Hz, Analysis interval = ? ms)" + kSeparatorAndSamples +
            L"\r\n1) a.wav (Delay = 00.00 s, Offset = 00.00 s, Threshold = 10%);"
            L"\r\n2) ? (Delay = ? s, Offset = ? s, Threshold = ?).");
}

TEST(CuebellDescription, TextsWithPercentSignsAndUnusualValuesAreShownAsTheyAre) {
    SampleList samples{Sample(L"{S1}", L"C:\\100%d\\%s.wav", -3, -1.5, 1e300)};
    DeviceList devices{Device(L"{D1}", L"Input %s", -44100, 99)};

    std::wstring text = DescribeEntry(Entry(L"{D1}", {L"{S1}"}), samples, devices, GeneralParams());

    EXPECT_EQ(text.find(kHead + L"Input %s (Sample rate = -44100 Hz"), 0u);
    EXPECT_NE(text.find(L"1) C:\\100%d\\%s.wav (Delay = "), std::wstring::npos);
    EXPECT_NE(text.find(L"Offset = -1.50 s, Threshold = -3%)."), std::wstring::npos);
}

}  // namespace
}  // namespace cuebell
