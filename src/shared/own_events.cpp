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

namespace {

// The detection takes its action and comment from the first event of its name.
void TakeFromEvent(const MergedDetection& detection, const GpiEventRecord& event,
                   const ActionList& actions) {
    if (const CActionInfo* action = FindActionByCode(actions, event.ActionCode)) {
        *detection.action = *action;
    } else if (!actions.empty()) {
        *detection.action = actions.front();
    }
    *detection.comment = event.Comment;
}

// A later instance on the same board is brought into line with the detection.
void GiveToEvent(const MergedDetection& detection, GpiEventRecord* event) {
    event->ActionCode = detection.action->Code;
    event->Action = *detection.action;
    event->Comment = *detection.comment;
}

}  // namespace

void MergeDetectionsWithTables(const std::vector<MergedDetection>& detections,
                               PlayoutInstanceList* instances, const ActionList& actions,
                               const DetectionRemovalNotice& notice) {
    std::vector<EventNameIndex> indexes = IndexEventNames(*instances);
    for (const MergedDetection& detection : detections) {
        if (!actions.empty()) {
            *detection.action = actions.front();
        }
        bool found = false;
        for (size_t at = 0; at < instances->size(); ++at) {
            PlayoutInstance& instance = (*instances)[at];
            // No event of the name: nothing to take, keep or remove here.
            const EventNameIndex::Occurrence* seen = indexes[at].Find(*detection.name);
            if (!seen) {
                continue;
            }
            int keepIndex = -1;
            if (detection.board == instance.Board) {
                keepIndex = seen->first;
                GpiEventRecord& event = instance.Events[static_cast<size_t>(keepIndex)];
                if (!found) {
                    found = true;
                    TakeFromEvent(detection, event, actions);
                } else {
                    GiveToEvent(detection, &event);
                }
            }
            if (seen->count > 1 || keepIndex == -1) {
                RemoveRepeatedEvents(&instance, *detection.name, &keepIndex,
                                     [&](const PlayoutInstance& in, bool repeated) {
                                         notice(detection, in, repeated);
                                     });
                indexes[at].Rebuild(instance);
            }
        }
    }
}

GpiEventRecord OwnEvent(const std::wstring& name, const CActionInfo& action,
                        const std::wstring& comment) {
    GpiEventRecord event;
    event.ActionCode = action.Code;
    event.Second = kOwnEventSecond;
    event.Third = kOwnEventThird;
    event.Name = name;
    event.Comment = comment;
    event.Action = action;
    return event;
}

void RebuildOwnEvents(const std::vector<BoardEvent>& events, PlayoutInstanceList* instances) {
    for (auto& instance : *instances) {
        instance.Events.clear();
    }
    for (const BoardEvent& own : events) {
        for (auto& instance : *instances) {
            if (instance.Board == own.board) {
                instance.Events.push_back(own.event);
            }
        }
    }
    for (auto& instance : *instances) {
        instance.Events.insert(instance.Events.end(), instance.ForeignEvents.begin(),
                               instance.ForeignEvents.end());
    }
}

}  // namespace core
