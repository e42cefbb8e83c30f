// Cuebell's configuration check: every finding about the configuration as it stands in
// the main dialog (unsaved edits included) that would miss or double a detection on air,
// computed from the records, the boards and their rates, the playout instances and the
// samples' files. Missing and unreadable files are findings, never failures.
#pragma once

#include "cuebell/model/records.h"
#include "shared/board_driver_port.h"
#include "shared/boards.h"
#include "shared/config_check.h"
#include "shared/event_table.h"
#include "shared/system_port.h"

namespace cuebell {

// What the check looks at. Record references in the findings are positions in these
// lists: RecordKind::Entry in entries (list order), Sample in samples, Device in devices,
// Instance in instances; General is the general block.
struct CuebellConfiguration {
    const SampleList& samples;
    const DeviceList& devices;
    const EntryRefs& entries;  // null entries are passed over
    const GeneralParams& general;
    const core::StringList& boards;
    const core::PlayoutInstanceList& instances;
};

// Each board's rates are asked once, without a message; each distinct file (letter case
// aside) is looked for and its duration asked once.
struct CuebellCheckPorts {
    core::BoardDriverPort& driver;
    core::SystemPort& system;
    core::AudioFileInfoPort& audio;
};

// The findings, sorted for the list (core::SortFindings).
core::FindingList CheckCuebellConfiguration(const CuebellConfiguration& configuration,
                                            const CuebellCheckPorts& ports);

}  // namespace cuebell
