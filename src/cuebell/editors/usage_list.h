// Which detection entries use a sample or a device, and the numbered list of them that
// the sample and device managers show when they refuse a delete or ask before an edit.
// Entries refer to samples and devices by identifier, so a record in use must not vanish.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/model/records.h"

namespace cuebell {

// The names of the entries that use the sample, in list order, each entry once (an entry
// that lists the same sample twice still uses it once). Identifiers compare exactly.
std::vector<std::wstring> EntriesUsingSample(const EntryRefs& entries,
                                             const std::wstring& sampleId);

// The names of the entries that watch the device, in list order.
std::vector<std::wstring> EntriesUsingDevice(const EntryRefs& entries,
                                             const std::wstring& deviceId);

// "1) A;" line by line; up to three names end with "." instead of the last ";", and a
// fourth name or more is shown as a last line "...".
std::wstring UsageList(const std::vector<std::wstring>& entryNames);

// The boxes about a record that entries use; none when no entry uses it. The "used by"
// text is the first string for one entry, the second for more, formatted with a line
// break and the usage list. The question adds "Continue anyway?" (Yes and No, warning
// icon); the refusal starts with `opening` (error icon).
std::optional<BoxMessage> UsedByQuestion(const std::vector<std::wstring>& entryNames,
                                         int oneEntryTextId, int moreEntriesTextId, int captionId);
std::optional<BoxMessage> UsedByRefusal(const std::vector<std::wstring>& entryNames,
                                        const std::wstring& opening, int oneEntryTextId,
                                        int moreEntriesTextId, int captionId);

}  // namespace cuebell
