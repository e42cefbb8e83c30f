// Re-reads the playout event tables just before they are rewritten, so that events
// other owners saved while the tool was open are kept. An instance whose table could not
// be read is marked so that saving leaves it alone.
#pragma once

#include <string>

#include "shared/action_info.h"
#include "shared/event_table.h"
#include "shared/registry_port.h"

namespace cuebell {

// Loads the instances and their tables afresh (list replaced), attaches the actions and
// splits off the foreign events. An instance whose settings key exists but could not be
// read, or whose table is not text, is marked StoredTable::Unreadable. False when the
// playout key could not be listed completely (an instance may be missing from the list).
bool ReloadPlayoutTables(core::RegistryPort& registry, const core::ActionList& actions,
                         const std::wstring& toolPrefix, core::PlayoutInstanceList* instances);

}  // namespace cuebell
