// Re-reading the playout tables before a save: which instances' tables may be rewritten
// and which are left as they are, for the ways reading an instance can go.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "event_table_fixtures.h"
#include "shared/inmemory/memory_registry.h"
#include "shared/playout_reload.h"

namespace core {
namespace {

struct ReloadCase {
    const char* name;
    std::function<void(MemoryRegistry&)> prepare;  // on "Studio", seeded on board 2
    StoredTable stored;
    int32_t board;
};

class PlayoutReload : public ::testing::TestWithParam<ReloadCase> {};

TEST_P(PlayoutReload, DecidesWhetherTheTableMayBeRewritten) {
    MemoryRegistry registry;
    const std::wstring table = L"7 3 250 Other|x\n101 0 500 DTMF_a|";
    testing_events::SeedInstance(registry, L"Studio", L"Card 2", table);
    GetParam().prepare(registry);
    const std::wstring path = InstanceSettingsPath(L"Studio");
    uint32_t typeBefore = 0;
    Bytes before;
    ASSERT_TRUE(registry.GetValue(RegRoot::CurrentUser, path, L"GPIEvents", &typeBefore, &before));
    PlayoutInstanceList instances;

    EXPECT_TRUE(ReloadPlayoutTables(registry, L"DTMF_", &instances));

    ASSERT_EQ(instances.size(), 1u);
    EXPECT_EQ(instances[0].Stored, GetParam().stored);
    EXPECT_EQ(instances[0].Board, GetParam().board);
    std::vector<std::wstring> left;
    instances[0].Events.clear();
    SaveReadableTables(registry, instances, &left);
    registry.ClearFailures();
    if (GetParam().stored == StoredTable::Unreadable) {
        EXPECT_EQ(left, std::vector<std::wstring>{L"Studio"});
        uint32_t typeAfter = 0;
        Bytes after;
        ASSERT_TRUE(
            registry.GetValue(RegRoot::CurrentUser, path, L"GPIEvents", &typeAfter, &after));
        EXPECT_EQ(typeAfter, typeBefore);
        EXPECT_EQ(after, before);
    } else {
        EXPECT_TRUE(left.empty());
        EXPECT_EQ(testing_events::StoredTableOf(registry, L"Studio"), L"");
    }
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlayoutReload,
    ::testing::Values(ReloadCase{"Readable", [](MemoryRegistry&) {}, StoredTable::Read, 2},
                      ReloadCase{"AudioDeviceNotTextMeansBoardOne",
                                 [](MemoryRegistry& r) {
                                     r.PutValue(RegRoot::CurrentUser,
                                                InstanceSettingsPath(L"Studio"), L"AudioDevice",
                                                kRegBinary, Bytes{'2', 0, 0, 0});
                                 },
                                 StoredTable::Read, 1},
                      ReloadCase{"SettingsRefusedToBeRead",
                                 [](MemoryRegistry& r) {
                                     r.FailCallOn(RegCall::Query, RegRoot::CurrentUser,
                                                  InstanceSettingsPath(L"Studio"));
                                 },
                                 StoredTable::Unreadable, 1},
                      ReloadCase{"TableNotText",
                                 [](MemoryRegistry& r) {
                                     r.PutValue(RegRoot::CurrentUser,
                                                InstanceSettingsPath(L"Studio"), L"GPIEvents",
                                                kRegBinary, Bytes{'7', 0});
                                 },
                                 StoredTable::Unreadable, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Only the one query of "AudioDevice" fails: the board is still unknown, and the table is
// not rebuilt as if the instance were on board 1.
TEST(PlayoutReloadOnce, AOneTimeRefusalOfTheBoardLeavesTheTableAlone) {
    MemoryRegistry registry;
    testing_events::SeedInstance(registry, L"Studio", L"Card 2", L"101 0 500 DTMF_a|");
    PlayoutInstanceList instances;
    LoadPlayoutInstances(registry, &instances);
    registry.FailNthCall(2);  // opening the settings key, then querying "AudioDevice"
    LoadPlayoutSettings(registry, &instances);
    ASSERT_EQ(instances.size(), 1u);
    EXPECT_EQ(instances[0].Stored, StoredTable::Unreadable);
    EXPECT_TRUE(instances[0].Events.empty());
}

}  // namespace
}  // namespace core
