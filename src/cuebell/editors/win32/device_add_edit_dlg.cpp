#include "cuebell/editors/win32/device_add_edit_dlg.h"

#include <utility>

#include "cuebell/core/box_message.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/resource.h"

namespace cuebell {

namespace {

void Fill(win32::CComboBox& combo, const core::StringList& texts, int selected) {
    combo.ResetContent();
    for (const auto& text : texts) {
        combo.AddString(text);
    }
    combo.SetCurSel(selected);
}

}  // namespace

CDeviceAddEditDlg::CDeviceAddEditDlg(const DeviceEditorContext& context, DeviceInfo* device)
    : CDialog(context.resources, IDD_DEVICE_ADD_EDIT),
      boxes_(context.boxes),
      device_(device),
      titleId_(IDS_EDIT_DEVICE_TITLE),
      form_(context.boardDriver, context.boxes, context.boards, *device) {}

CDeviceAddEditDlg::CDeviceAddEditDlg(const DeviceEditorContext& context, DeviceInfo* device,
                                     std::vector<std::wstring> existingNames)
    : CDialog(context.resources, IDD_DEVICE_ADD_EDIT),
      boxes_(context.boxes),
      device_(device),
      titleId_(IDS_ADD_DEVICE_TITLE),
      form_(context.boardDriver, context.boxes, context.boards, *device, std::move(existingNames)) {
}

bool CDeviceAddEditDlg::OnInitDialog() {
    SetText(CuebellText(titleId_));
    names_.Attach(GetItem(IDC_DEVICE_NAME));
    rates_.Attach(GetItem(IDC_DEVICE_SAMPLE_RATE));
    intervals_.Attach(GetItem(IDC_DEVICE_ANALYSIS_INTERVAL));
    form_.Open();
    ShowNames();
    ShowRates();
    ShowIntervals();
    FocusItem(IDC_DEVICE_NAME);
    return false;  // the focus is set
}

bool CDeviceAddEditDlg::OnCommand(int id, int code, HWND control) {
    if (id == IDC_DEVICE_SET_DEFAULT && code == BN_CLICKED) {
        form_.SetDefault();
        ShowRates();
        ShowIntervals();
        FocusItem(IDC_DEVICE_NAME);
        return true;
    }
    if (code != CBN_SELCHANGE) {
        return false;
    }
    switch (id) {
        case IDC_DEVICE_NAME:
            form_.SelectName(names_.GetCurSel());
            ShowRates();
            ShowIntervals();
            return true;
        case IDC_DEVICE_SAMPLE_RATE:
            form_.SelectRate(rates_.GetCurSel());
            ShowIntervals();
            return true;
        case IDC_DEVICE_ANALYSIS_INTERVAL:
            form_.SelectInterval(intervals_.GetCurSel());
            return true;
        default:
            return false;
    }
}

void CDeviceAddEditDlg::OnOK() {
    const Checked<DeviceInfo> checked = form_.Check();
    if (!checked.Accepted()) {
        ShowRefusal(boxes_, checked.refusal);
        return;
    }
    *device_ = *checked.record;
    EndDialog(IDOK);
}

void CDeviceAddEditDlg::ShowNames() {
    Fill(names_, form_.Names(), form_.NameIndex());
}

void CDeviceAddEditDlg::ShowRates() {
    Fill(rates_, form_.Rates(), form_.RateIndex());
}

void CDeviceAddEditDlg::ShowIntervals() {
    intervals_.ResetContent();
    for (const AnalysisIntervalChoice& interval : form_.Intervals()) {
        const int item = intervals_.AddString(interval.text);
        if (item >= 0) {
            intervals_.SetItemData(item, interval.digit);
        }
    }
    intervals_.SetCurSel(form_.IntervalIndex());
}

}  // namespace cuebell
