// The conversion of the store's older layout at start-up: reads "\Wave", moves the
// actions the playout schedule no longer offers to "Wait command", settles every
// converted device on its board's rates and writes the current layout. The old key is
// never written.
#pragma once

#include "cuebell/core/legacy_layout_step.h"
#include "shared/board_driver_port.h"
#include "shared/registry_port.h"

namespace cuebell {

class LegacyConverter : public LegacyLayoutStep {
  public:
    LegacyConverter(core::RegistryPort& registry, core::MessageBoxPort& boxes,
                    core::BoardDriverPort& boardDriver)
        : registry_(registry), boxes_(boxes), boardDriver_(boardDriver) {}

    bool DetectLegacyLayout() override;
    // Only the tables in which an event changed are written back, so that the events of
    // every other table stay exactly as stored.
    void ConvertLegacyLayout(core::WindowHandle owner, const GeneralParams& general,
                             const core::StringList& boards,
                             core::PlayoutInstanceList* instances) override;

  private:
    core::RegistryPort& registry_;
    core::MessageBoxPort& boxes_;
    core::BoardDriverPort& boardDriver_;
};

}  // namespace cuebell
