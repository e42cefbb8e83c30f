#include "shared/event_table.h"

#include <gtest/gtest.h>

#include <ostream>

#include "event_table_fixtures.h"
#include "shared/inmemory/memory_registry.h"
#include "shared/text.h"

namespace core {
namespace {

using testing_events::FieldsOf;
using testing_events::Parsed;
using testing_events::Record;
using testing_events::RecordFields;
using testing_events::SeedInstance;
using testing_events::StoredTableOf;
using testing_events::UnparsedFields;

using Fields = std::vector<RecordFields>;

// --- Parsing

struct ParseCase {
    const char* what;
    std::wstring text;
    Fields expected;
};

std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
    return os << c.what;
}

class ParseGpiEventsTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseGpiEventsTest, ReadsTheRecords) {
    EXPECT_EQ(Parsed(GetParam().text), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Records, ParseGpiEventsTest,
    ::testing::Values(
        ParseCase{"one record, blanks around the fields dropped",
                  L"  101  0 \t500   WAV_Jingle one  |  Top of hour  ",
                  {{101, 0, 500, L"WAV_Jingle one", L"Top of hour"}}},
        ParseCase{"empty text", L"", {}}, ParseCase{"white space only", L" \n\r\n\t ", {}},
        ParseCase{"two records, the first with an empty comment",
                  L"101 0 500 WAV_a|\n7 3 250 Other|x",
                  {{101, 0, 500, L"WAV_a", L""}, {7, 3, 250, L"Other", L"x"}}},
        ParseCase{"blanks after an empty comment do not take in the next record",
                  L"101 0 500 WAV_a|  \n7 3 250 Other|x",
                  {{101, 0, 500, L"WAV_a", L""}, {7, 3, 250, L"Other", L"x"}}},
        ParseCase{"nor does a carriage return before the line feed",
                  L"101 0 500 WAV_a|\r\n7 3 250 Other|x",
                  {{101, 0, 500, L"WAV_a", L""}, {7, 3, 250, L"Other", L"x"}}},
        ParseCase{"a record without \"|\" takes the following lines as its name",
                  L"101 0 500 WAV_a\n7 3 250 Other",
                  {{101, 0, 500, L"WAV_a\n7 3 250 Other", L""}}},
        ParseCase{"a record without \"|\" before a later one",
                  L"101 0 500 WAV_a\n7 3 250 Other|x",
                  {{101, 0, 500, L"WAV_a\n7 3 250 Other", L"x"}}},
        ParseCase{"carriage returns before line feeds are trimmed",
                  L"1 2 3 A|a\r\n4 5 6 B|b\r\n",
                  {{1, 2, 3, L"A", L"a"}, {4, 5, 6, L"B", L"b"}}},
        ParseCase{"blank lines between records",
                  L"1 2 3 A|a\n\n\n  \n4 5 6 B|b",
                  {{1, 2, 3, L"A", L"a"}, {4, 5, 6, L"B", L"b"}}},
        ParseCase{"a \"|\" in a comment belongs to the comment",
                  L"1 2 3 A|b|c",
                  {{1, 2, 3, L"A", L"b|c"}}},
        ParseCase{"an empty name", L"1 2 3 |c", {{1, 2, 3, L"", L"c"}}},
        ParseCase{"a name beginning with digits", L"1 2 3 45 x|c", {{1, 2, 3, L"45 x", L"c"}}},
        ParseCase{"leading zeros", L"007 00 0500 A|", {{7, 0, 500, L"A", L""}}},
        ParseCase{"numbers beyond 32 bits read as the largest",
                  L"99999999999 0 500 A|b",
                  {{2147483647, 0, 500, L"A", L"b"}}},
        ParseCase{"a record without numbers is kept as it stands, the next line read",
                  L"garbage|x\n101 0 500 WAV_a|c",
                  {UnparsedFields(L"garbage|x"), {101, 0, 500, L"WAV_a", L"c"}}},
        ParseCase{"a record without \"|\" or numbers does not take the next one",
                  L"  garbage \r\n101 0 500 WAV_a|c",
                  {UnparsedFields(L"garbage"), {101, 0, 500, L"WAV_a", L"c"}}},
        ParseCase{"a signed number is missing",
                  L"101 -2 500 X|y\n7 3 250 Other|x",
                  {UnparsedFields(L"101 -2 500 X|y"), {7, 3, 250, L"Other", L"x"}}},
        ParseCase{"a third number missing",
                  L"7 0 x Foo|c\n1 2 3 A|a",
                  {UnparsedFields(L"7 0 x Foo|c"), {1, 2, 3, L"A", L"a"}}},
        ParseCase{"a broken last record",
                  L"1 2 3 A|a\nxyz",
                  {{1, 2, 3, L"A", L"a"}, UnparsedFields(L"xyz")}},
        ParseCase{"too few numbers at the end",
                  L"1 2 3 A|a\n101 0",
                  {{1, 2, 3, L"A", L"a"}, UnparsedFields(L"101 0")}},
        ParseCase{"numbers running on into a broken line",
                  L"1\n2\nx|y\n5 5 5 A|b",
                  {UnparsedFields(L"1\n2\nx|y"), {5, 5, 5, L"A", L"b"}}},
        ParseCase{"a lone separator", L"|", {UnparsedFields(L"|")}},
        ParseCase{"numbers run on over line ends", L"1\n2\n3 A|a", {{1, 2, 3, L"A", L"a"}}}));

TEST(ParseGpiEventsTest, ClearsTheTargetList) {
    GpiEventList events{Record(1, 2, 3, L"old", L"")};
    ParseGpiEvents(L"", &events);
    EXPECT_TRUE(events.empty());
}

TEST(ParseGpiEventsTest, EveryBrokenLineIsKeptOnItsOwn) {
    // Each broken line once made a reader that starts again at the same place spin.
    std::wstring text;
    for (int i = 0; i < 200; ++i) {
        text += L"x|broken\n-1 0 500 Neg|c\n5 5 5 Good|c\n";
    }
    Fields parsed = Parsed(text);
    ASSERT_EQ(parsed.size(), 600u);
    EXPECT_EQ(parsed[0], UnparsedFields(L"x|broken"));
    EXPECT_EQ(parsed[1], UnparsedFields(L"-1 0 500 Neg|c"));
    EXPECT_EQ(parsed.back(), RecordFields(5, 5, 5, L"Good", L"c"));
}

// --- Formatting

TEST(FormatGpiEventsTest, RecordsOnePerLineWithoutFinalLineFeed) {
    GpiEventList events{Record(101, 0, 500, L"WAV_a", L""), Record(7, 3, 250, L"Other", L"x")};
    EXPECT_EQ(FormatGpiEvents(events), L"101 0 500 WAV_a|\n7 3 250 Other|x");
    EXPECT_EQ(FormatGpiEvents(GpiEventList{}), L"");
    EXPECT_EQ(FormatGpiEvents(GpiEventList{Record(101, 0, 500, L"WAV_a", L"")}),
              L"101 0 500 WAV_a|");
}

struct WriteCase {
    const char* what;
    GpiEventRecord first;
    RecordFields readBack;
};

std::ostream& operator<<(std::ostream& os, const WriteCase& c) {
    return os << c.what;
}

class FormatOneRecordTest : public ::testing::TestWithParam<WriteCase> {};

// Each record is followed by another: a record that reads back as more or fewer than
// one would shift or swallow it.
TEST_P(FormatOneRecordTest, ReadsBackAsExactlyOneRecord) {
    const WriteCase& c = GetParam();
    GpiEventList events{c.first, Record(7, 3, 250, L"Other", L"x")};
    Fields expected{c.readBack, RecordFields(7, 3, 250, L"Other", L"x")};
    EXPECT_EQ(Parsed(FormatGpiEvents(events)), expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Records, FormatOneRecordTest,
                         ::testing::Values(WriteCase{"line feed in a comment",
                                                     Record(101, 0, 500, L"WAV_a", L"one\ntwo"),
                                                     {101, 0, 500, L"WAV_a", L"one two"}},
                                           WriteCase{"carriage return and line feed in a comment",
                                                     Record(101, 0, 500, L"WAV_a", L"one\r\ntwo"),
                                                     {101, 0, 500, L"WAV_a", L"one  two"}},
                                           WriteCase{"lone carriage return in a comment",
                                                     Record(101, 0, 500, L"WAV_a", L"one\rtwo"),
                                                     {101, 0, 500, L"WAV_a", L"one two"}},
                                           WriteCase{"comment of white space only",
                                                     Record(101, 0, 500, L"WAV_a", L" \t "),
                                                     {101, 0, 500, L"WAV_a", L""}},
                                           WriteCase{"comment of a line break only",
                                                     Record(101, 0, 500, L"WAV_a", L"\r\n"),
                                                     {101, 0, 500, L"WAV_a", L""}},
                                           WriteCase{"comment with a \"|\"",
                                                     Record(101, 0, 500, L"WAV_a", L"a|b"),
                                                     {101, 0, 500, L"WAV_a", L"a|b"}},
                                           WriteCase{
                                               "name with a \"|\" and a line feed",
                                               Record(101, 0, 500, L"WAV_a|x\n7 3 250 Fake", L"c"),
                                               {101, 0, 500, L"WAV_a x\n7 3 250 Fake", L"c"}},
                                           WriteCase{"name with a line feed",
                                                     Record(101, 0, 500, L"WAV_a\nb", L"c"),
                                                     {101, 0, 500, L"WAV_a\nb", L"c"}},
                                           WriteCase{"empty name and comment",
                                                     Record(1, 2, 3, L"", L""),
                                                     {1, 2, 3, L"", L""}}));

TEST(FormatGpiEventsTest, WhatWasParsedFormatsToTheSameRecords) {
    const std::wstring tables[] = {
        L"  101  0 500 WAV_Jingle one | Top of hour \r\n5 6 7 Other|\n\n8 9 10 |x",
        L"101 0 500 WAV_a\n7 3 250 Other",
        L"garbage\n1 2 3 a b c|d|e\n99999999999 0 1 Big|",
        L"1 2 3 A|\n4 5 6 B|  \r\n7 8 9 C|c\n\n",
    };
    for (const auto& table : tables) {
        GpiEventList events;
        ParseGpiEvents(table, &events);
        std::wstring written = FormatGpiEvents(events);
        EXPECT_EQ(Parsed(written), FieldsOf(events)) << written.size();
        EXPECT_EQ(FormatGpiEvents(events), written);
    }
}

// --- "AudioDevice"

struct BoardCase {
    std::wstring audioDevice;
    int32_t board;
};

std::ostream& operator<<(std::ostream& os, const BoardCase& c) {
    return os << ::testing::PrintToString(c.audioDevice) << " -> " << c.board;
}

class AudioDeviceBoardTest : public ::testing::TestWithParam<BoardCase> {};

TEST_P(AudioDeviceBoardTest, TrailingDigitsOrBoardOne) {
    EXPECT_EQ(BoardOfAudioDevice(GetParam().audioDevice), GetParam().board);
}

INSTANTIATE_TEST_SUITE_P(Values, AudioDeviceBoardTest,
                         ::testing::Values(BoardCase{L"CX840 Wave 2", 2},
                                           BoardCase{L"CX840 Wave 12", 12},
                                           BoardCase{L"Speakers", 1}, BoardCase{L"Device 0", 1},
                                           BoardCase{L"Device 00", 1}, BoardCase{L"", 1},
                                           BoardCase{L"Device 3 ", 1}, BoardCase{L"7", 7},
                                           BoardCase{L"B99999999999", 2147483647}));

// --- Loading

class PlayoutLoadTest : public ::testing::Test {
  protected:
    PlayoutInstanceList Load() {
        PlayoutInstanceList instances;
        LoadPlayoutInstances(registry, &instances);
        LoadPlayoutSettings(registry, &instances);
        EXPECT_EQ(registry.OpenHandleCount(), 0);
        return instances;
    }

    MemoryRegistry registry;
};

TEST_F(PlayoutLoadTest, NoPlayoutKeyGivesNoInstances) {
    PlayoutInstanceList instances(2);
    LoadPlayoutInstances(registry, &instances);
    EXPECT_TRUE(instances.empty());
}

TEST_F(PlayoutLoadTest, OneInstancePerSubkeyWithBoardAndEvents) {
    SeedInstance(registry, L"Studio A", L"CX840 Wave 2", L"101 0 500 WAV_a|c\n7 3 250 Other|x");
    SeedInstance(registry, L"Studio B", L"CX840 Wave 12", L"");
    PlayoutInstanceList instances = Load();
    ASSERT_EQ(instances.size(), 2u);
    EXPECT_EQ(instances[0].Name, L"Studio A");
    EXPECT_EQ(instances[0].Board, 2);
    EXPECT_EQ(FieldsOf(instances[0].Events),
              (Fields{{101, 0, 500, L"WAV_a", L"c"}, {7, 3, 250, L"Other", L"x"}}));
    EXPECT_EQ(instances[0].Stored, StoredTable::Read);
    EXPECT_EQ(instances[1].Name, L"Studio B");
    EXPECT_EQ(instances[1].Board, 12);
    EXPECT_TRUE(instances[1].Events.empty());
}

TEST_F(PlayoutLoadTest, AudioDeviceMissingUnreadableOrTooLongGivesBoardOne) {
    std::wstring longName(600, L'x');
    longName += L"7";
    registry.PutString(RegRoot::CurrentUser, InstanceSettingsPath(L"Missing"), L"Other", L"2");
    registry.PutDword(RegRoot::CurrentUser, InstanceSettingsPath(L"Dword"), kAudioDeviceValue, 3);
    SeedInstance(registry, L"Long", longName, L"");
    SeedInstance(registry, L"Expand", L"", L"");
    registry.PutValue(RegRoot::CurrentUser, InstanceSettingsPath(L"Expand"), kAudioDeviceValue,
                      kRegExpandSz, ToUtf16Bytes(L"Wave 4", true));
    PlayoutInstanceList instances = Load();
    ASSERT_EQ(instances.size(), 4u);
    for (const auto& instance : instances) {
        int32_t expected = instance.Name == L"Expand" ? 4 : 1;
        EXPECT_EQ(instance.Board, expected) << ::testing::PrintToString(instance.Name);
    }
}

TEST_F(PlayoutLoadTest, MissingSettingsKeyLeavesBoardZeroAndNoEvents) {
    registry.PutKey(RegRoot::CurrentUser, std::wstring(kPlayoutKey) + L"\\Bare");
    PlayoutInstanceList instances = Load();
    ASSERT_EQ(instances.size(), 1u);
    EXPECT_EQ(instances[0].Board, 0);
    EXPECT_TRUE(instances[0].Events.empty());
    EXPECT_EQ(instances[0].Stored, StoredTable::NotOpened);
}

TEST_F(PlayoutLoadTest, TableLongerThanTheStringBufferIsReadWhole) {
    std::wstring table;
    for (int i = 0; i < 40; ++i) {
        table += L"7 3 250 Other event " + std::to_wstring(i) + L"|comment\n";
    }
    ASSERT_GT(table.size(), 520u);
    SeedInstance(registry, L"Main", L"Wave 1", table);
    PlayoutInstanceList instances = Load();
    ASSERT_EQ(instances.size(), 1u);
    ASSERT_EQ(instances[0].Events.size(), 40u);
    EXPECT_EQ(instances[0].Events.back().Name, L"Other event 39");
}

TEST_F(PlayoutLoadTest, SubkeyNamesTooLongForTheBufferAreSkipped) {
    std::wstring longest(259, L'a');
    std::wstring tooLong(260, L'b');
    registry.PutKey(RegRoot::CurrentUser, std::wstring(kPlayoutKey) + L"\\" + longest);
    registry.PutKey(RegRoot::CurrentUser, std::wstring(kPlayoutKey) + L"\\" + tooLong);
    registry.PutKey(RegRoot::CurrentUser, std::wstring(kPlayoutKey) + L"\\c");
    PlayoutInstanceList instances;
    LoadPlayoutInstances(registry, &instances);
    ASSERT_EQ(instances.size(), 2u);
    EXPECT_EQ(instances[0].Name, longest);
    EXPECT_EQ(instances[1].Name, L"c");
}

TEST_F(PlayoutLoadTest, AnEnumerationErrorEndsTheList) {
    for (const wchar_t* name : {L"a", L"b", L"c"}) {
        registry.PutKey(RegRoot::CurrentUser, std::wstring(kPlayoutKey) + L"\\" + name);
    }
    registry.FailNthCall(3);  // open, enumerate "a", enumerate "b" fails
    PlayoutInstanceList instances;
    LoadPlayoutInstances(registry, &instances);
    ASSERT_EQ(instances.size(), 1u);
    EXPECT_EQ(instances[0].Name, L"a");
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

// --- Split and lookup

TEST(SplitForeignEventsTest, CopiesEveryEventWithoutThePrefix) {
    PlayoutInstanceList instances(1);
    instances[0].Events = {Record(101, 0, 500, L"WAV_own", L""),
                           Record(1, 2, 3, L"wav_lower", L"a"), Record(4, 5, 6, L"DTMF_12", L"b"),
                           Record(7, 8, 9, L"xWAV_", L"c")};
    instances[0].ForeignEvents = {Record(0, 0, 0, L"stale", L"")};
    SplitForeignEvents(&instances, L"WAV_");
    EXPECT_EQ(FieldsOf(instances[0].ForeignEvents), (Fields{{1, 2, 3, L"wav_lower", L"a"},
                                                            {4, 5, 6, L"DTMF_12", L"b"},
                                                            {7, 8, 9, L"xWAV_", L"c"}}));
    EXPECT_EQ(instances[0].Events.size(), 4u);

    SplitForeignEvents(&instances, L"DTMF_");
    EXPECT_EQ(instances[0].ForeignEvents.size(), 3u);
    EXPECT_EQ(instances[0].ForeignEvents[0].Name, L"WAV_own");
}

TEST(FindEventByNameTest, FirstExactMatch) {
    PlayoutInstance instance;
    instance.Events = {Record(1, 0, 0, L"WAV_a", L""), Record(2, 0, 0, L"WAV_b", L""),
                       Record(3, 0, 0, L"WAV_b", L"")};
    EXPECT_EQ(FindEventByName(instance, L"WAV_b"), 1);
    EXPECT_EQ(FindEventByName(instance, L"wav_b"), -1);
    EXPECT_EQ(FindEventByName(instance, L"WAV_b "), -1);
    EXPECT_EQ(FindEventByName(instance, L"WAV_c"), -1);
}

// --- Saving

class PlayoutSaveTest : public PlayoutLoadTest {};

TEST_F(PlayoutSaveTest, WritesEachTableAsTerminatedText) {
    SeedInstance(registry, L"Main", L"Wave 1", L"old");
    PlayoutInstanceList instances = Load();
    instances[0].Events = {Record(101, 0, 500, L"WAV_a", L"c"), Record(7, 3, 250, L"Other", L"x")};
    EXPECT_TRUE(SavePlayoutSettings(registry, instances));
    uint32_t type = 0;
    Bytes data;
    ASSERT_TRUE(registry.GetValue(RegRoot::CurrentUser, InstanceSettingsPath(L"Main"),
                                  kGpiEventsValue, &type, &data));
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(data, ToUtf16Bytes(L"101 0 500 WAV_a|c\n7 3 250 Other|x", true));
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(PlayoutSaveTest, MissingSettingsKeyIsCreated) {
    registry.PutKey(RegRoot::CurrentUser, std::wstring(kPlayoutKey) + L"\\Bare");
    PlayoutInstanceList instances = Load();
    ASSERT_EQ(instances.size(), 1u);
    instances[0].Events = {Record(101, 0, 500, L"WAV_a", L"")};
    EXPECT_TRUE(SavePlayoutSettings(registry, instances));
    EXPECT_EQ(StoredTableOf(registry, L"Bare"), L"101 0 500 WAV_a|");
}

TEST_F(PlayoutSaveTest, AWriteFailureIsReportedAndTheOtherTablesAreStillWritten) {
    SeedInstance(registry, L"A", L"Wave 1", L"old a");
    SeedInstance(registry, L"B", L"Wave 1", L"old b");
    PlayoutInstanceList instances = Load();
    for (auto& instance : instances) {
        instance.Events = {Record(101, 0, 500, L"WAV_" + instance.Name, L"")};
    }
    registry.FailCallOn(RegCall::Set, RegRoot::CurrentUser, InstanceSettingsPath(L"A"));
    EXPECT_FALSE(SavePlayoutSettings(registry, instances));
    EXPECT_EQ(StoredTableOf(registry, L"A"), L"old a");
    EXPECT_EQ(StoredTableOf(registry, L"B"), L"101 0 500 WAV_B|");
}

TEST_F(PlayoutSaveTest, ATableThatCouldNotBeReadIsLeftAsItIs) {
    std::wstring path = InstanceSettingsPath(L"Binary");
    registry.PutString(RegRoot::CurrentUser, path, kAudioDeviceValue, L"Wave 1");
    registry.PutValue(RegRoot::CurrentUser, path, kGpiEventsValue, kRegBinary, Bytes{1, 2, 3});
    SeedInstance(registry, L"Unterminated", L"Wave 1", L"");
    registry.PutValue(RegRoot::CurrentUser, InstanceSettingsPath(L"Unterminated"), kGpiEventsValue,
                      kRegSz, ToUtf16Bytes(L"7 3 250 Other|x", false));
    SeedInstance(registry, L"Empty", L"Wave 1", L"");
    std::wstring before = registry.Dump(RegRoot::CurrentUser);

    PlayoutInstanceList instances = Load();
    ASSERT_EQ(instances.size(), 3u);
    EXPECT_EQ(instances[0].Stored, StoredTable::Unreadable);  // Binary
    EXPECT_EQ(instances[1].Stored, StoredTable::Read);        // Empty
    EXPECT_EQ(instances[2].Stored, StoredTable::Unreadable);  // Unterminated
    instances[0].Events = {Record(101, 0, 500, L"WAV_a", L"")};
    instances[2].Events = {Record(101, 0, 500, L"WAV_a", L"")};
    EXPECT_FALSE(SavePlayoutSettings(registry, instances));
    EXPECT_EQ(StoredTableOf(registry, L"Empty"), L"");
    EXPECT_EQ(registry.Dump(RegRoot::CurrentUser), before);
}

TEST_F(PlayoutSaveTest, ASettingsKeyThatCouldNotBeOpenedIsNotOverwritten) {
    SeedInstance(registry, L"Main", L"Wave 1", L"7 3 250 Other|x");
    registry.FailCallOn(RegCall::Open, RegRoot::CurrentUser, InstanceSettingsPath(L"Main"));
    PlayoutInstanceList instances = Load();
    registry.ClearFailures();
    ASSERT_EQ(instances.size(), 1u);
    EXPECT_EQ(instances[0].Board, 0);
    EXPECT_FALSE(SavePlayoutSettings(registry, instances));
    EXPECT_EQ(StoredTableOf(registry, L"Main"), L"7 3 250 Other|x");
}

TEST_F(PlayoutSaveTest, ForeignEventsOfALongTableSurviveLoadAndSave) {
    std::wstring table = L"101 0 500 WAV_mine|c";
    for (int i = 0; i < 30; ++i) {
        table += L"\n7 3 250 Other event " + std::to_wstring(i) + L"|comment " + std::to_wstring(i);
    }
    ASSERT_GT(table.size(), 520u);
    SeedInstance(registry, L"Main", L"Wave 1", table);
    PlayoutInstanceList instances = Load();
    SplitForeignEvents(&instances, L"WAV_");
    instances[0].Events = instances[0].ForeignEvents;
    EXPECT_TRUE(SavePlayoutSettings(registry, instances));
    EXPECT_EQ(L"101 0 500 WAV_mine|c\n" + StoredTableOf(registry, L"Main"), table);
}

TEST_F(PlayoutSaveTest, ARecordThatDoesNotParseIsCarriedThroughAsItWas) {
    const std::wstring broken = L"7 x 250 Other|what Airvexa wrote";
    SeedInstance(registry, L"Main", L"Wave 1",
                 L"101 0 500 WAV_old|c\n" + broken + L"\n\n 1\n2 ?\n7 3 250 Next|n");
    PlayoutInstanceList instances = Load();
    EXPECT_EQ(instances[0].UnparsedRecords, 2);
    SplitForeignEvents(&instances, L"WAV_");
    instances[0].Events = {Record(101, 0, 500, L"WAV_new", L"")};
    instances[0].Events.insert(instances[0].Events.end(), instances[0].ForeignEvents.begin(),
                               instances[0].ForeignEvents.end());
    EXPECT_TRUE(SavePlayoutSettings(registry, instances));
    EXPECT_EQ(StoredTableOf(registry, L"Main"),
              L"101 0 500 WAV_new|\n" + broken + L"\n1\n2 ?\n7 3 250 Next|n");
}

}  // namespace
}  // namespace core
