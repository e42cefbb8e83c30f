// The About box notice: the table's opening words, the year and the maker's name.
#include <gtest/gtest.h>

#include <ctime>

#include "cuebell/model/cuebell_strings.h"
#include "shared/about_notice.h"
#include "tonegate/model/tonegate_strings.h"

namespace {

TEST(AboutNoticeTest, JoinsOpeningYearAndMakerWithBlanks) {
    for (const core::StringTable* strings :
         {&cuebell::CuebellStrings(), &tonegate::TonegateStrings()}) {
        EXPECT_EQ(core::AboutNotice(*strings, 2025), L"Copyright (C) 2025 Quorvane");
        // A year that could not be obtained shows as 0 rather than as garbage.
        EXPECT_EQ(core::AboutNotice(*strings, 0), L"Copyright (C) 0 Quorvane");
    }
}

TEST(AboutNoticeTest, CurrentYearIsTheLocalCalendarYear) {
    const std::time_t now = std::time(nullptr);
    const int expected = std::localtime(&now)->tm_year + 1900;
    const int year = core::CurrentLocalYear();
    // The year may turn between the two readings.
    EXPECT_TRUE(year == expected || year == expected + 1) << year;
}

}  // namespace
