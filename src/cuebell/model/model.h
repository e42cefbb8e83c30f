// Lookups over the jingle-detection records and the passes that make a loaded
// configuration consistent: entries keep only references that resolve.
#pragma once

#include <cstdint>
#include <string>

#include "cuebell/model/records.h"
#include "shared/system_port.h"

namespace cuebell {

// New records with their defaults and a fresh identifier (empty when no GUID can
// be generated).
SampleInfo NewSampleInfo(core::SystemPort& system);
DeviceInfo NewDeviceInfo(core::SystemPort& system);

// Position of the first record whose identifier equals the text exactly
// (case-sensitive), -1 when there is none.
int32_t FindDeviceIndex(const DeviceList& devices, const std::wstring& deviceId);
int32_t FindSampleIndex(const SampleList& samples, const std::wstring& sampleId);

// The identifier at the position; empty when the position is out of range.
std::wstring DeviceIdAt(const DeviceList& devices, int32_t position);
std::wstring SampleIdAt(const SampleList& samples, int32_t position);

// A device is named and at least one sample reference is not empty.
bool IsEntryComplete(const GpiInfo& entry);

// 2^AnalysisDigit x 1000 / SampleRate in milliseconds, truncated; a rate of 0
// counts as 1. Values beyond 32 bits saturate instead of wrapping.
int32_t AnalysisIntervalMs(const DeviceInfo& device);

// Device names of the earlier scheme ("... Output ...") become input names.
void NormalizeDeviceNames(DeviceList* devices);
// Drops every sample reference that is empty or names no sample (compared without
// regard to case); entries stay even when no reference is left.
void PruneSampleRefs(EntryList* entries, const SampleList& samples);
// Deletes every entry without a device, without samples, or whose device is not in
// the list (compared without regard to case).
void PruneEntries(EntryList* entries, const DeviceList& devices);

}  // namespace cuebell
