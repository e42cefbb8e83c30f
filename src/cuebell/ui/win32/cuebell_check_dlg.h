// Cuebell's configuration check over its main dialog: the check runs on the dialog's
// configuration as it stands (unsaved edits included), and a finding opens the editor of
// its record (entry, sample, device or general settings, the sample and device through
// their managers' rules). An edited record is stored in the dialog's configuration as the
// dialog's own editors store it.
#pragma once

#include <windows.h>

#include <functional>

#include "cuebell/core/cuebell_session.h"
#include "cuebell/ui/win32/cuebell_ports.h"
#include "shared/win32/record_list_view.h"

namespace cuebell {

struct CuebellCheckScope {
    HINSTANCE resources;
    CuebellSession& session;
    win32::CRecordListView<GpiInfo>& entries;
    const CuebellPorts& ports;
    std::function<void()> recordStored;  // the main dialog shows the stored record
};

// Shows the check dialog modally over owner.
void ShowCuebellCheck(HWND owner, const CuebellCheckScope& scope);

}  // namespace cuebell
