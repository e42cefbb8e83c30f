#include "cuebell/editors/win32/sample_manager_dlg.h"

#include <commctrl.h>

#include <memory>
#include <utility>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/editors/sample_manager_rules.h"
#include "cuebell/editors/win32/sample_add_edit_dlg.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/sample_dialogs_ids.h"

namespace cuebell {

CSampleManagerDlg::CSampleManagerDlg(HINSTANCE resources, SampleList& samples,
                                     const GeneralParams& general, std::wstring& audioPath,
                                     EntryRefs entries, const SamplePorts& ports)
    : CDialog(resources, IDD_SAMPLE_MANAGER),
      samples_(samples),
      general_(general),
      audioPath_(audioPath),
      entries_(std::move(entries)),
      ports_(ports),
      list_(*this) {}

bool CSampleManagerDlg::OnInitDialog() {
    rememberedPath_ = audioPath_;
    if (!list_.SubclassDlgItem(hwnd_, IDC_SAMPLE_LIST)) {
        EndDialog(kFailed);
        return false;
    }
    list_.SetGeneralThreshold(general_.Threshold);
    list_.SetupSampleColumns();
    list_.EnableCellTips();
    // Copies of the owner's samples, the last row selected.
    std::vector<std::unique_ptr<SampleInfo>> copies;
    copies.reserve(samples_.size());
    for (const SampleInfo& sample : samples_) {
        copies.push_back(std::make_unique<SampleInfo>(sample));
    }
    list_.FillRows(std::move(copies), CSampleListCtrl::SelectAfterFill::Last);
    FocusItem(IDC_SAMPLE_LIST);
    UpdateButtons();
    return false;
}

bool CSampleManagerDlg::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDC_SAMPLE_ADD:
            AddSample();
            return true;
        case IDC_SAMPLE_EDIT:
            EditSelectedSample();
            return true;
        case IDC_SAMPLE_DELETE:
            DeleteSelectedSample();
            return true;
        default:
            return false;
    }
}

bool CSampleManagerDlg::OnNotify(int id, NMHDR* header, LRESULT* result) {
    if (id != IDC_SAMPLE_LIST) {
        return false;
    }
    const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(header);
    switch (header->code) {
        case NM_CLICK:
            list_.OnClick(activate->iItem);
            return true;
        case NM_DBLCLK:
            list_.OnDoubleClick(activate->iItem);
            return true;
        default:
            return false;
    }
}

bool CSampleManagerDlg::OnMessage(UINT message, WPARAM, LPARAM, LRESULT* result) {
    if (message == kEditSampleMessage) {
        EditSelectedSample();
    } else if (message == kAddSampleMessage) {
        AddSample();
    } else {
        return false;
    }
    *result = 0;
    return true;
}

void CSampleManagerDlg::AddSample() {
    auto sample = std::make_unique<SampleInfo>(NewSample(ports_.system));
    std::wstring path = rememberedPath_;
    CSampleAddEditDlg editor(Resources(), ports_, general_, CuebellText(IDS_ADD_SAMPLE_TITLE), path,
                             *sample);
    if (editor.DoModal(hwnd_) == IDOK) {
        rememberedPath_ = path;
        list_.AppendRow(std::move(sample));
        FocusItem(IDC_SAMPLE_LIST);
    }
    UpdateButtons();
}

void CSampleManagerDlg::EditSelectedSample() {
    if (!list_.MayEditSelected(entries_, ports_.boxes, Owner())) {
        return;
    }
    const int row = list_.SelectedRow();
    SampleInfo* sample = list_.RecordAt(row);
    if (sample == nullptr) {
        return;
    }
    // The editor changes the row's own record, and only on OK.
    std::wstring path = sample->AudioFile;
    CSampleAddEditDlg editor(Resources(), ports_, general_, CuebellText(IDS_EDIT_SAMPLE_TITLE),
                             path, *sample);
    if (editor.DoModal(hwnd_) == IDOK) {
        list_.RefreshRow(row);
        FocusItem(IDC_SAMPLE_LIST);
    }
}

void CSampleManagerDlg::DeleteSelectedSample() {
    list_.DeleteSelected(entries_, ports_.boxes, Owner());
    // The Delete key comes here too: the buttons always follow the rows.
    UpdateButtons();
}

void CSampleManagerDlg::UpdateButtons() {
    const bool enabled = SampleButtonsEnabled(list_.RowCount());
    EnableItem(IDC_SAMPLE_EDIT, enabled);
    EnableItem(IDC_SAMPLE_DELETE, enabled);
}

void CSampleManagerDlg::OnOK() {
    CommitSamples(list_.RecordsInOrder(), rememberedPath_, samples_, audioPath_);
    EndDialog(IDOK);
}

void CSampleManagerDlg::OnDestroy() {
    list_.DeleteAllRows();
}

}  // namespace cuebell
