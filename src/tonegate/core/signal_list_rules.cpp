#include "tonegate/core/signal_list_rules.h"

#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

const core::RecordListDescription<CDTMFTaskInfo>& SignalListDescription() {
    static const core::RecordListDescription<CDTMFTaskInfo> list =
        core::NamedActionListDescription<CDTMFTaskInfo>(core::NamedActionListTexts{
            TonegateText(IDS_COLUMN_NAME),
            TonegateText(IDS_COLUMN_ACTION),
            TonegateText(IDS_COLUMN_COMMENT),
            TonegateText(IDS_SIGNAL_LIST_EMPTY),
            TonegateText(IDS_NO_SIGNAL_SELECTED_TO_EDIT),
            TonegateText(IDS_EDIT_SIGNAL_CAPTION),
            TonegateText(IDS_NO_SIGNAL_SELECTED_TO_DELETE),
            TonegateText(IDS_DELETE_SIGNAL_CAPTION),
            TonegateText(IDS_CONFIRM_DELETE_SIGNAL),
        });
    return list;
}

std::vector<std::wstring> SignalNames(const SignalRecords& signals, const CDTMFTaskInfo* excluded) {
    return core::RecordNames(signals.InOrder(), excluded);
}

}  // namespace tonegate
