// Everything Tonegate's main dialog owns except its window: the board list, the action
// list, the playout instances and the sound-file path. It runs the start-up steps, the
// save on OK and the teardown; the dialog shows what it returns and owns the signals
// once started.
#pragma once

#include <string>
#include <vector>

#include "shared/action_info.h"
#include "shared/board_driver_port.h"
#include "shared/boards.h"
#include "shared/event_table.h"
#include "shared/message_box_port.h"
#include "shared/registry_port.h"
#include "shared/session_save.h"
#include "shared/system_port.h"
#include "shared/tool_settings.h"
#include "tonegate/model/signal_records.h"

namespace tonegate {

// The tool settings key, "Software\Quorvane\Tonegate\General".
std::wstring TonegateSettingsKey();

enum class StartResult {
    Ready,  // the signals are ready to be taken
    Quit,   // a refusal was shown: the program ends, nothing was saved
};

using core::SaveResult;

class TonegateSession {
  public:
    TonegateSession(core::RegistryPort& registry, core::SystemPort& system,
                    core::MessageBoxPort& boxes, core::BoardDriverPort& boardDriver);

    // The start-up steps, from the playout-program check to the merge of the signals with
    // the event tables; every message is owned by owner. The window is moved to the
    // stored placement. A refusal writes nothing.
    StartResult Start(core::WindowHandle owner, core::PlacedWindow& window);

    // The signals loaded by Start, in store order, each with its action and comment; the
    // session keeps none of them (the list rows own them from now on).
    SignalList TakeSignals();

    // OK: refuses while the playout program runs; otherwise re-reads the event tables,
    // rebuilds them from the signals (in list order) and writes them, then the store.
    // Shows the refusal or, when a write failed, the save-failure message (error icon)
    // itself. A table that cannot be read is left byte for byte as it is and the rest
    // saved: the operator is told once which instances' tables were left (warning icon),
    // and the save counts as Saved. After WriteFailed everything stays as it was, so a
    // later Save writes it all again. Null signals are left out. Before a Start that
    // returned Ready it writes nothing and answers WriteFailed (without a message).
    SaveResult Save(core::WindowHandle owner, const SignalRefs& signalsInListOrder);

    // Teardown, whichever way the dialog closes: writes the window placement and the
    // sound-file path once start-up has read them (a refusal before that leaves the stored
    // ones as they were instead of overwriting them with a window that was never placed
    // and an empty path). False when a write failed (nothing is shown: the dialog is going
    // away).
    bool Close(core::PlacedWindow& window);

    const core::StringList& Boards() const { return boards_; }
    const core::ActionList& Actions() const { return actions_; }
    const core::PlayoutInstanceList& Instances() const { return instances_; }
    const std::wstring& SoundFilePath() const { return soundFilePath_; }

  private:
    bool WriteAll(const SignalRefs& signals, std::vector<std::wstring>* tablesLeftAlone);

    core::RegistryPort& registry_;
    core::SystemPort& system_;
    core::MessageBoxPort& boxes_;
    core::BoardDriverPort& boardDriver_;

    bool ready_ = false;
    core::WindowPlacementSetting placement_{TonegateSettingsKey()};
    bool soundFilePathLoaded_ = false;
    core::StringList boards_;
    core::ActionList actions_;
    core::PlayoutInstanceList instances_;
    std::wstring soundFilePath_;
    SignalList signals_;  // the working array, until the dialog takes it
};

}  // namespace tonegate
