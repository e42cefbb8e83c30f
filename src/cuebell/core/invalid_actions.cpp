#include "cuebell/core/invalid_actions.h"

#include "cuebell/model/cuebell_strings.h"
#include "cuebell/model/records.h"
#include "shared/format.h"
#include "shared/text.h"
#include "shared/utilities.h"

namespace cuebell {

namespace {

// A list this long is cut short after its first names.
constexpr size_t kNamesBeforeCut = 3;
constexpr size_t kShortestCutList = 5;

// The first event of the tool named like the entry whose action is not waitCommand's.
core::GpiEventRecord* InvalidEventOf(core::PlayoutInstance* instance, const std::wstring& name,
                                     const core::CActionInfo& waitCommand) {
    for (auto& event : instance->Events) {
        // Events of other owners may carry the same name in any case: never touch them.
        if (core::StartsWith(kToolPrefix, event.Name) && core::EqualsNoCase(event.Name, name) &&
            !core::EqualsNoCase(event.Action.Name, waitCommand.Name)) {
            return &event;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<std::wstring> CheckInvalidActions(const std::vector<std::wstring>& entryNames,
                                              const core::CActionInfo& waitCommand,
                                              core::PlayoutInstanceList* instances,
                                              std::vector<bool>* changedTables) {
    changedTables->assign(instances->size(), false);
    std::vector<std::wstring> marked;
    for (const auto& name : entryNames) {
        bool changed = false;
        for (size_t i = 0; i < instances->size(); ++i) {
            core::GpiEventRecord* event = InvalidEventOf(&(*instances)[i], name, waitCommand);
            if (!event) {
                continue;
            }
            event->ActionCode = waitCommand.Code;
            event->Action = waitCommand;
            event->Comment.clear();
            (*changedTables)[i] = true;
            changed = true;
        }
        if (changed) {
            marked.push_back(name);
        }
    }
    return marked;
}

std::wstring InvalidActionNameList(const std::vector<std::wstring>& names) {
    std::wstring list;
    for (size_t i = 0; i < names.size(); ++i) {
        if (names.size() > 1) {
            list += core::Format(L"%d) ", static_cast<int>(i + 1));
        }
        list += names[i] + L";\n";
        if (i + 1 == kNamesBeforeCut && names.size() >= kShortestCutList) {
            return list + L"...";
        }
    }
    list = core::Trim(list);
    while (!list.empty() && list.back() == L';') {
        list.pop_back();
    }
    return list + L".";
}

BoxMessage InvalidActionMessage(const std::vector<std::wstring>& names) {
    const int headingId =
        names.size() == 1 ? IDS_INVALID_ACTION_ONE_ENTRY : IDS_INVALID_ACTION_ENTRIES;
    BoxMessage message = MakeBoxMessage(headingId, IDS_FORMAT_CONVERTING_CAPTION,
                                        core::kMbOk | core::kMbIconWarning);
    message.text = core::Format(L"%s\n%s", message.text, InvalidActionNameList(names)) + L"\n" +
                   CuebellText(IDS_ACTION_WILL_BE_CHANGED) + L"\n" +
                   CuebellText(IDS_REVIEW_SCHEDULES);
    return message;
}

}  // namespace cuebell
