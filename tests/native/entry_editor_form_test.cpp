// The detection entry editor's form: what it opens with, the texts of its rows and
// items, and the check its OK makes, refusal by refusal and in their order.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/core/entry_list_rules.h"
#include "cuebell/editors/entry_editor_form.h"
#include "cuebell/entry_editor_ids.h"
#include "cuebell/model/cuebell_strings.h"
#include "shared/reg_values.h"

namespace cuebell {
namespace {

constexpr int kNoComment = 1;  // the action that allows no comment

SampleInfo Sample(const wchar_t* path, int32_t threshold, double offset, double delay,
                  const wchar_t* id) {
    SampleInfo sample;
    sample.AudioFile = path;
    sample.Threshold = threshold;
    sample.Offset = offset;
    sample.Delay = delay;
    sample.SampleId = id;
    return sample;
}

DeviceInfo Device(const wchar_t* name, int32_t rate, int32_t digit, const wchar_t* id) {
    DeviceInfo device;
    device.Name = name;
    device.SampleRate = rate;
    device.AnalysisDigit = digit;
    device.DeviceId = id;
    return device;
}

class EntryEditorFormTest : public ::testing::Test {
  protected:
    SampleList samples{Sample(L"C:\\Jingles\\news.wav", 0, 0.5, 2.0, L"{S1}"),
                       Sample(L"C:\\Jingles\\sport.wav", 45, 1.0, 10.25, L"{S2}"),
                       Sample(L"C:\\Jingles\\weather.wav", 30, 0.0, 0.0, L"{S3}")};
    DeviceList devices{Device(L"CX840 Input 1 B1", 44100, 14, L"{D1}"),
                       Device(L"CX840 Input 2 B2", 48000, 15, L"{D2}")};
    core::ActionList actions{{L"Wait command", 1, 101}, {L"Mute", 0, 7}};

    EntryEditorSources Sources(std::vector<std::wstring> otherNames = {L"WAV_News",
                                                                       L"WAV_Sport"}) const {
        return EntryEditorSources{
            L"Edit detection entry", std::move(otherNames), samples, devices, actions, 30};
    }
};

// What the OK check answers for a form; exactly one of refusalText and storedName is set.
struct CheckCase {
    const char* what;
    std::wstring typedName;
    std::vector<bool> ticked;
    int action;
    std::wstring comment;
    std::wstring shownName;  // the name edit's text after OK
    std::optional<int> refusalText;
    int focus;
    std::wstring storedName;
    std::wstring storedComment;
};

const std::vector<bool> kOneTicked{false, true, false};
const std::vector<bool> kNoneTicked{false, false, false};

const CheckCase kCheckCases[] = {
    {"prefix added", L"Jingle 1", kOneTicked, 0, L"", L"Jingle 1", {}, 0, L"WAV_Jingle 1", L""},
    {"prefix kept", L"WAV_Jingle", kOneTicked, 0, L"", L"WAV_Jingle", {}, 0, L"WAV_Jingle", L""},
    {"lower-case prefix is no prefix",
     L"wav_jingle",
     kOneTicked,
     0,
     L"",
     L"wav_jingle",
     {},
     0,
     L"WAV_wav_jingle",
     L""},
    {"trimmed first",
     L" \tJingle 1  ",
     kOneTicked,
     0,
     L"c",
     L"Jingle 1",
     {},
     0,
     L"WAV_Jingle 1",
     L"c"},
    {"blank name", L"   ", kOneTicked, 0, L"", L"", IDS_ENTER_ENTRY_NAME, IDC_ENTRY_NAME, L"", L""},
    {"empty name", L"", kOneTicked, 0, L"", L"", IDS_ENTER_ENTRY_NAME, IDC_ENTRY_NAME, L"", L""},
    {"duplicate after prefix and trim", L" news ", kOneTicked, 0, L"", L"news",
     IDS_ENTRY_NAME_EXISTS, IDC_ENTRY_NAME, L"", L""},
    {"duplicate in other case", L"WAV_SPORT", kOneTicked, 0, L"", L"WAV_SPORT",
     IDS_ENTRY_NAME_EXISTS, IDC_ENTRY_NAME, L"", L""},
    {"bar in name", L"A|B", kOneTicked, 0, L"", L"A|B", IDS_ENTRY_NAME_HAS_BAR, IDC_ENTRY_NAME, L"",
     L""},
    {"nothing ticked", L"Jingle", kNoneTicked, 0, L"", L"Jingle", IDS_NO_SAMPLE_CHECKED,
     IDC_ENTRY_SAMPLES, L"", L""},
    {"line feed in comment", L"Jingle", kOneTicked, 0, L"a\nb", L"Jingle",
     IDS_COMMENT_HAS_LINE_BREAK, IDC_ENTRY_COMMENT, L"", L""},
    {"carriage return in comment", L"Jingle", kOneTicked, 0, L"a\r", L"Jingle",
     IDS_COMMENT_HAS_LINE_BREAK, IDC_ENTRY_COMMENT, L"", L""},
    {"bar in comment is kept",
     L"Jingle",
     kOneTicked,
     0,
     L"a|b",
     L"Jingle",
     {},
     0,
     L"WAV_Jingle",
     L"a|b"},
    {"hidden comment is stored empty",
     L"Jingle",
     kOneTicked,
     kNoComment,
     L"a\nb",
     L"Jingle",
     {},
     0,
     L"WAV_Jingle",
     L""},
    // The order of the checks: the first failing one is shown.
    {"empty name before nothing ticked", L"", kNoneTicked, 0, L"a\n", L"", IDS_ENTER_ENTRY_NAME,
     IDC_ENTRY_NAME, L"", L""},
    {"bar before nothing ticked", L"|", kNoneTicked, 0, L"", L"|", IDS_ENTRY_NAME_HAS_BAR,
     IDC_ENTRY_NAME, L"", L""},
    {"duplicate before nothing ticked", L"News", kNoneTicked, 0, L"", L"News",
     IDS_ENTRY_NAME_EXISTS, IDC_ENTRY_NAME, L"", L""},
    {"nothing ticked before the comment", L"Jingle", kNoneTicked, 0, L"a\nb", L"Jingle",
     IDS_NO_SAMPLE_CHECKED, IDC_ENTRY_SAMPLES, L"", L""},
};

TEST_F(EntryEditorFormTest, OkChecksInOrderAndStoresThePrefixedName) {
    // An entry of the store whose name holds a "|" must be renamed before it is stored.
    const EntryEditorSources sources = Sources({L"WAV_News", L"WAV_Sport", L"WAV_A|B"});
    GpiInfo entry;
    for (const CheckCase& c : kCheckCases) {
        SCOPED_TRACE(c.what);
        EntryEditorForm form{c.typedName, 0, c.action, c.ticked, c.comment};
        const Checked<GpiInfo> checked = CheckEntry(form, entry, sources);
        EXPECT_EQ(form.name, c.shownName);
        if (c.refusalText) {
            ASSERT_FALSE(checked.Accepted());
            EXPECT_EQ(checked.refusal.message.text, CuebellText(*c.refusalText));
            EXPECT_EQ(checked.refusal.message.caption, L"Edit detection entry");
            EXPECT_EQ(checked.refusal.message.flags, core::kMbOk | core::kMbIconError);
            EXPECT_EQ(checked.refusal.focusControl, c.focus);
        } else {
            ASSERT_TRUE(checked.Accepted());
            EXPECT_EQ(checked.record->Name, c.storedName);
            EXPECT_EQ(checked.record->Comment, c.storedComment);
        }
    }
}

// The store reads a name back through 519 UTF-16 units and the terminator: the name edit
// takes what that leaves beside the prefix, and OK refuses a longer name pasted in.
TEST_F(EntryEditorFormTest, OkRefusesANameTheStoreCannotReadBack) {
    const size_t limit = static_cast<size_t>(core::StoredNameEditLimit(kToolPrefix));
    const struct {
        std::wstring name;
        bool accepted;
    } cases[] = {
        {std::wstring(limit, L'n'), true},
        {std::wstring(limit + 1, L'n'), false},
        {kToolPrefix + std::wstring(limit, L'n'), true},
        {std::wstring(limit - 1, L'n') + L"\U0001F3B5", false},  // two UTF-16 units
    };
    for (const auto& c : cases) {
        EntryEditorForm form{c.name, 0, 0, kOneTicked, L""};
        const Checked<GpiInfo> checked = CheckEntry(form, GpiInfo(), Sources());
        ASSERT_EQ(checked.Accepted(), c.accepted) << c.name.size();
        if (!c.accepted) {
            EXPECT_EQ(checked.refusal.message.text,
                      L"The detection entry name is too long: with its prefix 'WAV_' it can hold "
                      L"at most 519 characters!");
            EXPECT_EQ(checked.refusal.focusControl, IDC_ENTRY_NAME);
        }
    }
}

TEST_F(EntryEditorFormTest, EditingKeepsItsOwnNameButNotAnothers) {
    GpiInfo news, sport;
    news.Name = L"WAV_News";
    sport.Name = L"WAV_Sport";
    const EntryRefs entries{&news, &sport};
    const EntryEditorSources sources = Sources(EntryNames(entries, &news));

    EntryEditorForm own{L"WAV_News", 0, 0, kOneTicked, L""};
    EXPECT_TRUE(CheckEntry(own, news, sources).Accepted());
    EntryEditorForm other{L"Sport", 0, 0, kOneTicked, L""};
    EXPECT_FALSE(CheckEntry(other, news, sources).Accepted());
}

TEST_F(EntryEditorFormTest, AcceptedEntryTakesTheChosenDeviceSamplesAndAction) {
    GpiInfo entry;
    entry.Name = L"WAV_Old";
    entry.DeviceId = L"{D1}";
    entry.SampleIds = {L"{S1}"};
    entry.Comment = L"old";
    EntryEditorForm form{L"New", 1, kNoComment, {true, false, true}, L"typed"};

    const Checked<GpiInfo> checked = CheckEntry(form, entry, Sources());
    ASSERT_TRUE(checked.Accepted());
    const GpiInfo& stored = *checked.record;
    EXPECT_EQ(stored.Name, L"WAV_New");
    EXPECT_EQ(stored.DeviceId, L"{D2}");
    EXPECT_EQ(stored.SampleIds, (std::vector<std::wstring>{L"{S1}", L"{S3}"}));
    EXPECT_EQ(stored.Action.Name, L"Mute");
    EXPECT_EQ(stored.Action.CommentAllowed, 0);
    EXPECT_EQ(stored.Action.Code, 7);
    EXPECT_EQ(stored.Comment, L"");
    // The check never writes the entry itself.
    EXPECT_EQ(entry.Name, L"WAV_Old");
    EXPECT_EQ(entry.Comment, L"old");
}

struct OpeningCase {
    const char* what;
    std::wstring deviceId;
    std::wstring actionName;
    std::vector<std::wstring> sampleIds;
    int device;
    int action;
    std::vector<bool> ticked;
    std::wstring comment;
};

TEST_F(EntryEditorFormTest, OpensWithTheEntrysChoicesOrTheFirst) {
    const OpeningCase cases[] = {
        {"all found", L"{D2}", L"Mute", {L"{S3}", L"{S1}"}, 1, 1, {true, false, true}, L""},
        {"action without regard to case",
         L"{D1}",
         L"WAIT COMMAND",
         {L"{S2}"},
         0,
         0,
         {false, true, false},
         L"Forecast"},
        {"device compared exactly",
         L"{d2}",
         L"Wait command",
         {},
         0,
         0,
         {false, false, false},
         L"Forecast"},
        {"unknown device and action",
         L"{gone}",
         L"Shout",
         {L"{s1}"},
         0,
         0,
         {false, false, false},
         L"Forecast"},
    };
    for (const OpeningCase& c : cases) {
        SCOPED_TRACE(c.what);
        GpiInfo entry;
        entry.Name = L"WAV_Weather";
        entry.DeviceId = c.deviceId;
        entry.Action.Name = c.actionName;
        entry.SampleIds = c.sampleIds;
        entry.Comment = L"Forecast";
        const EntryEditorForm form = OpeningForm(entry, Sources());
        EXPECT_EQ(form.name, L"WAV_Weather");
        EXPECT_EQ(form.device, c.device);
        EXPECT_EQ(form.action, c.action);
        EXPECT_EQ(form.ticked, c.ticked);
        EXPECT_EQ(form.comment, c.comment);
    }
}

TEST_F(EntryEditorFormTest, EntryWhoseDeviceIsGoneIsStoredOnTheFirstDevice) {
    GpiInfo entry;
    entry.Name = L"WAV_Weather";
    entry.DeviceId = L"{gone}";
    entry.SampleIds = {L"{S3}"};
    EntryEditorForm form = OpeningForm(entry, Sources());
    const Checked<GpiInfo> checked = CheckEntry(form, entry, Sources());
    ASSERT_TRUE(checked.Accepted());
    EXPECT_EQ(checked.record->DeviceId, L"{D1}");
}

TEST_F(EntryEditorFormTest, WithoutDevicesTheEntryKeepsItsOwn) {
    devices.clear();
    GpiInfo entry;
    entry.DeviceId = L"{D9}";
    entry.SampleIds = {L"{S3}"};
    EntryEditorForm form = OpeningForm(entry, Sources());
    EXPECT_EQ(form.device, -1);
    form.name = L"Kept";
    const Checked<GpiInfo> checked = CheckEntry(form, entry, Sources());
    ASSERT_TRUE(checked.Accepted());
    EXPECT_EQ(checked.record->DeviceId, L"{D9}");
}

TEST_F(EntryEditorFormTest, RowAndItemTexts) {
    EXPECT_EQ(SampleRowText(samples[0], 30),
              L"news.wav (Threshold = 30%(default), Offset = 00.50 s, Delay = 02.00 s)");
    EXPECT_EQ(SampleRowText(samples[1], 30),
              L"sport.wav (Threshold = 45%, Offset = 01.00 s, Delay = 10.25 s)");
    EXPECT_EQ(SampleRowText(Sample(L"no folder.wav", 0, 123.4, 0.004, L""), 55),
              L"no folder.wav (Threshold = 55%(default), Offset = 123.40 s, Delay = 00.00 s)");
    EXPECT_EQ(DeviceItemText(devices[0]),
              L"CX840 Input 1 B1 (Sample rate = 44100 Hz, Analysis interval = 371 ms)");
    EXPECT_EQ(DeviceItemText(devices[1]),
              L"CX840 Input 2 B2 (Sample rate = 48000 Hz, Analysis interval = 682 ms)");
}

}  // namespace
}  // namespace cuebell
