#include "shared/own_events.h"

namespace core {

const CActionInfo* FindActionByCode(const ActionList& actions, int32_t code) {
    for (const auto& action : actions) {
        if (action.Code == code) {
            return &action;
        }
    }
    return nullptr;
}

void RemoveRepeatedEvents(PlayoutInstance* instance, const std::wstring& name, int* keepIndex,
                          const EventRemovalNotice& notice) {
    auto& events = instance->Events;
    for (int i = static_cast<int>(events.size()) - 1; i >= 0; --i) {
        if (i == *keepIndex || events[static_cast<size_t>(i)].Name != name) {
            continue;
        }
        notice(*instance, *keepIndex != -1);
        events.erase(events.begin() + i);
        if (i < *keepIndex) {
            --*keepIndex;
        }
    }
}

void EventNameIndex::Rebuild(const PlayoutInstance& instance) {
    names_.clear();
    for (size_t i = 0; i < instance.Events.size(); ++i) {
        Occurrence& seen = names_[instance.Events[i].Name];
        if (seen.count++ == 0) {
            seen.first = static_cast<int>(i);
        }
    }
}

const EventNameIndex::Occurrence* EventNameIndex::Find(const std::wstring& name) const {
    const auto found = names_.find(name);
    return found != names_.end() ? &found->second : nullptr;
}

std::vector<EventNameIndex> IndexEventNames(const PlayoutInstanceList& instances) {
    std::vector<EventNameIndex> indexes;
    indexes.reserve(instances.size());
    for (const auto& instance : instances) {
        indexes.emplace_back(instance);
    }
    return indexes;
}

}  // namespace core
