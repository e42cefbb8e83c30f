#include "tonegate/ui/win32/tonegate_check_dlg.h"

#include "shared/win32/config_check_dlg.h"
#include "tonegate/check/config_check.h"
#include "tonegate/check/finding_kinds.h"
#include "tonegate/editors/win32/set_dtmf_param_dlg.h"
#include "tonegate/model/tonegate_strings.h"
#include "tonegate/resource.h"

namespace tonegate {

namespace {

class TonegateCheckSource : public win32::ConfigCheckSource {
  public:
    explicit TonegateCheckSource(const TonegateCheckScope& scope) : scope_(scope) {}

    core::FindingList Check() override {
        const std::vector<CDTMFTaskInfo*> inOrder = scope_.signals.RecordsInOrder();
        signals_.assign(inOrder.begin(), inOrder.end());
        return CheckTonegateConfiguration(
            TonegateConfiguration{signals_, scope_.session.Boards(), scope_.session.Instances()});
    }

    // As the main dialog's Edit: the list's own signal, its row rewritten after OK.
    bool Edit(HWND owner, const core::RecordRef& record) override {
        const int row = record.position;
        if (record.kind != core::RecordKind::Signal || row < 0 ||
            static_cast<size_t>(row) >= signals_.size() ||
            signals_[static_cast<size_t>(row)] == nullptr) {
            return false;  // a playout instance has no editor here
        }
        // The list's own signal, in the same row as the check saw it.
        CDTMFTaskInfo* signal = scope_.signals.RecordAt(row);
        if (signal != signals_[static_cast<size_t>(row)]) {
            return false;
        }
        CSetDTMFParamDlg editor(scope_.resources, scope_.ports.boxes, IDS_EDIT_SIGNAL_TITLE, signal,
                                core::RecordNames(scope_.signals.RecordsInOrder(), signal),
                                scope_.session.Boards(), scope_.session.Actions());
        editor.RequireOfferedDevice();
        if (editor.DoModal(owner) != IDOK) {
            return false;
        }
        scope_.signals.RefreshRow(row);
        scope_.recordStored();
        return true;
    }

  private:
    const TonegateCheckScope& scope_;
    SignalRefs signals_;  // the signals as the last check saw them, in list order
};

}  // namespace

void ShowTonegateCheck(HWND owner, const TonegateCheckScope& scope) {
    TonegateCheckSource source(scope);
    win32::CConfigCheckDlg dialog(scope.resources, TonegateCheckTexts(), source);
    dialog.DoModal(owner);
}

}  // namespace tonegate
