// Tonegate's configuration check over its main dialog: the check runs on the signals as
// they stand in the dialog (unsaved edits included), and a finding on a signal opens the
// signal editor on it, as the dialog's own Edit does, with no device chosen when the
// signal's is not an input of an installed board.
#pragma once

#include <windows.h>

#include <functional>

#include "shared/win32/record_list_view.h"
#include "tonegate/core/tonegate_session.h"
#include "tonegate/ui/win32/tonegate_ports.h"

namespace tonegate {

struct TonegateCheckScope {
    HINSTANCE resources;
    const TonegateSession& session;
    win32::CRecordListView<CDTMFTaskInfo>& signals;
    const TonegatePorts& ports;
    std::function<void()> recordStored;  // the main dialog shows the stored signal
};

// Shows the check dialog modally over owner.
void ShowTonegateCheck(HWND owner, const TonegateCheckScope& scope);

}  // namespace tonegate
