// Cuebell's main dialog (template IDD_CUEBELL_DIALOG): the main dialog's shape around the
// detection entries, with Cuebell's session, its editors and managers, and the selected
// entry's description. DoModal answers IDOK after a save, IDCANCEL after Cancel, -1 when
// the dialog could not be created; when start-up refuses, the quit message is posted and
// the dialog ends without being shown (its result then means nothing).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "cuebell/core/cuebell_session.h"
#include "cuebell/core/legacy_layout_step.h"
#include "cuebell/ui/win32/cuebell_ports.h"
#include "shared/win32/record_main_dialog.h"

namespace cuebell {

class CCuebellDlg : public win32::CRecordMainDialog<GpiInfo> {
  public:
    // Templates, icons and strings come from the resources module.
    CCuebellDlg(HINSTANCE resources, const CuebellPorts& ports);

    // Optional: the step that converts the store's older layout at start-up (not owned).
    void SetLegacyLayoutStep(LegacyLayoutStep* step) { session_.SetLegacyLayoutStep(step); }

  protected:
    void RegisterAnchors() override;
    bool Start() override;
    EntryList TakeRecords() override { return session_.TakeEntries(); }
    bool Save(const EntryRefs& entries) override;
    void Close() override { session_.Close(Placement()); }
    std::wstring Describe(const GpiInfo* entry) const override;
    bool OnProgramCommand(int id) override;

  private:
    std::unique_ptr<GpiInfo> NewRecord() override;
    bool EditRecord(GpiInfo& entry) override;

    void OpenSampleManager();
    void OpenDeviceManager();
    void OpenGeneralSettings();

    CuebellPorts ports_;
    CuebellSession session_;
};

}  // namespace cuebell
