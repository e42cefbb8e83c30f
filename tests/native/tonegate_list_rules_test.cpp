// The signal list's rules without the window: columns and cells, the Edit refusals, the
// Delete command with the row selected after it, and the description of the selected
// signal, rebuilt after an edit and after every delete.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shared/inmemory/memory_message_box.h"
#include "tonegate/core/signal_description.h"
#include "tonegate/core/signal_list_rules.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {
namespace {

constexpr core::WindowHandle kOwner = 0x77;

std::unique_ptr<CDTMFTaskInfo> Signal(const std::wstring& name, const std::wstring& comment = L"") {
    auto signal = std::make_unique<CDTMFTaskInfo>();
    signal->Name = name;
    signal->DeviceName = L"CX840 Input 1 B1";
    signal->Comment = comment;
    signal->Action = core::CActionInfo{L"Wait command", 1, 101};
    return signal;
}

SignalRecords ListOf(const std::vector<std::wstring>& names) {
    SignalRecords records;
    for (const auto& name : names) {
        records.Append(Signal(name));
    }
    return records;
}

TEST(TonegateSignalList, ColumnsTakeTheirTitlesAndTheCommentTheRestOfTheWidth) {
    struct Case {
        int clientWidth;
        int commentWidth;
    };
    for (const Case c : {Case{600, 350}, Case{250, 0}, Case{100, 0}}) {
        const auto columns = SignalListDescription().columns(c.clientWidth);
        ASSERT_EQ(columns.size(), 3u);
        EXPECT_EQ(columns[0].id, 1);
        EXPECT_EQ(columns[0].title, L"Name");
        EXPECT_EQ(columns[0].width, 150);
        EXPECT_EQ(columns[1].id, 2);
        EXPECT_EQ(columns[1].title, L"Action");
        EXPECT_EQ(columns[1].width, 100);
        EXPECT_EQ(columns[2].id, 3);
        EXPECT_EQ(columns[2].title, L"Comment");
        EXPECT_EQ(columns[2].width, c.commentWidth) << c.clientWidth;
    }
}

TEST(TonegateSignalList, CellTextsFollowTheColumnIds) {
    const auto signal = Signal(L"DTMF_News", L"Top of hour");
    for (const auto& column : SignalListDescription().columns(500)) {
        const std::wstring expected[] = {L"DTMF_News", L"Wait command", L"Top of hour"};
        EXPECT_EQ(SignalListDescription().cellText(*signal, column.id), expected[column.id - 1]);
    }
    EXPECT_EQ(SignalListDescription().cellText(*Signal(L"DTMF_X"), kCommentColumn), L"");
    EXPECT_EQ(SignalListDescription().cellText(*signal, 4), L"");
}

TEST(TonegateSignalList, NamesLeaveOutTheSignalBeingEdited) {
    SignalRecords records = ListOf({L"DTMF_a", L"DTMF_b", L"DTMF_c"});
    EXPECT_EQ(SignalNames(records), (std::vector<std::wstring>{L"DTMF_a", L"DTMF_b", L"DTMF_c"}));
    EXPECT_EQ(SignalNames(records, records.At(1)),
              (std::vector<std::wstring>{L"DTMF_a", L"DTMF_c"}));
}

TEST(TonegateSignalList, EditRefusals) {
    struct Case {
        int rows, selected;
        std::optional<std::wstring> text;
    };
    const Case cases[] = {
        {0, -1, L"The detection signal list is empty!"},
        {0, 0, L"The detection signal list is empty!"},
        {3, -1, L"There are no selected detection signals to edit!"},
        {3, 3, L"There are no selected detection signals to edit!"},
        {3, 2, std::nullopt},
        {1, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto refusal = core::EditRefusal(SignalListDescription(), c.rows, c.selected);
        ASSERT_EQ(refusal.has_value(), c.text.has_value()) << c.rows << " " << c.selected;
        if (refusal) {
            EXPECT_EQ(refusal->text, *c.text);
            EXPECT_EQ(refusal->caption, L"Edit detection signal");
            EXPECT_EQ(refusal->flags, core::kMbOk | core::kMbIconWarning);
        }
    }
}

// --- Delete: refusals, the question, the row selected after it, and the description.

struct DeleteCase {
    const char* name;
    std::vector<std::wstring> rows;
    int selected;
    int answer;
    // Shown, in order: (text, flags).
    std::vector<std::pair<std::wstring, unsigned>> boxes;
    std::vector<std::wstring> rowsAfter;
    int rowToSelect;
};

class TonegateSignalDelete : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(TonegateSignalDelete, RefusesAsksAndSelectsTheNextRow) {
    const DeleteCase& c = GetParam();
    SignalRecords records = ListOf(c.rows);
    core::MemoryMessageBox boxes;
    boxes.QueueAnswer(c.answer);

    const auto outcome =
        core::DeleteSelectedRecord(records, c.selected, SignalListDescription(), boxes, kOwner);

    ASSERT_EQ(boxes.Calls().size(), c.boxes.size());
    for (size_t i = 0; i < c.boxes.size(); ++i) {
        EXPECT_EQ(boxes.Calls()[i].text, c.boxes[i].first);
        EXPECT_EQ(boxes.Calls()[i].caption, L"Delete detection entry");
        EXPECT_EQ(boxes.Calls()[i].flags, c.boxes[i].second);
        EXPECT_EQ(boxes.Calls()[i].owner, kOwner);
    }
    EXPECT_EQ(SignalNames(records), c.rowsAfter);
    EXPECT_EQ(outcome.rowToSelect, c.rowToSelect);
    EXPECT_EQ(outcome.removed != nullptr, c.rowsAfter.size() < c.rows.size());
    // The description follows the new selection; none is left when the list is empty.
    const int selectedNow = outcome.removed ? outcome.rowToSelect : c.selected;
    const std::wstring description = DescribeSignal(records.At(selectedNow));
    if (records.At(selectedNow)) {
        EXPECT_EQ(description, DescribeSignal(records.At(selectedNow)));
        EXPECT_NE(description, L"");
    } else {
        EXPECT_EQ(description, L"");
    }
}

const unsigned kWarning = core::kMbOk | core::kMbIconWarning;
const unsigned kQuestion = core::kMbYesNo | core::kMbIconQuestion;

INSTANTIATE_TEST_SUITE_P(
    Cases, TonegateSignalDelete,
    ::testing::Values(
        DeleteCase{"EmptyList",
                   {},
                   -1,
                   core::kIdYes,
                   {{L"The detection signal list is empty!", kWarning}},
                   {},
                   -1},
        DeleteCase{"NoSelection",
                   {L"DTMF_a", L"DTMF_b"},
                   -1,
                   core::kIdYes,
                   {{L"There are no selected detection signals to delete!", kWarning}},
                   {L"DTMF_a", L"DTMF_b"},
                   -1},
        DeleteCase{"AnsweredNo",
                   {L"DTMF_a", L"DTMF_b"},
                   1,
                   core::kIdNo,
                   {{L"Are you sure you want to delete the detected signal 'DTMF_b'?", kQuestion}},
                   {L"DTMF_a", L"DTMF_b"},
                   -1},
        DeleteCase{"MiddleRowSelectsTheOneMovingUp",
                   {L"DTMF_a", L"DTMF_b", L"DTMF_c"},
                   1,
                   core::kIdYes,
                   {{L"Are you sure you want to delete the detected signal 'DTMF_b'?", kQuestion}},
                   {L"DTMF_a", L"DTMF_c"},
                   1},
        DeleteCase{"LastRowSelectsTheNewLast",
                   {L"DTMF_a", L"DTMF_b", L"DTMF_c"},
                   2,
                   core::kIdYes,
                   {{L"Are you sure you want to delete the detected signal 'DTMF_c'?", kQuestion}},
                   {L"DTMF_a", L"DTMF_b"},
                   1},
        DeleteCase{"OnlyRowLeavesNoSelectionAndNoDescription",
                   {L"DTMF_a"},
                   0,
                   core::kIdYes,
                   {{L"Are you sure you want to delete the detected signal 'DTMF_a'?", kQuestion}},
                   {},
                   -1}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The description text.

TEST(TonegateDescription, ListsTheDeviceTheSymbolsTheTimingsAndTheChannel) {
    CDTMFTaskInfo signal;
    signal.DeviceName = L"CX840 Input 2 B1";
    signal.Symbols = L"#*0A";
    signal.SymbolDuration = L"120";
    signal.GapDuration = L"60";
    signal.Deviation = L"15";
    signal.Delay = L"2500";
    signal.AnalysisType = kAnalysisSum;

    EXPECT_EQ(DescribeSignal(&signal),
              L"Selected device for detect:\r\n"
              L"CX840 Input 2 B1;\r\n"
              L"-------------------------\r\n"
              L"Cue-tone (DTMF) signal:\t#*0A\r\n"
              L"Symbol duration (ms):\t120\r\n"
              L"Gap duration (ms):\t\t60\r\n"
              L"Deviation (ms):\t\t15\r\n"
              L"Delay (ms):\t\t2500\r\n"
              L"Channel:\t\t\tstereo");
    EXPECT_EQ(DescribeSignal(nullptr), L"");
}

TEST(TonegateDescription, NamesTheChannel) {
    struct Case {
        int32_t type;
        const wchar_t* name;
    };
    for (const Case c : {Case{kAnalysisLeft, L"left"}, Case{kAnalysisRight, L"right"},
                         Case{kAnalysisSum, L"stereo"}, Case{kAnalysisDiff, L"stereo inverse"},
                         Case{4, L"left"}, Case{-1, L"left"}}) {
        EXPECT_EQ(ChannelName(c.type), c.name) << c.type;
    }
}

TEST(TonegateDescription, FollowsAnEditOfTheSelectedRow) {
    SignalRecords records = ListOf({L"DTMF_a", L"DTMF_b"});
    const std::wstring before = DescribeSignal(records.At(1));
    records.At(1)->Symbols = L"9";
    records.At(1)->AnalysisType = kAnalysisDiff;

    const std::wstring after = DescribeSignal(records.At(1));

    EXPECT_NE(after, before);
    EXPECT_NE(after.find(L"signal:\t9\r\n"), std::wstring::npos);
    EXPECT_NE(after.find(L"Channel:\t\t\tstereo inverse"), std::wstring::npos);
    EXPECT_EQ(DescribeSignal(records.At(-1)), L"");
}

}  // namespace
}  // namespace tonegate
