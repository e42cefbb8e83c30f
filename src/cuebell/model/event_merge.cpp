#include "event_merge.h"

#include "shared/boards.h"
#include "shared/format.h"
#include "shared/own_events.h"

namespace cuebell {

namespace {

using core::FindActionByCode;

// The entry takes its action and comment from the first event of its name.
void TakeFromEvent(GpiInfo* entry, const core::GpiEventRecord& event,
                   const core::ActionList& actions) {
    if (const core::CActionInfo* action = FindActionByCode(actions, event.ActionCode)) {
        entry->Action = *action;
    } else if (!actions.empty()) {
        entry->Action = actions.front();
    }
    entry->Comment = event.Comment;
}

// A later instance on the same board is brought into line with the entry.
void GiveToEvent(const GpiInfo& entry, core::GpiEventRecord* event) {
    event->ActionCode = entry.Action.Code;
    event->Action = entry.Action;
    event->Comment = entry.Comment;
}

}  // namespace

void AttachActions(core::PlayoutInstanceList* instances, const core::ActionList& actions) {
    for (auto& instance : *instances) {
        for (auto& event : instance.Events) {
            const core::CActionInfo* action = FindActionByCode(actions, event.ActionCode);
            event.Action = action ? *action : core::CActionInfo();
        }
    }
}

int32_t EntryBoard(const GpiInfo& entry, const DeviceList& devices) {
    for (const auto& device : devices) {
        if (device.DeviceId == entry.DeviceId) {
            return core::BoardNumberOf(device.Name);
        }
    }
    return -1;
}

void RemoveRepeatedEvents(core::MessageBoxPort& boxes, core::WindowHandle owner,
                          const EventRemovalTexts& texts, core::PlayoutInstance* instance,
                          const std::wstring& name, int* keepIndex, int32_t entryBoard) {
    core::RemoveRepeatedEvents(
        instance, name, keepIndex, [&](const core::PlayoutInstance& at, bool repeated) {
            std::wstring text =
                repeated ? core::Format(texts.RepeatedEvent, name, at.Name)
                         : core::Format(texts.MisplacedEvent, name, entryBoard, at.Name, at.Board);
            boxes.Show(owner, text, texts.Caption, core::kMbOk | core::kMbIconWarning);
        });
}

void ReconcileEntries(core::MessageBoxPort& boxes, core::WindowHandle owner,
                      const EventRemovalTexts& texts, const EntryRefs& entries,
                      core::PlayoutInstanceList* instances, const DeviceList& devices,
                      const core::ActionList& actions) {
    std::vector<core::EventNameIndex> indexes = core::IndexEventNames(*instances);
    for (GpiInfo* entry : entries) {
        if (!actions.empty()) {
            entry->Action = actions.front();
        }
        bool found = false;
        int32_t board = EntryBoard(*entry, devices);
        for (size_t at = 0; at < instances->size(); ++at) {
            auto& instance = (*instances)[at];
            // No event of the name: nothing to take, keep or remove here.
            const core::EventNameIndex::Occurrence* seen = indexes[at].Find(entry->Name);
            if (!seen) {
                continue;
            }
            int keepIndex = -1;
            if (board == instance.Board) {
                keepIndex = seen->first;
                auto& event = instance.Events[static_cast<size_t>(keepIndex)];
                if (!found) {
                    found = true;
                    TakeFromEvent(entry, event, actions);
                } else {
                    GiveToEvent(*entry, &event);
                }
            }
            if (seen->count > 1 || keepIndex == -1) {
                RemoveRepeatedEvents(boxes, owner, texts, &instance, entry->Name, &keepIndex,
                                     board);
                indexes[at].Rebuild(instance);
            }
        }
    }
}

void RebuildEventTables(const EntryRefs& entries, core::PlayoutInstanceList* instances,
                        const DeviceList& devices) {
    for (auto& instance : *instances) {
        instance.Events.clear();
    }
    for (const GpiInfo* entry : entries) {
        int32_t board = EntryBoard(*entry, devices);
        for (auto& instance : *instances) {
            if (instance.Board != board) {
                continue;
            }
            core::GpiEventRecord event;
            event.ActionCode = entry->Action.Code;
            event.Second = core::kOwnEventSecond;
            event.Third = core::kOwnEventThird;
            event.Name = entry->Name;
            event.Comment = entry->Comment;
            event.Action = entry->Action;
            instance.Events.push_back(std::move(event));
        }
    }
    for (auto& instance : *instances) {
        instance.Events.insert(instance.Events.end(), instance.ForeignEvents.begin(),
                               instance.ForeignEvents.end());
    }
}

}  // namespace cuebell
