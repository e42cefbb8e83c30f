#include "cuebell/editors/win32/sample_manager_dlg.h"

#include <commctrl.h>

#include <utility>

#include "cuebell/core/box_message.h"
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
    rows_.emplace(samples_, audioPath_, entries_);
    list_.SubclassDlgItem(hwnd_, IDC_SAMPLE_LIST);
    list_.ShowRows(&*rows_, general_.Threshold);
    list_.SetupColumns();
    list_.EnableCellTips();
    // Every row is selected as it is added: the last one ends up selected.
    for (int row = 0; row < rows_->Count(); ++row) {
        list_.InsertRow(row);
    }
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
    SampleInfo sample = NewSample(ports_.system);
    std::wstring path = rows_->RememberedPath();
    CSampleAddEditDlg editor(Resources(), ports_, general_, CuebellText(IDS_ADD_SAMPLE_TITLE), path,
                             sample);
    if (editor.DoModal(hwnd_) == IDOK) {
        list_.InsertRow(rows_->Append(std::move(sample), path));
        FocusItem(IDC_SAMPLE_LIST);
    }
    UpdateButtons();
}

void CSampleManagerDlg::EditSelectedSample() {
    const int row = list_.SelectedRow();
    if (!rows_->MayEdit(row, ports_.boxes, Owner())) {
        return;
    }
    SampleInfo sample = *rows_->At(row);
    std::wstring path = sample.AudioFile;
    CSampleAddEditDlg editor(Resources(), ports_, general_, CuebellText(IDS_EDIT_SAMPLE_TITLE),
                             path, sample);
    if (editor.DoModal(hwnd_) == IDOK && rows_->Replace(row, std::move(sample))) {
        list_.RefreshRow(row);
        FocusItem(IDC_SAMPLE_LIST);
    }
}

void CSampleManagerDlg::DeleteSelectedSample() {
    const int row = list_.SelectedRow();
    const SampleRows::Deletion deletion = rows_->DeleteSelected(row, ports_.boxes, Owner());
    if (deletion.deleted) {
        list_.RemoveRow(row);
        if (deletion.rowToSelect >= 0) {
            list_.SelectItem(deletion.rowToSelect);
            list_.EnsureVisible(deletion.rowToSelect);
        }
    }
    // The Delete key comes here too: the buttons always follow the rows.
    UpdateButtons();
}

void CSampleManagerDlg::UpdateButtons() {
    const bool enabled = SampleButtonsEnabled(list_.GetItemCount());
    EnableItem(IDC_SAMPLE_EDIT, enabled);
    EnableItem(IDC_SAMPLE_DELETE, enabled);
}

void CSampleManagerDlg::OnOK() {
    rows_->Commit(samples_, audioPath_);
    EndDialog(IDOK);
}

}  // namespace cuebell
