#include "cuebell/ui/win32/cuebell_dlg.h"

#include "cuebell/core/box_message.h"
#include "cuebell/core/description.h"
#include "cuebell/core/entry_list_rules.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/resource.h"
#include "cuebell/ui/win32/about_dlg.h"
#include "cuebell/ui/win32/window_placement.h"

namespace cuebell {

namespace {

using core::AnchorPosition;
using core::AnchorSize;

// The controls that follow the dialog's size, in the order they are registered.
struct ControlAnchor {
    int id;
    AnchorPosition position;
    AnchorSize size;
};

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
};

bool SelectionChanged(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) != 0 &&
           ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0;
}

HICON LoadIconOfSize(HINSTANCE module, int widthMetric, int heightMetric) {
    return static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                           ::GetSystemMetrics(widthMetric),
                                           ::GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR));
}

}  // namespace

CCuebellDlg::CCuebellDlg(HINSTANCE resources, const CuebellPorts& ports)
    : resources_(resources),
      ports_(ports),
      session_(ports.registry, ports.system, ports.boxes, ports.boardDriver),
      list_(ports.boxes, *this) {
    LoadIcons();
}

CCuebellDlg::~CCuebellDlg() {
    // A dialog still open (only a modeless one can be) goes before its icons do.
    DestroyWithoutCallbacks();
    if (bigIcon_ != nullptr) {
        ::DestroyIcon(bigIcon_);
    }
    if (smallIcon_ != nullptr) {
        ::DestroyIcon(smallIcon_);
    }
}

INT_PTR CCuebellDlg::DoModal(HWND parent) {
    return CResizeGripperDialog::DoModal(resources_, IDD_CUEBELL_DIALOG, parent);
}

void CCuebellDlg::LoadIcons() {
    bigIcon_ = LoadIconOfSize(resources_, SM_CXICON, SM_CYICON);
    smallIcon_ = LoadIconOfSize(resources_, SM_CXSMICON, SM_CYSMICON);
    SetDialogIcon(bigIcon_);
}

bool CCuebellDlg::OnInitDialog() {
    CResizeGripperDialog::OnInitDialog();
    list_.SubclassDlgItem(hwnd_, IDC_ENTRY_LIST);
    RegisterAnchors();
    AddAboutMenuItem();
    SetIcon(bigIcon_, true);
    SetIcon(smallIcon_ != nullptr ? smallIcon_ : bigIcon_, false);

    DialogPlacement placement(hwnd_);
    if (session_.Start(Owner(), placement) != StartResult::Ready) {
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
    for (const ControlAnchor& anchor : kAnchorsBeforeList) {
        AddAnchor(anchor.id, anchor.position, anchor.size);
    }
    AddAnchor(list_.GetHwnd(), AnchorPosition::TopLeft, AnchorSize::StretchBoth);
    for (const ControlAnchor& anchor : kAnchorsAfterList) {
        AddAnchor(anchor.id, anchor.position, anchor.size);
    }
    InitLayout();
}

void CCuebellDlg::AddAboutMenuItem() {
    HMENU menu = GetSystemMenu(false);
    const std::wstring item = CuebellText(IDS_ABOUT_MENU_ITEM);
    if (menu == nullptr || item.empty()) {
        return;
    }
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, item.c_str());
}

void CCuebellDlg::ShowAbout() {
    CAboutDlg about(ports_.system);
    about.DoModal(resources_, hwnd_);
}

bool CCuebellDlg::OnSysCommand(UINT command, LPARAM) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAbout();
        return true;
    }
    return false;
}

bool CCuebellDlg::OnHelp(HELPINFO*) {
    // While the delete confirmation is open, F1 in it must not stack an About box on it.
    if (confirmationOpen_ != 1) {
        ShowAbout();
    }
    return true;
}

bool CCuebellDlg::OnPaint() {
    if (!IsIconic()) {
        return false;
    }
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(hwnd_, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    const RECT client = GetClientRect();
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, bigIcon_);
    ::EndPaint(hwnd_, &paint);
    return true;
}

bool CCuebellDlg::OnMessage(UINT message, WPARAM, LPARAM, LRESULT* result) {
    switch (message) {
        case WM_QUERYDRAGICON:
            *result = reinterpret_cast<LRESULT>(bigIcon_);
            return true;
        case kAddEntryMessage:
            AddEntry();
            *result = 0;
            return true;
        default:
            return false;
    }
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
        case IDC_DEVICES:
        case IDC_GENERAL:
            // The sample manager, the device manager and the general settings open here
            // once the editors are part of the program.
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
            if (SelectionChanged(*reinterpret_cast<const NMLISTVIEW*>(header))) {
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
    // The entry editor opens here once the editors are part of the program; until then
    // nothing changes.
}

void CCuebellDlg::EditSelectedEntry() {
    if (const auto refusal = EditRefusal(list_.GetItemCount(), list_.SelectedRow())) {
        ShowBoxMessage(ports_.boxes, Owner(), *refusal);
        return;
    }
    // The entry editor opens here once the editors are part of the program; until then
    // nothing changes.
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
    DialogPlacement placement(hwnd_);
    session_.Close(placement);
    list_.DeleteAllRows();
}

}  // namespace cuebell
