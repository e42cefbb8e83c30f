// Cuebell's side of the playout event tables: every detection entry is one event, named
// like the entry, in each playout instance on its device's board. At start-up the
// entries take their action and comment from the tables, and copies that sit on the
// wrong board or repeat are removed (each removal announced); at save the tables are
// rebuilt from the entries, followed by the events of other owners.
#pragma once

#include <cstdint>
#include <string>

#include "cuebell/model/records.h"
#include "shared/action_info.h"
#include "shared/event_table.h"
#include "shared/message_box_port.h"

namespace cuebell {

// The texts of the removal messages, from the program's string table: a "%s" / "%d"
// format for an event on another board (name, entry board, instance name, instance
// board), one for a repeated event (name, instance name), and their caption.
struct EventRemovalTexts {
    std::wstring MisplacedEvent;
    std::wstring RepeatedEvent;
    std::wstring Caption;
};

// Gives every event the action-list entry whose Code equals its ActionCode (the first
// such entry), or an empty action when none does.
void AttachActions(core::PlayoutInstanceList* instances, const core::ActionList& actions);

// The board of the entry's device (exact DeviceId match); -1 when there is no such
// device or its name ends in no digit.
int32_t EntryBoard(const GpiInfo& entry, const DeviceList& devices);

// Deletes, from the last event down, every event named `name` except the one at
// *keepIndex, announcing each; *keepIndex follows the deletions below it. With
// *keepIndex -1 the events are on another board than the entry's.
void RemoveRepeatedEvents(core::MessageBoxPort& boxes, core::WindowHandle owner,
                          const EventRemovalTexts& texts, core::PlayoutInstance* instance,
                          const std::wstring& name, int* keepIndex, int32_t entryBoard);

// Matches the entries, in list order, with the events of the instances on their board:
// the first instance holding an entry's event gives it its action and comment, later
// ones are brought into line with it; repeated and misplaced events are removed.
void ReconcileEntries(core::MessageBoxPort& boxes, core::WindowHandle owner,
                      const EventRemovalTexts& texts, const EntryRefs& entries,
                      core::PlayoutInstanceList* instances, const DeviceList& devices,
                      const core::ActionList& actions);

// Replaces every instance's Events with one event per entry on the instance's board,
// in entry order, followed by the instance's ForeignEvents.
void RebuildEventTables(const EntryRefs& entries, core::PlayoutInstanceList* instances,
                        const DeviceList& devices);

}  // namespace cuebell
