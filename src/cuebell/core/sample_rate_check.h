// The start-up check that every device runs at a rate its board allows, and its repair.
// Only devices named like an input of an installed board are checked; a board whose
// rates cannot be obtained counts as consistent.
#pragma once

#include "cuebell/model/records.h"
#include "shared/board_driver_port.h"
#include "shared/boards.h"
#include "shared/message_box_port.h"

namespace cuebell {

struct BoardAccess {
    core::BoardDriverPort& driver;
    core::MessageBoxPort& boxes;          // for the driver's own warning
    const core::NoBoardMessage& noBoard;  // its text and caption
};

// False when some device's SampleRate is not among its board's rates.
bool SampleRatesConsistent(const BoardAccess& access, const core::StringList& boards,
                           const DeviceList& devices);

// Gives every such device its board's own rate and the smallest analysis digit that
// rate allows. True when a device changed.
bool RepairSampleRates(const BoardAccess& access, const core::StringList& boards,
                       DeviceList* devices);

}  // namespace cuebell
