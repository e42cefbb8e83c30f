// Tonegate's main dialog (template 102): starts the configuration through the session,
// shows the cue-tone signals and the selected signal's description, and saves on OK.
// Every rule lives in the session and the core; the dialog moves data between them and
// its controls. DoModal answers IDOK after a save, IDCANCEL after Cancel, -1 when the
// dialog could not be created; when start-up refuses, the quit message is posted and the
// dialog ends without being shown (its result then means nothing).
#pragma once

#include <windows.h>

#include "shared/win32/main_dialog.h"
#include "tonegate/core/tonegate_session.h"
#include "tonegate/ui/win32/task_list_ctrl.h"
#include "tonegate/ui/win32/tonegate_ports.h"

namespace tonegate {

class CTonegateDlg : public win32::CMainDialog, private TaskListOwner {
  public:
    // Templates, icons and strings come from the resources module.
    CTonegateDlg(HINSTANCE resources, const TonegatePorts& ports);

    // Rebuilds the description of the selected signal (IDC_DESCRIPTION).
    void RebuildDescription() override;
    CTaskListCtrl& SignalList() { return list_; }
    const TonegateSession& Session() const { return session_; }

  protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    void OnOK() override;
    bool OnHelp(HELPINFO* info) override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void ShowAbout() override;

  private:
    void RegisterAnchors();
    void AddSignal();
    void EditSelectedSignal();
    core::WindowHandle Owner() const { return reinterpret_cast<core::WindowHandle>(hwnd_); }

    TonegatePorts ports_;
    TonegateSession session_;
    CTaskListCtrl list_;
    // Set while the Delete button's command runs: F1 in its question opens no About box.
    bool deleteInProgress_ = false;
};

}  // namespace tonegate
