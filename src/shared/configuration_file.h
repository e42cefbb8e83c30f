// A registry file as a copy of one program's configuration: its detection store and the
// playout tables' "GPIEvents". What such a file may hold, how it is written back, and
// what it counts.
#pragma once

#include <cstdint>
#include <string>

#include "reg_file.h"
#include "registry_port.h"
#include "save_transaction.h"

namespace core {

// True when the file holds nothing but the program's store (values, and keys or values
// to delete) and the tables' "GPIEvents" text.
bool IsConfigurationOf(const RegFile& file, const SaveTarget& target);

// Writes the file back as a backup is restored: the store as in the file; in each table
// that exists, the program's own events as in the file and other owners' events as they
// are now. A table whose key is gone is left out: no playout instance is made.
void WriteBackConfiguration(RegistryPort& registry, const RegFile& file, const SaveTarget& target);

// The program's events in the file's tables.
int32_t CountOwnEvents(const RegFile& file, const SaveTarget& target);

}  // namespace core
