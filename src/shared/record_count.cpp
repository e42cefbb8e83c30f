#include "record_count.h"

#include <algorithm>
#include <limits>

#include "text.h"

namespace core {

int64_t PositionOfRecordKey(const std::wstring& name, const std::wstring& kindName) {
    if (name.size() <= kindName.size() ||
        !EqualsNoCase(name.substr(0, kindName.size()), kindName)) {
        return -1;
    }
    std::wstring digits = name.substr(kindName.size());
    if (digits.size() > 10 || (digits.size() > 1 && digits[0] == L'0')) {
        return -1;
    }
    int64_t value = 0;
    for (wchar_t c : digits) {
        if (!IsDigit(c)) {
            return -1;
        }
        value = value * 10 + (c - L'0');
    }
    return value <= std::numeric_limits<int32_t>::max() ? value : -1;
}

int32_t RecordPositionsToRead(RegistryPort& registry, RegRoot root,
                              const std::wstring& storeKeyPath, const std::wstring& kindName,
                              int32_t storedCount) {
    if (storedCount <= 0) {
        return 0;
    }
    if (storedCount <= kMaxTrustedRecordCount) {
        return storedCount;
    }
    int64_t highest = -1;
    bool complete = false;
    ScopedRegKey store(registry);
    if (store.Open(root, storeKeyPath, RegAccess::Read)) {
        // Record key names are short; a longer name (kErrorMoreData) is none of ours.
        constexpr size_t kNameBufferChars = 256;
        for (uint32_t index = 0; index < std::numeric_limits<uint32_t>::max(); ++index) {
            std::wstring name;
            long status = registry.EnumKey(store.Get(), index, kNameBufferChars, &name);
            if (status == kErrorNoMoreItems) {
                complete = true;
                break;
            }
            if (status == kErrorMoreData) {
                continue;
            }
            if (status != kErrorSuccess) {
                break;
            }
            highest = std::max(highest, PositionOfRecordKey(name, kindName));
        }
    }
    // Without a complete view of the keys, read at least the trusted number.
    int64_t bound = complete ? highest + 1 : std::max<int64_t>(highest + 1, kMaxTrustedRecordCount);
    return static_cast<int32_t>(std::min<int64_t>(storedCount, bound));
}

}  // namespace core
