#include "cuebell/core/cuebell_session.h"

#include "cuebell/core/box_message.h"
#include "cuebell/core/event_merge.h"
#include "cuebell/core/sample_rate_check.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/model/model.h"
#include "cuebell/model/store.h"
#include "shared/format.h"
#include "shared/playout_reload.h"
#include "shared/session_save.h"
#include "shared/tool_settings.h"

namespace cuebell {

namespace {

EntryRefs RefsOf(const EntryList& entries) {
    EntryRefs refs;
    for (const auto& entry : entries) {
        refs.push_back(entry.get());
    }
    return refs;
}

EventRemovalTexts RemovalTexts() {
    return EventRemovalTexts{CuebellText(IDS_EVENT_ON_OTHER_BOARD), CuebellText(IDS_REPEATED_EVENT),
                             CuebellText(IDS_SET_PLAYOUT_INFO_CAPTION)};
}

bool AskYes(core::MessageBoxPort& boxes, core::WindowHandle owner, int textId, int captionId) {
    const BoxMessage question =
        MakeBoxMessage(textId, captionId, core::kMbYesNo | core::kMbIconQuestion);
    return ShowBoxMessage(boxes, owner, question) == core::kIdYes;
}

}  // namespace

std::wstring CuebellSettingsKey() {
    return core::ToolSettingsKey(L"Cuebell");
}

core::NoBoardMessage CuebellNoBoardMessage() {
    return core::NoBoardMessage{CuebellText(IDS_NO_BOARD_FOUND),
                                CuebellText(IDS_CHECK_BOARD_CAPTION)};
}

CuebellSession::CuebellSession(core::RegistryPort& registry, core::SystemPort& system,
                               core::MessageBoxPort& boxes, core::BoardDriverPort& boardDriver)
    : registry_(registry), system_(system), boxes_(boxes), boardDriver_(boardDriver) {}

StartResult CuebellSession::Start(core::WindowHandle owner, core::PlacedWindow& window) {
    ready_ = false;
    entries_.clear();
    if (core::IsPlayoutRunning(system_)) {
        ShowBoxMessage(boxes_, owner,
                       MakeBoxMessage(IDS_PLAYOUT_RUNNING_AT_START, IDS_START_CAPTION,
                                      core::kMbOk | core::kMbIconError));
        return StartResult::Quit;
    }
    if (!core::GetBoardList(boardDriver_, boxes_, owner, CuebellNoBoardMessage(), &boards_)) {
        return StartResult::Quit;
    }
    actions_.clear();
    actions_.push_back(core::CActionInfo{CuebellText(IDS_WAIT_COMMAND), 1, core::kWaitCommandCode});

    core::LoadPlayoutInstances(registry_, &instances_);
    core::LoadPlayoutSettings(registry_, &instances_);
    AttachActions(&instances_, actions_);

    if (!RunLegacyStep(owner)) {
        return StartResult::Quit;
    }
    LoadConfiguration(window);
    if (!CheckSampleRates(owner)) {
        return StartResult::Quit;
    }
    NormalizeDeviceNames(&devices_);
    LoadEntries(registry_, &entries_, counts_.GPIsCount, samples_, devices_);
    MergeEntriesWithTables(owner);
    ready_ = true;
    return StartResult::Ready;
}

bool CuebellSession::RunLegacyStep(core::WindowHandle owner) {
    if (!legacyStep_ || !legacyStep_->DetectLegacyLayout()) {
        return true;
    }
    if (!AskYes(boxes_, owner, IDS_CONVERT_LEGACY_QUESTION, IDS_FORMAT_CONVERTING_CAPTION)) {
        return false;
    }
    // Nothing is loaded yet: the converter starts from the general defaults.
    legacyStep_->ConvertLegacyLayout(owner, GeneralParams(), boards_, &instances_);
    return true;
}

void CuebellSession::LoadConfiguration(core::PlacedWindow& window) {
    const std::wstring settingsKey = CuebellSettingsKey();
    placement_.Load(registry_, system_, window);
    lastWavPath_ = core::LoadWavPath(registry_, system_, settingsKey);
    LoadGeneral(registry_, &general_, &counts_);
    LoadSamples(registry_, system_, &samples_, counts_.SamplesCount);
    LoadDevices(registry_, system_, &devices_, counts_.DevicesCount);
}

bool CuebellSession::CheckSampleRates(core::WindowHandle owner) {
    const core::NoBoardMessage noBoard = CuebellNoBoardMessage();
    const BoardAccess access{boardDriver_, boxes_, noBoard};
    if (SampleRatesConsistent(access, boards_, devices_)) {
        return true;
    }
    if (!AskYes(boxes_, owner, IDS_SAMPLE_RATE_MISMATCH_QUESTION, IDS_SAMPLE_RATE_CHANGE_CAPTION)) {
        return false;
    }
    RepairSampleRates(access, boards_, &devices_);
    // Written at once, even if the operator later cancels. A failed write is not fatal:
    // the repaired devices are written again on OK, and the next start asks again.
    SaveDevices(registry_, devices_);
    return true;
}

void CuebellSession::MergeEntriesWithTables(core::WindowHandle owner) {
    core::SplitForeignEvents(&instances_, kToolPrefix);
    PruneSampleRefs(&entries_, samples_);
    PruneEntries(&entries_, devices_);
    for (auto& entry : entries_) {
        entry->Action = actions_.front();
    }
    ReconcileEntries(boxes_, owner, RemovalTexts(), RefsOf(entries_), &instances_, devices_,
                     actions_);
}

EntryList CuebellSession::TakeEntries() {
    EntryList taken = std::move(entries_);
    entries_.clear();
    return taken;
}

SaveResult CuebellSession::Save(core::WindowHandle owner, const EntryRefs& entriesInListOrder) {
    if (!ready_) {
        return SaveResult::WriteFailed;
    }
    const core::SaveMessages messages{
        MakeBoxMessage(IDS_PLAYOUT_RUNNING_AT_SAVE, IDS_STOP_CAPTION,
                       core::kMbOk | core::kMbIconWarning),
        MakeBoxMessage(IDS_SAVE_FAILED, IDS_STOP_CAPTION, core::kMbOk | core::kMbIconError),
        MakeBoxMessage(IDS_TABLES_LEFT_UNCHANGED, IDS_STOP_CAPTION,
                       core::kMbOk | core::kMbIconWarning)};
    const EntryRefs entries = core::WithoutNulls(entriesInListOrder);
    return core::SaveReporting(system_, boxes_, owner, messages,
                               [&](std::vector<std::wstring>* tablesLeftAlone) {
                                   return WriteAll(entries, tablesLeftAlone);
                               });
}

bool CuebellSession::WriteAll(const EntryRefs& entries,
                              std::vector<std::wstring>* tablesLeftAlone) {
    // The other owners' events as they are now, not as they were at start-up: another
    // tool may have saved its events (or the playout program added an instance) since.
    // Which tables can be rewritten is settled here, before anything is written.
    bool ok = core::ReloadPlayoutTables(registry_, kToolPrefix, &instances_);
    AttachActions(&instances_, actions_);
    RebuildEventTables(entries, &instances_, devices_);
    ok = core::SaveReadableTables(registry_, instances_, tablesLeftAlone) && ok;

    ok = SaveSamples(registry_, samples_) && ok;
    ok = SaveDevices(registry_, devices_) && ok;
    ok = SaveEntries(registry_, entries, samples_, devices_) && ok;
    ok =
        SaveGeneral(registry_, general_, static_cast<int32_t>(entries.size()),
                    static_cast<int32_t>(samples_.size()), static_cast<int32_t>(devices_.size())) &&
        ok;
    ok = core::SaveWavPath(registry_, CuebellSettingsKey(), lastWavPath_) && ok;
    return ok;
}

bool CuebellSession::Close(core::PlacedWindow& window) {
    return placement_.Save(registry_, window);
}

}  // namespace cuebell
