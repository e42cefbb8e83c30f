#include "cuebell/editors/sample_manager_rules.h"

#include <algorithm>
#include <utility>

#include "cuebell/editors/usage_list.h"
#include "cuebell/model/cuebell_strings.h"
#include "shared/format.h"
#include "shared/utilities.h"

namespace cuebell {

namespace {

constexpr int kFixedColumnsWidth = 230;

}  // namespace

std::vector<SampleListColumn> SampleListColumns(int listClientWidth) {
    return {
        {kAudioFileColumn, CuebellText(IDS_COLUMN_AUDIO_FILE),
         std::max(listClientWidth - kFixedColumnsWidth, 0)},
        {kDelayColumn, CuebellText(IDS_COLUMN_DELAY), 70},
        {kOffsetColumn, CuebellText(IDS_COLUMN_OFFSET), 70},
        {kThresholdColumn, CuebellText(IDS_COLUMN_THRESHOLD), 90},
    };
}

std::wstring SampleCellText(const SampleInfo& sample, int columnId, int32_t generalThreshold) {
    switch (columnId) {
        case kAudioFileColumn:
            return core::FileNamePart(sample.AudioFile);
        case kThresholdColumn:
            return sample.Threshold == 0
                       ? core::Format(CuebellText(IDS_DEFAULT_THRESHOLD_FORMAT), generalThreshold)
                       : core::Format(L"%d", sample.Threshold);
        case kOffsetColumn:
            return core::Format(L"%#5.2f", sample.Offset);
        case kDelayColumn:
            return core::Format(L"%#5.2f", sample.Delay);
        default:
            return std::wstring();
    }
}

std::wstring SampleTooltip(const SampleInfo& sample) {
    std::wstring tip = sample.AudioFile.substr(0, kTooltipChars);
    // Never half a character: a UTF-16 pair cut after its first unit is dropped whole.
    if (tip.size() == kTooltipChars && tip.back() >= 0xD800 && tip.back() <= 0xDBFF) {
        tip.pop_back();
    }
    return tip;
}

int SampleCellToolId(int row, int column) {
    return row * kToolRowStride + column + 1;
}

core::RecordListDescription<SampleInfo> SampleListDescription(const EntryRefs& entries,
                                                              int32_t generalThreshold) {
    const unsigned error = core::kMbOk | core::kMbIconError;
    core::RecordListDescription<SampleInfo> list;
    list.columns = SampleListColumns;
    list.cellText = [generalThreshold](const SampleInfo& sample, int columnId) {
        return SampleCellText(sample, columnId, generalThreshold);
    };
    list.selectLastAfterFill = true;
    list.editEmpty = MakeBoxMessage(IDS_SAMPLES_LIST_EMPTY, IDS_EDIT_SAMPLE_CAPTION, error);
    list.editNoSelection = MakeBoxMessage(IDS_NO_SAMPLE_SELECTED, IDS_EDIT_SAMPLE_CAPTION, error);
    list.editQuestion = [entries](const SampleInfo& sample) {
        return UsedByQuestion(EntriesUsingSample(entries, sample.SampleId),
                              IDS_SAMPLE_USED_BY_ENTRY, IDS_SAMPLE_USED_BY_ENTRIES,
                              IDS_EDIT_SAMPLE_CAPTION);
    };
    list.deleteEmpty =
        MakeBoxMessage(IDS_NO_AUDIO_FILE_TO_DELETE, IDS_DELETE_AUDIO_FILE_CAPTION, error);
    // "!!" is no text of the string table.
    list.deleteNoSelection = BoxMessage{L"!!", CuebellText(IDS_DELETE_AUDIO_FILE_CAPTION), error};
    list.deleteRefusal = [entries](const SampleInfo& sample) {
        return UsedByRefusal(EntriesUsingSample(entries, sample.SampleId), L"",
                             IDS_CANNOT_DELETE_SAMPLE_ONE_ENTRY, IDS_CANNOT_DELETE_SAMPLE_ENTRIES,
                             IDS_DELETE_USED_SAMPLE_CAPTION);
    };
    list.deleteQuestion = [](const SampleInfo& sample) {
        return BoxMessage{core::Format(CuebellText(IDS_CONFIRM_DELETE_SAMPLE), sample.AudioFile),
                          CuebellText(IDS_CONFIRM_DELETE_SAMPLE_CAPTION),
                          core::kMbYesNo | core::kMbIconQuestion};
    };
    return list;
}

SampleInfo NewSample(core::SystemPort& system) {
    SampleInfo sample;
    sample.SampleId = core::NewIdentifier(system);
    return sample;
}

void CommitSamples(const std::vector<SampleInfo*>& rows, const std::wstring& rememberedPath,
                   SampleList& ownerSamples, std::wstring& ownerPath) {
    SampleList copies;
    copies.reserve(rows.size());
    for (const SampleInfo* sample : rows) {
        if (sample) {
            copies.push_back(*sample);
        }
    }
    ownerSamples = std::move(copies);
    ownerPath = rememberedPath;
}

}  // namespace cuebell
