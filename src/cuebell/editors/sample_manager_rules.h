// The sample manager's rules without the window: the list's columns and cell texts, the
// cell tooltips, the refusals and questions of Edit and Delete on the manager's rows, and
// what reaches the owner on OK.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cuebell/core/box_message.h"
#include "cuebell/model/records.h"
#include "shared/list_column.h"
#include "shared/message_box_port.h"
#include "shared/ordered_records.h"
#include "shared/record_delete.h"
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

// "Edit..." and "Delete" are enabled exactly when the list has a row.
bool SampleButtonsEnabled(int rowCount);

// selectedRow is -1 (or out of range) when no row is selected.
// Edit: an empty list, no selection (caption: the edit-sample caption, error icon).
std::optional<BoxMessage> SampleEditRefusal(int rowCount, int selectedRow);
// The question before editing a sample that entries use; none when no entry uses it.
std::optional<BoxMessage> SampleEditQuestion(const std::vector<std::wstring>& usingEntries);
// Delete: an empty list, then no selection ("!!"), both captioned "Delete audio file".
std::optional<BoxMessage> SampleDeleteRefusal(int rowCount, int selectedRow);
// A sample that entries use is never deleted.
std::optional<BoxMessage> SampleInUseRefusal(const std::vector<std::wstring>& usingEntries);
// The question before the delete, with the sample's full path.
BoxMessage SampleDeleteConfirmation(const std::wstring& audioFile);

// A new sample: the record's defaults and a fresh identifier.
SampleInfo NewSample(core::SystemPort& system);

// The manager's rows: its working copies of the owner's samples, in row order. The
// owner's samples change only through CommitSamples.
using SampleRecords = core::OrderedRecords<SampleInfo>;

// Edit: shows the refusal (empty list, no selection), or the question when entries use
// the selected sample; true when the editor may open on the row's record.
bool MayEditSample(const SampleRecords& rows, int selectedRow, const EntryRefs& entries,
                   core::MessageBoxPort& boxes, core::WindowHandle owner);

// Delete: refuses (empty list, no selection, a sample that entries use) or asks, and on
// Yes takes the selected sample out of the rows.
core::DeleteOutcome<SampleInfo> DeleteSelectedSample(SampleRecords& rows, int selectedRow,
                                                     const EntryRefs& entries,
                                                     core::MessageBoxPort& boxes,
                                                     core::WindowHandle owner);

// OK: the owner's samples become copies of the rows in row order, and the owner's audio
// path the one the manager remembered (the file of the last sample added).
void CommitSamples(const std::vector<SampleInfo*>& rows, const std::wstring& rememberedPath,
                   SampleList& ownerSamples, std::wstring& ownerPath);

}  // namespace cuebell
