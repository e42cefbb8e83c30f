#include "cuebell/core/legacy_layout_reader.h"

#include <algorithm>
#include <cstdint>

#include "shared/format.h"
#include "shared/record_count.h"
#include "shared/reg_values.h"
#include "shared/text.h"

namespace cuebell {

namespace {

using core::RegAccess;
using core::RegRoot;
using core::ScopedRegKey;

// What the old layout fell back to where it held no value.
constexpr int32_t kLegacyDefaultSampleRate = 1000;
constexpr int32_t kLegacyDefaultAnalysisDigit = 12;

// The general values' bounds in the old layout.
constexpr int32_t kMaxCutoffFrequency = 50000;
constexpr int32_t kMaxLowPassFilterSize = 50000;
constexpr int32_t kMaxPowerRecalcRate = 10000;
constexpr int32_t kMinThreshold = 30;
constexpr int32_t kMaxThreshold = 100;

// The old layout read these as unsigned: a negative text stood for a huge number.
int32_t UnsignedAtMost(int32_t value, int32_t limit) {
    return value < 0 || value > limit ? limit : value;
}

// What every converted device and sample takes from the old general values.
struct LegacyDefaults {
    int32_t sampleRate = kLegacyDefaultSampleRate;
    int32_t analysisDigit = kLegacyDefaultAnalysisDigit;
    int32_t threshold = kMinThreshold;
};

int32_t ReadGeneral(const ScopedRegKey& key, GeneralParams* general, LegacyDefaults* defaults) {
    general->CutoffFrequency = std::clamp(
        core::ReadRegLong(key, L"LowFrequency", general->CutoffFrequency), 0, kMaxCutoffFrequency);
    general->LowPassFilterSize =
        UnsignedAtMost(core::ReadRegLong(key, L"LowPassFilterSize", general->LowPassFilterSize),
                       kMaxLowPassFilterSize);
    general->PowerRecalcRate = UnsignedAtMost(
        core::ReadRegLong(key, L"PowerRecalcRate", general->PowerRecalcRate), kMaxPowerRecalcRate);
    general->Threshold = std::clamp(core::ReadRegInt(key, L"Threshold", general->Threshold),
                                    kMinThreshold, kMaxThreshold);
    defaults->threshold = general->Threshold;
    defaults->sampleRate = core::ReadRegLong(key, L"SampleRate", kLegacyDefaultSampleRate);
    defaults->analysisDigit = core::ReadRegInt(key, L"AnalysisDigit", kLegacyDefaultAnalysisDigit);
    return std::max(core::ReadRegInt(key, L"TriggersCount", 0), 0);
}

// The position of the first record whose key text (name or path) equals the text without
// regard to case; a record made by make() is appended when there is none.
template <typename Record, typename Key, typename Make>
int32_t PositionOrAppend(std::vector<Record>* records, Key key, const std::wstring& text,
                         Make make) {
    auto found = std::find_if(records->begin(), records->end(), [&](const Record& record) {
        return core::EqualsNoCase(record.*key, text);
    });
    if (found != records->end()) {
        return static_cast<int32_t>(found - records->begin());
    }
    records->push_back(make());
    return static_cast<int32_t>(records->size() - 1);
}

int32_t DevicePosition(DeviceList* devices, const std::wstring& name,
                       const LegacyDefaults& defaults) {
    return PositionOrAppend(devices, &DeviceInfo::Name, name, [&] {
        DeviceInfo device;
        device.Name = name;
        device.SampleRate = defaults.sampleRate;
        device.AnalysisDigit = defaults.analysisDigit;
        return device;
    });
}

int32_t SamplePosition(SampleList* samples, const std::wstring& audioFile,
                       const LegacyDefaults& defaults) {
    return PositionOrAppend(samples, &SampleInfo::AudioFile, audioFile, [&] {
        SampleInfo sample;
        sample.AudioFile = audioFile;
        sample.Threshold = defaults.threshold;
        sample.Offset = 0.0;
        sample.Delay = 0.0;
        return sample;
    });
}

StoredEntry ReadEntry(const ScopedRegKey& key, const LegacyDefaults& defaults,
                      LegacyLayout* layout) {
    StoredEntry entry;
    entry.Name = core::ReadRegString(key, L"Name");
    entry.DeviceIndex =
        DevicePosition(&layout->Devices, core::ReadRegString(key, L"DeviceName"), defaults);
    // The sample values cannot be listed: a count beyond any real entry's is not believed.
    const int32_t samplesCount =
        std::min(core::ReadRegInt(key, L"SamplesCount", 0), core::kMaxTrustedRecordCount);
    for (int32_t n = 0; n < samplesCount; ++n) {
        const std::wstring audioFile =
            core::ReadRegString(key, core::Format(L"%s%d", L"Sample", n));
        // A missing value names no file: it would become a sample without one.
        if (!audioFile.empty()) {
            entry.SampleIndices.push_back(SamplePosition(&layout->Samples, audioFile, defaults));
        }
    }
    return entry;
}

}  // namespace

std::wstring LegacyStoreKeyPath() {
    return core::Format(L"%s%s", kPluginsKey, kLegacyStoreSubkey);
}

bool OnlyLegacyLayoutExists(core::RegistryPort& registry) {
    ScopedRegKey legacy(registry);
    ScopedRegKey current(registry);
    return legacy.Open(RegRoot::LocalMachine, LegacyStoreKeyPath(), RegAccess::Read) &&
           !current.Open(RegRoot::LocalMachine, StoreKeyPath(), RegAccess::Read);
}

LegacyLayout ReadLegacyLayout(core::RegistryPort& registry, const GeneralParams& defaults) {
    LegacyLayout layout;
    layout.General = defaults;
    LegacyDefaults recordDefaults;
    recordDefaults.threshold = defaults.Threshold;
    ScopedRegKey key(registry);
    if (!key.Open(RegRoot::LocalMachine, LegacyStoreKeyPath(), RegAccess::Read)) {
        return layout;
    }
    const int32_t triggersCount = ReadGeneral(key, &layout.General, &recordDefaults);
    key.Close();
    // The entries' keys are named by their bare position.
    const int32_t count = core::RecordPositionsToRead(registry, RegRoot::LocalMachine,
                                                      LegacyStoreKeyPath(), L"", triggersCount);
    for (int32_t n = 0; n < count; ++n) {
        ScopedRegKey entryKey(registry);
        const std::wstring path = core::Format(L"%s%s\\%d", kPluginsKey, kLegacyStoreSubkey, n);
        if (!entryKey.Open(RegRoot::LocalMachine, path, RegAccess::Read)) {
            layout.Entries.push_back(StoredEntry{L"", 0, {}});
            continue;
        }
        layout.Entries.push_back(ReadEntry(entryKey, recordDefaults, &layout));
    }
    return layout;
}

}  // namespace cuebell
