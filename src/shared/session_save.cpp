#include "session_save.h"

#include "format.h"
#include "playout_reload.h"
#include "tool_settings.h"

namespace core {

SaveResult SaveReporting(SystemPort& system, MessageBoxPort& boxes, WindowHandle owner,
                         const SaveMessages& messages,
                         const std::function<bool(std::vector<std::wstring>*)>& writeAll) {
    if (IsPlayoutRunning(system)) {
        ShowBoxMessage(boxes, owner, messages.playoutRunning);
        return SaveResult::PlayoutRunning;
    }
    std::vector<std::wstring> tablesLeftAlone;
    if (!writeAll(&tablesLeftAlone)) {
        ShowBoxMessage(boxes, owner, messages.writeFailed);
        return SaveResult::WriteFailed;
    }
    if (!tablesLeftAlone.empty()) {
        // Nothing the operator does in the dialog can make such a table readable: say
        // once which events were not updated, and close as after any OK.
        BoxMessage warning = messages.tablesLeftUnchanged;
        warning.text = Format(warning.text, InstanceNameLines(tablesLeftAlone));
        ShowBoxMessage(boxes, owner, warning);
    }
    return SaveResult::Saved;
}

}  // namespace core
