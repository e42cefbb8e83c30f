// The signal editor (template IDD_SIGNAL_EDITOR): names a cue-tone signal and sets its device,
// channel, symbols, timings, action and comment. The typing filters run on every change of the
// symbol and timing edits, the timings are kept in range when an edit loses the focus,
// and the signal is written only when OK passes the checks of the signal editor's form; a
// refusal is shown, the control at fault gets the focus and the editor stays open.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shared/action_info.h"
#include "shared/boards.h"
#include "shared/message_box_port.h"
#include "shared/win32/dialog.h"
#include "tonegate/editors/signal_editor_form.h"
#include "tonegate/editors/typing_filters.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

class CSetDTMFParamDlg : public win32::CDialog {
  public:
    // titleId: the Add or Edit title of the string table. signal: Add, a new signal with
    // its defaults; Edit, the list's own signal. otherNames: Add, every signal's name;
    // Edit, all but the edited one's. The lists are the owner's and must outlive the
    // dialog.
    CSetDTMFParamDlg(HINSTANCE resources, core::MessageBoxPort& boxes, int titleId,
                     CDTMFTaskInfo* signal, std::vector<std::wstring> otherNames,
                     const core::StringList& boards, const core::ActionList& actions);

    // DoModal(owner) runs the editor: IDOK once the signal holds the new values, IDCANCEL
    // with the signal as it was, kFailed when there is no signal or no window.

    // A signal on no offered input opens with no device chosen, and OK requires one.
    void RequireOfferedDevice() { sources_.requireOfferedDevice = true; }

  protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    // F1 does nothing here.
    bool OnHelp(HELPINFO*) override { return true; }

  private:
    void SetRangesAndLimits();
    void FillCombo(int id, const core::StringList& texts, int selected);
    void ApplyCommentRule();
    // Runs a typing filter over the edit: a rewritten edit is set again with the caret
    // where the operator was typing, after the filter's messages.
    void Filter(int id, FilteredEdit (*filter)(const EditText&));
    void ShowMessages(const std::vector<core::BoxMessage>& messages);
    SignalEditorForm ReadForm() const;

    core::MessageBoxPort& boxes_;
    CDTMFTaskInfo* signal_;
    SignalEditorSources sources_;
    core::StringList devices_;
    // While the editor puts the opening texts in, their changes are not filtered again:
    // the form already holds them as the filters leave them.
    bool filling_ = false;
};

}  // namespace tonegate
