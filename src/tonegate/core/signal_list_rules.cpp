#include "tonegate/core/signal_list_rules.h"

#include <algorithm>

#include "shared/format.h"
#include "tonegate/core/signal_description.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

constexpr int kNameWidth = 150;
constexpr int kActionWidth = 100;

core::BoxMessage Warning(int textId, int captionId) {
    return core::BoxMessage{TonegateText(textId), TonegateText(captionId),
                            core::kMbOk | core::kMbIconWarning};
}

class SignalDeleteDialogue : public core::DeleteDialogue<CDTMFTaskInfo> {
  public:
    SignalDeleteDialogue(core::MessageBoxPort& boxes, core::WindowHandle owner)
        : boxes_(boxes), owner_(owner) {}

    void Refuse(core::DeleteRefusalReason reason) override {
        const int text = reason == core::DeleteRefusalReason::EmptyList
                             ? IDS_SIGNAL_LIST_EMPTY
                             : IDS_NO_SIGNAL_SELECTED_TO_DELETE;
        core::ShowBoxMessage(boxes_, owner_, Warning(text, IDS_DELETE_SIGNAL_CAPTION));
    }

    bool Confirm(const CDTMFTaskInfo& signal) override {
        return core::ShowBoxMessage(boxes_, owner_, DeleteConfirmation(signal.Name)) ==
               core::kIdYes;
    }

  private:
    core::MessageBoxPort& boxes_;
    core::WindowHandle owner_;
};

}  // namespace

std::vector<SignalListColumn> SignalListColumns(int listClientWidth) {
    return {
        {kNameColumn, TonegateText(IDS_COLUMN_NAME), kNameWidth},
        {kActionColumn, TonegateText(IDS_COLUMN_ACTION), kActionWidth},
        {kCommentColumn, TonegateText(IDS_COLUMN_COMMENT),
         std::max(0, listClientWidth - kNameWidth - kActionWidth)},
    };
}

std::wstring SignalCellText(const CDTMFTaskInfo& signal, int columnId) {
    switch (columnId) {
        case kNameColumn:
            return signal.Name;
        case kActionColumn:
            return signal.Action.Name;
        case kCommentColumn:
            return signal.Comment;
        default:
            return std::wstring();
    }
}

std::vector<std::wstring> SignalNames(const SignalRecords& signals, const CDTMFTaskInfo* excluded) {
    std::vector<std::wstring> names;
    for (const CDTMFTaskInfo* signal : signals.InOrder()) {
        if (signal != excluded) {
            names.push_back(signal->Name);
        }
    }
    return names;
}

std::optional<core::BoxMessage> EditRefusal(int rowCount, int selectedRow) {
    if (rowCount <= 0) {
        return Warning(IDS_SIGNAL_LIST_EMPTY, IDS_EDIT_SIGNAL_CAPTION);
    }
    if (selectedRow < 0 || selectedRow >= rowCount) {
        return Warning(IDS_NO_SIGNAL_SELECTED_TO_EDIT, IDS_EDIT_SIGNAL_CAPTION);
    }
    return std::nullopt;
}

core::BoxMessage DeleteConfirmation(const std::wstring& signalName) {
    return core::BoxMessage{core::Format(TonegateText(IDS_CONFIRM_DELETE_SIGNAL), signalName),
                            TonegateText(IDS_DELETE_SIGNAL_CAPTION),
                            core::kMbYesNo | core::kMbIconQuestion};
}

core::DeleteOutcome<CDTMFTaskInfo> DeleteSelectedSignal(SignalRecords& signals, int selectedRow,
                                                        core::MessageBoxPort& boxes,
                                                        core::WindowHandle owner) {
    SignalDeleteDialogue dialogue(boxes, owner);
    return core::DeleteSelectedRecord(signals, selectedRow, dialogue);
}

std::wstring DescriptionOfRow(const SignalRecords& signals, int selectedRow) {
    return DescribeSignal(signals.At(selectedRow));
}

}  // namespace tonegate
