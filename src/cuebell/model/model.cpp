#include "cuebell/model/model.h"

#include <algorithm>
#include <limits>
#include <unordered_set>

#include "shared/text.h"
#include "shared/utilities.h"

namespace cuebell {

namespace {

std::wstring Folded(const std::wstring& text) {
    std::wstring folded = text;
    for (auto& c : folded) {
        c = core::FoldCase(c);
    }
    return folded;
}

// The identifiers of a list folded to one case: whether an identifier is known is then
// one look-up, not a search of the list (entries times samples on a large station).
template <typename List, typename IdOf>
std::unordered_set<std::wstring> FoldedIds(const List& list, IdOf idOf) {
    std::unordered_set<std::wstring> ids;
    for (const auto& item : list) {
        ids.insert(Folded(idOf(item)));
    }
    return ids;
}

template <typename List, typename IdOf>
int32_t FindIndex(const List& list, const std::wstring& id, IdOf idOf) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (idOf(list[i]) == id) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

SampleInfo NewSampleInfo(core::SystemPort& system) {
    SampleInfo sample;
    sample.SampleId = core::NewIdentifier(system);
    return sample;
}

DeviceInfo NewDeviceInfo(core::SystemPort& system) {
    DeviceInfo device;
    device.DeviceId = core::NewIdentifier(system);
    return device;
}

int32_t FindDeviceIndex(const DeviceList& devices, const std::wstring& deviceId) {
    return FindIndex(devices, deviceId,
                     [](const DeviceInfo& d) -> const std::wstring& { return d.DeviceId; });
}

int32_t FindSampleIndex(const SampleList& samples, const std::wstring& sampleId) {
    return FindIndex(samples, sampleId,
                     [](const SampleInfo& s) -> const std::wstring& { return s.SampleId; });
}

std::wstring DeviceIdAt(const DeviceList& devices, int32_t position) {
    if (position < 0 || static_cast<size_t>(position) >= devices.size()) {
        return std::wstring();
    }
    return devices[static_cast<size_t>(position)].DeviceId;
}

std::wstring SampleIdAt(const SampleList& samples, int32_t position) {
    if (position < 0 || static_cast<size_t>(position) >= samples.size()) {
        return std::wstring();
    }
    return samples[static_cast<size_t>(position)].SampleId;
}

bool IsEntryComplete(const GpiInfo& entry) {
    if (entry.DeviceId.empty()) {
        return false;
    }
    return std::any_of(entry.SampleIds.begin(), entry.SampleIds.end(),
                       [](const std::wstring& id) { return !id.empty(); });
}

int32_t AnalysisIntervalMs(const DeviceInfo& device) {
    // The stored digit and rate may be anything: compute in 64 bits so that no
    // shift or product overflows, then saturate to 32 bits.
    const int64_t rate = device.SampleRate == 0 ? 1 : device.SampleRate;
    const int32_t digit = device.AnalysisDigit;
    if (digit < 0) {
        // 1000 / 2^-digit / rate: truncating twice is the same as truncating once.
        const int64_t scaled = digit > -10 ? (int64_t{1000} >> -digit) : 0;
        return Saturate(scaled / rate);
    }
    if (digit > 40) {
        return rate > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
    }
    return Saturate((int64_t{1000} << digit) / rate);
}

void NormalizeDeviceNames(DeviceList* devices) {
    for (auto& device : *devices) {
        device.Name = core::ReplaceAll(device.Name, L"Output", L"Input");
    }
}

void PruneSampleRefs(EntryList* entries, const SampleList& samples) {
    const auto known = FoldedIds(samples, [](const SampleInfo& s) { return s.SampleId; });
    for (auto& entry : *entries) {
        if (!entry) {
            continue;
        }
        auto& ids = entry->SampleIds;
        for (size_t i = ids.size(); i-- > 0;) {
            if (ids[i].empty() || known.count(Folded(ids[i])) == 0) {
                ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
}

void PruneEntries(EntryList* entries, const DeviceList& devices) {
    const auto known = FoldedIds(devices, [](const DeviceInfo& d) { return d.DeviceId; });
    // Kept in order, moved once each.
    entries->erase(std::remove_if(entries->begin(), entries->end(),
                                  [&](const std::unique_ptr<GpiInfo>& entry) {
                                      return !entry || entry->DeviceId.empty() ||
                                             entry->SampleIds.empty() ||
                                             known.count(Folded(entry->DeviceId)) == 0;
                                  }),
                   entries->end());
}

}  // namespace cuebell
