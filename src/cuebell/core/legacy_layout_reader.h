// The store's older layout, kept by earlier versions of Cuebell under "\Wave" in the
// detection plug-ins' key: general values, and one numbered subkey per entry naming its
// device and its audio files directly. Reading it gives the records of the current
// layout; the old key is only ever opened for reading.
#pragma once

#include <string>
#include <vector>

#include "cuebell/model/records.h"
#include "cuebell/model/store.h"
#include "shared/registry_port.h"

namespace cuebell {

constexpr const wchar_t* kLegacyStoreSubkey = L"\\Wave";

// "Software\Quorvane\Sigvault\Wave".
std::wstring LegacyStoreKeyPath();

// True when the old layout's key can be opened for reading and the current one cannot.
bool OnlyLegacyLayoutExists(core::RegistryPort& registry);

// The old layout in the current records: devices and samples shared by every entry that
// names them (without regard to case), entries referring to them by position.
struct LegacyLayout {
    GeneralParams General;
    SampleList Samples;
    DeviceList Devices;
    std::vector<StoredEntry> Entries;
};

// Reads the old layout over the given general defaults. An old entry whose key cannot be
// opened becomes an unnamed entry on device 0 with no samples; a sample value that is
// missing or empty is passed over; a missing old key leaves the defaults and no entries.
LegacyLayout ReadLegacyLayout(core::RegistryPort& registry, const GeneralParams& defaults);

}  // namespace cuebell
