// The sample manager (template IDD_SAMPLE_MANAGER): the library of samples in a list, with
// Add, Edit and Delete. The list's rows own copies of the owner's samples; the owner's
// samples and remembered audio path change only when the operator presses OK.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "cuebell/editors/sample_manager_rules.h"
#include "cuebell/editors/win32/sample_list_ctrl.h"
#include "cuebell/editors/win32/sample_ports.h"
#include "cuebell/model/records.h"
#include "shared/win32/record_list_dialog.h"

namespace cuebell {

class CSampleManagerDlg : public win32::CRecordListDialog<SampleInfo, CSampleListCtrl> {
  public:
    // `samples` and `audioPath` are the owner's, replaced on OK only; `entries` are the
    // owner's detection entries in list order, read to find the samples in use. All must
    // outlive the dialog.
    CSampleManagerDlg(HINSTANCE resources, SampleList& samples, const GeneralParams& general,
                      std::wstring& audioPath, EntryRefs entries, const SamplePorts& ports);

    // DoModal(owner): IDOK after the owner's samples were replaced, IDCANCEL, or -1 when
    // the dialog could not be made.

  protected:
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    std::unique_ptr<SampleInfo> NewRecord() override;
    bool EditRecord(SampleInfo& sample) override;

    SampleList& samples_;
    const GeneralParams& general_;
    std::wstring& audioPath_;
    SamplePorts ports_;
    // The start folder of Add's file dialog, taken from each added sample; it reaches
    // audioPath_ on OK only.
    std::wstring rememberedPath_;
};

}  // namespace cuebell
