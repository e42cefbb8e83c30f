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

}  // namespace core
