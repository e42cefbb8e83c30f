#include "cuebell/core/entry_list_rules.h"

#include <algorithm>

#include "cuebell/model/cuebell_strings.h"
#include "shared/format.h"

namespace cuebell {

namespace {

constexpr int kNameWidth = 150;
constexpr int kActionWidth = 100;

bool HasSelection(int rowCount, int selectedRow) {
    return selectedRow >= 0 && selectedRow < rowCount;
}

// The entry list's refusals and question; the flag is up while the question is open.
class EntryDeleteDialogue : public core::DeleteDialogue<GpiInfo> {
  public:
    EntryDeleteDialogue(core::MessageBoxPort& boxes, core::WindowHandle owner,
                        ConfirmationFlag& flag)
        : boxes_(boxes), owner_(owner), flag_(flag) {}

    void Refuse(core::DeleteRefusalReason reason) override {
        const int text = reason == core::DeleteRefusalReason::EmptyList
                             ? IDS_ENTRY_LIST_EMPTY
                             : IDS_NO_ENTRY_SELECTED_TO_DELETE;
        ShowBoxMessage(
            boxes_, owner_,
            MakeBoxMessage(text, IDS_DELETE_ENTRY_CAPTION, core::kMbOk | core::kMbIconWarning));
    }

    bool Confirm(const GpiInfo& entry) override {
        flag_.SetConfirmationOpen(1);
        const int answer = ShowBoxMessage(boxes_, owner_, DeleteConfirmation(entry.Name));
        flag_.SetConfirmationOpen(0);
        return answer == core::kIdYes;
    }

  private:
    core::MessageBoxPort& boxes_;
    core::WindowHandle owner_;
    ConfirmationFlag& flag_;
};

}  // namespace

std::vector<EntryListColumn> EntryListColumns(int listClientWidth) {
    return {
        {kNameColumn, CuebellText(IDS_COLUMN_NAME), kNameWidth},
        {kActionColumn, CuebellText(IDS_COLUMN_ACTION), kActionWidth},
        {kCommentColumn, CuebellText(IDS_COLUMN_COMMENT),
         std::max(0, listClientWidth - kNameWidth - kActionWidth)},
    };
}

std::wstring EntryCellText(const GpiInfo& entry, int columnId) {
    switch (columnId) {
        case kNameColumn:
            return entry.Name;
        case kActionColumn:
            return entry.Action.Name;
        case kCommentColumn:
            return entry.Comment;
        default:
            return std::wstring();
    }
}

std::vector<std::wstring> EntryNames(const EntryRefs& entries, const GpiInfo* excluded) {
    std::vector<std::wstring> names;
    for (const GpiInfo* entry : entries) {
        if (entry && entry != excluded) {
            names.push_back(entry->Name);
        }
    }
    return names;
}

bool EntryButtonsEnabled(int rowCount) {
    return rowCount > 0;
}

core::DeleteOutcome<GpiInfo> DeleteSelectedEntry(EntryRecords& entries, int selectedRow,
                                                 core::MessageBoxPort& boxes,
                                                 core::WindowHandle owner, ConfirmationFlag& flag) {
    EntryDeleteDialogue dialogue(boxes, owner, flag);
    return core::DeleteSelectedRecord(entries, selectedRow, dialogue);
}

BoxMessage DeleteConfirmation(const std::wstring& entryName) {
    return BoxMessage{core::Format(CuebellText(IDS_CONFIRM_DELETE_ENTRY), entryName),
                      CuebellText(IDS_DELETE_ENTRY_CAPTION),
                      core::kMbYesNo | core::kMbIconQuestion};
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

std::optional<BoxMessage> EditRefusal(int rowCount, int selectedRow) {
    const unsigned flags = core::kMbOk | core::kMbIconWarning;
    if (rowCount <= 0) {
        return MakeBoxMessage(IDS_ENTRY_LIST_EMPTY, IDS_EDIT_ENTRY_TITLE, flags);
    }
    if (!HasSelection(rowCount, selectedRow)) {
        return MakeBoxMessage(IDS_NO_ENTRY_SELECTED_TO_EDIT, IDS_EDIT_ENTRY_TITLE, flags);
    }
    return std::nullopt;
}

}  // namespace cuebell
