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
    : CRecordMainDialog(
          resources, IDD_CUEBELL_DIALOG, IDS_ABOUT_MENU_ITEM,
          {IDD_ABOUTBOX, IDC_VERSION_TEXT, IDC_NOTICE_TEXT, CuebellStrings(), ports.system},
          EntryListDescription(), ports.boxes,
          {IDC_ENTRY_LIST,
           LVS_EX_FULLROWSELECT | LVS_EX_BORDERSELECT | LVS_EX_DOUBLEBUFFER,
           {IDC_ADD_ENTRY,
            IDC_EDIT_ENTRY,
            IDC_DELETE_ENTRY,
            {IDC_DESCRIPTION_LABEL, IDC_EDIT_ENTRY, IDC_DELETE_ENTRY}},
           IDC_DESCRIPTION}),
      ports_(ports),
      session_(ports.registry, ports.system, ports.boxes, ports.boardDriver) {}

bool CCuebellDlg::Start() {
    return session_.Start(Owner(), Placement()) == StartResult::Ready;
}

bool CCuebellDlg::Save(const EntryRefs& entries) {
    return session_.Save(Owner(), entries) == SaveResult::Saved;
}

void CCuebellDlg::RegisterAnchors() {
    AddGripper();
    AddAnchors(kAnchorsBeforeList);
    AddAnchor(List().GetHwnd(), AnchorPosition::TopLeft, AnchorSize::StretchBoth);
    AddAnchors(kAnchorsAfterList);
    InitLayout();
}

bool CCuebellDlg::OnProgramCommand(int id) {
    switch (id) {
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
                hwnd_, {Resources(), session_, List(), ports_, [this] { RebuildDescription(); }});
            return true;
        default:
            return false;
    }
}

std::unique_ptr<GpiInfo> CCuebellDlg::NewRecord() {
    if (const auto refusal = AddRefusal(session_.Samples(), session_.Devices())) {
        ShowBoxMessage(ports_.boxes, Owner(), *refusal);
        return nullptr;
    }
    auto entry = std::make_unique<GpiInfo>();
    CGPIAddEditDlg editor(Resources(), ports_.boxes, IDS_ADD_ENTRY_TITLE, entry.get(),
                          EntryNames(List().RecordsInOrder()), session_.Samples(),
                          session_.Devices(), session_.Actions(), session_.General());
    return editor.DoModal(hwnd_) == IDOK ? std::move(entry) : nullptr;
}

bool CCuebellDlg::EditRecord(GpiInfo& entry) {
    CGPIAddEditDlg editor(Resources(), ports_.boxes, IDS_EDIT_ENTRY_TITLE, &entry,
                          EntryNames(List().RecordsInOrder(), &entry), session_.Samples(),
                          session_.Devices(), session_.Actions(), session_.General());
    return editor.DoModal(hwnd_) == IDOK;
}

void CCuebellDlg::OpenSampleManager() {
    CSampleManagerDlg manager(Resources(), session_.Samples(), session_.General(),
                              session_.LastWavPath(), List().RecordsInOrder(),
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
        DeviceManagerInputs{session_.Devices(), session_.Boards(), List().RecordsInOrder(),
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

std::wstring CCuebellDlg::Describe(const GpiInfo* entry) const {
    return entry != nullptr
               ? DescribeEntry(*entry, session_.Samples(), session_.Devices(), session_.General())
               : std::wstring();
}

}  // namespace cuebell
