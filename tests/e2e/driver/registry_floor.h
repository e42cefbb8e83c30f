// The least any program pays to read a registry tree: every key opened once, every value
// read once, with no rule applied. The start-up benchmark compares both programs' start-up with
// it, since under Wine each registry call is a round trip to the registry server.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct FloorCount {
    long keys = 0;
    long values = 0;
};

// The names of the key's subkeys, in the registry's order.
std::vector<std::wstring> SubkeyNames(HKEY key);

// path: "HKLM\..." or "HKCU\...", read in the 32-bit view. False when the root is unknown.
bool ReadRegistryFloor(const std::wstring& path, FloorCount* count);

}  // namespace e2e
