#include "tonegate/ui/win32/tonegate_dlg.h"

#include <memory>

#include "shared/about_notice.h"
#include "shared/box_message.h"
#include "shared/tool_settings.h"
#include "shared/win32/about_dlg.h"
#include "tonegate/core/signal_description.h"
#include "tonegate/core/signal_list_rules.h"
#include "tonegate/editors/win32/set_dtmf_param_dlg.h"
#include "tonegate/model/tonegate_strings.h"
#include "tonegate/resource.h"
#include "tonegate/ui/win32/tonegate_check_dlg.h"

namespace tonegate {

namespace {

using core::AnchorPosition;
using core::AnchorSize;
using win32::ControlAnchor;

// The controls that follow the dialog's size, in the order they are registered (the list
// comes first).
const ControlAnchor kAnchorsAfterList[] = {
    {IDC_ADD_SIGNAL, AnchorPosition::TopRight, AnchorSize::KeepSize},
    {IDC_EDIT_SIGNAL, AnchorPosition::TopRight, AnchorSize::KeepSize},
    {IDC_DELETE_SIGNAL, AnchorPosition::TopRight, AnchorSize::KeepSize},
    {IDOK, AnchorPosition::BottomRight, AnchorSize::KeepSize},
    {IDCANCEL, AnchorPosition::BottomRight, AnchorSize::KeepSize},
    {IDC_SEPARATOR, AnchorPosition::BottomLeft, AnchorSize::StretchWidth},
    {IDC_DESCRIPTION_LABEL, AnchorPosition::BottomLeft, AnchorSize::StretchWidth},
    {IDC_DESCRIPTION, AnchorPosition::BottomLeft, AnchorSize::StretchWidth},
    {IDC_CHECK_CONFIGURATION, AnchorPosition::BottomLeft, AnchorSize::KeepSize},
};

}  // namespace

static_assert(IDM_ABOUTBOX == win32::CMainDialog::kAboutBoxCommand);
static_assert(IDR_MAINFRAME == win32::CMainDialog::kMainIconId);
static_assert(IDS_ABOUT_NOTICE_OPENING == core::kAboutNoticeOpeningId &&
              IDS_MAKER_NAME == core::kMakerNameId);

CTonegateDlg::CTonegateDlg(HINSTANCE resources, const TonegatePorts& ports)
    : CMainDialog(resources, IDD_TONEGATE_DIALOG, IDS_ABOUT_MENU_ITEM),
      ports_(ports),
      session_(ports.registry, ports.system, ports.boxes, ports.boardDriver),
      list_(ports.boxes, *this) {}

bool CTonegateDlg::OnInitDialog() {
    CMainDialog::OnInitDialog();
    list_.SubclassDlgItem(hwnd_, IDC_SIGNAL_LIST);
    RegisterAnchors();

    if (session_.Start(Owner(), Placement()) != StartResult::Ready) {
        // The program ends as soon as the dialog's loop runs; nothing is written but the
        // window placement, when the dialog is destroyed.
        ::PostQuitMessage(0);
        return true;
    }
    list_.SetupColumns();
    list_.FillList(session_.TakeSignals());
    RebuildDescription();
    FocusItem(IDC_SIGNAL_LIST);
    return false;  // the focus is set
}

void CTonegateDlg::RegisterAnchors() {
    AddGripper();
    AddAnchor(list_.GetHwnd(), AnchorPosition::TopLeft, AnchorSize::StretchBoth);
    AddAnchors(kAnchorsAfterList);
    InitLayout();
}

void CTonegateDlg::ShowAbout() {
    win32::CAboutDlg about(
        Resources(), IDD_ABOUTBOX,
        {{IDC_VERSION_TEXT, core::GetVersionText(ports_.system)},
         {IDC_NOTICE_TEXT, core::AboutNotice(TonegateStrings(), core::CurrentLocalYear())}});
    about.DoModal(hwnd_);
}

bool CTonegateDlg::OnHelp(HELPINFO*) {
    if (!deleteInProgress_) {
        ShowAbout();
    }
    return true;
}

bool CTonegateDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // The list's requests carry its window; the dialog manager's messages of the same
    // numbers do not.
    const bool fromList = lParam != 0 && reinterpret_cast<HWND>(lParam) == list_.GetHwnd();
    if (fromList && (message == kEditSignalRequest || message == kAddSignalRequest)) {
        if (message == kEditSignalRequest) {
            EditSelectedSignal();
        } else {
            AddSignal();
        }
        *result = 0;
        return true;
    }
    return CMainDialog::OnMessage(message, wParam, lParam, result);
}

bool CTonegateDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDC_ADD_SIGNAL:
            AddSignal();
            return true;
        case IDC_EDIT_SIGNAL:
            EditSelectedSignal();
            return true;
        case IDC_DELETE_SIGNAL:
            deleteInProgress_ = true;
            list_.DeleteSelectedSignal();
            deleteInProgress_ = false;
            return true;
        case IDC_CHECK_CONFIGURATION:
            ShowTonegateCheck(
                hwnd_, {Resources(), session_, list_, ports_, [this] { RebuildDescription(); }});
            return true;
        default:
            return false;
    }
}

bool CTonegateDlg::OnNotify(int id, NMHDR* header, LRESULT*) {
    if (id != IDC_SIGNAL_LIST) {
        return false;
    }
    switch (header->code) {
        case LVN_ITEMCHANGED:
            // The description shows the selected signal: only a change of the selection
            // can change it (the list also reports every cell text it is given).
            if (win32::SelectionChanged(*reinterpret_cast<const NMLISTVIEW*>(header))) {
                RebuildDescription();
            }
            return false;
        default:
            return false;
    }
}

void CTonegateDlg::AddSignal() {
    auto signal = std::make_unique<CDTMFTaskInfo>();
    CSetDTMFParamDlg editor(Resources(), ports_.boxes, IDS_ADD_SIGNAL_TITLE, signal.get(),
                            list_.Names(), session_.Boards(), session_.Actions());
    if (editor.DoModal(hwnd_) == IDOK) {
        signal->LoadedName = signal->Name;
        // The new last row is selected, and the description shows it.
        list_.AppendRow(std::move(signal));
        RebuildDescription();
    }
}

void CTonegateDlg::EditSelectedSignal() {
    const int row = list_.SelectedRow();
    if (const auto refusal = EditRefusal(list_.RowCount(), row)) {
        core::ShowBoxMessage(ports_.boxes, Owner(), *refusal);
        return;
    }
    CDTMFTaskInfo* signal = list_.SignalAt(row);
    if (signal == nullptr) {
        return;
    }
    CSetDTMFParamDlg editor(Resources(), ports_.boxes, IDS_EDIT_SIGNAL_TITLE, signal,
                            list_.Names(signal), session_.Boards(), session_.Actions());
    if (editor.DoModal(hwnd_) == IDOK) {
        // The selection stays on the row: its texts and the description are rewritten.
        list_.RefreshRow(row);
        RebuildDescription();
    }
}

void CTonegateDlg::RebuildDescription() {
    if (GetItem(IDC_DESCRIPTION) == nullptr) {
        return;
    }
    SetItemText(IDC_DESCRIPTION, DescribeSignal(list_.SignalAt(list_.SelectedRow())));
}

void CTonegateDlg::OnOK() {
    if (session_.Save(Owner(), list_.SignalsInListOrder()) == SaveResult::Saved) {
        EndDialog(IDOK);
    }
    // Otherwise the session has said why; the dialog stays open with every edit.
}

void CTonegateDlg::OnDestroy() {
    session_.Close(Placement());
    list_.DeleteAllRows();
}

}  // namespace tonegate
