// The start-up step that converts the store's older layout. The session asks it
// whether an old layout is there and, once the operator agreed, to convert it; the
// conversion shows its own messages and writes the converted store.
#pragma once

#include "cuebell/model/records.h"
#include "shared/boards.h"
#include "shared/event_table.h"
#include "shared/message_box_port.h"

namespace cuebell {

class LegacyLayoutStep {
  public:
    virtual ~LegacyLayoutStep() = default;
    // True when only the older layout exists.
    virtual bool DetectLegacyLayout() = 0;
    // Converts it; general holds the defaults (nothing is loaded yet). May change the
    // instances' tables and write them.
    virtual void ConvertLegacyLayout(core::WindowHandle owner, const GeneralParams& general,
                                     const core::StringList& boards,
                                     core::PlayoutInstanceList* instances) = 0;
};

}  // namespace cuebell
