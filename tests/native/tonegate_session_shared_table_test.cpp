// Cuebell and Tonegate save the same playout instance's table in turn, each while the
// other is open: each keeps the other's events and comments as the other last saved them.
#include <gtest/gtest.h>

#include <string>

#include "cuebell_session_fixture.h"
#include "tonegate_session_fixture.h"

namespace {

cuebell::GpiInfo* EntryNamed(const cuebell::EntryList& entries, const std::wstring& name) {
    for (const auto& entry : entries) {
        if (entry->Name == name) {
            return entry.get();
        }
    }
    return nullptr;
}

TEST(CuebellAndTonegate, SaveTheSameTableInTurnAndKeepEachOthersEvents) {
    // Cuebell's station: Studio (board 1) holds WAV_News, a foreign event and DTMF_Cue.
    cuebell::testing::Station station;
    cuebell::testing::SeedStation(station);
    tonegate::testing::Put(station.memory, tonegate::testing::kDtmf, L"TriggersCount", L"1");
    tonegate::testing::PutSignal(
        station.memory, 0,
        {L"DTMF_Cue", L"CX840 Input 2 B1", L"12", L"50", L"40", L"20", L"0", L"LEFT"});
    tonegate::TonegateSession tonegate(station.registry, station.system, station.boxes,
                                       station.driver);
    tonegate::testing::FakeWindow tonegateWindow;

    ASSERT_EQ(station.session.Start(cuebell::testing::kOwner, station.window),
              cuebell::StartResult::Ready);
    ASSERT_EQ(tonegate.Start(tonegate::testing::kOwner, tonegateWindow),
              tonegate::StartResult::Ready);
    cuebell::EntryList entries = station.session.TakeEntries();
    tonegate::SignalList signals = tonegate.TakeSignals();
    ASSERT_EQ(signals.size(), 1u);
    EXPECT_EQ(signals[0]->Comment, L"tone");
    ASSERT_NE(EntryNamed(entries, L"WAV_Ads"), nullptr);
    ASSERT_NE(EntryNamed(entries, L"WAV_News"), nullptr);

    EntryNamed(entries, L"WAV_Ads")->Comment = L"Ad break";
    ASSERT_EQ(station.session.Save(cuebell::testing::kOwner, cuebell::testing::RefsOf(entries)),
              cuebell::SaveResult::Saved);

    signals[0]->Comment = L"new tone";
    ASSERT_EQ(tonegate.Save(tonegate::testing::kOwner, tonegate::testing::RefsOf(signals)),
              tonegate::SaveResult::Saved);
    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 DTMF_Cue|new tone\n"
              L"101 0 500 WAV_News|Top of hour\n"
              L"101 0 500 WAV_Ads|Ad break\n"
              L"7 3 250 Playlist start|x");

    EntryNamed(entries, L"WAV_News")->Comment = L"News at ten";
    ASSERT_EQ(station.session.Save(cuebell::testing::kOwner, cuebell::testing::RefsOf(entries)),
              cuebell::SaveResult::Saved);
    EXPECT_EQ(station.Table(L"Studio"),
              L"101 0 500 WAV_News|News at ten\n"
              L"101 0 500 WAV_Ads|Ad break\n"
              L"101 0 500 DTMF_Cue|new tone\n"
              L"7 3 250 Playlist start|x");
    EXPECT_EQ(station.Table(L"Backup"),
              L"101 0 500 WAV_Sport|Goal\n"
              L"12 1 100 Backup only|");
    EXPECT_TRUE(station.boxes.Calls().empty());
    EXPECT_EQ(station.memory.OpenHandleCount(), 0);
}

}  // namespace
