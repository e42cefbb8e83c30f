#include "cuebell/editors/win32/gpi_add_edit_dlg.h"

#include <utility>

#include "cuebell/core/box_message.h"
#include "cuebell/entry_editor_ids.h"
#include "cuebell/model/cuebell_strings.h"
#include "shared/reg_values.h"
#include "shared/win32/controls.h"

namespace cuebell {

CGPIAddEditDlg::CGPIAddEditDlg(HINSTANCE resources, core::MessageBoxPort& boxes, int titleId,
                               GpiInfo* entry, std::vector<std::wstring> otherNames,
                               const SampleList& samples, const DeviceList& devices,
                               const core::ActionList& actions, const GeneralParams& general)
    : CDialog(resources, IDD_ENTRY_EDITOR),
      boxes_(boxes),
      entry_(entry),
      sources_{CuebellText(titleId), std::move(otherNames), samples, devices, actions,
               general.Threshold} {}

bool CGPIAddEditDlg::OnInitDialog() {
    if (entry_ == nullptr) {
        EndDialog(kFailed);  // nothing to edit: never shown
        return true;
    }
    sampleList_.AttachDlgItem(hwnd_, IDC_ENTRY_SAMPLES);
    SetText(sources_.title);
    const EntryEditorForm form = OpeningForm(*entry_, sources_);
    SetItemText(IDC_ENTRY_COMMENT, form.comment);
    SetItemText(IDC_ENTRY_NAME, form.name);
    // What the store reads back; a longer name pasted in is refused at OK.
    win32::CEdit(GetItem(IDC_ENTRY_NAME)).LimitText(core::StoredNameEditLimit(kToolPrefix));
    FillDevices(form.device);
    FillActions(form.action);
    ApplyCommentRule();
    FillSamples(form.ticked);
    FocusItem(IDC_ENTRY_NAME);
    return false;  // the focus is set
}

void CGPIAddEditDlg::FillDevices(int selected) {
    win32::CComboBox combo(GetItem(IDC_ENTRY_DEVICE));
    for (const DeviceInfo& device : sources_.devices) {
        const int item = combo.AddString(DeviceItemText(device));
        if (item >= 0) {
            combo.SetItemData(item, reinterpret_cast<LPARAM>(&device));
        }
    }
    combo.SetCurSel(selected);
}

void CGPIAddEditDlg::FillActions(int selected) {
    win32::CComboBox combo(GetItem(IDC_ENTRY_ACTION));
    for (const core::CActionInfo& action : sources_.actions) {
        const int item = combo.AddString(action.Name);
        if (item >= 0) {
            combo.SetItemData(item, reinterpret_cast<LPARAM>(&action));
        }
    }
    combo.SetCurSel(selected);
}

void CGPIAddEditDlg::FillSamples(const std::vector<bool>& ticked) {
    sampleList_.SetupColumn(CuebellText(IDS_SAMPLES_FOR_SELECTION));
    for (const SampleInfo& sample : sources_.samples) {
        sampleList_.AppendSample(sample, SampleRowText(sample, sources_.generalThreshold));
    }
    for (size_t row = 0; row < ticked.size(); ++row) {
        if (ticked[row]) {
            sampleList_.SetCheckState(static_cast<int>(row), true);
        }
    }
}

void CGPIAddEditDlg::ApplyCommentRule() {
    EntryEditorForm form = ReadForm();
    cuebell::ApplyCommentRule(form, sources_);
    const bool shown = CommentShown(form, sources_);
    ShowItem(IDC_ENTRY_COMMENT_LABEL, shown);
    ShowItem(IDC_ENTRY_COMMENT, shown);
    if (!shown) {
        SetItemText(IDC_ENTRY_COMMENT, form.comment);
    }
}

EntryEditorForm CGPIAddEditDlg::ReadForm() const {
    EntryEditorForm form;
    form.name = GetItemText(IDC_ENTRY_NAME);
    form.device = win32::CComboBox(GetItem(IDC_ENTRY_DEVICE)).GetCurSel();
    form.action = win32::CComboBox(GetItem(IDC_ENTRY_ACTION)).GetCurSel();
    form.ticked = sampleList_.CheckedRows();
    form.comment = GetItemText(IDC_ENTRY_COMMENT);
    return form;
}

bool CGPIAddEditDlg::OnCommand(int id, int code, HWND) {
    switch (id) {
        case IDC_ENTRY_SELECT_ALL:
        case IDC_ENTRY_UNSELECT_ALL:
            if (code != BN_CLICKED) {
                return false;
            }
            sampleList_.SetAllChecks(id == IDC_ENTRY_SELECT_ALL);
            return true;
        case IDC_ENTRY_ACTION:
            if (code != CBN_SELCHANGE) {
                return false;
            }
            ApplyCommentRule();
            return true;
        default:
            return false;
    }
}

bool CGPIAddEditDlg::OnNotify(int id, NMHDR* header, LRESULT* result) {
    if (id == IDC_ENTRY_SAMPLES && header->code == LVN_GETINFOTIPW) {
        sampleList_.FillInfoTip(reinterpret_cast<NMLVGETINFOTIPW*>(header));
        *result = 0;
        return true;
    }
    return false;
}

void CGPIAddEditDlg::OnOK() {
    EntryEditorForm form = ReadForm();
    const Checked<GpiInfo> checked = CheckEntry(form, *entry_, sources_);
    SetItemText(IDC_ENTRY_NAME, form.name);
    if (!checked.Accepted()) {
        ShowRefusal(boxes_, checked.refusal);
        return;
    }
    *entry_ = *checked.record;
    EndDialog(IDOK);
}

}  // namespace cuebell
