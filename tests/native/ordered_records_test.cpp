// The ordered owning list of records: row order after appends and removals, the row of
// every record found again after each change, and what it refuses.
#include "shared/ordered_records.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace core {
namespace {

struct Named {
    std::string name;
};

// One change to the list: append the named record, or remove the row.
struct Step {
    enum Kind { Append, Remove } kind;
    std::string name;  // Append
    int row;           // Remove; Append: the row it must report
};

struct Script {
    const char* title;
    std::vector<Step> steps;
    std::vector<std::string> order;  // the names, first row first, afterwards
};

class OrderedRecordsScript : public ::testing::TestWithParam<Script> {};

std::vector<std::string> Names(const OrderedRecords<Named>& records) {
    std::vector<std::string> names;
    for (const Named* record : records.InOrder()) {
        names.push_back(record->name);
    }
    return names;
}

TEST_P(OrderedRecordsScript, KeepsTheRowOrderAndFindsEveryRecordsRow) {
    OrderedRecords<Named> records;
    std::vector<std::string> removed;
    for (const Step& step : GetParam().steps) {
        if (step.kind == Step::Append) {
            EXPECT_EQ(records.Append(std::make_unique<Named>(Named{step.name})), step.row)
                << step.name;
            continue;
        }
        const Named* expected = records.At(step.row);
        std::unique_ptr<Named> taken = records.Remove(step.row);
        EXPECT_EQ(taken.get(), expected) << "row " << step.row;
        if (taken) {
            EXPECT_EQ(records.RowOf(taken.get()), -1) << "a removed record has no row";
            removed.push_back(taken->name);
        }
    }
    EXPECT_EQ(Names(records), GetParam().order);
    ASSERT_EQ(records.Count(), static_cast<int>(GetParam().order.size()));
    for (int row = 0; row < records.Count(); ++row) {
        EXPECT_EQ(records.RowOf(records.At(row)), row) << records.At(row)->name;
    }
    EXPECT_EQ(records.At(-1), nullptr);
    EXPECT_EQ(records.At(records.Count()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Scripts, OrderedRecordsScript,
                         ::testing::Values(Script{"Empty", {}, {}},
                                           Script{"AppendsInOrder",
                                                  {{Step::Append, "a", 0},
                                                   {Step::Append, "b", 1},
                                                   {Step::Append, "c", 2}},
                                                  {"a", "b", "c"}},
                                           Script{"RemovingTheFirstMovesTheOthersUp",
                                                  {{Step::Append, "a", 0},
                                                   {Step::Append, "b", 1},
                                                   {Step::Append, "c", 2},
                                                   {Step::Remove, "", 0}},
                                                  {"b", "c"}},
                                           Script{"RemovingTheMiddleThenAppending",
                                                  {{Step::Append, "a", 0},
                                                   {Step::Append, "b", 1},
                                                   {Step::Append, "c", 2},
                                                   {Step::Remove, "", 1},
                                                   {Step::Append, "d", 2}},
                                                  {"a", "c", "d"}},
                                           Script{"RemovingTheLastThenEverything",
                                                  {{Step::Append, "a", 0},
                                                   {Step::Append, "b", 1},
                                                   {Step::Remove, "", 1},
                                                   {Step::Remove, "", 0},
                                                   {Step::Append, "c", 0}},
                                                  {"c"}},
                                           Script{"RowsThatDoNotExistAreNotRemoved",
                                                  {{Step::Append, "a", 0},
                                                   {Step::Remove, "", -1},
                                                   {Step::Remove, "", 1},
                                                   {Step::Remove, "", 7}},
                                                  {"a"}}),
                         [](const auto& info) { return std::string(info.param.title); });

TEST(OrderedRecords, RefusesNullAndAnswersNoRowForAStranger) {
    OrderedRecords<Named> records;
    EXPECT_EQ(records.Append(nullptr), -1);
    EXPECT_TRUE(records.Empty());
    Named stranger{"x"};
    EXPECT_EQ(records.RowOf(&stranger), -1);
    EXPECT_EQ(records.RowOf(nullptr), -1);
    records.Append(std::make_unique<Named>(Named{"a"}));
    records.Clear();
    EXPECT_TRUE(records.Empty());
    EXPECT_TRUE(records.InOrder().empty());
}

}  // namespace
}  // namespace core
