// The row a list selects after a delete, whichever list it is.
#include "shared/record_delete.h"

#include <gtest/gtest.h>

namespace core {
namespace {

struct AfterDeleteCase {
    int deletedRow;
    int rowsLeft;
    int selected;
};

class RowAfterDelete : public ::testing::TestWithParam<AfterDeleteCase> {};

TEST_P(RowAfterDelete, SelectsTheSamePositionOrTheLastRow) {
    EXPECT_EQ(RowToSelectAfterDelete(GetParam().deletedRow, GetParam().rowsLeft),
              GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Rows, RowAfterDelete,
                         ::testing::Values(AfterDeleteCase{0, 2, 0},   // first of three
                                           AfterDeleteCase{1, 2, 1},   // middle of three
                                           AfterDeleteCase{2, 2, 1},   // last of three
                                           AfterDeleteCase{0, 0, -1},  // the only row
                                           AfterDeleteCase{7, 3, 2}));

}  // namespace
}  // namespace core
