// Re-reads the playout event tables just before a tool rewrites them, so that events
// other owners saved while the tool was open are kept, and writes back only the tables
// it could read: a table that could not be read is left as it is, never erased.
#pragma once

#include <string>
#include <vector>

#include "shared/event_table.h"
#include "shared/registry_port.h"

namespace core {

// Loads the instances and their tables afresh (list replaced) and splits off the events
// without the tool prefix. An instance whose settings key exists but could not be read,
// or whose table is not text, is marked StoredTable::Unreadable. False when the playout
// key could not be listed completely (an instance may be missing from the list).
bool ReloadPlayoutTables(RegistryPort& registry, const std::wstring& toolPrefix,
                         PlayoutInstanceList* instances);

// Writes the tables of every instance except the unreadable ones, whose names are
// appended to tablesLeftAlone in list order. False when a write failed.
bool SaveReadableTables(RegistryPort& registry, const PlayoutInstanceList& instances,
                        std::vector<std::wstring>* tablesLeftAlone);

// The instance names, each after a line break: the list the operator is shown when
// tables were left alone.
std::wstring InstanceNameLines(const std::vector<std::wstring>& names);

}  // namespace core
