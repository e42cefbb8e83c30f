// The texts of a program's About box that do not come from the version resource: the
// notice "Copyright (C) <year> Quorvane" and the year it shows.
#pragma once

#include <string>

#include "string_table.h"

namespace core {

// The identifiers both programs' string tables give the notice's words.
constexpr int kAboutNoticeOpeningId = 10078;
constexpr int kMakerNameId = 10079;

// The table's opening words, the year and the maker's name, separated by blanks.
std::wstring AboutNotice(const StringTable& strings, int year);

// The current year in local time; 0 when the local time cannot be obtained.
int CurrentLocalYear();

}  // namespace core
