// How many record positions a store's loader reads for the count it found stored.
// Both detection stores keep their records in numbered subkeys of one store key
// and a count beside them; the count may be anything.
#pragma once

#include <cstdint>
#include <string>

#include "registry_port.h"

namespace core {

// A stored count up to this is trusted as it stands. A larger count is not believed
// blindly (reading it would try millions of keys): it is bounded by the record keys
// that actually exist, so no stored record is ever left out. A negative count reads
// no record.
constexpr int32_t kMaxTrustedRecordCount = 10000;

// The position a record key name stands for: the kind name (compared without regard
// to case; may be empty) followed by decimal digits without a leading zero, as the
// stores name their record keys. -1 for any other name.
int64_t PositionOfRecordKey(const std::wstring& name, const std::wstring& kindName);

// The number of positions to read, from 0, for the stored count of records of this
// kind below the store key (see kMaxTrustedRecordCount).
int32_t RecordPositionsToRead(RegistryPort& registry, RegRoot root,
                              const std::wstring& storeKeyPath, const std::wstring& kindName,
                              int32_t storedCount);

}  // namespace core
