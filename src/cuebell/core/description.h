// The description of a detection entry that the main dialog shows below the entry list:
// the entry's device with its sample rate and analysis interval, then each of its samples
// with delay, offset and threshold. Lines end in carriage return and line feed.
#pragma once

#include <string>

#include "cuebell/model/records.h"

namespace cuebell {

// The separator between the device and the samples: 25 hyphens.
constexpr const wchar_t* kDescriptionSeparator = L"-------------------------";

// The whole description text of the entry. A device or sample that the entry names but
// the lists do not hold is shown as "?" in every field it would fill, e.g.
// "? (Sample rate = ? Hz, Analysis interval = ? ms)".
std::wstring DescribeEntry(const GpiInfo& entry, const SampleList& samples,
                           const DeviceList& devices, const GeneralParams& general);

}  // namespace cuebell
