// One action a detection can trigger in the playout program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct CActionInfo {
    std::wstring Name;           // display text
    int32_t CommentAllowed = 0;  // non-zero: the editors show the comment field
    int32_t Code = 0;            // written into the playout event table
};

using ActionList = std::vector<CActionInfo>;

// The code of the one action both programs offer, "Wait command".
constexpr int32_t kWaitCommandCode = 101;

}  // namespace core
