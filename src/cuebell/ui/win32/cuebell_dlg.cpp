#include "cuebell/ui/win32/cuebell_dlg.h"

#include <memory>

#include "cuebell/core/box_message.h"
#include "cuebell/core/description.h"
#include "cuebell/core/entry_list_rules.h"
#include "cuebell/editors/win32/device_manager_dlg.h"
#include "cuebell/editors/win32/general_settings_dlg.h"
#include "cuebell/editors/win32/gpi_add_edit_dlg.h"
#include "cuebell/editors/win32/sample_manager_dlg.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/resource.h"
#include "cuebell/ui/win32/cuebell_check_dlg.h"
#include "shared/about_notice.h"
#include "shared/tool_settings.h"
#include "shared/win32/about_dlg.h"

namespace cuebell {

namespace {

using core::AnchorPosition;
using core::AnchorSize;
using win32::ControlAnchor;

// The controls that follow the dialog's size, in the order they are registered.
const ControlAnchor kAnchorsBeforeList[] = {
    {IDC_ENTRY_GROUP, AnchorPosition::TopRight, AnchorSize::KeepSize},
};
const ControlAnchor kAnchorsAfterList[] = {
    {IDCANCEL, AnchorPosition::BottomRight, AnchorSize::KeepSize},
    {IDOK, AnchorPosition::BottomRight, AnchorSize::KeepSize},
    {IDC_SAMPLES, AnchorPosition::BottomRight, AnchorSize::KeepSize},
    {IDC_DEVICES, AnchorPosition::BottomRight, AnchorSize::KeepSize},
    {IDC_GENERAL, AnchorPosition::BottomRight, AnchorSize::KeepSize},
    {IDC_ADD_ENTRY, AnchorPosition::TopRight, AnchorSize::KeepSize},
    {IDC_EDIT_ENTRY, AnchorPosition::TopRight, AnchorSize::KeepSize},
    {IDC_DELETE_ENTRY, AnchorPosition::TopRight, AnchorSize::KeepSize},
    {IDC_SEPARATOR, AnchorPosition::BottomLeft, AnchorSize::StretchWidth},
    {IDC_DESCRIPTION_LABEL, AnchorPosition::BottomLeft, AnchorSize::KeepSize},
    {IDC_DESCRIPTION, AnchorPosition::BottomLeft, AnchorSize::StretchWidth},
    {IDC_CHECK_CONFIGURATION, AnchorPosition::BottomLeft, AnchorSize::KeepSize},
};

}  // namespace

// The About item's command is the one the shared main dialog puts in the system menu.
static_assert(IDM_ABOUTBOX == win32::CMainDialog::kAboutBoxCommand);
static_assert(IDR_MAINFRAME == win32::CMainDialog::kMainIconId);
static_assert(IDS_ABOUT_NOTICE_OPENING == core::kAboutNoticeOpeningId &&
              IDS_MAKER_NAME == core::kMakerNameId);

CCuebellDlg::CCuebellDlg(HINSTANCE resources, const CuebellPorts& ports)
    : CMainDialog(resources, IDD_CUEBELL_DIALOG, IDS_ABOUT_MENU_ITEM),
      ports_(ports),
      session_(ports.registry, ports.system, ports.boxes, ports.boardDriver),
      list_(ports.boxes, *this) {}

bool CCuebellDlg::OnInitDialog() {
    CMainDialog::OnInitDialog();
    list_.SubclassDlgItem(hwnd_, IDC_ENTRY_LIST);
    RegisterAnchors();

    if (session_.Start(Owner(), Placement()) != StartResult::Ready) {
        // The program ends as soon as the dialog's loop runs; nothing is written but the
        // window placement, when the dialog is destroyed.
        ::PostQuitMessage(0);
        return true;
    }
    list_.SetupColumns();
    list_.FillList(session_.TakeEntries());
    RebuildDescription();
    FocusItem(IDC_ENTRY_LIST);
    UpdateEntryButtons();
    return false;  // the focus is set
}

void CCuebellDlg::RegisterAnchors() {
    AddGripper();
    AddAnchors(kAnchorsBeforeList);
    AddAnchor(list_.GetHwnd(), AnchorPosition::TopLeft, AnchorSize::StretchBoth);
    AddAnchors(kAnchorsAfterList);
    InitLayout();
}

void CCuebellDlg::ShowAbout() {
    win32::CAboutDlg about(
        Resources(), IDD_ABOUTBOX,
        {{IDC_VERSION_TEXT, core::GetVersionText(ports_.system)},
         {IDC_NOTICE_TEXT, core::AboutNotice(CuebellStrings(), core::CurrentLocalYear())}});
    about.DoModal(hwnd_);
}

bool CCuebellDlg::OnHelp(HELPINFO*) {
    // While the delete confirmation is open, F1 in it must not stack an About box on it.
    if (confirmationOpen_ != 1) {
        ShowAbout();
    }
    return true;
}

bool CCuebellDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == kAddEntryMessage) {
        AddEntry();
        *result = 0;
        return true;
    }
    return CMainDialog::OnMessage(message, wParam, lParam, result);
}

bool CCuebellDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) {
        return false;
    }
    switch (id) {
        case IDC_ADD_ENTRY:
            AddEntry();
            UpdateEntryButtons();
            return true;
        case IDC_EDIT_ENTRY:
            EditSelectedEntry();
            return true;
        case IDC_DELETE_ENTRY:
            list_.DeleteSelectedEntry();
            UpdateEntryButtons();
            return true;
        case IDC_SAMPLES:
            OpenSampleManager();
            return true;
        case IDC_DEVICES:
            OpenDeviceManager();
            return true;
        case IDC_GENERAL:
            OpenGeneralSettings();
            return true;
        case IDC_CHECK_CONFIGURATION:
            ShowCuebellCheck(
                hwnd_, {Resources(), session_, list_, ports_, [this] { RebuildDescription(); }});
            return true;
        default:
            return false;
    }
}

bool CCuebellDlg::OnNotify(int id, NMHDR* header, LRESULT*) {
    if (id != IDC_ENTRY_LIST) {
        return false;
    }
    switch (header->code) {
        case LVN_ITEMCHANGED:
            // The description shows the selected entry: only a change of the selection can
            // change it (the list also reports every cell text it is given).
            if (win32::SelectionChanged(*reinterpret_cast<const NMLISTVIEW*>(header))) {
                RebuildDescription();
            }
            return false;
        case NM_DBLCLK:
            EditSelectedEntry();
            return false;
        default:
            return false;
    }
}

void CCuebellDlg::AddEntry() {
    if (const auto refusal = AddRefusal(session_.Samples(), session_.Devices())) {
        ShowBoxMessage(ports_.boxes, Owner(), *refusal);
        return;
    }
    auto entry = std::make_unique<GpiInfo>();
    CGPIAddEditDlg editor(Resources(), ports_.boxes, IDS_ADD_ENTRY_TITLE, entry.get(),
                          EntryNames(list_.EntriesInListOrder()), session_.Samples(),
                          session_.Devices(), session_.Actions(), session_.General());
    if (editor.DoModal(hwnd_) == IDOK) {
        // The new last row is selected, and the description shows it.
        list_.AppendRow(std::move(entry));
        RebuildDescription();
    }
}

void CCuebellDlg::EditSelectedEntry() {
    if (const auto refusal = EditRefusal(list_.GetItemCount(), list_.SelectedRow())) {
        ShowBoxMessage(ports_.boxes, Owner(), *refusal);
        return;
    }
    const int row = list_.SelectedRow();
    GpiInfo* entry = list_.EntryAt(row);
    if (entry == nullptr) {
        return;
    }
    CGPIAddEditDlg editor(Resources(), ports_.boxes, IDS_EDIT_ENTRY_TITLE, entry,
                          EntryNames(list_.EntriesInListOrder(), entry), session_.Samples(),
                          session_.Devices(), session_.Actions(), session_.General());
    if (editor.DoModal(hwnd_) == IDOK) {
        // The selection stays on the row: its texts and the description are rewritten.
        list_.RefreshRow(row);
        RebuildDescription();
    }
}

void CCuebellDlg::OpenSampleManager() {
    CSampleManagerDlg manager(Resources(), session_.Samples(), session_.General(),
                              session_.LastWavPath(), list_.EntriesInListOrder(),
                              SamplePorts{ports_.boxes, ports_.system, ports_.audio, ports_.files});
    if (manager.DoModal(hwnd_) == IDOK) {
        // The entries keep their samples by identifier; their descriptions show the
        // samples' new files, offsets, delays and thresholds.
        RebuildDescription();
    }
}

void CCuebellDlg::OpenDeviceManager() {
    CDeviceManagerDlg manager(
        Resources(),
        DeviceManagerInputs{session_.Devices(), session_.Boards(), list_.EntriesInListOrder(),
                            ports_.boxes, ports_.boardDriver, ports_.system});
    if (manager.DoModal(hwnd_) == IDOK) {
        // The entries keep their devices by identifier; their descriptions show the
        // devices' new names, rates and intervals.
        RebuildDescription();
    }
}

void CCuebellDlg::OpenGeneralSettings() {
    CGeneralSettingsDlg settings(Resources(), session_.General());
    if (settings.DoModal(hwnd_) == IDOK) {
        // Samples that use the general threshold show its new value.
        RebuildDescription();
    }
}

void CCuebellDlg::UpdateEntryButtons() {
    const bool enabled = EntryButtonsEnabled(list_.GetItemCount());
    for (int id : {IDC_DESCRIPTION_LABEL, IDC_EDIT_ENTRY, IDC_DELETE_ENTRY}) {
        EnableItem(id, enabled);
    }
}

void CCuebellDlg::RebuildDescription() {
    if (GetItem(IDC_DESCRIPTION) == nullptr) {
        return;
    }
    const int row = list_.SelectedRow();
    if (row < 0) {
        SetItemText(IDC_DESCRIPTION, L"");
        return;
    }
    const GpiInfo* entry = list_.EntryAt(row);
    if (entry == nullptr) {
        return;
    }
    SetItemText(IDC_DESCRIPTION,
                DescribeEntry(*entry, session_.Samples(), session_.Devices(), session_.General()));
}

void CCuebellDlg::OnOK() {
    if (session_.Save(Owner(), list_.EntriesInListOrder()) == SaveResult::Saved) {
        EndDialog(IDOK);
    }
    // Otherwise the session has said why; the dialog stays open with every edit.
}

void CCuebellDlg::OnDestroy() {
    session_.Close(Placement());
    list_.DeleteAllRows();
}

}  // namespace cuebell
