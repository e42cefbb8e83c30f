// The detection entry editor (template IDD_ENTRY_EDITOR): names a detection entry, picks its
// device, ticks the samples it listens for and chooses its action and comment. It edits the owner's
// entry in place, and only when OK passes the checks of the entry editor's form; a refusal is
// shown, the control at fault gets the focus and the editor stays open.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "cuebell/editors/entry_editor_form.h"
#include "cuebell/editors/win32/add_edit_gpi_sample_list_ctrl.h"
#include "cuebell/model/records.h"
#include "shared/action_info.h"
#include "shared/message_box_port.h"
#include "shared/win32/dialog.h"

namespace cuebell {

class CGPIAddEditDlg : public win32::CDialog {
  public:
    // titleId: the Add or Edit title of the string table, also the caption of every
    // refusal. entry: Add, a new entry with its defaults; Edit, the list's own entry.
    // otherNames: Add, every entry's name; Edit, all but the edited one's. The lists are
    // the owner's and must outlive the dialog; the general threshold is shown for samples
    // without a threshold of their own.
    CGPIAddEditDlg(HINSTANCE resources, core::MessageBoxPort& boxes, int titleId, GpiInfo* entry,
                   std::vector<std::wstring> otherNames, const SampleList& samples,
                   const DeviceList& devices, const core::ActionList& actions,
                   const GeneralParams& general);

    // DoModal(owner) runs the editor: IDOK once the entry holds the new values, IDCANCEL
    // with the entry as it was, kFailed when there is no entry or no window.

  protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    void OnOK() override;

  private:
    void FillDevices(int selected);
    void FillActions(int selected);
    void FillSamples(const std::vector<bool>& ticked);
    // Shows the comment while the chosen action allows one; hidden, it is emptied.
    void ApplyCommentRule();
    EntryEditorForm ReadForm() const;

    core::MessageBoxPort& boxes_;
    GpiInfo* entry_;
    EntryEditorSources sources_;
    CAddEditGPISampleListCtrl sampleList_;
};

}  // namespace cuebell
