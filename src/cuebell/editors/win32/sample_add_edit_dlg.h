// The sample editor (template IDD_SAMPLE_ADD_EDIT): edits one sample's WAV file, offset, delay and
// threshold. Every rule lives in SampleEditorForm; the dialog moves texts between the
// form and its controls, and writes the record and the path string only when OK passes
// the form's check.
#pragma once

#include <windows.h>

#include <string>

#include "cuebell/editors/sample_editor_form.h"
#include "cuebell/editors/win32/dbl_spin_ctrl.h"
#include "cuebell/editors/win32/sample_ports.h"
#include "cuebell/model/records.h"
#include "cuebell/sample_dialogs_ids.h"
#include "shared/win32/controls.h"
#include "shared/win32/dialog.h"

namespace cuebell {

class CSampleAddEditDlg : public win32::CDialog {
  public:
    // `path` is the start of the file dialog's search and, on OK, the sample's file;
    // `sample` is shown at start and written only on OK. Both must outlive the dialog.
    CSampleAddEditDlg(HINSTANCE resources, const SamplePorts& ports, const GeneralParams& general,
                      std::wstring title, std::wstring& path, SampleInfo& sample);

    // DoModal(owner): IDOK after the sample was stored, IDCANCEL, or -1 when the dialog
    // could not be made.

  protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

  private:
    void SetOffsetLimits(const SpinLimits& limits);
    // The offset's range from the duration of the file the path edit names.
    void FollowNamedFile();
    void Show(const SampleEditorView& view);
    void SetSpinValue(CDblSpinCtrl& spin, double value);
    void ClampSpinText(CDblSpinCtrl& spin, int editId);
    void ClampThresholdText();
    void OnUseDefaultClicked();
    void OnSetDefault();
    void OnBrowse();
    void EnableThreshold(bool enable);
    std::wstring PathText() const { return GetItemText(IDC_SAMPLE_PATH); }
    core::WindowHandle Owner() const { return reinterpret_cast<core::WindowHandle>(hwnd_); }

    SamplePorts ports_;
    std::wstring title_;
    std::wstring& path_;
    SampleInfo& sample_;
    SampleEditorForm form_;
    CDblSpinCtrl offsetSpin_;
    CDblSpinCtrl delaySpin_;
    win32::CUpDown thresholdSpin_;
};

}  // namespace cuebell
