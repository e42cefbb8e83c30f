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

bool IsRow(int row, int rowCount) {
    return row >= 0 && row < rowCount;
}

// The usage list after a line break, as the edit question and the delete refusal show it.
std::wstring WithUsageList(int oneEntryText, int entriesText,
                           const std::vector<std::wstring>& usingEntries) {
    const int textId = usingEntries.size() == 1 ? oneEntryText : entriesText;
    return core::Format(CuebellText(textId), L"\n" + UsageList(usingEntries));
}

// Delete's refusal of an empty list, then of a list without a selection ("!!", which the
// string table does not hold); both under the delete-audio-file caption.
BoxMessage DeleteRefusal(core::DeleteRefusalReason reason) {
    const unsigned flags = core::kMbOk | core::kMbIconError;
    if (reason == core::DeleteRefusalReason::EmptyList) {
        return MakeBoxMessage(IDS_NO_AUDIO_FILE_TO_DELETE, IDS_DELETE_AUDIO_FILE_CAPTION, flags);
    }
    return BoxMessage{L"!!", CuebellText(IDS_DELETE_AUDIO_FILE_CAPTION), flags};
}

// The sample manager's refusals and question; a sample in use is refused at the question.
class SampleDeleteDialogue : public core::DeleteDialogue<SampleInfo> {
  public:
    SampleDeleteDialogue(const EntryRefs& entries, core::MessageBoxPort& boxes,
                         core::WindowHandle owner)
        : entries_(entries), boxes_(boxes), owner_(owner) {}

    void Refuse(core::DeleteRefusalReason reason) override {
        ShowBoxMessage(boxes_, owner_, DeleteRefusal(reason));
    }

    bool Confirm(const SampleInfo& sample) override {
        if (const auto refusal =
                SampleInUseRefusal(EntriesUsingSample(entries_, sample.SampleId))) {
            ShowBoxMessage(boxes_, owner_, *refusal);
            return false;
        }
        return ShowBoxMessage(boxes_, owner_, SampleDeleteConfirmation(sample.AudioFile)) ==
               core::kIdYes;
    }

  private:
    const EntryRefs& entries_;
    core::MessageBoxPort& boxes_;
    core::WindowHandle owner_;
};

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

bool SampleButtonsEnabled(int rowCount) {
    return rowCount > 0;
}

std::optional<BoxMessage> SampleEditRefusal(int rowCount, int selectedRow) {
    const unsigned flags = core::kMbOk | core::kMbIconError;
    if (rowCount <= 0) {
        return MakeBoxMessage(IDS_SAMPLES_LIST_EMPTY, IDS_EDIT_SAMPLE_CAPTION, flags);
    }
    if (!IsRow(selectedRow, rowCount)) {
        return MakeBoxMessage(IDS_NO_SAMPLE_SELECTED, IDS_EDIT_SAMPLE_CAPTION, flags);
    }
    return std::nullopt;
}

std::optional<BoxMessage> SampleEditQuestion(const std::vector<std::wstring>& usingEntries) {
    if (usingEntries.empty()) {
        return std::nullopt;
    }
    return BoxMessage{
        WithUsageList(IDS_SAMPLE_USED_BY_ENTRY, IDS_SAMPLE_USED_BY_ENTRIES, usingEntries) +
            L"\n\n" + CuebellText(IDS_CONTINUE_ANYWAY),
        CuebellText(IDS_EDIT_SAMPLE_CAPTION), core::kMbYesNo | core::kMbIconWarning};
}

std::optional<BoxMessage> SampleDeleteRefusal(int rowCount, int selectedRow) {
    if (rowCount <= 0) {
        return DeleteRefusal(core::DeleteRefusalReason::EmptyList);
    }
    if (!IsRow(selectedRow, rowCount)) {
        return DeleteRefusal(core::DeleteRefusalReason::NoSelection);
    }
    return std::nullopt;
}

std::optional<BoxMessage> SampleInUseRefusal(const std::vector<std::wstring>& usingEntries) {
    if (usingEntries.empty()) {
        return std::nullopt;
    }
    return BoxMessage{WithUsageList(IDS_CANNOT_DELETE_SAMPLE_ONE_ENTRY,
                                    IDS_CANNOT_DELETE_SAMPLE_ENTRIES, usingEntries),
                      CuebellText(IDS_DELETE_USED_SAMPLE_CAPTION),
                      core::kMbOk | core::kMbIconError};
}

BoxMessage SampleDeleteConfirmation(const std::wstring& audioFile) {
    return BoxMessage{core::Format(CuebellText(IDS_CONFIRM_DELETE_SAMPLE), audioFile),
                      CuebellText(IDS_CONFIRM_DELETE_SAMPLE_CAPTION),
                      core::kMbYesNo | core::kMbIconQuestion};
}

SampleInfo NewSample(core::SystemPort& system) {
    SampleInfo sample;
    sample.SampleId = core::NewIdentifier(system);
    return sample;
}

bool MayEditSample(const SampleRecords& rows, int selectedRow, const EntryRefs& entries,
                   core::MessageBoxPort& boxes, core::WindowHandle owner) {
    if (const auto refusal = SampleEditRefusal(rows.Count(), selectedRow)) {
        ShowBoxMessage(boxes, owner, *refusal);
        return false;
    }
    const SampleInfo* sample = rows.At(selectedRow);
    if (const auto question = SampleEditQuestion(EntriesUsingSample(entries, sample->SampleId))) {
        return ShowBoxMessage(boxes, owner, *question) == core::kIdYes;
    }
    return true;
}

core::DeleteOutcome<SampleInfo> DeleteSelectedSample(SampleRecords& rows, int selectedRow,
                                                     const EntryRefs& entries,
                                                     core::MessageBoxPort& boxes,
                                                     core::WindowHandle owner) {
    SampleDeleteDialogue dialogue(entries, boxes, owner);
    return core::DeleteSelectedRecord(rows, selectedRow, dialogue);
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
