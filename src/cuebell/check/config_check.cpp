#include "cuebell/check/config_check.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "cuebell/check/check_context.h"
#include "cuebell/core/box_message.h"
#include "cuebell/editors/general_settings_form.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/model/model.h"
#include "shared/format.h"
#include "shared/playout_check.h"

namespace cuebell {

namespace {

using core::RecordKind;
using core::RecordRef;

// The activity period is shown with two decimals: rounding to them changes it this much.
constexpr double kActivityPeriodRounding = 0.005 + 1e-9;

template <typename Records, typename IdOf>
std::unordered_map<std::wstring, int> PositionsById(const Records& records, IdOf idOf) {
    std::unordered_map<std::wstring, int> positions;
    for (size_t i = 0; i < records.size(); ++i) {
        positions.emplace(idOf(records[i]), static_cast<int>(i));  // the first one wins
    }
    return positions;
}

// Appends the value once: callers add in list order, so a repeat is the last one added.
void AddOnce(std::vector<int>* values, int value) {
    if (values->empty() || values->back() != value) {
        values->push_back(value);
    }
}

void CheckEntryNames(const CheckContext& context) {
    for (const std::vector<int>& group :
         core::Twins(context.config.entries, [](const GpiInfo& entry) { return entry.Name; })) {
        context.Add(findings::EntryNameTwins, context.EntryNames(group), {},
                    context.Refs(RecordKind::Entry, group));
    }
}

// Entries that watch one device for one file (by path, letter case aside).
void CheckSameDeviceSameFile(const CheckContext& context) {
    struct Group {
        int device;
        int sample;
        std::vector<int> entries;
    };
    std::vector<Group> groups;
    std::unordered_map<std::wstring, size_t> groupOfKey;
    const CuebellConfiguration& config = context.config;
    for (size_t e = 0; e < config.entries.size(); ++e) {
        const int device = context.deviceOfEntry[e];
        if (device < 0) {
            continue;
        }
        for (int sample : context.samplesOfEntry[e]) {
            const std::wstring key =
                std::to_wstring(device) + L'|' +
                core::FoldedKey(config.samples[static_cast<size_t>(sample)].AudioFile);
            const auto inserted = groupOfKey.emplace(key, groups.size());
            if (inserted.second) {
                groups.push_back(Group{device, sample, {}});
            }
            AddOnce(&groups[inserted.first->second].entries, static_cast<int>(e));
        }
    }
    for (const Group& group : groups) {
        if (group.entries.size() > 1) {
            context.Add(findings::SameDeviceSameFile, context.EntryNames(group.entries),
                        {config.devices[static_cast<size_t>(group.device)].Name,
                         config.samples[static_cast<size_t>(group.sample)].AudioFile},
                        context.Refs(RecordKind::Entry, group.entries));
        }
    }
}

// A device whose analysis interval outlasts the part of a watched sample that can be
// detected (its duration less its offset): an estimate, the detector's own margins aside.
void CheckIntervals(const CheckContext& context) {
    const CuebellConfiguration& config = context.config;
    std::vector<std::vector<int>> shortSamples(config.devices.size());
    for (size_t e = 0; e < config.entries.size(); ++e) {
        const int device = context.deviceOfEntry[e];
        if (device < 0) {
            continue;
        }
        const double interval =
            AnalysisIntervalMs(config.devices[static_cast<size_t>(device)]) / 1000.0;
        for (int sample : context.samplesOfEntry[e]) {
            const double duration = context.durationOfSample[static_cast<size_t>(sample)];
            const double detectable = duration - config.samples[static_cast<size_t>(sample)].Offset;
            if (duration > 0.0 && interval > detectable) {
                shortSamples[static_cast<size_t>(device)].push_back(sample);
            }
        }
    }
    for (size_t d = 0; d < shortSamples.size(); ++d) {
        std::vector<int>& samples = shortSamples[d];
        if (samples.empty()) {
            continue;
        }
        std::sort(samples.begin(), samples.end());
        samples.erase(std::unique(samples.begin(), samples.end()), samples.end());
        std::vector<std::wstring> parts;
        for (int sample : samples) {
            const SampleInfo& info = config.samples[static_cast<size_t>(sample)];
            parts.push_back(
                core::Format(L"%s (%.2f s)", info.AudioFile,
                             context.durationOfSample[static_cast<size_t>(sample)] - info.Offset));
        }
        context.Add(findings::IntervalTooLong, config.devices[d].Name,
                    {AnalysisIntervalMs(config.devices[d]), context.maker.Names(parts)},
                    {RecordRef{RecordKind::Device, static_cast<int>(d)}});
    }
}

// General values the dialog would change as it opens: set by hand in the registry. The
// activity period's two decimals alone are no finding.
void CheckGeneral(const CheckContext& context) {
    const GeneralParams& stored = context.config.general;
    const Checked<GeneralParams> shown =
        CheckGeneralSettings(stored, GeneralSettingsFormFor(stored));
    if (!shown.Accepted()) {
        return;
    }
    const GeneralParams& kept = *shown.record;
    const bool changed = std::fabs(kept.GPILength - stored.GPILength) > kActivityPeriodRounding ||
                         kept.CutoffFrequency != stored.CutoffFrequency ||
                         kept.LowPassFilterSize != stored.LowPassFilterSize ||
                         kept.PowerRecalcRate != stored.PowerRecalcRate ||
                         kept.Threshold != stored.Threshold;
    if (changed) {
        context.Add(findings::GeneralOutOfRange, CuebellText(IDS_CHECK_GENERAL_SETTINGS), {},
                    {RecordRef{RecordKind::General, 0}});
    }
}

void CheckPlayout(const CheckContext& context) {
    const CuebellConfiguration& config = context.config;
    std::vector<core::PlayoutDetection> detections;
    for (size_t e = 0; e < config.entries.size(); ++e) {
        if (!config.entries[e]) {
            continue;
        }
        const int device = context.deviceOfEntry[e];
        detections.push_back(core::PlayoutDetection{
            config.entries[e]->Name,
            device < 0 ? -1
                       : core::InstalledBoard(
                             core::BoardNumberOf(config.devices[static_cast<size_t>(device)].Name),
                             config.boards),
            RecordRef{RecordKind::Entry, static_cast<int>(e)}});
    }
    const core::PlayoutKinds kinds{findings::BoardWithoutInstance, findings::NoPlayoutInstance,
                                   findings::EventsWithoutEntry,   findings::BoardByDefault,
                                   findings::TableUnreadable,      findings::UnparsedRecords};
    core::AddPlayoutFindings(config.instances, detections, kToolPrefix, kinds, context.maker,
                             context.findings);
}

}  // namespace

CheckContext::CheckContext(const CuebellConfiguration& configuration,
                           const core::FindingMaker& findingMaker, core::FindingList* list)
    : config(configuration), maker(findingMaker), findings(list) {
    const auto samplePositions =
        PositionsById(config.samples, [](const SampleInfo& s) { return s.SampleId; });
    const auto devicePositions =
        PositionsById(config.devices, [](const DeviceInfo& d) { return d.DeviceId; });
    const size_t entryCount = config.entries.size();
    deviceOfEntry.assign(entryCount, -1);
    samplesOfEntry.resize(entryCount);
    entriesOfSample.resize(config.samples.size());
    entriesOfDevice.resize(config.devices.size());
    durationOfSample.assign(config.samples.size(), -1.0);
    for (size_t e = 0; e < entryCount; ++e) {
        const GpiInfo* entry = config.entries[e];
        if (!entry) {
            continue;
        }
        const int position = static_cast<int>(e);
        const auto device = devicePositions.find(entry->DeviceId);
        if (device != devicePositions.end()) {
            deviceOfEntry[e] = device->second;
            entriesOfDevice[static_cast<size_t>(device->second)].push_back(position);
        }
        for (const std::wstring& id : entry->SampleIds) {
            const auto sample = samplePositions.find(id);
            if (sample == samplePositions.end()) {
                continue;
            }
            std::vector<int>& users = entriesOfSample[static_cast<size_t>(sample->second)];
            if (users.empty() || users.back() != position) {
                users.push_back(position);
                samplesOfEntry[e].push_back(sample->second);
            }
        }
    }
}

std::wstring CheckContext::EntryNames(const std::vector<int>& entries) const {
    if (entries.empty()) {
        return CuebellText(IDS_CHECK_NO_ENTRY);
    }
    std::vector<std::wstring> names;
    names.reserve(entries.size());
    for (int e : entries) {
        names.push_back(config.entries[static_cast<size_t>(e)]->Name);
    }
    return maker.Names(names);
}

std::vector<RecordRef> CheckContext::Refs(RecordKind kind,
                                          const std::vector<int>& positions) const {
    std::vector<RecordRef> refs;
    refs.reserve(positions.size());
    for (int position : positions) {
        refs.push_back(RecordRef{kind, position});
    }
    return refs;
}

void CheckContext::Add(findings::Kind kind, std::wstring where,
                       std::initializer_list<core::FormatArg> args,
                       std::vector<RecordRef> records) const {
    findings->push_back(maker.Make(kind, std::move(where), args, std::move(records)));
}

core::FindingList CheckCuebellConfiguration(const CuebellConfiguration& configuration,
                                            const CuebellCheckPorts& ports) {
    core::FindingList list;
    const core::FindingMaker maker(findings::kKinds, &CuebellText, CuebellCheckTexts());
    CheckContext context(configuration, maker, &list);
    CheckSamples(context, ports);
    CheckDevices(context, ports.driver);
    CheckEntryNames(context);
    CheckSameDeviceSameFile(context);
    CheckIntervals(context);
    CheckGeneral(context);
    CheckPlayout(context);
    core::SortFindings(&list);
    return list;
}

}  // namespace cuebell
