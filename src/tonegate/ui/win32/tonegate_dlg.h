// Tonegate's main dialog (template IDD_TONEGATE_DIALOG): the main dialog's shape around the
// cue-tone signals, with Tonegate's session, its signal editor and the selected signal's
// description. DoModal answers IDOK after a save, IDCANCEL after Cancel, -1 when the dialog
// could not be created; when start-up refuses, the quit message is posted and the dialog
// ends without being shown (its result then means nothing).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shared/win32/record_main_dialog.h"
#include "tonegate/core/tonegate_session.h"
#include "tonegate/ui/win32/tonegate_ports.h"

namespace tonegate {

class CTonegateDlg : public win32::CRecordMainDialog<CDTMFTaskInfo> {
  public:
    // Templates, icons and strings come from the resources module.
    CTonegateDlg(HINSTANCE resources, const TonegatePorts& ports);

  protected:
    void RegisterAnchors() override;
    bool Start() override;
    SignalList TakeRecords() override { return session_.TakeSignals(); }
    bool Save(const std::vector<CDTMFTaskInfo*>& signals) override;
    void Close() override { session_.Close(Placement()); }
    std::wstring Describe(const CDTMFTaskInfo* signal) const override;
    bool OnProgramCommand(int id) override;

  private:
    std::unique_ptr<CDTMFTaskInfo> NewRecord() override;
    bool EditRecord(CDTMFTaskInfo& signal) override;

    TonegatePorts ports_;
    TonegateSession session_;
};

}  // namespace tonegate
