#include "shared/win32/config_check_dlg.h"

#include <utility>

#include "config_check_ids.h"

namespace win32 {

namespace {

using core::AnchorPosition;
using core::AnchorSize;

const ControlAnchor kAnchors[] = {
    {IDC_CHECK_SUMMARY, AnchorPosition::TopLeft, AnchorSize::StretchWidth},
    {IDC_CHECK_FINDINGS, AnchorPosition::TopLeft, AnchorSize::StretchBoth},
    {IDC_CHECK_DETAIL, AnchorPosition::BottomLeft, AnchorSize::StretchWidth},
    {IDCANCEL, AnchorPosition::BottomRight, AnchorSize::KeepSize},
};

}  // namespace

CConfigCheckDlg::CConfigCheckDlg(HINSTANCE resources, core::CheckTexts texts,
                                 ConfigCheckSource& source)
    : CResizeGripperDialog(resources, IDD_CONFIG_CHECK),
      texts_(std::move(texts)),
      source_(source) {}

bool CConfigCheckDlg::OnInitDialog() {
    CResizeGripperDialog::OnInitDialog();
    SetText(texts_.caption);
    list_.Attach(GetItem(IDC_CHECK_FINDINGS));
    list_.SetExtendedListViewStyle(LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RegisterAnchors();
    SetupColumns();
    Refresh(0);
    FocusItem(IDC_CHECK_FINDINGS);
    return false;  // the focus is set
}

void CConfigCheckDlg::RegisterAnchors() {
    AddGripper();
    AddAnchors(kAnchors);
    InitLayout();
}

void CConfigCheckDlg::SetupColumns() {
    const RECT client = list_.GetClientRect();
    int index = 0;
    for (const core::ListColumn& column : core::CheckListColumns(client.right, texts_)) {
        list_.InsertColumn(index++, column.title, column.width);
    }
}

void CConfigCheckDlg::Refresh(int selectedRow) {
    findings_ = source_.Check();
    SetItemText(IDC_CHECK_SUMMARY, core::CheckSummary(findings_, texts_));
    list_.DeleteAllItems();
    int row = 0;
    for (const core::CheckRow& cells : core::CheckRows(findings_, texts_)) {
        list_.InsertItem(row, cells.severity);
        list_.SetItemText(row, 1, cells.where);
        list_.SetItemText(row, 2, cells.finding);
        ++row;
    }
    if (row > 0) {
        const int selected = selectedRow < 0 ? 0 : (selectedRow < row ? selectedRow : row - 1);
        list_.SelectItem(selected);
        list_.EnsureVisible(selected);
    }
    ShowDetail();
}

void CConfigCheckDlg::ShowDetail() {
    const int row = list_.GetSelectedIndex();
    if (row < 0 || static_cast<size_t>(row) >= findings_.size()) {
        SetItemText(IDC_CHECK_DETAIL, L"");
        return;
    }
    const core::Finding& finding = findings_[static_cast<size_t>(row)];
    SetItemText(IDC_CHECK_DETAIL, finding.where + L"\r\n" + finding.sentence);
}

void CConfigCheckDlg::OpenRow(int row) {
    if (row < 0 || static_cast<size_t>(row) >= findings_.size() ||
        findings_[static_cast<size_t>(row)].records.empty()) {
        return;
    }
    const core::RecordRef record = findings_[static_cast<size_t>(row)].records.front();
    if (source_.Edit(hwnd_, record)) {
        Refresh(row);
    }
    FocusItem(IDC_CHECK_FINDINGS);
}

bool CConfigCheckDlg::OnNotify(int id, NMHDR* header, LRESULT*) {
    if (id != IDC_CHECK_FINDINGS) {
        return false;
    }
    switch (header->code) {
        case LVN_ITEMCHANGED:
            if (SelectionChanged(*reinterpret_cast<const NMLISTVIEW*>(header))) {
                ShowDetail();
            }
            return false;
        case NM_DBLCLK:
            OpenRow(reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem);
            return false;
        case NM_RETURN:
            OpenRow(list_.GetSelectedIndex());
            return false;
        default:
            return false;
    }
}

void CConfigCheckDlg::OnOK() {
    // Enter anywhere but on Close: the dialog has no OK button to end it.
    OpenRow(list_.GetSelectedIndex());
}

}  // namespace win32
