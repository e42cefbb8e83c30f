// What both tools do alike with their own events in the playout tables while matching
// their detections with them: finding the action an event names, and removing the
// copies of a detection's event that repeat or sit on another board. What the operator
// is told about each removal is the tool's own.
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

}  // namespace core
