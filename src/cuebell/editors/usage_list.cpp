#include "cuebell/editors/usage_list.h"

#include <algorithm>

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

}  // namespace cuebell
