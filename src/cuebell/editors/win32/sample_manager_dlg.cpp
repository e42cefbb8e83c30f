#include "cuebell/editors/win32/sample_manager_dlg.h"

#include <utility>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/editors/win32/sample_add_edit_dlg.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/sample_dialogs_ids.h"

namespace cuebell {

CSampleManagerDlg::CSampleManagerDlg(HINSTANCE resources, SampleList& samples,
                                     const GeneralParams& general, std::wstring& audioPath,
                                     EntryRefs entries, const SamplePorts& ports)
    : CRecordListDialog(resources, IDD_SAMPLE_MANAGER,
                        SampleListDescription(entries, general.Threshold), ports.boxes,
                        IDC_SAMPLE_LIST,
                        {IDC_SAMPLE_ADD,
                         IDC_SAMPLE_EDIT,
                         IDC_SAMPLE_DELETE,
                         {IDC_SAMPLE_EDIT, IDC_SAMPLE_DELETE}}),
      samples_(samples),
      general_(general),
      audioPath_(audioPath),
      ports_(ports) {}

bool CSampleManagerDlg::OnInitDialog() {
    rememberedPath_ = audioPath_;
    // Copies of the owner's samples, the last row selected.
    if (ShowCopiesOf(samples_)) {
        List().EnableCellTips();
    }
    return false;
}

std::unique_ptr<SampleInfo> CSampleManagerDlg::NewRecord() {
    auto sample = std::make_unique<SampleInfo>(NewSample(ports_.system));
    std::wstring path = rememberedPath_;
    CSampleAddEditDlg editor(Resources(), ports_, general_, CuebellText(IDS_ADD_SAMPLE_TITLE), path,
                             *sample);
    if (editor.DoModal(hwnd_) != IDOK) {
        return nullptr;
    }
    rememberedPath_ = path;
    FocusItem(ListControl());
    return sample;
}

bool CSampleManagerDlg::EditRecord(SampleInfo& sample) {
    // The editor changes the row's own record, and only on OK.
    std::wstring path = sample.AudioFile;
    CSampleAddEditDlg editor(Resources(), ports_, general_, CuebellText(IDS_EDIT_SAMPLE_TITLE),
                             path, sample);
    if (editor.DoModal(hwnd_) != IDOK) {
        return false;
    }
    FocusItem(ListControl());
    return true;
}

void CSampleManagerDlg::OnOK() {
    CommitSamples(List().RecordsInOrder(), rememberedPath_, samples_, audioPath_);
    EndDialog(IDOK);
}

}  // namespace cuebell
