// The detection store in the registry (HKEY_LOCAL_MACHINE): the general block and
// counts in "Software\Quorvane\Sigvault\Wave_2.0", each record in a subkey named by
// its kind and position ("\Sample0", "\Device0", "\GPI0", ...). Every number is
// REG_SZ text; entries refer to samples and devices by position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cuebell/model/records.h"
#include "shared/record_count.h"
#include "shared/registry_port.h"
#include "shared/system_port.h"

namespace cuebell {

// The detection plug-ins' key and the store below it.
constexpr const wchar_t* kPluginsKey = L"Software\\Quorvane\\Sigvault";
constexpr const wchar_t* kStoreSubkey = L"\\Wave_2.0";
// Record kinds: the store key's subkeys are these followed by the position.
constexpr const wchar_t* kSampleKind = L"\\Sample";
constexpr const wchar_t* kDeviceKind = L"\\Device";
constexpr const wchar_t* kEntryKind = L"\\GPI";

// A stored count up to this is trusted as it stands: a missing record key reads
// as a default sample or device. A larger count is bounded by the record keys that
// exist; a negative count reads no record.
using core::kMaxTrustedRecordCount;

std::wstring StoreKeyPath();
std::wstring RecordKeyPath(const wchar_t* kind, int32_t position);

// The general block and the three counts, with their defaults and repairs.
void LoadGeneral(core::RegistryPort& registry, GeneralParams* general, StoreCounts* counts);
// The list is cleared, then holds one record per position (defaults where a key
// is missing or unusable), each with a new identifier.
void LoadSamples(core::RegistryPort& registry, core::SystemPort& system, SampleList* samples,
                 int32_t samplesCount);
void LoadDevices(core::RegistryPort& registry, core::SystemPort& system, DeviceList* devices,
                 int32_t devicesCount);
// Appends every stored entry that is named with the tool prefix and resolves to a
// device and at least one sample; the others are dropped.
void LoadEntries(core::RegistryPort& registry, EntryList* target, int32_t gpisCount,
                 const SampleList& samples, const DeviceList& devices);

// Saves write every record at its position (keys are opened, or created when
// missing) and return true only when every key could be opened and every value
// written. Keys beyond the list are left as they are: the counts bound reading.
bool SaveSamples(core::RegistryPort& registry, const SampleList& samples);
bool SaveDevices(core::RegistryPort& registry, const DeviceList& devices);
// An entry as the store keeps it: its name and the positions it refers to.
struct StoredEntry {
    std::wstring Name;
    int32_t DeviceIndex = -1;
    std::vector<int32_t> SampleIndices;
};
bool SaveStoredEntries(core::RegistryPort& registry, const std::vector<StoredEntry>& entries);
// An unknown device is written as position -1, an unknown sample as -1 in the list.
bool SaveEntries(core::RegistryPort& registry, const EntryRefs& entries, const SampleList& samples,
                 const DeviceList& devices);
bool SaveEntries(core::RegistryPort& registry, const EntryList& entries, const SampleList& samples,
                 const DeviceList& devices);
// Writes the general block, then the counts.
bool SaveGeneral(core::RegistryPort& registry, const GeneralParams& general, int32_t gpisCount,
                 int32_t samplesCount, int32_t devicesCount);

// The next position in a "SampleIndices" text: any character that is not a digit
// separates numbers; a number directly after a minus sign (an unresolved
// reference, written as -1) is skipped. The text keeps what follows the number,
// trimmed. -1 when no number is left (the text is then empty).
int32_t ParseIndexList(std::wstring* remaining);

}  // namespace cuebell
