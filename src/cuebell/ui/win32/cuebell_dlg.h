// Cuebell's main dialog (template 102): starts the configuration through the session,
// shows the detection entries and the selected entry's description, and saves on OK.
// Every rule lives in the session and the core; the dialog moves data between them and
// its controls. DoModal answers IDOK after a save, IDCANCEL after Cancel, -1 when the
// dialog could not be created; when start-up refuses, the quit message is posted and the
// dialog ends without being shown (its result then means nothing).
#pragma once

#include <windows.h>

#include "cuebell/core/cuebell_session.h"
#include "cuebell/core/legacy_layout_step.h"
#include "cuebell/ui/win32/cuebell_ports.h"
#include "cuebell/ui/win32/gpi_list_ctrl.h"
#include "shared/win32/main_dialog.h"

namespace cuebell {

class CCuebellDlg : public win32::CMainDialog, private GpiListOwner {
  public:
    // Templates, icons and strings come from the resources module.
    CCuebellDlg(HINSTANCE resources, const CuebellPorts& ports);

    // Optional: the step that converts the store's older layout at start-up (not owned).
    void SetLegacyLayoutStep(LegacyLayoutStep* step) { session_.SetLegacyLayoutStep(step); }

    // Rebuilds the description of the selected entry (IDC_DESCRIPTION).
    void RebuildDescription() override;
    CGPIListCtrl& EntryList() { return list_; }
    const CuebellSession& Session() const { return session_; }
    // 1 while the entry list's delete confirmation is open.
    int ConfirmationOpen() const { return confirmationOpen_; }

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
    void SetConfirmationOpen(int open) override { confirmationOpen_ = open; }

    void RegisterAnchors();
    void AddEntry();
    void EditSelectedEntry();
    void UpdateEntryButtons();
    void OpenSampleManager();
    void OpenDeviceManager();
    void OpenGeneralSettings();
    core::WindowHandle Owner() const { return reinterpret_cast<core::WindowHandle>(hwnd_); }

    CuebellPorts ports_;
    CuebellSession session_;
    CGPIListCtrl list_;
    int confirmationOpen_ = 0;
};

}  // namespace cuebell
