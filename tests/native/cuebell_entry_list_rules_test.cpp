// The entry list's window-free rules: columns and cells, the row buttons, the
// refusals of Add and Edit, and the Delete command from its refusals to the row it
// selects.
#include "cuebell/core/entry_list_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shared/inmemory/memory_message_box.h"

namespace cuebell {
namespace {

TEST(CuebellEntryList, ColumnsAreNameActionAndCommentWithTheRestOfTheWidth) {
    auto columns = EntryListDescription().columns(600);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].id, 1);
    EXPECT_EQ(columns[0].title, L"Name");
    EXPECT_EQ(columns[0].width, 150);
    EXPECT_EQ(columns[1].id, 2);
    EXPECT_EQ(columns[1].title, L"Action");
    EXPECT_EQ(columns[1].width, 100);
    EXPECT_EQ(columns[2].id, 3);
    EXPECT_EQ(columns[2].title, L"Comment");
    EXPECT_EQ(columns[2].width, 350);
    EXPECT_EQ(EntryListDescription().columns(100)[2].width, 0)
        << "a narrow list gives no negative width";
}

TEST(CuebellEntryList, CellsShowTheEntrysFields) {
    GpiInfo entry;
    entry.Name = L"WAV_News";
    entry.Action.Name = L"Wait command";
    entry.Comment = L"Top of hour";
    EXPECT_EQ(EntryListDescription().cellText(entry, kNameColumn), L"WAV_News");
    EXPECT_EQ(EntryListDescription().cellText(entry, kActionColumn), L"Wait command");
    EXPECT_EQ(EntryListDescription().cellText(entry, kCommentColumn), L"Top of hour");
    EXPECT_EQ(EntryListDescription().cellText(entry, 4), L"");
}

TEST(CuebellEntryList, NamesOfTheOtherEntriesInListOrder) {
    GpiInfo a, b, c;
    a.Name = L"WAV_A";
    b.Name = L"WAV_B";
    c.Name = L"WAV_C";
    EntryRefs rows{&a, &b, nullptr, &c};
    EXPECT_EQ(EntryNames(rows), (std::vector<std::wstring>{L"WAV_A", L"WAV_B", L"WAV_C"}));
    EXPECT_EQ(EntryNames(rows, &b), (std::vector<std::wstring>{L"WAV_A", L"WAV_C"}));
}

TEST(CuebellEntryList, EntryButtonsNeedARow) {
    EXPECT_FALSE(core::RowButtonsEnabled(0));
    EXPECT_TRUE(core::RowButtonsEnabled(1));
    EXPECT_TRUE(core::RowButtonsEnabled(40));
}

struct EditRefusalCase {
    const char* name;
    int rowCount;
    int selectedRow;
    const wchar_t* text;  // nullptr: no refusal
};

class CuebellEditRefusal : public ::testing::TestWithParam<EditRefusalCase> {};

TEST_P(CuebellEditRefusal, EditRefusesWithoutARowToWorkOn) {
    const EditRefusalCase& c = GetParam();
    std::optional<BoxMessage> edit =
        core::EditRefusal(EntryListDescription(), c.rowCount, c.selectedRow);
    ASSERT_EQ(edit.has_value(), c.text != nullptr);
    if (edit) {
        EXPECT_EQ(edit->text, c.text);
        EXPECT_EQ(edit->caption, L"Edit detection entry");
        EXPECT_EQ(edit->flags, core::kMbOk | core::kMbIconWarning);
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, CuebellEditRefusal,
                         ::testing::Values(EditRefusalCase{"Empty", 0, -1,
                                                           L"The detection entry list is empty!"},
                                           EditRefusalCase{"NoSelection", 3, -1,
                                                           L"No selected detection entry to edit!"},
                                           EditRefusalCase{"SelectionBeyondTheRows", 3, 3,
                                                           L"No selected detection entry to edit!"},
                                           EditRefusalCase{"Selected", 3, 2, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DeleteCase {
    const char* name;
    int rows;         // entries WAV_0, WAV_1, ... in the list
    int selectedRow;  // -1: none
    int answer;       // to the question, if it is asked
    const wchar_t* boxText;
    unsigned boxFlags;
    std::vector<std::wstring> left;  // the names left, in list order
    int rowToSelect;
};

class CuebellDeleteEntry : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(CuebellDeleteEntry, RefusesAsksAndRemovesTheSelectedEntry) {
    const DeleteCase& c = GetParam();
    EntryRecords entries;
    for (int i = 0; i < c.rows; ++i) {
        auto entry = std::make_unique<GpiInfo>();
        entry->Name = L"WAV_" + std::to_wstring(i);
        entries.Append(std::move(entry));
    }
    const GpiInfo* selected = entries.At(c.selectedRow);
    core::MemoryMessageBox boxes;
    boxes.QueueAnswer(c.answer);
    std::vector<bool> boxOpen;
    const core::WindowHandle owner = 0x1007;

    core::DeleteOutcome<GpiInfo> outcome =
        core::DeleteSelectedRecord(entries, c.selectedRow, EntryListDescription(), boxes, owner,
                                   [&boxOpen](bool open) { boxOpen.push_back(open); });

    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, c.boxText);
    EXPECT_EQ(boxes.Calls()[0].caption, L"Delete detection entry");
    EXPECT_EQ(boxes.Calls()[0].flags, c.boxFlags);
    EXPECT_EQ(boxes.Calls()[0].owner, owner);
    EXPECT_EQ(boxOpen, (std::vector<bool>{true, false}))
        << "the main dialog is told exactly while the box is open";

    std::vector<std::wstring> left;
    for (const GpiInfo* entry : entries.InOrder()) {
        left.push_back(entry->Name);
    }
    EXPECT_EQ(left, c.left);
    const bool deleted = left.size() < static_cast<size_t>(c.rows);
    EXPECT_EQ(outcome.removed.get(), deleted ? selected : nullptr)
        << "the deleted entry is handed over, not freed while its row exists";
    EXPECT_EQ(outcome.removedRow, deleted ? c.selectedRow : -1);
    EXPECT_EQ(outcome.rowToSelect, c.rowToSelect);
}

constexpr unsigned kWarning = core::kMbOk | core::kMbIconWarning;
constexpr unsigned kQuestion = core::kMbYesNo | core::kMbIconQuestion;

INSTANTIATE_TEST_SUITE_P(
    Lists, CuebellDeleteEntry,
    ::testing::Values(
        DeleteCase{
            "Empty", 0, -1, core::kIdOk, L"The detection entry list is empty!", kWarning, {}, -1},
        DeleteCase{"NoSelection",
                   3,
                   -1,
                   core::kIdOk,
                   L"No selected detection entry to edit!",
                   kWarning,
                   {L"WAV_0", L"WAV_1", L"WAV_2"},
                   -1},
        DeleteCase{"SelectionBeyondTheRows",
                   3,
                   3,
                   core::kIdOk,
                   L"No selected detection entry to edit!",
                   kWarning,
                   {L"WAV_0", L"WAV_1", L"WAV_2"},
                   -1},
        DeleteCase{"AnsweredNo",
                   3,
                   1,
                   core::kIdNo,
                   L"Are you sure you want to delete 'WAV_1'?",
                   kQuestion,
                   {L"WAV_0", L"WAV_1", L"WAV_2"},
                   -1},
        DeleteCase{"FirstOfThree",
                   3,
                   0,
                   core::kIdYes,
                   L"Are you sure you want to delete 'WAV_0'?",
                   kQuestion,
                   {L"WAV_1", L"WAV_2"},
                   0},
        DeleteCase{"MiddleOfThree",
                   3,
                   1,
                   core::kIdYes,
                   L"Are you sure you want to delete 'WAV_1'?",
                   kQuestion,
                   {L"WAV_0", L"WAV_2"},
                   1},
        DeleteCase{"LastOfThree",
                   3,
                   2,
                   core::kIdYes,
                   L"Are you sure you want to delete 'WAV_2'?",
                   kQuestion,
                   {L"WAV_0", L"WAV_1"},
                   1},
        DeleteCase{"TheOnlyOne",
                   1,
                   0,
                   core::kIdYes,
                   L"Are you sure you want to delete 'WAV_0'?",
                   kQuestion,
                   {},
                   -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CuebellEntryList, DeleteAsksWithTheEntrysName) {
    GpiInfo entry;
    entry.Name = L"WAV_100%d";
    BoxMessage question = EntryListDescription().deleteQuestion(entry);
    EXPECT_EQ(question.text, L"Are you sure you want to delete 'WAV_100%d'?");
    EXPECT_EQ(question.caption, L"Delete detection entry");
    EXPECT_EQ(question.flags, core::kMbYesNo | core::kMbIconQuestion);
}

TEST(CuebellEntryList, AddRefusesWithoutSamplesFirstThenWithoutDevices) {
    SampleList samples(1);
    DeviceList devices(1);
    struct {
        SampleList samples;
        DeviceList devices;
        const wchar_t* text;
    } cases[] = {
        {{}, {}, L"There are no samples!"},
        {{}, devices, L"There are no samples!"},
        {samples, {}, L"There are no devices!"},
        {samples, devices, nullptr},
    };
    for (const auto& c : cases) {
        std::optional<BoxMessage> refusal = AddRefusal(c.samples, c.devices);
        ASSERT_EQ(refusal.has_value(), c.text != nullptr);
        if (refusal) {
            EXPECT_EQ(refusal->text, c.text);
            EXPECT_EQ(refusal->caption, L"Add detection entry");
            EXPECT_EQ(refusal->flags, core::kMbOk | core::kMbIconError);
        }
    }
}

}  // namespace
}  // namespace cuebell
