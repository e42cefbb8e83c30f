// The texts of Cuebell's About box that do not come from the version resource: the
// notice "Copyright (C) <year> Quorvane" and the year it shows.
#pragma once

#include <string>

namespace cuebell {

// String 10078, the year and string 10079, separated by blanks.
std::wstring AboutNotice(int year);

// The current year in local time; 0 when the local time cannot be obtained.
int CurrentLocalYear();

}  // namespace cuebell
