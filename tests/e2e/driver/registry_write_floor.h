// The least any program pays to write a registry tree it has read: every key opened for
// writing once, every value set once with the data it holds. The OK benchmark compares
// the programs' save with it (under Wine each registry call is a round trip to the
// registry server).
#pragma once

#include <string>
#include <vector>

#include "registry_floor.h"

namespace e2e {

// A key's values as read before the timed writes, name, type and data each.
struct FloorValue {
    std::wstring name;
    unsigned long type = 0;
    std::vector<unsigned char> data;
};
struct FloorKey {
    std::wstring path;  // below the root
    std::vector<FloorValue> values;
};
struct FloorTree {
    std::vector<FloorKey> keys;
};

// Reads the tree at path ("HKLM\..." or "HKCU\...", 32-bit view) into tree, untimed.
// False when the root is unknown.
bool ReadFloorTree(const std::wstring& path, FloorTree* tree);
// Opens (or creates) every key of the tree once and sets each value once, as read.
void WriteFloorTree(const std::wstring& path, const FloorTree& tree, FloorCount* count);

}  // namespace e2e
