// The sample manager's rules without the window: the list's description (columns, cell
// texts, the boxes of Edit and Delete), the cell tooltips, and what reaches the owner on OK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/model/records.h"
#include "shared/list_column.h"
#include "shared/record_list.h"
#include "shared/system_port.h"

namespace cuebell {

// Column identifiers, kept in each header item's data.
constexpr int kAudioFileColumn = 1;
constexpr int kThresholdColumn = 2;
constexpr int kOffsetColumn = 3;
constexpr int kDelayColumn = 4;

using SampleListColumn = core::ListColumn;

// Audio file, Delay(s), Offset(s), Threshold (%): the file name takes the client width
// less the 230 pixels of the others (never less than 0).
std::vector<SampleListColumn> SampleListColumns(int listClientWidth);

// The sample's cell in the column; empty for an unknown column. A threshold of 0 shows
// the general threshold marked as the default.
std::wstring SampleCellText(const SampleInfo& sample, int columnId, int32_t generalThreshold);

// Every cell of a row shows the row's full path as its tooltip, cut to this many units.
constexpr size_t kTooltipChars = 79;
std::wstring SampleTooltip(const SampleInfo& sample);
// Each cell is a tool of its own; 0 is no cell.
constexpr int kToolRowStride = 1024;
int SampleCellToolId(int row, int column);

// The manager's list: the columns and cells above, and the boxes of Edit and Delete. Edit
// refuses an empty list and no selection (caption: the edit-sample caption, error icon)
// and asks before changing a sample that entries use; Delete refuses an empty list, then
// no selection ("!!"), both captioned "Delete audio file", never deletes a sample that
// entries use, and asks with the sample's full path. `entries` are the owner's detection
// entries in list order; the threshold is the general one.
core::RecordListDescription<SampleInfo> SampleListDescription(const EntryRefs& entries,
                                                              int32_t generalThreshold);

// A new sample: the record's defaults and a fresh identifier.
SampleInfo NewSample(core::SystemPort& system);

// The manager's rows: its working copies of the owner's samples, in row order. The
// owner's samples change only through CommitSamples.
using SampleRecords = core::OrderedRecords<SampleInfo>;

// OK: the owner's samples become copies of the rows in row order, and the owner's audio
// path the one the manager remembered (the file of the last sample added).
void CommitSamples(const std::vector<SampleInfo*>& rows, const std::wstring& rememberedPath,
                   SampleList& ownerSamples, std::wstring& ownerPath);

}  // namespace cuebell
