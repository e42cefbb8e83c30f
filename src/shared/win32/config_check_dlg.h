// The configuration check dialog of both programs (template IDD_CONFIG_CHECK): the summary
// line, the findings (severity, where, finding) and the selected finding's full text.
// Double-click or Enter on a finding opens the editor of its first record through the
// program's source; after that editor's OK the check runs again and the list is refilled.
#pragma once

#include <windows.h>

#include "shared/config_check.h"
#include "shared/win32/controls.h"
#include "shared/win32/resize_gripper_dialog.h"

namespace win32 {

// The program's side of the dialog: its check and its editors.
class ConfigCheckSource {
  public:
    virtual ~ConfigCheckSource() = default;
    // The findings over the configuration as it stands now, sorted for the list.
    virtual core::FindingList Check() = 0;
    // Opens the editor of the record over owner; true once the edited record was stored.
    // False when the record has no editor, or it was refused or cancelled.
    virtual bool Edit(HWND owner, const core::RecordRef& record) = 0;
};

class CConfigCheckDlg : public CResizeGripperDialog {
  public:
    CConfigCheckDlg(HINSTANCE resources, core::CheckTexts texts, ConfigCheckSource& source);

    // DoModal(owner) answers IDCANCEL when closed.
    const core::FindingList& Findings() const { return findings_; }

  protected:
    bool OnInitDialog() override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    // Enter: the selected finding's editor.
    void OnOK() override;

  private:
    void RegisterAnchors();
    void SetupColumns();
    // Runs the check and shows it, the selection kept on the same row where there is one.
    void Refresh(int selectedRow);
    void ShowDetail();
    void OpenRow(int row);

    core::CheckTexts texts_;
    ConfigCheckSource& source_;
    core::FindingList findings_;
    CListView list_;
};

}  // namespace win32
