#include "tonegate/ui/win32/tonegate_dlg.h"

#include <memory>
#include <vector>

#include "shared/about_notice.h"
#include "shared/box_message.h"
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
    : CRecordMainDialog(
          resources, IDD_TONEGATE_DIALOG, IDS_ABOUT_MENU_ITEM,
          {IDD_ABOUTBOX, IDC_VERSION_TEXT, IDC_NOTICE_TEXT, TonegateStrings(), ports.system},
          SignalListDescription(), ports.boxes,
          // Tonegate never disables its buttons: Edit and Delete refuse an empty list.
          {IDC_SIGNAL_LIST,
           LVS_EX_FULLROWSELECT,
           {IDC_ADD_SIGNAL, IDC_EDIT_SIGNAL, IDC_DELETE_SIGNAL, {}},
           IDC_DESCRIPTION}),
      ports_(ports),
      session_(ports.registry, ports.system, ports.boxes, ports.boardDriver) {}

bool CTonegateDlg::Start() {
    return session_.Start(Owner(), Placement()) == StartResult::Ready;
}

bool CTonegateDlg::Save(const std::vector<CDTMFTaskInfo*>& signals) {
    return session_.Save(Owner(), SignalRefs(signals.begin(), signals.end())) == SaveResult::Saved;
}

void CTonegateDlg::RegisterAnchors() {
    AddGripper();
    AddAnchor(List().GetHwnd(), AnchorPosition::TopLeft, AnchorSize::StretchBoth);
    AddAnchors(kAnchorsAfterList);
    InitLayout();
}

bool CTonegateDlg::OnProgramCommand(int id) {
    if (id != IDC_CHECK_CONFIGURATION) {
        return false;
    }
    ShowTonegateCheck(hwnd_,
                      {Resources(), session_, List(), ports_, [this] { RebuildDescription(); }});
    return true;
}

std::unique_ptr<CDTMFTaskInfo> CTonegateDlg::NewRecord() {
    auto signal = std::make_unique<CDTMFTaskInfo>();
    CSetDTMFParamDlg editor(Resources(), ports_.boxes, IDS_ADD_SIGNAL_TITLE, signal.get(),
                            core::RecordNames(List().RecordsInOrder()), session_.Boards(),
                            session_.Actions());
    if (editor.DoModal(hwnd_) != IDOK) {
        return nullptr;
    }
    signal->LoadedName = signal->Name;
    return signal;
}

bool CTonegateDlg::EditRecord(CDTMFTaskInfo& signal) {
    CSetDTMFParamDlg editor(Resources(), ports_.boxes, IDS_EDIT_SIGNAL_TITLE, &signal,
                            core::RecordNames(List().RecordsInOrder(), &signal), session_.Boards(),
                            session_.Actions());
    return editor.DoModal(hwnd_) == IDOK;
}

std::wstring CTonegateDlg::Describe(const CDTMFTaskInfo* signal) const {
    return DescribeSignal(signal);
}

}  // namespace tonegate
