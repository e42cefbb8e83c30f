#include "cuebell/editors/usage_list.h"

#include <algorithm>

#include "cuebell/core/box_message.h"
#include "cuebell/model/cuebell_strings.h"
#include "shared/format.h"
#include "shared/text.h"

namespace cuebell {

namespace {

constexpr int kNamesListed = 3;

}  // namespace

std::vector<std::wstring> EntriesUsingSample(const EntryRefs& entries,
                                             const std::wstring& sampleId) {
    std::vector<std::wstring> names;
    for (const GpiInfo* entry : entries) {
        if (entry && std::find(entry->SampleIds.begin(), entry->SampleIds.end(), sampleId) !=
                         entry->SampleIds.end()) {
            names.push_back(entry->Name);
        }
    }
    return names;
}

std::vector<std::wstring> EntriesUsingDevice(const EntryRefs& entries,
                                             const std::wstring& deviceId) {
    std::vector<std::wstring> names;
    for (const GpiInfo* entry : entries) {
        if (entry && entry->DeviceId == deviceId) {
            names.push_back(entry->Name);
        }
    }
    return names;
}

std::wstring UsageList(const std::vector<std::wstring>& entryNames) {
    std::wstring text;
    int listed = 0;
    for (const auto& name : entryNames) {
        if (listed == kNamesListed) {
            return text + L"...";  // the list ends here, as it stands
        }
        ++listed;
        text += core::Format(L"%d) ", listed) + name + L";\n";
    }
    text = core::Trim(text);
    while (!text.empty() && text.back() == L';') {
        text.pop_back();
    }
    return text + L".";
}

namespace {

std::wstring UsedByText(const std::vector<std::wstring>& entryNames, int oneEntryTextId,
                        int moreEntriesTextId) {
    const int textId = entryNames.size() == 1 ? oneEntryTextId : moreEntriesTextId;
    return core::Format(CuebellText(textId), L"\n" + UsageList(entryNames));
}

}  // namespace

std::optional<BoxMessage> UsedByQuestion(const std::vector<std::wstring>& entryNames,
                                         int oneEntryTextId, int moreEntriesTextId, int captionId) {
    if (entryNames.empty()) {
        return std::nullopt;
    }
    return BoxMessage{UsedByText(entryNames, oneEntryTextId, moreEntriesTextId) + L"\n\n" +
                          CuebellText(IDS_CONTINUE_ANYWAY),
                      CuebellText(captionId), core::kMbYesNo | core::kMbIconWarning};
}

std::optional<BoxMessage> UsedByRefusal(const std::vector<std::wstring>& entryNames,
                                        const std::wstring& opening, int oneEntryTextId,
                                        int moreEntriesTextId, int captionId) {
    if (entryNames.empty()) {
        return std::nullopt;
    }
    return BoxMessage{opening + UsedByText(entryNames, oneEntryTextId, moreEntriesTextId),
                      CuebellText(captionId), core::kMbOk | core::kMbIconError};
}

}  // namespace cuebell
