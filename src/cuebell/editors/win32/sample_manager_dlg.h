// The sample manager (template 130): the library of samples in a list, with Add, Edit and
// Delete. The list's rows own copies of the owner's samples; the owner's samples and
// remembered audio path change only when the operator presses OK.
#pragma once

#include <windows.h>

#include <string>

#include "cuebell/editors/win32/sample_list_ctrl.h"
#include "cuebell/editors/win32/sample_ports.h"
#include "cuebell/model/records.h"
#include "shared/win32/dialog.h"

namespace cuebell {

class CSampleManagerDlg : public win32::CDialog, private SampleListOwner {
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
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    void OnOK() override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  private:
    void AddSample();
    void EditSelectedSample();
    void DeleteSelectedSample() override;
    void UpdateButtons();
    core::WindowHandle Owner() const { return reinterpret_cast<core::WindowHandle>(hwnd_); }

    SampleList& samples_;
    const GeneralParams& general_;
    std::wstring& audioPath_;
    EntryRefs entries_;
    SamplePorts ports_;
    // The start folder of Add's file dialog, taken from each added sample; it reaches
    // audioPath_ on OK only.
    std::wstring rememberedPath_;
    CSampleListCtrl list_;
};

}  // namespace cuebell
