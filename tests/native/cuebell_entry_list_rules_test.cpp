// The entry list's window-free rules: columns and cells, the row selected after a
// delete, the entry buttons, and the refusals and question of Add, Edit and Delete.
#include "cuebell/core/entry_list_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace cuebell {
namespace {

TEST(CuebellEntryList, ColumnsAreNameActionAndCommentWithTheRestOfTheWidth) {
    auto columns = EntryListColumns(600);
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
    EXPECT_EQ(EntryListColumns(100)[2].width, 0) << "a narrow list gives no negative width";
}

TEST(CuebellEntryList, CellsShowTheEntrysFields) {
    GpiInfo entry;
    entry.Name = L"WAV_News";
    entry.Action.Name = L"Wait command";
    entry.Comment = L"Top of hour";
    EXPECT_EQ(EntryCellText(entry, kNameColumn), L"WAV_News");
    EXPECT_EQ(EntryCellText(entry, kActionColumn), L"Wait command");
    EXPECT_EQ(EntryCellText(entry, kCommentColumn), L"Top of hour");
    EXPECT_EQ(EntryCellText(entry, 4), L"");
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

struct AfterDeleteCase {
    int deletedRow;
    int rowsLeft;
    int selected;
};

class CuebellRowAfterDelete : public ::testing::TestWithParam<AfterDeleteCase> {};

TEST_P(CuebellRowAfterDelete, SelectsTheSamePositionOrTheLastRow) {
    EXPECT_EQ(RowToSelectAfterDelete(GetParam().deletedRow, GetParam().rowsLeft),
              GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CuebellRowAfterDelete,
                         ::testing::Values(AfterDeleteCase{0, 2, 0},   // first of three
                                           AfterDeleteCase{1, 2, 1},   // middle of three
                                           AfterDeleteCase{2, 2, 1},   // last of three
                                           AfterDeleteCase{0, 0, -1},  // the only row
                                           AfterDeleteCase{7, 3, 2}));

TEST(CuebellEntryList, EntryButtonsNeedARow) {
    EXPECT_FALSE(EntryButtonsEnabled(0));
    EXPECT_TRUE(EntryButtonsEnabled(1));
    EXPECT_TRUE(EntryButtonsEnabled(40));
}

struct RefusalCase {
    const char* name;
    int rowCount;
    int selectedRow;
    const wchar_t* deleteText;  // nullptr: no refusal
    const wchar_t* editText;
};

class CuebellEntryRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CuebellEntryRefusal, DeleteAndEditRefuseWithoutARowToWorkOn) {
    const RefusalCase& c = GetParam();
    std::optional<BoxMessage> del = DeleteRefusal(c.rowCount, c.selectedRow);
    std::optional<BoxMessage> edit = EditRefusal(c.rowCount, c.selectedRow);
    ASSERT_EQ(del.has_value(), c.deleteText != nullptr);
    ASSERT_EQ(edit.has_value(), c.editText != nullptr);
    if (del) {
        EXPECT_EQ(del->text, c.deleteText);
        EXPECT_EQ(del->caption, L"Delete detection entry");
        EXPECT_EQ(del->flags, core::kMbOk | core::kMbIconWarning);
    }
    if (edit) {
        EXPECT_EQ(edit->text, c.editText);
        EXPECT_EQ(edit->caption, L"Edit detection entry");
        EXPECT_EQ(edit->flags, core::kMbOk | core::kMbIconWarning);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, CuebellEntryRefusal,
    ::testing::Values(RefusalCase{"Empty", 0, -1, L"The detection entry list is empty!",
                                  L"The detection entry list is empty!"},
                      RefusalCase{"NoSelection", 3, -1, L"No selected detection entry to edit!",
                                  L"No selected detection entry to edit!"},
                      RefusalCase{"SelectionBeyondTheRows", 3, 3,
                                  L"No selected detection entry to edit!",
                                  L"No selected detection entry to edit!"},
                      RefusalCase{"Selected", 3, 2, nullptr, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CuebellEntryList, DeleteAsksWithTheEntrysName) {
    BoxMessage question = DeleteConfirmation(L"WAV_100%d");
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
