// The sample editor's rules: the offset range a duration allows, the fill step, the
// clamps when an edit loses the focus, "Use default:", "Set default", "Browse..." and the
// check OK makes, against in-memory files and durations.
#include "cuebell/editors/sample_editor_form.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <string>

#include "cuebell/sample_dialogs_ids.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_system.h"
#include "shared/text.h"

namespace cuebell {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct LimitsCase {
    double duration;
    double maximum;
    double step;
};

class OffsetLimitsTest : public ::testing::TestWithParam<LimitsCase> {};

TEST_P(OffsetLimitsTest, FollowTheDuration) {
    const SpinLimits limits = OffsetLimitsFor(GetParam().duration);
    EXPECT_EQ(limits.minimum, 0.0);
    EXPECT_DOUBLE_EQ(limits.maximum, GetParam().maximum);
    EXPECT_DOUBLE_EQ(limits.step, GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(Durations, OffsetLimitsTest,
                         ::testing::Values(LimitsCase{10.0, 9.5, 0.5}, LimitsCase{2.0, 1.5, 0.01},
                                           LimitsCase{3.5, 3.0, 0.5}, LimitsCase{3.49, 2.99, 0.01},
                                           LimitsCase{0.5, 0.0, 0.01}, LimitsCase{0.3, 0.3, 0.01},
                                           LimitsCase{0.0, 100.0, 0.5},
                                           LimitsCase{-2.0, 100.0, 0.5},
                                           // Not a number is a duration that cannot be determined.
                                           LimitsCase{kNaN, 100.0, 0.5},
                                           LimitsCase{kInf, 100.0, 0.5},
                                           LimitsCase{-kInf, 100.0, 0.5}));

struct FillCase {
    const char* what;
    SampleInfo record;
    SampleEditorView expected;
};

SampleInfo Sample(std::wstring path, int32_t threshold, double offset, double delay) {
    SampleInfo sample;
    sample.AudioFile = std::move(path);
    sample.Threshold = threshold;
    sample.Offset = offset;
    sample.Delay = delay;
    sample.SampleId = L"{id}";
    return sample;
}

class SampleEditorFillTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(SampleEditorFillTest, ShowsTheRecord) {
    SampleEditorForm form(35, L"Edit sample");
    const SampleEditorView view = form.Fill(GetParam().record);
    const SampleEditorView& expected = GetParam().expected;
    EXPECT_EQ(view.path, expected.path);
    EXPECT_EQ(view.useDefault, expected.useDefault);
    EXPECT_EQ(view.thresholdText, expected.thresholdText);
    EXPECT_EQ(view.offset, expected.offset);
    EXPECT_EQ(view.delay, expected.delay);
    EXPECT_EQ(form.SetAsideThreshold(), expected.thresholdText);
}

INSTANTIATE_TEST_SUITE_P(Records, SampleEditorFillTest,
                         ::testing::Values(FillCase{"own threshold",
                                                    Sample(L"C:\\a.wav", 45, 1.0, 2.0),
                                                    {L"C:\\a.wav", false, L"45", 1.0, 2.0}},
                                           FillCase{"general threshold",
                                                    Sample(L" C:\\a.wav\t", 0, 0.0, 0.5),
                                                    {L"C:\\a.wav", true, L"35", 0.0, 0.5}},
                                           FillCase{"delay below offset shows the offset",
                                                    Sample(L"C:\\a.wav", 50, 3.0, 1.0),
                                                    {L"C:\\a.wav", false, L"50", 3.0, 3.0}}),
                         [](const ::testing::TestParamInfo<FillCase>& info) {
                             std::string name = info.param.what;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(SampleEditorClamps, ThresholdStaysWithin30To100) {
    const struct {
        const wchar_t* typed;
        const wchar_t* shown;
    } cases[] = {{L"10", L"30"},   {L"150", L"100"}, {L"abc", L"30"},          {L"", L"30"},
                 {L"55", L"55"},   {L"-5", L"30"},   {L"99999999999", L"100"}, {L" 42x", L"42"},
                 {L"100", L"100"}, {L"30", L"30"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClampedThresholdText(c.typed), c.shown)
            << "typed " << testing::PrintToString(std::wstring(c.typed));
    }
}

TEST(SampleEditorClamps, OffsetAndDelayStayWithinTheirSpins) {
    const SpinLimits offset = OffsetLimitsFor(10.0);
    const struct {
        const wchar_t* typed;
        SpinLimits limits;
        double value;
    } cases[] = {{L"12", offset, 9.5},           {L"-3", offset, 0.0},
                 {L"abc", offset, 0.0},          {L"1e999", offset, 9.5},
                 {L"-1e999", offset, 0.0},       {L"2.25", offset, 2.25},
                 {L"250", DelayLimits(), 100.0}, {L"7.5s", DelayLimits(), 7.5}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ClampedSpinValue(c.typed, c.limits), c.value)
            << "typed " << testing::PrintToString(std::wstring(c.typed));
    }
}

TEST(SampleEditorUseDefault, UncheckingRestoresTheTextSetAside) {
    SampleEditorForm form(35, L"Edit sample");
    form.Fill(Sample(L"C:\\a.wav", 45, 0.0, 0.5));
    EXPECT_EQ(form.UseDefaultChecked(L"55"), L"35");
    EXPECT_EQ(form.UseDefaultUnchecked(), 55);
    // Too small a text comes back as the smallest threshold, too large as the largest.
    form.UseDefaultChecked(L"10");
    EXPECT_EQ(form.UseDefaultUnchecked(), 30);
    form.UseDefaultChecked(L"x");
    EXPECT_EQ(form.UseDefaultUnchecked(), 30);
    form.UseDefaultChecked(L"250");
    EXPECT_EQ(form.UseDefaultUnchecked(), 100);
    // A record opened with the general threshold sets the general threshold aside.
    form.Fill(Sample(L"C:\\a.wav", 0, 0.0, 0.5));
    EXPECT_EQ(form.UseDefaultUnchecked(), 35);
}

TEST(SampleEditorSetDefault, KeepsThePathAndResetsTheRest) {
    SampleEditorForm form(40, L"Edit sample");
    form.Fill(Sample(L"C:\\a.wav", 70, 2.0, 4.0));
    const SampleEditorView view = form.SetDefault(L"C:\\typed.wav");
    EXPECT_EQ(view.path, L"C:\\typed.wav");
    EXPECT_TRUE(view.useDefault);
    EXPECT_EQ(view.thresholdText, L"40");
    EXPECT_EQ(view.offset, 0.0);
    EXPECT_EQ(view.delay, 0.0);
}

class SampleEditorFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        system.AddPath(L"C:\\Jingles");
        system.AddPath(L"C:\\Jingles\\ten.wav");
        system.AddPath(L"C:\\Jingles\\short.wav");
        system.AddPath(L"C:\\Jingles\\broken.wav");
        system.AddPath(L"C:\\Jingles\\weird.wav");
        system.AddPath(L"C:\\Jingles\\one.wav");
        audio.durations[L"C:\\Jingles\\ten.wav"] = 10.0;
        audio.durations[L"C:\\Jingles\\short.wav"] = 0.8;
        audio.durations[L"C:\\Jingles\\broken.wav"] = core::kAudioInfoCannotOpen;
        audio.durations[L"C:\\Jingles\\weird.wav"] = kNaN;
        audio.durations[L"C:\\Jingles\\one.wav"] = 1.0;
    }

    core::MemorySystem system;
    core::MemoryAudioFileInfo audio;
    SampleEditorForm form{30, L"Add sample"};
};

TEST_F(SampleEditorFormTest, BrowseStartsInThePathsFolderOrTheProgramsFolder) {
    core::OpenFileRequest request = form.BrowseRequest(system, 7, L"C:\\Jingles\\gone.wav");
    EXPECT_EQ(request.owner, 7u);
    EXPECT_EQ(request.startFolder, L"C:\\Jingles");
    EXPECT_EQ(request.filterText, L"Audio files (*.wav)");
    EXPECT_EQ(request.pattern, L"*.wav");
    EXPECT_EQ(request.defaultExtension, L"wav");
    EXPECT_EQ(request.title, L"Select audio file");
    EXPECT_EQ(form.BrowseRequest(system, 0, L"D:\\Nowhere\\x.wav").startFolder,
              L"C:\\Program Files\\Quorvane");
    EXPECT_EQ(form.BrowseRequest(system, 0, L"").startFolder, L"C:\\Program Files\\Quorvane");
}

TEST_F(SampleEditorFormTest, BrowseShowsAnExistingFileAndEmptiesThePathForAMissingOne) {
    const BrowseOutcome cancelled = form.Browse(system, std::nullopt);
    EXPECT_FALSE(cancelled.pathText.has_value());
    EXPECT_FALSE(cancelled.message.has_value());

    const BrowseOutcome chosen = form.Browse(system, L"C:\\Jingles\\ten.wav");
    EXPECT_EQ(chosen.pathText, std::optional<std::wstring>(L"C:\\Jingles\\ten.wav"));
    EXPECT_FALSE(chosen.message.has_value());

    const BrowseOutcome missing = form.Browse(system, L"C:\\Jingles\\gone.wav");
    EXPECT_EQ(missing.pathText, std::optional<std::wstring>(L""));
    ASSERT_TRUE(missing.message.has_value());
    EXPECT_EQ(missing.message->text,
              L"C:\\Jingles\\gone.wav\nFile not found.\n"
              L"Please verify the correct file name was given.");
    EXPECT_EQ(missing.message->caption, L"Select audio file");
    EXPECT_EQ(missing.message->flags, core::kMbOk | core::kMbIconWarning);
}

struct CheckCase {
    const char* what;
    SampleEditorInput input;
    const wchar_t* refusal;  // null: accepted
    int focus;
    // When accepted:
    int32_t threshold = 0;
    double offset = 0.0;
    double delay = 0.0;
};

SampleEditorInput Input(const wchar_t* path, const wchar_t* offset, const wchar_t* delay,
                        const wchar_t* threshold = L"45", bool useDefault = false) {
    return SampleEditorInput{path, offset, delay, threshold, useDefault};
}

const CheckCase kCheckCases[] = {
    {"empty path", Input(L"  ", L"0.00", L"0.50"), L"Please enter audio file name!",
     IDC_SAMPLE_PATH},
    {"missing file", Input(L"C:\\Jingles\\gone.wav", L"0.00", L"0.50"),
     L"'C:\\Jingles\\gone.wav' audio file not found!", IDC_SAMPLE_PATH},
    {"too short", Input(L"C:\\Jingles\\short.wav", L"0.00", L"0.50"),
     L"The wav file 'C:\\Jingles\\short.wav' has a duration of 00.80 s.\n"
     L"A wav file duration cannot be less than 01.00 s!",
     IDC_SAMPLE_PATH},
    {"unreadable", Input(L"C:\\Jingles\\broken.wav", L"0.00", L"0.50"),
     L"The wav file 'C:\\Jingles\\broken.wav' has a duration of -2.00 s.\n"
     L"A wav file duration cannot be less than 01.00 s!",
     IDC_SAMPLE_PATH},
    {"not a number", Input(L"C:\\Jingles\\weird.wav", L"0.00", L"0.50"),
     L"The wav file 'C:\\Jingles\\weird.wav' has a duration of -5.00 s.\n"
     L"A wav file duration cannot be less than 01.00 s!",
     IDC_SAMPLE_PATH},
    {"delay too small", Input(L"C:\\Jingles\\ten.wav", L"2.00", L"2.40"),
     L"Delay must be greater than or equal to Offset + 00.50 s!", IDC_SAMPLE_DELAY},
    {"delay below offset", Input(L"C:\\Jingles\\ten.wav", L"3.00", L"1.00"),
     L"Delay must be greater than or equal to Offset + 00.50 s!", IDC_SAMPLE_DELAY},
    // An offset typed beyond the sample is the sample's last offset, as leaving the edit
    // would have made it; the delay rule then holds against that.
    {"offset past the end", Input(L"C:\\Jingles\\ten.wav", L"12", L"9.90"),
     L"Delay must be greater than or equal to Offset + 00.50 s!", IDC_SAMPLE_DELAY},
    {"delay exactly half a second on", Input(L"C:\\Jingles\\ten.wav", L"2.00", L"2.50"), nullptr, 0,
     45, 2.0, 2.5},
    {"decimal sums are exact", Input(L"C:\\Jingles\\ten.wav", L"0.07", L"0.57"), nullptr, 0, 45,
     0.07, 0.57},
    {"one second is long enough", Input(L" C:\\Jingles\\one.wav ", L"0.10", L"0.60"), nullptr, 0,
     45, 0.1, 0.6},
    {"offset clamped to the end", Input(L"C:\\Jingles\\ten.wav", L"12", L"10"), nullptr, 0, 45, 9.5,
     10.0},
    {"negative offset clamped", Input(L"C:\\Jingles\\ten.wav", L"-3", L"0.5"), nullptr, 0, 45, 0.0,
     0.5},
    {"delay clamped", Input(L"C:\\Jingles\\ten.wav", L"1", L"250"), nullptr, 0, 45, 1.0, 100.0},
    // Confirmed with Enter, the threshold is what leaving its edit would have made it;
    // only "Use default:" stores the general threshold.
    {"zero threshold raised to 30", Input(L"C:\\Jingles\\ten.wav", L"0", L"1", L"0"), nullptr, 0,
     30, 0.0, 1.0},
    {"threshold below 30", Input(L"C:\\Jingles\\ten.wav", L"0", L"1", L"10"), nullptr, 0, 30, 0.0,
     1.0},
    {"empty threshold", Input(L"C:\\Jingles\\ten.wav", L"0", L"1", L""), nullptr, 0, 30, 0.0, 1.0},
    {"threshold at most 100", Input(L"C:\\Jingles\\ten.wav", L"0", L"1", L"150"), nullptr, 0, 100,
     0.0, 1.0},
    {"use default", Input(L"C:\\Jingles\\ten.wav", L"0", L"1", L"77", true), nullptr, 0, 0, 0.0,
     1.0},
};

class SampleEditorCheckTest : public SampleEditorFormTest,
                              public ::testing::WithParamInterface<CheckCase> {};

TEST_P(SampleEditorCheckTest, RefusesInOrderOrStoresTheRecord) {
    const CheckCase& c = GetParam();
    SampleInfo original = Sample(L"C:\\old.wav", 50, 1.0, 2.0);
    const Checked<SampleInfo> checked = form.Check(c.input, original, system, audio);
    if (c.refusal != nullptr) {
        ASSERT_FALSE(checked.Accepted());
        EXPECT_EQ(checked.refusal.message.text, c.refusal);
        EXPECT_EQ(checked.refusal.message.caption, L"Add sample");
        EXPECT_EQ(checked.refusal.message.flags, core::kMbOk | core::kMbIconError);
        EXPECT_EQ(checked.refusal.focusControl, c.focus);
        return;
    }
    ASSERT_TRUE(checked.Accepted()) << testing::PrintToString(checked.refusal.message.text);
    EXPECT_EQ(checked.record->AudioFile, core::Trim(c.input.path));
    EXPECT_EQ(checked.record->Threshold, c.threshold);
    EXPECT_DOUBLE_EQ(checked.record->Offset, c.offset);
    EXPECT_DOUBLE_EQ(checked.record->Delay, c.delay);
    EXPECT_EQ(checked.record->SampleId, L"{id}");
}

INSTANTIATE_TEST_SUITE_P(Inputs, SampleEditorCheckTest, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase>& info) {
                             std::string name = info.param.what;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace cuebell
