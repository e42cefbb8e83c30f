// What both programs do on OK around their own writes: refuse while the playout program
// runs, report a failed write, and tell once which instances' event tables were left as
// they were because they could not be read. Each program passes its words and its writes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "box_message.h"
#include "message_box_port.h"
#include "system_port.h"

namespace core {

enum class SaveResult {
    Saved,           // everything written: the dialog closes with OK
    PlayoutRunning,  // the playout program runs: the refusal shown, nothing written
    WriteFailed,     // some write failed: the error was shown; OK may be pressed again
};

struct SaveMessages {
    BoxMessage playoutRunning;
    BoxMessage writeFailed;
    // "%s" stands for the instances' names, one a line.
    BoxMessage tablesLeftUnchanged;
};

// writeAll writes everything and answers false when a write failed; it adds the
// instances whose tables it left alone to its argument.
SaveResult SaveReporting(SystemPort& system, MessageBoxPort& boxes, WindowHandle owner,
                         const SaveMessages& messages,
                         const std::function<bool(std::vector<std::wstring>*)>& writeAll);

// The records of the list without the null ones, in order.
template <class Refs>
Refs WithoutNulls(const Refs& records) {
    Refs kept;
    for (const auto& record : records) {
        if (record) {
            kept.push_back(record);
        }
    }
    return kept;
}

}  // namespace core
