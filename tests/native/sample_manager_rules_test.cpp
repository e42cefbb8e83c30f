// The sample manager's rules: columns, cell texts and tooltips, the refusals and
// questions of Edit and Delete, and the working copies that reach the owner only on OK.
#include "cuebell/editors/sample_manager_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shared/inmemory/memory_message_box.h"
#include "shared/inmemory/memory_system.h"

namespace cuebell {
namespace {

SampleInfo Sample(const std::wstring& path, const std::wstring& id, int32_t threshold = 30,
                  double offset = 0.0, double delay = 0.5) {
    SampleInfo sample;
    sample.AudioFile = path;
    sample.SampleId = id;
    sample.Threshold = threshold;
    sample.Offset = offset;
    sample.Delay = delay;
    return sample;
}

TEST(SampleListColumns, TitlesIdentifiersAndWidthsInOrder) {
    const std::vector<SampleListColumn> columns = SampleListColumns(500);
    ASSERT_EQ(columns.size(), 4u);
    const struct {
        int id;
        const wchar_t* title;
        int width;
    } expected[] = {{kAudioFileColumn, L"Audio file", 270},
                    {kDelayColumn, L"Delay(s)", 70},
                    {kOffsetColumn, L"Offset(s)", 70},
                    {kThresholdColumn, L"Threshold (%)", 90}};
    for (size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].id, expected[i].id) << i;
        EXPECT_EQ(columns[i].title, expected[i].title) << i;
        EXPECT_EQ(columns[i].width, expected[i].width) << i;
    }
    EXPECT_EQ(SampleListColumns(100)[0].width, 0);
}

TEST(SampleCellText, ShowsNameNumbersAndTheDefaultThreshold) {
    const struct {
        SampleInfo sample;
        int column;
        const wchar_t* text;
    } cases[] = {
        {Sample(L"C:\\Jingles\\news.wav", L"a"), kAudioFileColumn, L"news.wav"},
        {Sample(L"  C:\\Jingles\\news.wav \t", L"a"), kAudioFileColumn, L"news.wav"},
        {Sample(L"news.wav", L"a"), kAudioFileColumn, L"news.wav"},
        {Sample(L"C:\\Jingles\\", L"a"), kAudioFileColumn, L""},
        {Sample(L"x", L"a", 0), kThresholdColumn, L"35 (default)"},
        {Sample(L"x", L"a", 45), kThresholdColumn, L"45"},
        {Sample(L"x", L"a", 30, 0.0), kOffsetColumn, L" 0.00"},
        {Sample(L"x", L"a", 30, 12.5), kOffsetColumn, L"12.50"},
        {Sample(L"x", L"a", 30, 0.0, 100.0), kDelayColumn, L"100.00"},
        {Sample(L"x", L"a", 30, 0.0, 2.345), kDelayColumn, L" 2.35"},
        {Sample(L"x", L"a"), 9, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SampleCellText(c.sample, c.column, 35), c.text)
            << "column " << c.column << " of " << testing::PrintToString(c.sample.AudioFile);
    }
}

TEST(SampleTooltip, IsTheFullPathCutTo79Units) {
    const std::wstring longPath = L"C:\\" + std::wstring(120, L'a') + L".wav";
    EXPECT_EQ(SampleTooltip(Sample(longPath, L"a")), longPath.substr(0, 79));
    EXPECT_EQ(SampleTooltip(Sample(L"C:\\x.wav", L"a")), L"C:\\x.wav");
    EXPECT_EQ(SampleCellToolId(0, 0), 1);
    EXPECT_EQ(SampleCellToolId(2, 3), 2052);
}

struct RefusalCase {
    int rows;
    int selected;
    const wchar_t* editText;    // null: editing may go on
    const wchar_t* deleteText;  // null: deleting may go on
};

TEST(SampleManagerRefusals, EmptyListThenNoSelection) {
    const RefusalCase cases[] = {
        {0, -1, L"Samples list is empty!", L"There is no selected audio file to delete!"},
        {0, 0, L"Samples list is empty!", L"There is no selected audio file to delete!"},
        {3, -1, L"No item selected!", L"!!"},
        {3, 3, L"No item selected!", L"!!"},
        {3, 2, nullptr, nullptr},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows, row " << c.selected);
        const auto list = SampleListDescription({}, 30);
        const auto edit = core::EditRefusal(list, c.rows, c.selected);
        const auto remove = core::DeleteRefusal(list, c.rows, c.selected);
        ASSERT_EQ(edit.has_value(), c.editText != nullptr);
        ASSERT_EQ(remove.has_value(), c.deleteText != nullptr);
        if (edit) {
            EXPECT_EQ(edit->text, c.editText);
            EXPECT_EQ(edit->caption, L"Edit sample");
            EXPECT_EQ(edit->flags, core::kMbOk | core::kMbIconError);
        }
        if (remove) {
            EXPECT_EQ(remove->text, c.deleteText);
            EXPECT_EQ(remove->caption, L"Delete audio file");
            EXPECT_EQ(remove->flags, core::kMbOk | core::kMbIconError);
        }
    }
}

// The manager's rows, filled as the dialog fills them: a copy of each sample in order.
SampleRecords RowsOf(const SampleList& samples) {
    SampleRecords rows;
    for (const SampleInfo& sample : samples) {
        rows.Append(std::make_unique<SampleInfo>(sample));
    }
    return rows;
}

// Edit up to the editor and Delete on the manager's rows, as the manager's list runs them.
bool MayEditSample(const SampleRecords& rows, int selectedRow, const EntryRefs& entries,
                   core::MessageBoxPort& boxes, core::WindowHandle owner) {
    return core::RecordToEdit(rows, selectedRow, SampleListDescription(entries, 30), boxes,
                              owner) != nullptr;
}

core::DeleteOutcome<SampleInfo> DeleteSelectedSample(SampleRecords& rows, int selectedRow,
                                                     const EntryRefs& entries,
                                                     core::MessageBoxPort& boxes,
                                                     core::WindowHandle owner) {
    return core::DeleteSelectedRecord(rows, selectedRow, SampleListDescription(entries, 30), boxes,
                                      owner);
}

class SampleRowsTest : public ::testing::Test {
  protected:
    SampleRowsTest() {
        for (int i = 0; i < 5; ++i) {
            used[i].Name = L"WAV_" + std::to_wstring(i + 1);
            used[i].SampleIds = {L"{busy}"};
        }
        once.Name = L"WAV_Once";
        once.SampleIds = {L"{other}", L"{single}", L"{single}"};
        entries = {&used[0], &once, &used[1], &used[2], &used[3], &used[4]};
        owner = {Sample(L"C:\\J\\a.wav", L"{free}"), Sample(L"C:\\J\\b.wav", L"{busy}"),
                 Sample(L"C:\\J\\c.wav", L"{single}", 0, 1.0, 2.0)};
    }

    GpiInfo used[5];
    GpiInfo once;
    EntryRefs entries;
    SampleList owner;
    core::MemoryMessageBox boxes;
};

TEST_F(SampleRowsTest, EditAsksBeforeChangingASampleInUse) {
    const SampleRecords rows = RowsOf(owner);
    EXPECT_TRUE(MayEditSample(rows, 0, entries, boxes, 1));
    EXPECT_TRUE(boxes.Calls().empty());

    boxes.QueueAnswer(core::kIdNo);
    EXPECT_FALSE(MayEditSample(rows, 2, entries, boxes, 1));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
              L"The selected sample is used by the detection entry: \n1) WAV_Once.\n\n"
              L"Continue anyway?");
    EXPECT_EQ(boxes.Calls()[0].caption, L"Edit sample");
    EXPECT_EQ(boxes.Calls()[0].flags, core::kMbYesNo | core::kMbIconWarning);

    boxes.QueueAnswer(core::kIdYes);
    EXPECT_TRUE(MayEditSample(rows, 1, entries, boxes, 1));
    EXPECT_EQ(boxes.Calls()[1].text,
              L"The selected sample is used by the detection entries: \n1) WAV_1;\n2) WAV_2;\n"
              L"3) WAV_3;\n...\n\nContinue anyway?");

    EXPECT_FALSE(MayEditSample(rows, -1, entries, boxes, 1));
    EXPECT_EQ(boxes.Calls()[2].text, L"No item selected!");
}

TEST_F(SampleRowsTest, ASampleInUseIsNeverDeleted) {
    SampleRecords rows = RowsOf(owner);
    const core::DeleteOutcome<SampleInfo> refused =
        DeleteSelectedSample(rows, 1, entries, boxes, 1);
    EXPECT_EQ(refused.removed, nullptr);
    EXPECT_EQ(rows.Count(), 3);
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
              L"Cannot delete the selected sample: it is used by the detection entries:\n"
              L"1) WAV_1;\n2) WAV_2;\n3) WAV_3;\n...");
    EXPECT_EQ(boxes.Calls()[0].caption, L"Delete sample");
    EXPECT_EQ(boxes.Calls()[0].flags, core::kMbOk | core::kMbIconError);

    DeleteSelectedSample(rows, 2, entries, boxes, 1);
    EXPECT_EQ(boxes.Calls()[1].text,
              L"Cannot delete the selected sample: it is used by the detection entry:\n"
              L"1) WAV_Once.");
    EXPECT_EQ(rows.Count(), 3);
}

TEST_F(SampleRowsTest, DeleteAsksThenSelectsTheRowThatTakesItsPlace) {
    owner.push_back(Sample(L"C:\\J\\d.wav", L"{d}"));
    SampleRecords rows = RowsOf(owner);

    boxes.QueueAnswer(core::kIdNo);
    EXPECT_EQ(DeleteSelectedSample(rows, 0, {}, boxes, 1).removed, nullptr);
    EXPECT_EQ(boxes.Calls()[0].text, L"Are you sure you want to delete 'C:\\J\\a.wav'?");
    EXPECT_EQ(boxes.Calls()[0].caption, L"Delete sample");
    EXPECT_EQ(boxes.Calls()[0].flags, core::kMbYesNo | core::kMbIconQuestion);
    EXPECT_EQ(rows.Count(), 4);

    const struct {
        int deleted;
        int selectNext;
        const wchar_t* nowFirst;
    } steps[] = {{1, 1, L"C:\\J\\a.wav"},
                 {2, 1, L"C:\\J\\a.wav"},
                 {0, 0, L"C:\\J\\c.wav"},
                 {0, -1, nullptr}};
    for (const auto& step : steps) {
        const core::DeleteOutcome<SampleInfo> done =
            DeleteSelectedSample(rows, step.deleted, {}, boxes, 1);
        EXPECT_NE(done.removed, nullptr);
        EXPECT_EQ(done.rowToSelect, step.selectNext);
        if (step.nowFirst != nullptr) {
            EXPECT_EQ(rows.At(0)->AudioFile, step.nowFirst);
        }
    }
    EXPECT_EQ(rows.Count(), 0);
    DeleteSelectedSample(rows, -1, {}, boxes, 1);
    EXPECT_EQ(boxes.Calls().back().text, L"There is no selected audio file to delete!");
}

TEST_F(SampleRowsTest, OnlyCommitReachesTheOwnerInRowOrder) {
    core::MemorySystem system;
    SampleRecords rows = RowsOf(owner);
    const SampleInfo added = NewSample(system);
    EXPECT_EQ(added.AudioFile, L"");
    EXPECT_EQ(added.Threshold, 30);
    EXPECT_EQ(added.Offset, 0.0);
    EXPECT_EQ(added.Delay, 0.0);
    EXPECT_FALSE(added.SampleId.empty());
    EXPECT_NE(added.SampleId, NewSample(system).SampleId);

    auto filled = std::make_unique<SampleInfo>(added);
    filled->AudioFile = L"D:\\New\\e.wav";
    EXPECT_EQ(rows.Append(std::move(filled)), 3);
    // The editor changes the row's own record.
    rows.At(1)->Threshold = 77;
    EXPECT_EQ(rows.At(9), nullptr);
    EXPECT_NE(DeleteSelectedSample(rows, 0, entries, boxes, 1).removed, nullptr);

    // Nothing reached the owner so far.
    EXPECT_EQ(owner.size(), 3u);
    EXPECT_EQ(owner[1].Threshold, 30);
    std::wstring ownerPath = L"C:\\J\\a.wav";
    CommitSamples(rows.InOrder(), L"D:\\New\\e.wav", owner, ownerPath);
    ASSERT_EQ(owner.size(), 3u);
    EXPECT_EQ(owner[0].SampleId, L"{busy}");
    EXPECT_EQ(owner[0].Threshold, 77);
    EXPECT_EQ(owner[1].SampleId, L"{single}");
    EXPECT_EQ(owner[2].SampleId, added.SampleId);
    EXPECT_EQ(ownerPath, L"D:\\New\\e.wav");
}

}  // namespace
}  // namespace cuebell
