// What Cuebell's checks share while one check runs: the configuration, its references
// resolved once into positions, the samples' durations, and where findings go.
#pragma once

#include <string>
#include <vector>

#include "cuebell/check/config_check.h"
#include "cuebell/check/finding_kinds.h"

namespace cuebell {

struct CheckContext {
    CheckContext(const CuebellConfiguration& configuration, const core::FindingMaker& maker,
                 core::FindingList* findings);

    const CuebellConfiguration& config;
    const core::FindingMaker& maker;
    core::FindingList* findings;

    // Positions resolved from the identifiers (-1: none); each sample of an entry once.
    std::vector<int> deviceOfEntry;
    std::vector<std::vector<int>> samplesOfEntry;
    // The entries using each sample and each device, in list order, each entry once.
    std::vector<std::vector<int>> entriesOfSample;
    std::vector<std::vector<int>> entriesOfDevice;
    // Each sample's play length in seconds; not positive while unknown.
    std::vector<double> durationOfSample;

    std::wstring EntryNames(const std::vector<int>& entries) const;
    std::vector<core::RecordRef> Refs(core::RecordKind kind,
                                      const std::vector<int>& positions) const;
    void Add(findings::Kind kind, std::wstring where, std::initializer_list<core::FormatArg> args,
             std::vector<core::RecordRef> records) const;
};

// The sample checks: files, offsets, hand-edited values, unused samples. Fills
// durationOfSample, which the entry checks use.
void CheckSamples(CheckContext& context, const CuebellCheckPorts& ports);
// The device checks: inputs, rates, twins, analysis digits, unused devices.
void CheckDevices(const CheckContext& context, core::BoardDriverPort& driver);

}  // namespace cuebell
