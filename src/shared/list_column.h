// One column of a report list, as the core composes it: the identifier kept in the header
// item's data (cells are found by what they show, not by position), the title and the
// width in pixels.
#pragma once

#include <string>

namespace core {

struct ListColumn {
    int id;
    std::wstring title;
    int width;  // pixels
};

}  // namespace core
