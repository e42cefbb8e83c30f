// Which detection entries use a sample or a device, and the numbered list of them that
// the sample and device managers show when they refuse a delete or ask before an edit.
// Entries refer to samples and devices by identifier, so a record in use must not vanish.
#pragma once

#include <string>
#include <vector>

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

// A "used by" text: the first string for one entry, the second for more, formatted with a
// line break and the usage list.
std::wstring UsageText(const std::vector<std::wstring>& entryNames, int oneEntryTextId,
                       int moreEntriesTextId);

}  // namespace cuebell
