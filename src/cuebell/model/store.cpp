#include "cuebell/model/store.h"

#include <algorithm>
#include <unordered_map>

#include "cuebell/model/model.h"
#include "shared/format.h"
#include "shared/record_count.h"
#include "shared/reg_values.h"
#include "shared/text.h"
#include "shared/utilities.h"

namespace cuebell {

namespace {

using core::RegAccess;
using core::RegRoot;
using core::ScopedRegKey;

constexpr double kMaxGpiLength = 10.0;

// A Threshold below 0 reads as 0 (for a sample: the general Threshold applies).
int32_t NotNegative(int32_t value) {
    return value < 0 ? 0 : value;
}

// How many positions to read for a stored count (see core::kMaxTrustedRecordCount).
int32_t PositionsToRead(core::RegistryPort& registry, const wchar_t* kind, int32_t storedCount) {
    const std::wstring kindName = std::wstring(kind).substr(1);  // without the backslash
    return core::RecordPositionsToRead(registry, RegRoot::LocalMachine, StoreKeyPath(), kindName,
                                       storedCount);
}

// The next position at or after *pos; a number directly after a minus sign is
// skipped. Leaves *pos after the number; -1 (and *pos at the end) when none is left.
int32_t NextIndex(const std::wstring& text, size_t* pos) {
    size_t i = *pos;
    while (true) {
        while (i < text.size() && !core::IsDigit(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            *pos = i;
            return -1;
        }
        const bool negative = i > 0 && text[i - 1] == L'-';
        const size_t start = i;
        while (i < text.size() && core::IsDigit(text[i])) {
            ++i;
        }
        if (!negative) {
            *pos = i;
            return core::ParseLeadingInt(text.substr(start, i - start));
        }
    }
}

void ReadSample(const ScopedRegKey& key, SampleInfo* sample) {
    std::wstring audioFile = core::ReadRegString(key, L"AudioFile");
    if (!core::HasFileName(audioFile)) {
        return;
    }
    sample->AudioFile = audioFile;
    sample->Threshold = NotNegative(core::ReadRegInt(key, L"Threshold", 30));
    sample->Offset = core::ReadRegDouble(key, L"Offset", 0.0);
    sample->Delay = core::ReadRegDouble(key, L"Delay", 0.0);
}

void ReadDevice(const ScopedRegKey& key, DeviceInfo* device) {
    std::wstring name = core::Trim(core::ReadRegString(key, L"Name"));
    if (name.empty()) {
        return;
    }
    device->Name = name;
    device->SampleRate = core::ReadRegLong(key, L"SampleRate", 1000);
    device->AnalysisDigit = core::ReadRegInt(key, L"AnalysisDigit", 12);
}

// The entry at the key, or nothing when it is unnamed, foreign or incomplete.
std::unique_ptr<GpiInfo> ReadEntry(const ScopedRegKey& key, const SampleList& samples,
                                   const DeviceList& devices) {
    auto entry = std::make_unique<GpiInfo>();
    entry->Name = core::Trim(core::ReadRegString(key, L"Name"));
    if (entry->Name.empty()) {
        return nullptr;
    }
    entry->DeviceId = DeviceIdAt(devices, core::ReadRegInt(key, L"DeviceIndex", -1));
    // Read whole: an entry with very many samples must not come back without them.
    const std::wstring indices = core::ReadRegStringWhole(key, L"SampleIndices");
    size_t pos = 0;
    for (int32_t index = NextIndex(indices, &pos); index >= 0; index = NextIndex(indices, &pos)) {
        std::wstring sampleId = SampleIdAt(samples, index);
        if (!sampleId.empty()) {
            entry->SampleIds.push_back(sampleId);
        }
    }
    if (!core::StartsWith(kToolPrefix, entry->Name) || !IsEntryComplete(*entry)) {
        return nullptr;
    }
    return entry;
}

// The first position of each identifier, as FindSampleIndex and FindDeviceIndex answer
// it, for saving thousands of entries without searching the lists once per reference.
template <typename List, typename IdOf>
std::unordered_map<std::wstring, int32_t> PositionsById(const List& list, IdOf idOf) {
    std::unordered_map<std::wstring, int32_t> positions;
    for (size_t n = 0; n < list.size(); ++n) {
        positions.emplace(idOf(list[n]), static_cast<int32_t>(n));
    }
    return positions;
}

int32_t PositionOf(const std::unordered_map<std::wstring, int32_t>& positions,
                   const std::wstring& id) {
    const auto found = positions.find(id);
    return found != positions.end() ? found->second : -1;
}

std::wstring SampleIndicesText(const std::vector<int32_t>& indices) {
    std::wstring text;
    for (int32_t index : indices) {
        text += std::to_wstring(index) + L' ';
    }
    return core::Trim(text);
}

// The entry's key at the position, opened or created, with its three values.
bool WriteEntry(core::RegistryPort& registry, int32_t position, const StoredEntry& entry) {
    ScopedRegKey key(registry);
    if (!key.OpenOrCreate(RegRoot::LocalMachine, RecordKeyPath(kEntryKind, position))) {
        return false;
    }
    bool ok = core::WriteRegString(key, L"Name", entry.Name);
    ok &= core::WriteRegInt(key, L"DeviceIndex", entry.DeviceIndex);
    ok &= core::WriteRegString(key, L"SampleIndices", SampleIndicesText(entry.SampleIndices));
    return ok;
}

}  // namespace

std::wstring StoreKeyPath() {
    return core::Format(L"%s%s", kPluginsKey, kStoreSubkey);
}

std::wstring RecordKeyPath(const wchar_t* kind, int32_t position) {
    // Put together rather than formatted: a save names thousands of record keys.
    return std::wstring(kPluginsKey) + kStoreSubkey + kind + std::to_wstring(position);
}

void LoadGeneral(core::RegistryPort& registry, GeneralParams* general, StoreCounts* counts) {
    *general = GeneralParams();
    *counts = StoreCounts();
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::LocalMachine, StoreKeyPath(), RegAccess::Read)) {
        return;
    }
    general->GPILength = std::min(core::ReadRegDouble(key, L"GPILength", 0.4), kMaxGpiLength);
    general->CutoffFrequency = core::ReadRegLong(key, L"CutoffFrequency", 75);
    general->LowPassFilterSize = core::ReadRegLong(key, L"LowPassFilterSize", 63);
    general->PowerRecalcRate = core::ReadRegLong(key, L"PowerRecalcRate", 100);
    general->Threshold = NotNegative(core::ReadRegInt(key, L"Threshold", 30));
    counts->GPIsCount = core::ReadRegInt(key, L"GPIsCount", 0);
    counts->SamplesCount = core::ReadRegInt(key, L"SamplesCount", 0);
    counts->DevicesCount = core::ReadRegInt(key, L"DevicesCount", 0);
}

void LoadSamples(core::RegistryPort& registry, core::SystemPort& system, SampleList* samples,
                 int32_t samplesCount) {
    samples->clear();
    const int32_t count = PositionsToRead(registry, kSampleKind, samplesCount);
    for (int32_t n = 0; n < count; ++n) {
        SampleInfo sample = NewSampleInfo(system);
        ScopedRegKey key(registry);
        if (key.Open(RegRoot::LocalMachine, RecordKeyPath(kSampleKind, n), RegAccess::Read)) {
            ReadSample(key, &sample);
        }
        samples->push_back(std::move(sample));
    }
}

void LoadDevices(core::RegistryPort& registry, core::SystemPort& system, DeviceList* devices,
                 int32_t devicesCount) {
    devices->clear();
    const int32_t count = PositionsToRead(registry, kDeviceKind, devicesCount);
    for (int32_t n = 0; n < count; ++n) {
        DeviceInfo device = NewDeviceInfo(system);
        ScopedRegKey key(registry);
        if (key.Open(RegRoot::LocalMachine, RecordKeyPath(kDeviceKind, n), RegAccess::Read)) {
            ReadDevice(key, &device);
        }
        devices->push_back(std::move(device));
    }
}

void LoadEntries(core::RegistryPort& registry, EntryList* target, int32_t gpisCount,
                 const SampleList& samples, const DeviceList& devices) {
    const int32_t count = PositionsToRead(registry, kEntryKind, gpisCount);
    for (int32_t n = 0; n < count; ++n) {
        ScopedRegKey key(registry);
        if (!key.Open(RegRoot::LocalMachine, RecordKeyPath(kEntryKind, n), RegAccess::Read)) {
            continue;
        }
        if (auto entry = ReadEntry(key, samples, devices)) {
            target->push_back(std::move(entry));
        }
    }
}

bool SaveSamples(core::RegistryPort& registry, const SampleList& samples) {
    bool ok = true;
    for (size_t n = 0; n < samples.size(); ++n) {
        const SampleInfo& sample = samples[n];
        ScopedRegKey key(registry);
        if (!key.OpenOrCreate(RegRoot::LocalMachine,
                              RecordKeyPath(kSampleKind, static_cast<int32_t>(n)))) {
            ok = false;
            continue;
        }
        ok &= core::WriteRegString(key, L"AudioFile", sample.AudioFile);
        ok &= core::WriteRegInt(key, L"Threshold", sample.Threshold);
        ok &= core::WriteRegDouble(key, L"Offset", sample.Offset);
        ok &= core::WriteRegDouble(key, L"Delay", sample.Delay);
    }
    return ok;
}

bool SaveDevices(core::RegistryPort& registry, const DeviceList& devices) {
    bool ok = true;
    for (size_t n = 0; n < devices.size(); ++n) {
        const DeviceInfo& device = devices[n];
        ScopedRegKey key(registry);
        if (!key.OpenOrCreate(RegRoot::LocalMachine,
                              RecordKeyPath(kDeviceKind, static_cast<int32_t>(n)))) {
            ok = false;
            continue;
        }
        ok &= core::WriteRegString(key, L"Name", device.Name);
        ok &= core::WriteRegInt(key, L"SampleRate", device.SampleRate);
        ok &= core::WriteRegInt(key, L"AnalysisDigit", device.AnalysisDigit);
    }
    return ok;
}

bool SaveStoredEntries(core::RegistryPort& registry, const std::vector<StoredEntry>& entries) {
    bool ok = true;
    for (size_t n = 0; n < entries.size(); ++n) {
        ok &= WriteEntry(registry, static_cast<int32_t>(n), entries[n]);
    }
    return ok;
}

bool SaveEntries(core::RegistryPort& registry, const EntryRefs& entries, const SampleList& samples,
                 const DeviceList& devices) {
    const auto samplePositions = PositionsById(
        samples, [](const SampleInfo& s) -> const std::wstring& { return s.SampleId; });
    const auto devicePositions = PositionsById(
        devices, [](const DeviceInfo& d) -> const std::wstring& { return d.DeviceId; });
    bool ok = true;
    for (size_t n = 0; n < entries.size(); ++n) {
        const GpiInfo* entry = entries[n];
        if (!entry) {
            ok = false;
            continue;
        }
        StoredEntry stored{entry->Name, PositionOf(devicePositions, entry->DeviceId), {}};
        for (const auto& sampleId : entry->SampleIds) {
            stored.SampleIndices.push_back(PositionOf(samplePositions, sampleId));
        }
        ok &= WriteEntry(registry, static_cast<int32_t>(n), stored);
    }
    return ok;
}

bool SaveEntries(core::RegistryPort& registry, const EntryList& entries, const SampleList& samples,
                 const DeviceList& devices) {
    EntryRefs refs;
    refs.reserve(entries.size());
    for (const auto& entry : entries) {
        refs.push_back(entry.get());
    }
    return SaveEntries(registry, refs, samples, devices);
}

bool SaveGeneral(core::RegistryPort& registry, const GeneralParams& general, int32_t gpisCount,
                 int32_t samplesCount, int32_t devicesCount) {
    ScopedRegKey key(registry);
    if (!key.OpenOrCreate(RegRoot::LocalMachine, StoreKeyPath())) {
        return false;
    }
    bool ok = true;
    ok &= core::WriteRegDouble(key, L"GPILength", general.GPILength);
    ok &= core::WriteRegInt(key, L"CutoffFrequency", general.CutoffFrequency);
    ok &= core::WriteRegInt(key, L"LowPassFilterSize", general.LowPassFilterSize);
    ok &= core::WriteRegInt(key, L"PowerRecalcRate", general.PowerRecalcRate);
    ok &= core::WriteRegInt(key, L"Threshold", general.Threshold);
    ok &= core::WriteRegInt(key, L"GPIsCount", gpisCount);
    ok &= core::WriteRegInt(key, L"SamplesCount", samplesCount);
    ok &= core::WriteRegInt(key, L"DevicesCount", devicesCount);
    return ok;
}

int32_t ParseIndexList(std::wstring* remaining) {
    *remaining = core::Trim(*remaining);
    size_t pos = 0;
    const int32_t index = NextIndex(*remaining, &pos);
    *remaining = index < 0 ? std::wstring() : core::Trim(remaining->substr(pos));
    return index;
}

}  // namespace cuebell
