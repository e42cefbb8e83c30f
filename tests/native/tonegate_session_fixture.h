// What Tonegate's session tests share: the in-memory ports, a window whose placement is
// kept, and a station with four stored signals and two playout instances.
#pragma once

#include <string>
#include <vector>

#include "cuebell_session_fixture.h"
#include "event_table_fixtures.h"
#include "shared/inmemory/memory_board_driver.h"
#include "shared/inmemory/memory_message_box.h"
#include "shared/inmemory/memory_registry.h"
#include "shared/inmemory/memory_system.h"
#include "tonegate/core/tonegate_session.h"
#include "tonegate/model/tonegate_strings.h"
#include "tonegate_store_fixture.h"

namespace tonegate {
namespace testing {

using cuebell::testing::FakeWindow;
using cuebell::testing::ValueFailingRegistry;

constexpr core::WindowHandle kOwner = 0x5151;

// The settings key written literally, so that a wrong path in the code shows.
constexpr const wchar_t* kSettingsKey = L"Software\\Quorvane\\Tonegate\\General";

struct Station {
    core::MemoryRegistry memory;
    ValueFailingRegistry registry{memory};
    core::MemorySystem system;
    core::MemoryMessageBox boxes;
    core::MemoryBoardDriver driver;
    FakeWindow window;
    TonegateSession session{registry, system, boxes, driver};

    std::vector<std::wstring> ShownTexts() const {
        std::vector<std::wstring> texts;
        for (const auto& call : boxes.Calls()) {
            texts.push_back(call.text);
        }
        return texts;
    }
    std::wstring Table(const std::wstring& instance) const {
        return core::testing_events::StoredTableOf(memory, instance);
    }
};

inline SignalRefs RefsOf(const SignalList& signals) {
    SignalRefs refs;
    for (const auto& signal : signals) {
        refs.push_back(signal.get());
    }
    return refs;
}

// The four realistic signals (DTMF_News and DTMF_Ads on board 1, DTMF_Traffic and
// DTMF_Left on board 2) on a station with two boards, and two playout instances:
// "Studio" on board 1 holding DTMF_News (with a comment), a foreign event and a Cuebell
// event, and "Backup" on board 2 holding a foreign event and DTMF_Traffic.
inline void SeedStation(Station& station) {
    SeedRealisticSignals(station.memory);
    station.driver.boardRates = {48000, 44100};
    core::testing_events::SeedInstance(station.memory, L"Studio", L"CX840 Card 1",
                                       L"101 0 500 DTMF_News|Top of hour\n"
                                       L"7 3 250 Playlist start|x\n"
                                       L"101 0 500 WAV_Jingle|jingle");
    core::testing_events::SeedInstance(station.memory, L"Backup", L"CX840 Card 2",
                                       L"12 1 100 Backup only|\n"
                                       L"101 0 500 DTMF_Traffic|Traffic news");
}

}  // namespace testing
}  // namespace tonegate
