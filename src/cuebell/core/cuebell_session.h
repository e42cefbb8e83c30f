// Everything the main dialog owns except its window: the board list, the samples, the
// devices, the general block with its loaded counts, the playout instances, the action
// list and the last audio path. It runs the start-up passes, the save on OK and the
// teardown; the dialog shows what it returns and owns the entries once started.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cuebell/core/legacy_layout_step.h"
#include "cuebell/model/records.h"
#include "shared/action_info.h"
#include "shared/board_driver_port.h"
#include "shared/boards.h"
#include "shared/event_table.h"
#include "shared/message_box_port.h"
#include "shared/registry_port.h"
#include "shared/session_save.h"
#include "shared/system_port.h"
#include "shared/tool_settings.h"

namespace cuebell {

// The tool settings key, "Software\Quorvane\Cuebell\General".
std::wstring CuebellSettingsKey();

// The texts of the board driver's failure message (10036, 10037).
core::NoBoardMessage CuebellNoBoardMessage();

enum class StartResult {
    Ready,  // the entries are ready to be taken
    Quit,   // a refusal was shown (or declined): the program ends, nothing was saved
};

using core::SaveResult;

class CuebellSession {
  public:
    CuebellSession(core::RegistryPort& registry, core::SystemPort& system,
                   core::MessageBoxPort& boxes, core::BoardDriverPort& boardDriver);

    // The step that converts the older store layout (not owned). Without one, no old
    // layout is looked for.
    void SetLegacyLayoutStep(LegacyLayoutStep* step) { legacyStep_ = step; }

    // The start-up passes, from the playout-program check to the merge of the entries
    // with the event tables; every message is owned by owner. The window is moved to the
    // stored placement. A refusal writes nothing; only what an earlier step wrote with
    // the operator's consent (a converted old layout) stays. An accepted sample-rate
    // repair writes the devices at once.
    StartResult Start(core::WindowHandle owner, core::PlacedWindow& window);

    // The entries loaded by Start, in store order, each with its action and comment;
    // the session keeps none of them (the list rows own them from now on).
    EntryList TakeEntries();

    // OK: refuses while the playout program runs; otherwise re-reads the event tables,
    // rebuilds them from the entries (in list order) and writes them, then the store and
    // the audio path. Shows the playout warning or, when a write failed, the save-failure
    // message (error icon) itself. A table that cannot be read is left byte for byte as
    // it is and the rest saved: the operator is told once which instances' tables were
    // left (warning icon), and the save counts as Saved. After WriteFailed everything
    // stays as it was, so a later Save writes it all again. Null entries are left out.
    // Before a Start that returned Ready it writes nothing and answers WriteFailed
    // (without a message).
    SaveResult Save(core::WindowHandle owner, const EntryRefs& entriesInListOrder);

    // Teardown, whichever way the dialog closes: writes the window placement, once start-up
    // has read it (a refusal before that leaves the operator's stored placement as it was,
    // instead of overwriting it with a window that was never placed). False when that
    // write failed (nothing is shown: the dialog is going away).
    bool Close(core::PlacedWindow& window);

    // What the editors work on; plain references, valid as long as the session.
    SampleList& Samples() { return samples_; }
    DeviceList& Devices() { return devices_; }
    GeneralParams& General() { return general_; }
    std::wstring& LastWavPath() { return lastWavPath_; }
    const SampleList& Samples() const { return samples_; }
    const DeviceList& Devices() const { return devices_; }
    const GeneralParams& General() const { return general_; }
    const std::wstring& LastWavPath() const { return lastWavPath_; }
    const StoreCounts& LoadedCounts() const { return counts_; }
    const core::StringList& Boards() const { return boards_; }
    const core::ActionList& Actions() const { return actions_; }
    const core::PlayoutInstanceList& Instances() const { return instances_; }

  private:
    bool CheckSampleRates(core::WindowHandle owner);
    bool RunLegacyStep(core::WindowHandle owner);
    void LoadConfiguration(core::PlacedWindow& window);
    void MergeEntriesWithTables(core::WindowHandle owner);
    // False when a write failed (or the playout key could not be listed completely); the
    // instances whose tables could not be read, and were left as they are, are added to
    // tablesLeftAlone.
    bool WriteAll(const EntryRefs& entries, std::vector<std::wstring>* tablesLeftAlone);

    core::RegistryPort& registry_;
    core::SystemPort& system_;
    core::MessageBoxPort& boxes_;
    core::BoardDriverPort& boardDriver_;
    LegacyLayoutStep* legacyStep_ = nullptr;

    bool ready_ = false;
    core::WindowPlacementSetting placement_{CuebellSettingsKey()};
    core::StringList boards_;
    SampleList samples_;
    DeviceList devices_;
    GeneralParams general_;
    StoreCounts counts_;
    core::PlayoutInstanceList instances_;
    core::ActionList actions_;
    std::wstring lastWavPath_;
    EntryList entries_;  // the working list, until the dialog takes it
};

}  // namespace cuebell
