#include "cuebell/core/event_merge.h"

#include <gtest/gtest.h>

#include "event_table_fixtures.h"
#include "shared/inmemory/memory_message_box.h"
#include "shared/inmemory/memory_registry.h"

namespace cuebell {
namespace {

using core::GpiEventList;
using core::PlayoutInstance;
using core::PlayoutInstanceList;
using core::testing_events::FieldsOf;
using core::testing_events::Record;
using core::testing_events::RecordFields;
using Fields = std::vector<RecordFields>;

const EventRemovalTexts kTexts{
    L"For the detection entry '%s' (board #%d), the same one from VeZev%s but assigned to a "
    L"different board (#%d) will be deleted!",
    L"The repeating detection entry '%s' from VeZev%s will be deleted!", L"Set VeZev info "};
constexpr core::WindowHandle kOwner = 0x1234;
constexpr unsigned kWarningOk = 0x30;

core::ActionList WaitCommandList() {
    return {core::CActionInfo{L"Wait command", 1, 101}};
}

PlayoutInstance Instance(const std::wstring& name, int32_t board, GpiEventList events) {
    PlayoutInstance instance;
    instance.Name = name;
    instance.Board = board;
    instance.Events = std::move(events);
    return instance;
}

class EventMergeTest : public ::testing::Test {
  protected:
    EventMergeTest() {
        devices = {DeviceInfo{L"CX840 Input 1 B1", 48000, 14, L"{dev-1}"},
                   DeviceInfo{L"CX840 Input 2 B2", 44100, 14, L"{dev-2}"},
                   DeviceInfo{L"CX840 Input 3 Bx", 44100, 14, L"{dev-x}"}};
    }

    GpiInfo& AddEntry(const std::wstring& name, const std::wstring& deviceId,
                      const std::wstring& comment = L"") {
        auto entry = std::make_unique<GpiInfo>();
        entry->Name = name;
        entry->DeviceId = deviceId;
        entry->SampleIds = {L"{sample}"};
        entry->Comment = comment;
        owned.push_back(std::move(entry));
        refs.push_back(owned.back().get());
        return *owned.back();
    }

    void Reconcile() {
        ReconcileEntries(boxes, kOwner, kTexts, refs, &instances, devices, actions);
    }

    core::MemoryMessageBox boxes;
    core::ActionList actions = WaitCommandList();
    DeviceList devices;
    EntryList owned;
    EntryRefs refs;
    PlayoutInstanceList instances;
};

TEST(AttachActionsTest, EventsTakeTheActionWithTheirCode) {
    core::ActionList actions{{L"Wait command", 1, 101}, {L"Other", 0, 7}, {L"Later", 0, 101}};
    PlayoutInstanceList instances{
        Instance(L"Main", 1,
                 {Record(101, 0, 500, L"WAV_a", L""), Record(7, 0, 0, L"b", L""),
                  Record(55, 0, 0, L"c", L"")})};
    instances[0].Events[2].Action = actions[0];
    AttachActions(&instances, actions);
    EXPECT_EQ(instances[0].Events[0].Action.Name, L"Wait command");
    EXPECT_EQ(instances[0].Events[1].Action.Code, 7);
    EXPECT_EQ(instances[0].Events[2].Action.Name, L"");
    EXPECT_EQ(instances[0].Events[2].Action.Code, 0);
}

TEST_F(EventMergeTest, EntryBoardComesFromItsDevicesName) {
    EXPECT_EQ(EntryBoard(AddEntry(L"WAV_a", L"{dev-2}"), devices), 2);
    EXPECT_EQ(EntryBoard(AddEntry(L"WAV_b", L"{dev-x}"), devices), -1);
    EXPECT_EQ(EntryBoard(AddEntry(L"WAV_c", L"{DEV-2}"), devices), -1);
    EXPECT_EQ(EntryBoard(AddEntry(L"WAV_d", L""), devices), -1);
}

TEST_F(EventMergeTest, EntryTakesActionAndCommentFromItsBoardsTable) {
    GpiInfo& entry = AddEntry(L"WAV_a", L"{dev-1}");
    entry.Action = core::CActionInfo{L"stale", 0, 3};
    instances = {Instance(
        L"Main", 1,
        {Record(7, 3, 250, L"Other", L"x"), Record(101, 0, 500, L"WAV_a", L"Top of hour")})};
    Reconcile();
    EXPECT_EQ(entry.Action.Name, L"Wait command");
    EXPECT_EQ(entry.Action.Code, 101);
    EXPECT_EQ(entry.Comment, L"Top of hour");
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(instances[0].Events.size(), 2u);
}

TEST_F(EventMergeTest, UnknownActionCodeGivesTheFirstAction) {
    GpiInfo& entry = AddEntry(L"WAV_a", L"{dev-1}");
    instances = {Instance(L"Main", 1, {Record(42, 0, 500, L"WAV_a", L"c")})};
    Reconcile();
    EXPECT_EQ(entry.Action.Code, 101);
    EXPECT_EQ(entry.Comment, L"c");
}

TEST_F(EventMergeTest, EventOnAnotherBoardIsRemovedWithTheMisplacedMessage) {
    GpiInfo& entry = AddEntry(L"WAV_a", L"{dev-2}", L"mine");
    instances = {Instance(
        L"Main", 1, {Record(7, 3, 250, L"WAV_a", L"theirs"), Record(7, 3, 250, L"Other", L"x")})};
    Reconcile();
    EXPECT_EQ(FieldsOf(instances[0].Events), (Fields{{7, 3, 250, L"Other", L"x"}}));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    const auto& call = boxes.Calls()[0];
    EXPECT_EQ(call.owner, kOwner);
    EXPECT_EQ(call.text,
              L"For the detection entry 'WAV_a' (board #2), the same one from VeZevMain but "
              L"assigned to a different board (#1) will be deleted!");
    EXPECT_EQ(call.caption, L"Set VeZev info ");
    EXPECT_EQ(call.flags, kWarningOk);
    EXPECT_EQ(entry.Action.Code, 101);
    EXPECT_EQ(entry.Comment, L"mine");
}

TEST_F(EventMergeTest, RepeatedEventIsRemovedAndTheFirstSuppliesTheEntry) {
    GpiInfo& entry = AddEntry(L"WAV_a", L"{dev-1}");
    instances = {
        Instance(L"Main", 1,
                 {Record(101, 0, 500, L"WAV_a", L"first"), Record(7, 3, 250, L"Other", L"x"),
                  Record(101, 0, 500, L"WAV_a", L"second")})};
    Reconcile();
    EXPECT_EQ(entry.Comment, L"first");
    EXPECT_EQ(FieldsOf(instances[0].Events),
              (Fields{{101, 0, 500, L"WAV_a", L"first"}, {7, 3, 250, L"Other", L"x"}}));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text,
              L"The repeating detection entry 'WAV_a' from VeZevMain will be deleted!");
    EXPECT_EQ(boxes.Calls()[0].caption, L"Set VeZev info ");
    EXPECT_EQ(boxes.Calls()[0].flags, kWarningOk);
}

TEST_F(EventMergeTest, LaterEntriesFindTheirEventsAfterEarlierRemovalsMovedThem) {
    GpiInfo& first = AddEntry(L"WAV_a", L"{dev-1}");
    GpiInfo& second = AddEntry(L"WAV_b", L"{dev-1}");
    GpiInfo& third = AddEntry(L"WAV_c", L"{dev-2}");
    instances = {
        Instance(L"Main", 1,
                 {Record(101, 0, 500, L"WAV_c", L"misplaced"), Record(101, 0, 500, L"WAV_a", L"a"),
                  Record(101, 0, 500, L"WAV_a", L"a2"), Record(101, 0, 500, L"WAV_b", L"b")}),
        Instance(L"Second", 2, {Record(101, 0, 500, L"WAV_c", L"c")})};
    Reconcile();
    EXPECT_EQ(first.Comment, L"a");
    EXPECT_EQ(second.Comment, L"b");
    EXPECT_EQ(third.Comment, L"c");
    EXPECT_EQ(FieldsOf(instances[0].Events),
              (Fields{{101, 0, 500, L"WAV_a", L"a"}, {101, 0, 500, L"WAV_b", L"b"}}));
    EXPECT_EQ(boxes.Calls().size(), 2u);
}

TEST_F(EventMergeTest, KeepIndexFollowsDeletionsBelowIt) {
    PlayoutInstance instance =
        Instance(L"Main", 1,
                 {Record(1, 0, 0, L"WAV_a", L"0"), Record(2, 0, 0, L"Other", L"1"),
                  Record(3, 0, 0, L"WAV_a", L"keep"), Record(4, 0, 0, L"WAV_a", L"3"),
                  Record(5, 0, 0, L"WAV_a", L"4")});
    int keepIndex = 2;
    RemoveRepeatedEvents(boxes, kOwner, kTexts, &instance, L"WAV_a", &keepIndex, 1);
    EXPECT_EQ(keepIndex, 1);
    EXPECT_EQ(FieldsOf(instance.Events),
              (Fields{{2, 0, 0, L"Other", L"1"}, {3, 0, 0, L"WAV_a", L"keep"}}));
    ASSERT_EQ(boxes.Calls().size(), 3u);
    for (const auto& call : boxes.Calls()) {
        EXPECT_EQ(call.text,
                  L"The repeating detection entry 'WAV_a' from VeZevMain will be deleted!");
    }
}

TEST_F(EventMergeTest, NamesAreMatchedCaseSensitively) {
    GpiInfo& entry = AddEntry(L"WAV_a", L"{dev-2}");
    instances = {Instance(L"Two", 2, {Record(101, 0, 500, L"WAV_A", L"upper")}),
                 Instance(L"One", 1, {Record(101, 0, 500, L"wav_a", L"lower")})};
    Reconcile();
    EXPECT_EQ(entry.Comment, L"");
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(instances[0].Events.size(), 1u);
    EXPECT_EQ(instances[1].Events.size(), 1u);
}

TEST_F(EventMergeTest, SecondInstanceOnTheBoardIsBroughtIntoLine) {
    core::ActionList twoActions{{L"Wait command", 1, 101}, {L"Start", 0, 7}};
    actions = twoActions;
    GpiInfo& entry = AddEntry(L"WAV_a", L"{dev-1}");
    instances = {Instance(L"A", 1, {Record(7, 0, 500, L"WAV_a", L"first")}),
                 Instance(L"B", 2, {Record(101, 9, 9, L"Other", L"x")}),
                 Instance(L"C", 1, {Record(101, 0, 500, L"WAV_a", L"second")})};
    Reconcile();
    EXPECT_EQ(entry.Action.Code, 7);
    EXPECT_EQ(entry.Action.Name, L"Start");
    EXPECT_EQ(entry.Comment, L"first");
    EXPECT_EQ(FieldsOf(instances[2].Events), (Fields{{7, 0, 500, L"WAV_a", L"first"}}));
    EXPECT_EQ(instances[2].Events[0].Action.Name, L"Start");
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(EventMergeTest, EntryWithoutBoardLosesEveryEventOfItsName) {
    GpiInfo& entry = AddEntry(L"WAV_a", L"{dev-x}", L"mine");
    instances = {
        Instance(L"A", 1,
                 {Record(101, 0, 500, L"WAV_a", L"x"), Record(101, 0, 500, L"WAV_a", L"y")}),
        Instance(L"Unread", 0, {})};
    Reconcile();
    EXPECT_TRUE(instances[0].Events.empty());
    EXPECT_EQ(entry.Comment, L"mine");
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].text,
              L"For the detection entry 'WAV_a' (board #-1), the same one from VeZevA but "
              L"assigned to a different board (#1) will be deleted!");
}

TEST_F(EventMergeTest, EmptyActionListLeavesTheEntrysAction) {
    actions.clear();
    GpiInfo& entry = AddEntry(L"WAV_a", L"{dev-1}");
    entry.Action = core::CActionInfo{L"kept", 0, 5};
    instances = {Instance(L"A", 1, {Record(101, 0, 500, L"WAV_a", L"c")})};
    Reconcile();
    EXPECT_EQ(entry.Action.Name, L"kept");
    EXPECT_EQ(entry.Comment, L"c");
}

TEST_F(EventMergeTest, RebuildPutsEachEntryIntoEveryInstanceOfItsBoardBeforeForeignEvents) {
    GpiInfo& a = AddEntry(L"WAV_a", L"{dev-1}", L"ca");
    GpiInfo& b = AddEntry(L"WAV_b", L"{dev-2}", L"cb");
    GpiInfo& c = AddEntry(L"WAV_c", L"{dev-1}");
    AddEntry(L"WAV_none", L"{dev-x}");
    for (GpiInfo* entry : {&a, &b, &c}) {
        entry->Action = WaitCommandList()[0];
    }
    instances = {Instance(L"A", 1, {Record(101, 0, 500, L"WAV_stale", L"")}), Instance(L"B", 2, {}),
                 Instance(L"C", 1, {})};
    instances[0].ForeignEvents = {Record(7, 3, 250, L"Other", L"x"),
                                  Record(8, 1, 1, L"wav_lower", L"")};
    Fields expectedA{{101, 0, 500, L"WAV_a", L"ca"},
                     {101, 0, 500, L"WAV_c", L""},
                     {7, 3, 250, L"Other", L"x"},
                     {8, 1, 1, L"wav_lower", L""}};
    RebuildEventTables(refs, &instances, devices);
    EXPECT_EQ(FieldsOf(instances[0].Events), expectedA);
    EXPECT_EQ(FieldsOf(instances[1].Events), (Fields{{101, 0, 500, L"WAV_b", L"cb"}}));
    EXPECT_EQ(FieldsOf(instances[2].Events),
              (Fields{{101, 0, 500, L"WAV_a", L"ca"}, {101, 0, 500, L"WAV_c", L""}}));

    RebuildEventTables(refs, &instances, devices);
    EXPECT_EQ(FieldsOf(instances[0].Events), expectedA);
}

// The whole road through the registry: load, attach, split, reconcile, rebuild, save.
TEST_F(EventMergeTest, ForeignEventsAreWrittenBackUnchangedAfterTheToolsOwn) {
    core::MemoryRegistry registry;
    core::testing_events::SeedInstance(
        registry, L"Main", L"CX840 Wave 1",
        L"5 1 2 DTMF_123 | cue  \n101 0 500 WAV_a|from table\n9 9 9 wav_lower|\n"
        L"101 0 500 WAV_gone|x\n7 3 250 Other thing|x y");
    core::testing_events::SeedInstance(registry, L"Side", L"CX840 Wave 2",
                                       L"101 0 500 WAV_a|misplaced");
    AddEntry(L"WAV_new", L"{dev-1}", L"fresh");
    AddEntry(L"WAV_a", L"{dev-1}");

    core::LoadPlayoutInstances(registry, &instances);
    core::LoadPlayoutSettings(registry, &instances);
    AttachActions(&instances, actions);
    core::SplitForeignEvents(&instances, kToolPrefix);
    Reconcile();
    RebuildEventTables(refs, &instances, devices);
    EXPECT_TRUE(core::SavePlayoutSettings(registry, instances));

    EXPECT_EQ(core::testing_events::StoredTableOf(registry, L"Main"),
              L"101 0 500 WAV_new|fresh\n101 0 500 WAV_a|from table\n5 1 2 DTMF_123|cue\n"
              L"9 9 9 wav_lower|\n7 3 250 Other thing|x y");
    EXPECT_EQ(core::testing_events::StoredTableOf(registry, L"Side"), L"");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find(L"VeZevSide"), std::wstring::npos);
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(EventMergeTest, EntryOnASharedBoardIsWrittenIntoBothInstances) {
    core::MemoryRegistry registry;
    core::testing_events::SeedInstance(registry, L"First", L"Out 2", L"101 0 500 WAV_a|c1");
    core::testing_events::SeedInstance(registry, L"Second", L"Out 2", L"7 3 250 Other|x");
    AddEntry(L"WAV_a", L"{dev-2}");

    core::LoadPlayoutInstances(registry, &instances);
    core::LoadPlayoutSettings(registry, &instances);
    core::SplitForeignEvents(&instances, kToolPrefix);
    Reconcile();
    RebuildEventTables(refs, &instances, devices);
    EXPECT_TRUE(core::SavePlayoutSettings(registry, instances));

    EXPECT_EQ(core::testing_events::StoredTableOf(registry, L"First"), L"101 0 500 WAV_a|c1");
    EXPECT_EQ(core::testing_events::StoredTableOf(registry, L"Second"),
              L"101 0 500 WAV_a|c1\n7 3 250 Other|x");
}

}  // namespace
}  // namespace cuebell
