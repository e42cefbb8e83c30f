// A readable, stable dump of a registry tree in the 32-bit view, for comparing what a
// program wrote with what it should have written: keys and values sorted by name, every
// value with its type, its exact byte count and its data.
#pragma once

#include <string>

namespace e2e {

// path: "HKLM\..." or "HKCU\...". False when the root is unknown; a missing key dumps as
// "(missing)".
bool DumpRegistryTree(const std::wstring& path, std::wstring* dump);

}  // namespace e2e
