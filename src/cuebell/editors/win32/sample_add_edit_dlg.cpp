#include "cuebell/editors/win32/sample_add_edit_dlg.h"

#include <utility>

#include "cuebell/core/box_message.h"
#include "shared/format.h"
#include "shared/text.h"

namespace cuebell {

namespace {

// Offsets and delays are typed with at most 5 characters ("99.50"), thresholds with 3.
constexpr int kSpinTextChars = 5;
constexpr int kThresholdChars = 3;
constexpr int kSpinDecimals = 2;

}  // namespace

CSampleAddEditDlg::CSampleAddEditDlg(HINSTANCE resources, const SamplePorts& ports,
                                     const GeneralParams& general, std::wstring title,
                                     std::wstring& path, SampleInfo& sample)
    : CDialog(resources, IDD_SAMPLE_ADD_EDIT),
      ports_(ports),
      title_(std::move(title)),
      path_(path),
      sample_(sample),
      form_(general.Threshold, title_) {}

bool CSampleAddEditDlg::OnInitDialog() {
    SetText(title_);

    for (CDblSpinCtrl* spin : {&offsetSpin_, &delaySpin_}) {
        spin->decimals = kSpinDecimals;
        spin->trim = false;
    }
    const SpinLimits delay = DelayLimits();
    delaySpin_.minimum = delay.minimum;
    delaySpin_.maximum = delay.maximum;
    delaySpin_.step = delay.step;
    offsetSpin_.AttachDlgItem(hwnd_, IDC_SAMPLE_OFFSET_SPIN);
    delaySpin_.AttachDlgItem(hwnd_, IDC_SAMPLE_DELAY_SPIN);
    SetOffsetLimits(OffsetLimitsFor(ports_.audio.GetAudioFileDuration(sample_.AudioFile)));
    win32::CEdit(GetItem(IDC_SAMPLE_OFFSET)).LimitText(kSpinTextChars);
    win32::CEdit(GetItem(IDC_SAMPLE_DELAY)).LimitText(kSpinTextChars);
    win32::CEdit(GetItem(IDC_SAMPLE_THRESHOLD)).LimitText(kThresholdChars);
    thresholdSpin_.Attach(GetItem(IDC_SAMPLE_THRESHOLD_SPIN));
    thresholdSpin_.SetRange32(kThresholdMinimum, kThresholdMaximum);

    Show(form_.Fill(sample_));
    FocusItem(IDC_SAMPLE_PATH);
    return false;
}

void CSampleAddEditDlg::SetOffsetLimits(const SpinLimits& limits) {
    offsetSpin_.minimum = limits.minimum;
    offsetSpin_.maximum = limits.maximum;
    offsetSpin_.step = limits.step;
    offsetSpin_.UpdatePositionRange();
}

void CSampleAddEditDlg::Show(const SampleEditorView& view) {
    SetItemText(IDC_SAMPLE_PATH, view.path);
    win32::CEdit path(GetItem(IDC_SAMPLE_PATH));
    path.SetSel(0, -1);
    path.SendMessage(EM_SCROLLCARET);

    CheckButton(IDC_SAMPLE_USE_DEFAULT, view.useDefault);
    SetItemText(IDC_SAMPLE_THRESHOLD, view.thresholdText);
    EnableThreshold(!view.useDefault);

    SetSpinValue(offsetSpin_, view.offset);
    SetSpinValue(delaySpin_, view.delay);
    delaySpin_.Enable(true);
    EnableItem(IDC_SAMPLE_DELAY, true);
}

void CSampleAddEditDlg::SetSpinValue(CDblSpinCtrl& spin, double value) {
    spin.SetValue(value);
    spin.SetPos(value);
}

void CSampleAddEditDlg::EnableThreshold(bool enable) {
    EnableItem(IDC_SAMPLE_THRESHOLD, enable);
    thresholdSpin_.Enable(enable);
}

bool CSampleAddEditDlg::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_SAMPLE_OFFSET:
            if (code == EN_KILLFOCUS) {
                ClampSpinText(offsetSpin_, IDC_SAMPLE_OFFSET);
            }
            return code == EN_KILLFOCUS;
        case IDC_SAMPLE_DELAY:
            if (code == EN_KILLFOCUS) {
                ClampSpinText(delaySpin_, IDC_SAMPLE_DELAY);
            }
            return code == EN_KILLFOCUS;
        case IDC_SAMPLE_THRESHOLD:
            if (code == EN_KILLFOCUS) {
                ClampThresholdText();
            }
            return code == EN_KILLFOCUS;
        case IDC_SAMPLE_USE_DEFAULT:
            if (code == BN_CLICKED) {
                OnUseDefaultClicked();
            }
            return code == BN_CLICKED;
        case IDC_SAMPLE_SET_DEFAULT:
            if (code == BN_CLICKED) {
                OnSetDefault();
            }
            return code == BN_CLICKED;
        case IDC_SAMPLE_BROWSE:
            if (code == BN_CLICKED) {
                OnBrowse();
            }
            return code == BN_CLICKED;
        default:
            return false;
    }
}

void CSampleAddEditDlg::ClampSpinText(CDblSpinCtrl& spin, int editId) {
    const SpinLimits limits{spin.minimum, spin.maximum, spin.step};
    SetSpinValue(spin, ClampedSpinValue(GetItemText(editId), limits));
}

void CSampleAddEditDlg::ClampThresholdText() {
    SetItemText(IDC_SAMPLE_THRESHOLD, ClampedThresholdText(GetItemText(IDC_SAMPLE_THRESHOLD)));
}

void CSampleAddEditDlg::OnUseDefaultClicked() {
    const bool checked = IsButtonChecked(IDC_SAMPLE_USE_DEFAULT);
    if (checked) {
        SetItemText(IDC_SAMPLE_THRESHOLD,
                    form_.UseDefaultChecked(GetItemText(IDC_SAMPLE_THRESHOLD)));
        EnableThreshold(false);
        return;
    }
    EnableThreshold(true);
    const int32_t position = form_.UseDefaultUnchecked();
    thresholdSpin_.SetPos32(position);
    // The spin writes its position into the edit; the text is written here too, so the
    // edit never depends on how a particular up-down does it.
    SetItemText(IDC_SAMPLE_THRESHOLD, core::Format(L"%d", position));
}

void CSampleAddEditDlg::OnSetDefault() {
    Show(form_.SetDefault(PathText()));
}

void CSampleAddEditDlg::OnBrowse() {
    const core::OpenFileRequest request = form_.BrowseRequest(ports_.system, Owner(), path_);
    const BrowseOutcome outcome = form_.Browse(ports_.system, ports_.files.AskForOpenFile(request));
    if (outcome.message) {
        ShowBoxMessage(ports_.boxes, Owner(), *outcome.message);
    }
    if (outcome.pathText) {
        SetItemText(IDC_SAMPLE_PATH, *outcome.pathText);
        win32::CEdit path(GetItem(IDC_SAMPLE_PATH));
        const int end = static_cast<int>(outcome.pathText->size());
        path.SetSel(end, end);
        path.SendMessage(EM_SCROLLCARET);
    }
    // Whatever the dialog answered, the offset range follows the file now named.
    FollowNamedFile();
    SetSpinValue(offsetSpin_, 0.0);
    SetSpinValue(delaySpin_, 0.0);
}

void CSampleAddEditDlg::FollowNamedFile() {
    SetOffsetLimits(OffsetLimitsFor(ports_.audio.GetAudioFileDuration(core::Trim(PathText()))));
}

void CSampleAddEditDlg::OnOK() {
    // A path typed or pasted since the last "Browse..." names another file: its range.
    FollowNamedFile();
    // OK pressed with Enter leaves the focus in its edit: clamp as leaving it would.
    ClampSpinText(offsetSpin_, IDC_SAMPLE_OFFSET);
    ClampSpinText(delaySpin_, IDC_SAMPLE_DELAY);
    if (!IsButtonChecked(IDC_SAMPLE_USE_DEFAULT)) {
        ClampThresholdText();
    }

    SampleEditorInput input;
    input.path = PathText();
    input.offsetText = GetItemText(IDC_SAMPLE_OFFSET);
    input.delayText = GetItemText(IDC_SAMPLE_DELAY);
    input.thresholdText = GetItemText(IDC_SAMPLE_THRESHOLD);
    input.useDefault = IsButtonChecked(IDC_SAMPLE_USE_DEFAULT);

    const Checked<SampleInfo> checked = form_.Check(input, sample_, ports_.system, ports_.audio);
    if (!checked.Accepted()) {
        ShowRefusal(ports_.boxes, checked.refusal);
        return;
    }
    sample_ = *checked.record;
    path_ = sample_.AudioFile;
    EndDialog(IDOK);
}

}  // namespace cuebell
