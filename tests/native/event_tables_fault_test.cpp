// Every registry call of loading and of saving the event tables fails in turn: nothing
// crashes, every key is closed, instances fall back to their defaults, and no table
// ends up holding another instance's events or losing those of other owners.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "cuebell/core/event_merge.h"
#include "event_table_fixtures.h"
#include "shared/inmemory/memory_message_box.h"
#include "shared/inmemory/memory_registry.h"

namespace cuebell {
namespace {

using core::RegRoot;
using core::testing_events::Parsed;
using core::testing_events::RecordFields;
using core::testing_events::StoredTableOf;
using Fields = std::vector<RecordFields>;

struct SeededInstance {
    const wchar_t* name;
    const wchar_t* audioDevice;
    int32_t board;
    const wchar_t* table;
};

const SeededInstance kInstances[] = {
    {L"A", L"Wave 1", 1,
     L"101 0 500 WAV_a|from A\n7 3 250 Other A|x\n101 0 500 WAV_gone|old\n5 1 1 DTMF_1|cue A"},
    {L"B", L"Wave 2", 2, L"101 0 500 WAV_a|misplaced\n8 8 8 Other B|y\n101 0 500 WAV_b|from B"},
    {L"C", L"Wave 3", 3, L"9 9 9 Other C|z\n101 0 500 WAV_b|misplaced"},
};

const EventRemovalTexts kTexts{L"misplaced %s %d %s %d", L"repeated %s %s", L"caption"};

class Scenario {
  public:
    Scenario() {
        for (const auto& seeded : kInstances) {
            core::testing_events::SeedInstance(registry, seeded.name, seeded.audioDevice,
                                               seeded.table);
        }
        devices = {DeviceInfo{L"CX840 Input 1 B1", 48000, 14, L"{d1}"},
                   DeviceInfo{L"CX840 Input 1 B2", 48000, 14, L"{d2}"}};
        AddEntry(L"WAV_a", L"{d1}");
        AddEntry(L"WAV_b", L"{d2}");
        AddEntry(L"WAV_new", L"{d2}");
    }

    void Load() {
        core::LoadPlayoutInstances(registry, &instances);
        core::LoadPlayoutSettings(registry, &instances);
        AttachActions(&instances, actions);
        core::SplitForeignEvents(&instances, kToolPrefix);
        ReconcileEntries(boxes, 0, kTexts, refs, &instances, devices, actions);
        RebuildEventTables(refs, &instances, devices);
    }
    bool Save() { return core::SavePlayoutSettings(registry, instances); }

    core::MemoryRegistry registry;
    core::MemoryMessageBox boxes;
    core::ActionList actions{{L"Wait command", 1, 101}};
    DeviceList devices;
    EntryList entries;
    EntryRefs refs;
    core::PlayoutInstanceList instances;

  private:
    void AddEntry(const std::wstring& name, const std::wstring& deviceId) {
        auto entry = std::make_unique<GpiInfo>();
        entry->Name = name;
        entry->DeviceId = deviceId;
        entry->SampleIds = {L"{s}"};
        refs.push_back(entry.get());
        entries.push_back(std::move(entry));
    }
};

Fields ForeignOf(const Fields& records) {
    Fields foreign;
    for (const auto& record : records) {
        if (std::get<3>(record).compare(0, 4, L"WAV_") != 0) {
            foreign.push_back(record);
        }
    }
    return foreign;
}

// The tree without the event tables, which are the only values saving may change.
std::wstring DumpWithoutTables(const core::MemoryRegistry& registry) {
    std::wistringstream lines(registry.Dump(RegRoot::CurrentUser));
    std::wstring out;
    for (std::wstring line; std::getline(lines, line);) {
        if (line.rfind(L"\"GPIEvents\"=", 0) != 0) {
            out += line + L"\n";
        }
    }
    return out;
}

class EventTablesFaultTest : public ::testing::TestWithParam<long> {
  protected:
    void SetUp() override {
        Scenario clean;
        int before = clean.registry.CallCount();
        clean.Load();
        loadCalls = clean.registry.CallCount() - before;
        before = clean.registry.CallCount();
        ASSERT_TRUE(clean.Save());
        saveCalls = clean.registry.CallCount() - before;
        for (const auto& seeded : kInstances) {
            original[seeded.name] = seeded.table;
            saved[seeded.name] = StoredTableOf(clean.registry, seeded.name);
        }
        for (const auto& seeded : kInstances) {
            ASSERT_NE(saved[seeded.name], original[seeded.name]);  // a failed write shows
        }
        ASSERT_GT(loadCalls, 10);
        ASSERT_GT(saveCalls, 5);
    }

    // Each table is as it was or as a clean run writes it, and keeps its own foreign
    // events; nothing but the tables changed.
    void ExpectTablesIntact(const Scenario& run, const std::string& when) {
        EXPECT_EQ(run.registry.OpenHandleCount(), 0) << when;
        Scenario untouched;
        EXPECT_EQ(DumpWithoutTables(run.registry), DumpWithoutTables(untouched.registry)) << when;
        for (const auto& seeded : kInstances) {
            std::wstring stored = StoredTableOf(run.registry, seeded.name);
            EXPECT_EQ(ForeignOf(Parsed(stored)), ForeignOf(Parsed(seeded.table)))
                << when << ", instance " << char(seeded.name[0]);
            if (stored == original[seeded.name]) {
                continue;
            }
            // A rewritten table holds, before its foreign events, only the entries' events.
            for (const auto& record : Parsed(stored)) {
                if (std::get<3>(record).compare(0, 4, L"WAV_") != 0) {
                    continue;
                }
                bool fromEntry = false;
                for (const auto& entry : run.entries) {
                    fromEntry = fromEntry || record == RecordFields(entry->Action.Code, 0, 500,
                                                                    entry->Name, entry->Comment);
                }
                EXPECT_TRUE(fromEntry) << when << ", instance " << char(seeded.name[0]);
            }
        }
    }

    int loadCalls = 0;
    int saveCalls = 0;
    std::map<std::wstring, std::wstring> original;
    std::map<std::wstring, std::wstring> saved;
};

TEST_P(EventTablesFaultTest, EachLoadCallFailingInTurn) {
    for (int n = 1; n <= loadCalls; ++n) {
        std::string when = "load call " + std::to_string(n);
        Scenario run;
        run.registry.FailNthCall(n, GetParam());
        run.Load();
        run.registry.ClearFailures();
        for (const auto& instance : run.instances) {
            const SeededInstance* seeded = nullptr;
            for (const auto& candidate : kInstances) {
                seeded = instance.Name == candidate.name ? &candidate : seeded;
            }
            ASSERT_NE(seeded, nullptr) << when;
            switch (instance.Stored) {
                case core::StoredTable::NotOpened:
                    EXPECT_EQ(instance.Board, 0) << when;
                    EXPECT_TRUE(instance.ForeignEvents.empty()) << when;
                    break;
                case core::StoredTable::Unreadable:
                    EXPECT_TRUE(instance.ForeignEvents.empty()) << when;
                    break;
                case core::StoredTable::Read:
                    EXPECT_TRUE(instance.Board == seeded->board || instance.Board == 1) << when;
                    break;
            }
        }
        run.Save();
        ExpectTablesIntact(run, when);
    }
}

TEST_P(EventTablesFaultTest, EachSaveCallFailingInTurn) {
    for (int n = 1; n <= saveCalls; ++n) {
        std::string when = "save call " + std::to_string(n);
        Scenario run;
        run.Load();
        run.registry.FailNthCall(n, GetParam());
        bool result = run.Save();
        run.registry.ClearFailures();
        ExpectTablesIntact(run, when);
        bool allWritten = true;
        for (const auto& seeded : kInstances) {
            allWritten =
                allWritten && StoredTableOf(run.registry, seeded.name) == saved[seeded.name];
        }
        EXPECT_EQ(result, allWritten) << when;
    }
}

INSTANTIATE_TEST_SUITE_P(Statuses, EventTablesFaultTest,
                         ::testing::Values(core::kErrorAccessDenied, core::kErrorFileNotFound,
                                           core::kErrorMoreData, core::kErrorOutOfMemory));

}  // namespace
}  // namespace cuebell
