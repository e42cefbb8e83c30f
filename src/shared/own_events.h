// What both tools do alike with their own events in the playout tables: matching their
// detections with the events at start-up (each takes its action and comment from the
// first event of its name on its board; copies that repeat or sit on another board are
// removed) and rebuilding the tables from the detections at save. What the operator is
// told about each removal is the tool's own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "shared/action_info.h"
#include "shared/event_table.h"

namespace core {

// The first action with the code; nullptr when none has it.
const CActionInfo* FindActionByCode(const ActionList& actions, int32_t code);

// Told before each removal: the instance, and whether the event repeats one that stays
// in it (false: the instance is on another board than the detection's).
using EventRemovalNotice = std::function<void(const PlayoutInstance& instance, bool repeated)>;

// Deletes, from the last event down, every event named `name` except the one at
// *keepIndex (-1: none stays), telling each; *keepIndex follows the deletions below it.
void RemoveRepeatedEvents(PlayoutInstance* instance, const std::wstring& name, int* keepIndex,
                          const EventRemovalNotice& notice);

// Where each name first stands in an instance's table and how many events carry it, so
// that matching thousands of detections with tables of thousands of events does not
// search a table once per detection. Built again after any deletion from the table.
class EventNameIndex {
  public:
    struct Occurrence {
        int first = -1;
        int count = 0;
    };

    explicit EventNameIndex(const PlayoutInstance& instance) { Rebuild(instance); }
    void Rebuild(const PlayoutInstance& instance);
    // nullptr when no event carries the name (compared exactly).
    const Occurrence* Find(const std::wstring& name) const;

  private:
    std::unordered_map<std::wstring, Occurrence> names_;
};

// One index for each instance, in the list's order.
std::vector<EventNameIndex> IndexEventNames(const PlayoutInstanceList& instances);

// A detection as the merge sees it: the name of its event, its board (-1: none), and its
// action and comment, which the merge sets.
struct MergedDetection {
    const std::wstring* name;
    int32_t board;
    CActionInfo* action;
    std::wstring* comment;
};

// Told before each removal of a copy of the detection's event (see EventRemovalNotice).
using DetectionRemovalNotice = std::function<void(const MergedDetection& detection,
                                                  const PlayoutInstance& instance, bool repeated)>;

// Matches the detections, in order, with the events of the instances on their board:
// each starts with the first action; the first instance holding its event gives it the
// action of the event's code (the first action when none has it) and the comment, later
// instances on its board are brought into line with it; repeated events and events on
// another board are removed.
void MergeDetectionsWithTables(const std::vector<MergedDetection>& detections,
                               PlayoutInstanceList* instances, const ActionList& actions,
                               const DetectionRemovalNotice& notice);

// A detection's event and the board whose instances hold it.
struct BoardEvent {
    int32_t board;
    GpiEventRecord event;
};

// The event a detection stands for: its action's code, the tool's fixed second and third
// fields, its name and comment.
GpiEventRecord OwnEvent(const std::wstring& name, const CActionInfo& action,
                        const std::wstring& comment);

// Replaces every instance's Events with the events of its board, in order, followed by
// the instance's ForeignEvents.
void RebuildOwnEvents(const std::vector<BoardEvent>& events, PlayoutInstanceList* instances);

}  // namespace core
