// What a save will change in the registry, step by step, with what each step replaces:
// enough to check the rights first, back up, write and undo the writes again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "registry_port.h"

namespace core {

enum class PlanStep { CreateKey, SetValue, DeleteValue, DeleteTree };

// A value as it stood in the registry.
struct ValueImage {
    std::wstring name;
    uint32_t type = kRegNone;
    Bytes data;
};

// A key with everything below it, as it stood before it was deleted.
struct TreeImage {
    std::wstring path;  // below the root
    std::vector<ValueImage> values;
    std::vector<TreeImage> subkeys;
};

struct PlannedWrite {
    PlanStep step = PlanStep::SetValue;
    RegRoot root = RegRoot::LocalMachine;
    std::wstring path;
    std::wstring name;  // SetValue, DeleteValue
    uint32_t type = kRegNone;
    Bytes data;  // SetValue

    // The "before" image. SetValue, DeleteValue: whether the value existed and what it
    // held; DeleteTree: the tree. beforeKnown is false when the registry would not say.
    bool beforeKnown = true;
    bool existed = false;
    ValueImage before;
    TreeImage beforeTree;
};

struct SavePlan {
    std::vector<PlannedWrite> writes;
    bool Empty() const { return writes.empty(); }
};

// A value the loaders read: the "before" image of what the program shows.
struct ReadValue {
    RegRoot root = RegRoot::LocalMachine;
    std::wstring path;
    ValueImage value;
};

}  // namespace core
