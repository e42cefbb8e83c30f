#include "cuebell/core/event_merge.h"

#include "shared/boards.h"
#include "shared/format.h"
#include "shared/own_events.h"

namespace cuebell {

void AttachActions(core::PlayoutInstanceList* instances, const core::ActionList& actions) {
    for (auto& instance : *instances) {
        for (auto& event : instance.Events) {
            const core::CActionInfo* action = core::FindActionByCode(actions, event.ActionCode);
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

namespace {

// The message before a copy of the entry's event is removed from the instance.
void AnnounceRemoval(core::MessageBoxPort& boxes, core::WindowHandle owner,
                     const EventRemovalTexts& texts, const std::wstring& name, int32_t entryBoard,
                     const core::PlayoutInstance& at, bool repeated) {
    std::wstring text =
        repeated ? core::Format(texts.RepeatedEvent, name, at.Name)
                 : core::Format(texts.MisplacedEvent, name, entryBoard, at.Name, at.Board);
    boxes.Show(owner, text, texts.Caption, core::kMbOk | core::kMbIconWarning);
}

}  // namespace

void RemoveRepeatedEvents(core::MessageBoxPort& boxes, core::WindowHandle owner,
                          const EventRemovalTexts& texts, core::PlayoutInstance* instance,
                          const std::wstring& name, int* keepIndex, int32_t entryBoard) {
    core::RemoveRepeatedEvents(
        instance, name, keepIndex, [&](const core::PlayoutInstance& at, bool repeated) {
            AnnounceRemoval(boxes, owner, texts, name, entryBoard, at, repeated);
        });
}

void ReconcileEntries(core::MessageBoxPort& boxes, core::WindowHandle owner,
                      const EventRemovalTexts& texts, const EntryRefs& entries,
                      core::PlayoutInstanceList* instances, const DeviceList& devices,
                      const core::ActionList& actions) {
    std::vector<core::MergedDetection> detections;
    detections.reserve(entries.size());
    for (GpiInfo* entry : entries) {
        detections.push_back(core::MergedDetection{&entry->Name, EntryBoard(*entry, devices),
                                                   &entry->Action, &entry->Comment});
    }
    core::MergeDetectionsWithTables(
        detections, instances, actions,
        [&](const core::MergedDetection& entry, const core::PlayoutInstance& at, bool repeated) {
            AnnounceRemoval(boxes, owner, texts, *entry.name, entry.board, at, repeated);
        });
}

void RebuildEventTables(const EntryRefs& entries, core::PlayoutInstanceList* instances,
                        const DeviceList& devices) {
    std::vector<core::BoardEvent> events;
    events.reserve(entries.size());
    for (const GpiInfo* entry : entries) {
        events.push_back(
            core::BoardEvent{EntryBoard(*entry, devices),
                             core::OwnEvent(entry->Name, entry->Action, entry->Comment)});
    }
    core::RebuildOwnEvents(events, instances);
}

}  // namespace cuebell
