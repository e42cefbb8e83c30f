// What an editor's check answers when the operator presses OK: the record to store, or
// the first refusal, with the control the dialog gives the focus to. Every editor keeps
// its rules in a form of its own in the core; the dialog only moves texts in and out,
// shows a refusal and stays open, or stores the record and ends with OK.
#pragma once

#include <optional>
#include <utility>

#include "shared/box_message.h"

namespace core {

struct Refusal {
    BoxMessage message;
    int focusControl = 0;  // the control to focus after the message; 0: none
};

template <typename Record>
struct Checked {
    std::optional<Record> record;  // set when OK is accepted
    Refusal refusal;               // when it is not

    bool Accepted() const { return record.has_value(); }

    static Checked Accept(Record accepted) {
        Checked result;
        result.record = std::move(accepted);
        return result;
    }
    static Checked Refuse(BoxMessage message, int focusControl = 0) {
        Checked result;
        result.refusal = Refusal{std::move(message), focusControl};
        return result;
    }
};

}  // namespace core
