#include "tonegate/core/signal_merge.h"

#include "shared/boards.h"
#include "shared/format.h"
#include "shared/own_events.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

int32_t SignalBoard(const CDTMFTaskInfo& signal) {
    return core::BoardNumberOf(signal.DeviceName);
}

void MergeSignalsWithTables(core::MessageBoxPort& boxes, core::WindowHandle owner,
                            const std::vector<CDTMFTaskInfo*>& signals,
                            core::PlayoutInstanceList* instances, const core::ActionList& actions) {
    const std::wstring format = TonegateText(IDS_EVENT_REMOVED);
    const std::wstring caption = TonegateText(IDS_SET_PLAYOUT_INFO_CAPTION);
    std::vector<core::MergedDetection> detections;
    detections.reserve(signals.size());
    for (CDTMFTaskInfo* signal : signals) {
        detections.push_back(core::MergedDetection{&signal->Name, SignalBoard(*signal),
                                                   &signal->Action, &signal->Comment});
    }
    // One message for both kinds of removal.
    core::MergeDetectionsWithTables(
        detections, instances, actions,
        [&](const core::MergedDetection& signal, const core::PlayoutInstance& in, bool) {
            boxes.Show(owner, core::Format(format, *signal.name, signal.board, in.Name, in.Board),
                       caption, core::kMbOk | core::kMbIconWarning);
        });
}

void RebuildEventTables(const SignalRefs& signals, core::PlayoutInstanceList* instances) {
    std::vector<core::BoardEvent> events;
    events.reserve(signals.size());
    for (const CDTMFTaskInfo* signal : signals) {
        events.push_back(core::BoardEvent{
            SignalBoard(*signal), core::OwnEvent(signal->Name, signal->Action, signal->Comment)});
    }
    core::RebuildOwnEvents(events, instances);
}

}  // namespace tonegate
