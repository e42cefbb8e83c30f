#include "cuebell/editors/win32/general_settings_dlg.h"

#include "cuebell/resource.h"

namespace cuebell {

namespace {

struct IntegerRowControls {
    int edit;
    int spin;
};

// In IntegerRow order.
constexpr std::array<IntegerRowControls, kIntegerRowCount> kIntegerRowControls{{
    {IDC_GENERAL_CUTOFF_FREQUENCY, IDC_GENERAL_CUTOFF_FREQUENCY_SPIN},
    {IDC_GENERAL_LOW_PASS_FILTER_SIZE, IDC_GENERAL_LOW_PASS_FILTER_SIZE_SPIN},
    {IDC_GENERAL_POWER_RECALC_RATE, IDC_GENERAL_POWER_RECALC_RATE_SPIN},
    {IDC_GENERAL_THRESHOLD, IDC_GENERAL_THRESHOLD_SPIN},
}};

IntegerRow RowAt(size_t index) {
    return static_cast<IntegerRow>(index);
}

}  // namespace

CGeneralSettingsDlg::CGeneralSettingsDlg(HINSTANCE resources, GeneralParams& params)
    : CDialog(resources, IDD_GENERAL_SETTINGS), params_(params) {}

bool CGeneralSettingsDlg::OnInitDialog() {
    AttachSpins();
    Show(GeneralSettingsFormFor(params_));
    // The system gives the focus to the first tab stop.
    return true;
}

void CGeneralSettingsDlg::AttachSpins() {
    win32::CEdit(GetItem(IDC_GENERAL_GPI_LENGTH)).LimitText(kActivityPeriod.editLimit);
    win32::CUpDown(GetItem(IDC_GENERAL_GPI_LENGTH_SPIN)).SetBuddy(GetItem(IDC_GENERAL_GPI_LENGTH));
    ConfigureActivityPeriodSpin(activityPeriodSpin_);
    // Its clicks then step the text; without it the row is only typed into.
    activityPeriodSpin_.AttachDlgItem(hwnd_, IDC_GENERAL_GPI_LENGTH_SPIN);

    for (size_t index = 0; index < kIntegerRowCount; ++index) {
        const IntegerRowRule& rule = RuleOf(RowAt(index));
        win32::CEdit(GetItem(kIntegerRowControls[index].edit)).LimitText(rule.editLimit);
        win32::CUpDown& spin = integerSpins_[index];
        spin.Attach(GetItem(kIntegerRowControls[index].spin));
        spin.SetBuddy(GetItem(kIntegerRowControls[index].edit));
        // 32-bit range and positions: 50000 is beyond a 16-bit position.
        spin.SetRange32(rule.minimum, rule.maximum);
    }
}

void CGeneralSettingsDlg::Show(const GeneralSettingsForm& form) {
    SetItemText(IDC_GENERAL_GPI_LENGTH, form.activityPeriod);
    activityPeriodSpin_.SetPos(ParseSpinText(form.activityPeriod));
    for (size_t index = 0; index < kIntegerRowCount; ++index) {
        const IntegerField& field = form.integers[index];
        integerSpins_[index].SetPos32(field.position);
        SetItemText(kIntegerRowControls[index].edit, field.text);
    }
}

GeneralSettingsForm CGeneralSettingsDlg::Read() const {
    GeneralSettingsForm form;
    form.activityPeriod = GetItemText(IDC_GENERAL_GPI_LENGTH);
    for (size_t index = 0; index < kIntegerRowCount; ++index) {
        form.integers[index] = ReadIntegerRow(index);
    }
    return form;
}

IntegerField CGeneralSettingsDlg::ReadIntegerRow(size_t index) const {
    IntegerField field;
    field.text = GetItemText(kIntegerRowControls[index].edit);
    // The up-down reads the text; when it is no number within the range, it answers the
    // position it kept. The form decides either way.
    integerSpins_[index].GetPos32(&field.position);
    return field;
}

void CGeneralSettingsDlg::LeaveActivityPeriod() {
    const double seconds = ActivityPeriodAfterLeaving(GetItemText(IDC_GENERAL_GPI_LENGTH));
    SetItemText(IDC_GENERAL_GPI_LENGTH, ActivityPeriodText(seconds));
    activityPeriodSpin_.SetPos(seconds);
}

void CGeneralSettingsDlg::LeaveIntegerRow(IntegerRow row) {
    const size_t index = static_cast<size_t>(row);
    const int32_t value = IntegerAfterLeaving(row, ReadIntegerRow(index));
    integerSpins_[index].SetPos32(value);
    SetItemText(kIntegerRowControls[index].edit, IntegerText(value));
}

bool CGeneralSettingsDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_GENERAL_SET_DEFAULT && code == BN_CLICKED) {
        // The record keeps its values until OK.
        Show(DefaultGeneralSettingsForm());
        return true;
    }
    if (code != EN_KILLFOCUS) {
        return false;
    }
    if (id == IDC_GENERAL_GPI_LENGTH) {
        LeaveActivityPeriod();
        return true;
    }
    for (size_t index = 0; index < kIntegerRowCount; ++index) {
        if (id == kIntegerRowControls[index].edit) {
            LeaveIntegerRow(RowAt(index));
            return true;
        }
    }
    return false;
}

void CGeneralSettingsDlg::OnOK() {
    // The form corrects every row as leaving its edit would, so a text confirmed with
    // Enter is never stored out of range; it refuses nothing.
    const Checked<GeneralParams> checked = CheckGeneralSettings(params_, Read());
    if (!checked.Accepted()) {
        return;
    }
    params_ = *checked.record;
    EndDialog(IDOK);
}

}  // namespace cuebell
