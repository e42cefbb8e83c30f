// The sample checks: each distinct file once (missing, unreadable, too short), then each
// sample's offset against its file, its values against the sample editor's ranges, and
// whether an entry uses it.
#include <algorithm>

#include "cuebell/check/check_context.h"
#include "cuebell/editors/sample_editor_form.h"
#include "shared/text.h"

namespace cuebell {

namespace {

using core::RecordKind;

// "%f" keeps six decimals: an offset stored at the editor's limit may read back this much
// above it.
constexpr double kStoredRounding = 1e-6;

struct FileGroup {
    std::vector<int> samples;
    std::vector<int> entries;
};

// The samples grouped by file, in the order each file first appears.
std::vector<FileGroup> GroupByFile(const CheckContext& context) {
    const SampleList& samples = context.config.samples;
    std::vector<FileGroup> groups;
    for (std::vector<int>&positions :
         core::GroupByKey(samples.size(), [&](size_t s, std::wstring*key) {
             *key = core::FoldedKey(samples[s].AudioFile);
             return true;
         })) {
        FileGroup group;
        for (int s : positions) {
            const std::vector<int>& users = context.entriesOfSample[static_cast<size_t>(s)];
            group.entries.insert(group.entries.end(), users.begin(), users.end());
        }
        std::sort(group.entries.begin(), group.entries.end());
        group.entries.erase(std::unique(group.entries.begin(), group.entries.end()),
                            group.entries.end());
        group.samples = std::move(positions);
        groups.push_back(std::move(group));
    }
    return groups;
}

// Looks for the group's file and asks its duration once; false when the file cannot serve
// (a finding was made).
bool CheckFile(CheckContext& context, const CuebellCheckPorts& ports, const FileGroup& group) {
    const std::wstring& path =
        context.config.samples[static_cast<size_t>(group.samples.front())].AudioFile;
    const auto refs = context.Refs(RecordKind::Sample, group.samples);
    const std::wstring users = context.EntryNames(group.entries);
    const std::wstring trimmed = core::Trim(path);
    if (trimmed.empty()) {
        context.Add(findings::FileMissing, path, {users}, refs);
        return false;
    }
    // The duration first: only a file that cannot serve is looked for, so that a readable
    // file costs the component's question alone.
    const double duration = UsableDuration(ports.audio.GetAudioFileDuration(trimmed));
    if (!(duration > 0.0)) {
        context.Add(
            ports.system.PathExists(trimmed) ? findings::FileUnreadable : findings::FileMissing,
            path, {users}, refs);
        return false;
    }
    for (int sample : group.samples) {
        context.durationOfSample[static_cast<size_t>(sample)] = duration;
    }
    if (duration < kShortestSample) {
        context.Add(findings::FileTooShort, path, {duration, kShortestSample, users}, refs);
        return false;
    }
    return true;
}

void CheckOffset(const CheckContext& context, int position) {
    const SampleInfo& sample = context.config.samples[static_cast<size_t>(position)];
    const double latest =
        OffsetLimitsFor(context.durationOfSample[static_cast<size_t>(position)]).maximum;
    if (sample.Offset > latest + kStoredRounding) {
        context.Add(findings::OffsetPastFile, sample.AudioFile, {sample.Offset, latest},
                    {core::RecordRef{RecordKind::Sample, position}});
    }
}

// Values the sample editor would not have stored: set by hand in the registry.
void CheckEditorRanges(const CheckContext& context, int position) {
    const SampleInfo& sample = context.config.samples[static_cast<size_t>(position)];
    const std::vector<core::RecordRef> ref = {core::RecordRef{RecordKind::Sample, position}};
    if (!DelayFitsOffset(sample.Offset, sample.Delay)) {
        context.Add(findings::DelayBelowOffset, sample.AudioFile,
                    {sample.Delay, sample.Offset, kDelayPastOffset}, ref);
    }
    if (sample.Delay > DelayLimits().maximum + kStoredRounding) {
        context.Add(findings::DelayTooLong, sample.AudioFile, {sample.Delay, DelayLimits().maximum},
                    ref);
    }
    if (sample.Threshold > kThresholdMaximum) {
        context.Add(findings::ThresholdTooHigh, sample.AudioFile,
                    {sample.Threshold, kThresholdMaximum}, ref);
    }
}

}  // namespace

void CheckSamples(CheckContext& context, const CuebellCheckPorts& ports) {
    for (const FileGroup& group : GroupByFile(context)) {
        if (!CheckFile(context, ports, group)) {
            continue;
        }
        for (int sample : group.samples) {
            CheckOffset(context, sample);
        }
    }
    const SampleList& samples = context.config.samples;
    for (size_t s = 0; s < samples.size(); ++s) {
        const int position = static_cast<int>(s);
        CheckEditorRanges(context, position);
        if (context.entriesOfSample[s].empty()) {
            context.Add(findings::UnusedSample, samples[s].AudioFile, {},
                        {core::RecordRef{RecordKind::Sample, position}});
        }
    }
}

}  // namespace cuebell
