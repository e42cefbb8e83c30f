#include "tonegate/core/signal_merge.h"

#include "shared/boards.h"
#include "shared/format.h"
#include "shared/own_events.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

// The signal takes its action and comment from the first event of its name.
void TakeFromEvent(CDTMFTaskInfo* signal, const core::GpiEventRecord& event,
                   const core::ActionList& actions) {
    if (const core::CActionInfo* action = core::FindActionByCode(actions, event.ActionCode)) {
        signal->Action = *action;
    } else if (!actions.empty()) {
        signal->Action = actions.front();
    }
    signal->Comment = event.Comment;
}

// A later instance on the same board is brought into line with the signal.
void GiveToEvent(const CDTMFTaskInfo& signal, core::GpiEventRecord* event) {
    event->ActionCode = signal.Action.Code;
    event->Comment = signal.Comment;
}

}  // namespace

int32_t SignalBoard(const CDTMFTaskInfo& signal) {
    return core::BoardNumberOf(signal.DeviceName);
}

void MergeSignalsWithTables(core::MessageBoxPort& boxes, core::WindowHandle owner,
                            const std::vector<CDTMFTaskInfo*>& signals,
                            core::PlayoutInstanceList* instances, const core::ActionList& actions) {
    const std::wstring format = TonegateText(IDS_EVENT_REMOVED);
    const std::wstring caption = TonegateText(IDS_SET_PLAYOUT_INFO_CAPTION);
    std::vector<core::EventNameIndex> indexes = core::IndexEventNames(*instances);
    for (CDTMFTaskInfo* signal : signals) {
        if (!actions.empty()) {
            signal->Action = actions.front();
        }
        bool found = false;
        const int32_t board = SignalBoard(*signal);
        for (size_t at = 0; at < instances->size(); ++at) {
            auto& instance = (*instances)[at];
            // No event of the name: nothing to take, keep or remove here.
            const core::EventNameIndex::Occurrence* seen = indexes[at].Find(signal->Name);
            if (!seen) {
                continue;
            }
            int keepIndex = -1;
            if (board == instance.Board) {
                keepIndex = seen->first;
                auto& event = instance.Events[static_cast<size_t>(keepIndex)];
                if (!found) {
                    found = true;
                    TakeFromEvent(signal, event, actions);
                } else {
                    GiveToEvent(*signal, &event);
                }
            }
            if (seen->count > 1 || keepIndex == -1) {
                // One message for both kinds of removal.
                core::RemoveRepeatedEvents(
                    &instance, signal->Name, &keepIndex,
                    [&](const core::PlayoutInstance& in, bool) {
                        boxes.Show(owner,
                                   core::Format(format, signal->Name, board, in.Name, in.Board),
                                   caption, core::kMbOk | core::kMbIconWarning);
                    });
                indexes[at].Rebuild(instance);
            }
        }
    }
}

void RebuildEventTables(const SignalRefs& signals, core::PlayoutInstanceList* instances) {
    for (auto& instance : *instances) {
        instance.Events.clear();
    }
    for (const CDTMFTaskInfo* signal : signals) {
        const int32_t board = SignalBoard(*signal);
        for (auto& instance : *instances) {
            if (instance.Board != board) {
                continue;
            }
            core::GpiEventRecord event;
            event.ActionCode = signal->Action.Code;
            event.Second = core::kOwnEventSecond;
            event.Third = core::kOwnEventThird;
            event.Name = signal->Name;
            event.Comment = signal->Comment;
            instance.Events.push_back(std::move(event));
        }
    }
    for (auto& instance : *instances) {
        instance.Events.insert(instance.Events.end(), instance.ForeignEvents.begin(),
                               instance.ForeignEvents.end());
    }
}

}  // namespace tonegate
