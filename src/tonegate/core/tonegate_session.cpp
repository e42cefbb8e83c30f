#include "tonegate/core/tonegate_session.h"

#include "shared/box_message.h"
#include "shared/format.h"
#include "shared/playout_reload.h"
#include "shared/session_save.h"
#include "shared/text.h"
#include "shared/tool_settings.h"
#include "tonegate/core/signal_merge.h"
#include "tonegate/model/signal_store.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

core::BoxMessage Message(int textId, int captionId, unsigned flags) {
    return core::BoxMessage{TonegateText(textId), TonegateText(captionId), flags};
}

// Stored device names of the older form say Output where the board inputs say Input.
void RepairDeviceNames(SignalList* signals) {
    for (auto& signal : *signals) {
        signal->DeviceName = core::ReplaceAll(signal->DeviceName, L"Output", L"Input");
    }
}

}  // namespace

std::wstring TonegateSettingsKey() {
    return core::ToolSettingsKey(L"Tonegate");
}

TonegateSession::TonegateSession(core::RegistryPort& registry, core::SystemPort& system,
                                 core::MessageBoxPort& boxes, core::BoardDriverPort& boardDriver)
    : registry_(registry), system_(system), boxes_(boxes), boardDriver_(boardDriver) {}

StartResult TonegateSession::Start(core::WindowHandle owner, core::PlacedWindow& window) {
    ready_ = false;
    signals_.clear();
    if (core::IsPlayoutRunning(system_)) {
        core::ShowBoxMessage(boxes_, owner,
                             Message(IDS_PLAYOUT_RUNNING_AT_START, IDS_START_CAPTION,
                                     core::kMbOk | core::kMbIconError));
        return StartResult::Quit;
    }
    actions_.clear();
    actions_.push_back(
        core::CActionInfo{TonegateText(IDS_WAIT_COMMAND), 1, core::kWaitCommandCode});
    const core::NoBoardMessage noBoard{TonegateText(IDS_NO_BOARD_FOUND),
                                       TonegateText(IDS_CHECK_BOARD_CAPTION)};
    if (!core::GetBoardList(boardDriver_, boxes_, owner, noBoard, &boards_)) {
        return StartResult::Quit;
    }
    const std::wstring settingsKey = TonegateSettingsKey();
    placement_.Load(registry_, system_, window);
    soundFilePath_ = core::LoadWavPath(registry_, system_, settingsKey);
    soundFilePathLoaded_ = true;

    LoadSignals(registry_, &signals_);
    RepairDeviceNames(&signals_);

    core::LoadPlayoutInstances(registry_, &instances_);
    core::LoadPlayoutSettings(registry_, &instances_);
    core::SplitForeignEvents(&instances_, kToolPrefix);

    std::vector<CDTMFTaskInfo*> working;
    for (auto& signal : signals_) {
        signal->Action = actions_.front();
        working.push_back(signal.get());
    }
    MergeSignalsWithTables(boxes_, owner, working, &instances_, actions_);
    ready_ = true;
    return StartResult::Ready;
}

SignalList TonegateSession::TakeSignals() {
    SignalList taken = std::move(signals_);
    signals_.clear();
    return taken;
}

SaveResult TonegateSession::Save(core::WindowHandle owner, const SignalRefs& signalsInListOrder) {
    if (!ready_) {
        return SaveResult::WriteFailed;
    }
    const core::SaveMessages messages{
        core::BoxMessage{kPlayoutRunningAtSaveText, kPlayoutRunningAtSaveCaption,
                         core::kMbOk | core::kMbIconWarning},
        Message(IDS_SAVE_FAILED, IDS_SAVE_CAPTION, core::kMbOk | core::kMbIconError),
        Message(IDS_TABLES_LEFT_UNCHANGED, IDS_SAVE_CAPTION, core::kMbOk | core::kMbIconWarning)};
    const SignalRefs signals = core::WithoutNulls(signalsInListOrder);
    return core::SaveReporting(system_, boxes_, owner, messages,
                               [&](std::vector<std::wstring>* tablesLeftAlone) {
                                   return WriteAll(signals, tablesLeftAlone);
                               });
}

bool TonegateSession::WriteAll(const SignalRefs& signals,
                               std::vector<std::wstring>* tablesLeftAlone) {
    // The other owners' events as they are now, not as they were at start-up: another
    // tool may have saved its events (or the playout program added an instance) since.
    bool ok = core::ReloadPlayoutTables(registry_, kToolPrefix, &instances_);
    RebuildEventTables(signals, &instances_);
    ok = core::SaveReadableTables(registry_, instances_, tablesLeftAlone) && ok;
    ok = SaveSignals(registry_, signals) && ok;
    return ok;
}

bool TonegateSession::Close(core::PlacedWindow& window) {
    bool ok = placement_.Save(registry_, window);
    if (soundFilePathLoaded_) {
        ok = core::SaveWavPath(registry_, TonegateSettingsKey(), soundFilePath_) && ok;
    }
    return ok;
}

}  // namespace tonegate
