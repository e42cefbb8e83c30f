#include "tonegate/editors/win32/set_dtmf_param_dlg.h"

#include <utility>

#include "shared/reg_values.h"
#include "shared/win32/controls.h"
#include "tonegate/model/tonegate_strings.h"
#include "tonegate/signal_editor_ids.h"

namespace tonegate {

namespace {

core::StringList ActionNames(const core::ActionList& actions) {
    core::StringList names;
    for (const core::CActionInfo& action : actions) {
        names.push_back(action.Name);
    }
    return names;
}

}  // namespace

CSetDTMFParamDlg::CSetDTMFParamDlg(HINSTANCE resources, core::MessageBoxPort& boxes, int titleId,
                                   CDTMFTaskInfo* signal, std::vector<std::wstring> otherNames,
                                   const core::StringList& boards, const core::ActionList& actions)
    : CDialog(resources, IDD_SIGNAL_EDITOR),
      boxes_(boxes),
      signal_(signal),
      sources_{TonegateText(titleId), boards, actions, std::move(otherNames)},
      devices_(DeviceChoices(sources_)) {}

bool CSetDTMFParamDlg::OnInitDialog() {
    if (signal_ == nullptr) {
        EndDialog(kFailed);  // nothing to edit: never shown
        return true;
    }
    SetText(sources_.title);
    SetRangesAndLimits();

    const SignalEditorOpening opening = OpeningForm(*signal_, sources_);
    const SignalEditorForm& form = opening.form;
    filling_ = true;
    SetItemText(IDC_SIGNAL_COMMENT, form.comment);
    SetItemText(IDC_SIGNAL_NAME, form.name);
    SetItemText(IDC_SIGNAL_SYMBOLS, form.symbols);
    for (TimingField field : kTimingFields) {
        SetItemText(RuleOf(field).control, form[field]);
    }
    filling_ = false;
    FillCombo(IDC_SIGNAL_DEVICE, devices_, form.device);
    FillCombo(IDC_SIGNAL_ACTION, ActionNames(sources_.actions), form.action);
    FillCombo(IDC_SIGNAL_CHANNEL, ChannelChoices(), form.channel);
    ApplyCommentRule();
    // A stored symbol string the filter had to clean says so, one box per character.
    ShowMessages(opening.messages);
    FocusItem(IDC_SIGNAL_NAME);
    return false;  // the focus is set
}

void CSetDTMFParamDlg::SetRangesAndLimits() {
    for (TimingField field : kTimingFields) {
        const TimingRule& rule = RuleOf(field);
        win32::CUpDown(GetItem(rule.spin)).SetRange32(rule.minimum, rule.maximum);
        win32::CEdit(GetItem(rule.control)).LimitText(rule.editLimit);
    }
    win32::CEdit(GetItem(IDC_SIGNAL_SYMBOLS)).LimitText(static_cast<int>(kSymbolsEditLimit));
    // What the store reads back; a longer name pasted in is refused at OK.
    win32::CEdit(GetItem(IDC_SIGNAL_NAME)).LimitText(core::StoredNameEditLimit(kToolPrefix));
}

void CSetDTMFParamDlg::FillCombo(int id, const core::StringList& texts, int selected) {
    win32::CComboBox combo(GetItem(id));
    for (const std::wstring& text : texts) {
        combo.AddString(text);
    }
    combo.SetCurSel(selected);
}

void CSetDTMFParamDlg::ApplyCommentRule() {
    EnableItem(IDC_SIGNAL_COMMENT, CommentEnabled(ReadForm(), sources_));
}

void CSetDTMFParamDlg::ShowMessages(const std::vector<core::BoxMessage>& messages) {
    for (const core::BoxMessage& message : messages) {
        core::ShowBoxMessage(boxes_, reinterpret_cast<core::WindowHandle>(hwnd_), message);
    }
}

void CSetDTMFParamDlg::Filter(int id, FilteredEdit (*filter)(const EditText&)) {
    win32::CEdit edit(GetItem(id));
    const FilteredEdit filtered =
        filter(EditText{GetItemText(id), static_cast<size_t>(edit.GetCaret())});
    ShowMessages(filtered.messages);
    if (filtered.rewritten) {
        // Setting the text puts the caret at the start; the next key must land where the
        // operator was typing.
        SetItemText(id, filtered.edit.text);
        const int caret = static_cast<int>(filtered.edit.caret);
        edit.SetSel(caret, caret);
    }
}

bool CSetDTMFParamDlg::OnCommand(int id, int code, HWND) {
    if (id == IDC_SIGNAL_ACTION) {
        if (code == CBN_SELCHANGE) {
            ApplyCommentRule();
        }
        return code == CBN_SELCHANGE;
    }
    if (id == IDC_SIGNAL_SYMBOLS && code == EN_CHANGE && !filling_) {
        Filter(id, FilterSymbols);
        return true;
    }
    TimingField field;
    if (!TimingFieldOf(id, &field)) {
        return false;
    }
    if (code == EN_CHANGE && !filling_) {
        Filter(id, FilterDigits);
        return true;
    }
    if (code == EN_KILLFOCUS) {
        SetItemText(id, ClampTiming(field, GetItemText(id)));
        return true;
    }
    return false;
}

SignalEditorForm CSetDTMFParamDlg::ReadForm() const {
    SignalEditorForm form;
    form.name = GetItemText(IDC_SIGNAL_NAME);
    form.device = win32::CComboBox(GetItem(IDC_SIGNAL_DEVICE)).GetCurSel();
    form.channel = win32::CComboBox(GetItem(IDC_SIGNAL_CHANNEL)).GetCurSel();
    form.symbols = GetItemText(IDC_SIGNAL_SYMBOLS);
    for (TimingField field : kTimingFields) {
        form[field] = GetItemText(RuleOf(field).control);
    }
    form.action = win32::CComboBox(GetItem(IDC_SIGNAL_ACTION)).GetCurSel();
    form.comment = GetItemText(IDC_SIGNAL_COMMENT);
    return form;
}

void CSetDTMFParamDlg::OnOK() {
    SignalEditorForm form = ReadForm();
    const core::Checked<CDTMFTaskInfo> checked = CheckSignal(form, *signal_, sources_);
    SetItemText(IDC_SIGNAL_NAME, form.name);
    if (!checked.Accepted()) {
        ShowRefusal(boxes_, checked.refusal);
        return;
    }
    for (TimingField field : kTimingFields) {
        SetItemText(RuleOf(field).control, form[field]);
    }
    *signal_ = *checked.record;
    EndDialog(IDOK);
}

}  // namespace tonegate
