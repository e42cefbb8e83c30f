#include "cuebell/core/entry_list_rules.h"

#include "cuebell/model/cuebell_strings.h"

namespace cuebell {

namespace {

core::RecordListDescription<GpiInfo> MakeEntryListDescription() {
    core::RecordListDescription<GpiInfo> list =
        core::NamedActionListDescription<GpiInfo>(core::NamedActionListTexts{
            CuebellText(IDS_COLUMN_NAME),
            CuebellText(IDS_COLUMN_ACTION),
            CuebellText(IDS_COLUMN_COMMENT),
            CuebellText(IDS_ENTRY_LIST_EMPTY),
            CuebellText(IDS_NO_ENTRY_SELECTED_TO_EDIT),
            CuebellText(IDS_EDIT_ENTRY_TITLE),
            CuebellText(IDS_NO_ENTRY_SELECTED_TO_DELETE),
            CuebellText(IDS_DELETE_ENTRY_CAPTION),
            CuebellText(IDS_CONFIRM_DELETE_ENTRY),
        });
    list.clickKeepsSelection = false;
    // Deliberate: the main dialog refreshes its entry buttons after its "Add..." and
    // "Delete" buttons only, never after the list's keys.
    list.deleteKeyRefreshesButtons = false;
    list.insertKeyRefreshesButtons = false;
    return list;
}

}  // namespace

const core::RecordListDescription<GpiInfo>& EntryListDescription() {
    static const core::RecordListDescription<GpiInfo> list = MakeEntryListDescription();
    return list;
}

std::optional<BoxMessage> AddRefusal(const SampleList& samples, const DeviceList& devices) {
    const unsigned flags = core::kMbOk | core::kMbIconError;
    if (samples.empty()) {
        return MakeBoxMessage(IDS_NO_SAMPLES, IDS_ADD_ENTRY_CAPTION, flags);
    }
    if (devices.empty()) {
        return MakeBoxMessage(IDS_NO_DEVICES, IDS_ADD_ENTRY_CAPTION, flags);
    }
    return std::nullopt;
}

}  // namespace cuebell
