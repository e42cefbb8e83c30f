// The configuration check's findings on the playout event tables, alike in both
// programs: detections on a board whose tables no playout instance keeps, the tool's
// events that no detection stands for (OK deletes them), instances whose board is only
// assumed, and tables that cannot be read whole.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "shared/boards.h"
#include "shared/config_check.h"
#include "shared/event_table.h"

namespace core {

// A detection as these findings see it: its event's name, its board (-1: none) and the
// record to open.
struct PlayoutDetection {
    std::wstring name;
    int32_t board = -1;
    RecordRef record;
};

// The program's kinds for these findings (rows of its table).
struct PlayoutKinds {
    int boardWithoutInstance;    // sentence: board number
    int noInstance;              // sentence: no arguments
    int eventsWithoutDetection;  // sentence: the events' names
    int boardByDefault;          // sentence: no arguments
    int unreadableTable;         // sentence: no arguments
    int unparsedRecords;         // sentence: how many
};

// The board when it is installed (the board list holds "1" to "n"); -1 otherwise, since a
// detection on a board that is not installed has a finding of its device instead.
int32_t InstalledBoard(int32_t board, const StringList& boards);

// The input names of the installed boards, to tell whether a device names one (trimmed,
// letter case aside, as the editors select it).
class InstalledInputs {
  public:
    explicit InstalledInputs(const StringList& boards);
    bool Has(const std::wstring& deviceName) const {
        return keys_.count(FoldedKey(deviceName)) != 0;
    }

  private:
    std::unordered_set<std::wstring> keys_;
};

// "VeZev" and the instance's key name, as the messages name an instance.
std::wstring InstanceWhere(const PlayoutInstance& instance);

// Appends the findings: one per board without an instance (or one for all detections when
// there is no instance at all), and per instance those of its table and its board.
void AddPlayoutFindings(const PlayoutInstanceList& instances,
                        const std::vector<PlayoutDetection>& detections,
                        const std::wstring& toolPrefix, const PlayoutKinds& kinds,
                        const FindingMaker& maker, FindingList* findings);

}  // namespace core
