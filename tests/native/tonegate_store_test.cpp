// Tonegate's signal store: loading with its defaults and the signals it drops,
// the stored count, saving, and load-save round trips.
#include <gtest/gtest.h>

#include <climits>

#include "shared/record_count.h"
#include "shared/text.h"
#include "tonegate/model/signal_records.h"
#include "tonegate/model/signal_store.h"
#include "tonegate_store_fixture.h"

namespace tonegate {
namespace {

using core::RegCall;
using core::RegRoot;
using namespace tonegate::testing;

SignalList LoadFrom(core::MemoryRegistry& registry) {
    SignalList signals;
    LoadSignals(registry, &signals);
    EXPECT_EQ(registry.OpenHandleCount(), 0);
    return signals;
}

class SignalStoreTest : public ::testing::Test {
  protected:
    SignalList Loaded() { return LoadFrom(registry); }
    std::vector<std::wstring> LoadedNames() {
        std::vector<std::wstring> names;
        for (const auto& signal : Loaded()) {
            names.push_back(signal->Name);
        }
        return names;
    }
    core::MemoryRegistry registry;
};

// --- Records

TEST(SignalRecordsTest, ANewSignalHoldsItsDefaultsAndNamesItsKind) {
    CDTMFTaskInfo signal;
    EXPECT_EQ(signal.Symbols, L"1D62");
    EXPECT_EQ(signal.SymbolDuration, L"50");
    EXPECT_EQ(signal.GapDuration, L"40");
    EXPECT_EQ(signal.Deviation, L"20");
    EXPECT_EQ(signal.Delay, L"0");
    EXPECT_EQ(signal.AnalysisType, kAnalysisRight);
    EXPECT_TRUE(signal.Name.empty() && signal.LoadedName.empty() && signal.DeviceName.empty());
    EXPECT_TRUE(signal.Comment.empty() && signal.Action.Name.empty());
    EXPECT_EQ(signal.Action.CommentAllowed, 0);
    EXPECT_EQ(signal.Action.Code, 0);

    const CTaskInfo& asTask = signal;
    EXPECT_EQ(asTask.GetTypeName(), L"Cue-tone (DTMF) signal");
    EXPECT_EQ(CTaskInfo().GetTypeName(), L"");
}

// --- Analysis type texts

struct AnalysisTextCase {
    const wchar_t* text;
    int32_t value;
};

TEST(AnalysisTypeTest, OnlyTheExactTextsReadAsTheirValueEverythingElseAsRight) {
    const AnalysisTextCase cases[] = {
        {L"LEFT", kAnalysisLeft},   {L"RIGHT", kAnalysisRight}, {L"SUM", kAnalysisSum},
        {L"DIFF", kAnalysisDiff},   {L"left", kAnalysisRight},  {L"Sum", kAnalysisRight},
        {L" LEFT", kAnalysisRight}, {L"LEFT ", kAnalysisRight}, {L"0", kAnalysisRight},
        {L"3", kAnalysisRight},     {L"", kAnalysisRight},      {L"DIFFERENCE", kAnalysisRight},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnalysisTypeFromText(c.text), c.value) << c.text;
    }
}

TEST(AnalysisTypeTest, EveryValueOutsideTheFourIsWrittenAsRight) {
    const AnalysisTextCase cases[] = {
        {L"LEFT", kAnalysisLeft}, {L"RIGHT", kAnalysisRight},
        {L"SUM", kAnalysisSum},   {L"DIFF", kAnalysisDiff},
        {L"RIGHT", -1},           {L"RIGHT", 4},
        {L"RIGHT", INT_MIN},      {L"RIGHT", INT_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(AnalysisTypeText(c.value), c.text) << c.value;
    }
}

// --- Loading one value at a time

TEST_F(SignalStoreTest, ACompleteSignalLoadsEveryValue) {
    Put(registry, kDtmf, L"TriggersCount", L"1");
    PutSignal(registry, 0, kAds);
    SignalList signals = Loaded();
    ASSERT_EQ(signals.size(), 1u);
    const CDTMFTaskInfo& s = *signals[0];
    EXPECT_EQ(s.Name, L"DTMF_Ads");
    EXPECT_EQ(s.LoadedName, L"DTMF_Ads");
    EXPECT_EQ(s.DeviceName, L"CX840 Input 2 B1");
    EXPECT_EQ(s.Symbols, L"#*0A");
    EXPECT_EQ(s.SymbolDuration, L"120");
    EXPECT_EQ(s.GapDuration, L"60");
    EXPECT_EQ(s.Deviation, L"15");
    EXPECT_EQ(s.Delay, L"2500");
    EXPECT_EQ(s.AnalysisType, kAnalysisSum);
    EXPECT_TRUE(s.Comment.empty() && s.Action.Name.empty());  // they live in the event tables
}

// How one stored value is spoiled.
enum class Spoil { Missing, Empty, Dword, ExpandSz, OddLength, NoTerminator, TooLong, Longest };

void SpoilValue(core::MemoryRegistry& r, const std::wstring& name, Spoil spoil) {
    const std::wstring key = SignalKey(0);
    auto putBytes = [&](uint32_t type, core::Bytes bytes) {
        r.PutValue(RegRoot::LocalMachine, key, name, type, bytes);
    };
    switch (spoil) {
        case Spoil::Missing:  // PutSignal left it out
            break;
        case Spoil::Empty:
            Put(r, key, name, L"");
            break;
        case Spoil::Dword:
            r.PutDword(RegRoot::LocalMachine, key, name, 7);
            break;
        case Spoil::ExpandSz:
            putBytes(core::kRegExpandSz, core::ToUtf16Bytes(L"%TEMP%", true));
            break;
        case Spoil::OddLength: {
            core::Bytes bytes = core::ToUtf16Bytes(L"DTMF_X", true);
            bytes.push_back(0);
            putBytes(core::kRegSz, bytes);
            break;
        }
        case Spoil::NoTerminator:
            putBytes(core::kRegSz, core::ToUtf16Bytes(L"DTMF_X", false));
            break;
        case Spoil::TooLong:  // 520 characters and the terminator exceed the read buffer
            Put(r, key, name, L"DTMF_" + std::wstring(515, L'7'));
            break;
        case Spoil::Longest:  // 519 characters and the terminator fill it exactly
            Put(r, key, name, L"DTMF_" + std::wstring(514, L'7'));
            break;
    }
}

struct SpoiledValueCase {
    const char* label;
    const wchar_t* value;
    Spoil spoil;
    bool loads;
    std::wstring CDTMFTaskInfo::*field;  // the field that must show the stored text, or null
    std::wstring expected;
};

TEST_F(SignalStoreTest, ASpoiledValueDropsTheSignalOrReadsAsTheRulesSay) {
    const std::wstring longest = L"DTMF_" + std::wstring(514, L'7');
    const SpoiledValueCase cases[] = {
        {"missing name", L"Name", Spoil::Missing, false, nullptr, L""},
        {"empty name", L"Name", Spoil::Empty, false, nullptr, L""},
        {"name as number", L"Name", Spoil::Dword, false, nullptr, L""},
        {"odd byte count", L"Name", Spoil::OddLength, false, nullptr, L""},
        {"no terminator", L"Name", Spoil::NoTerminator, false, nullptr, L""},
        {"name too long", L"Name", Spoil::TooLong, false, nullptr, L""},
        {"longest name", L"Name", Spoil::Longest, true, &CDTMFTaskInfo::Name, longest},
        {"missing device", L"DeviceName", Spoil::Missing, false, nullptr, L""},
        {"device as number", L"DeviceName", Spoil::Dword, false, nullptr, L""},
        {"expandable device", L"DeviceName", Spoil::ExpandSz, true, &CDTMFTaskInfo::DeviceName,
         L"%TEMP%"},
        {"missing deviation", L"Deviation", Spoil::Missing, false, nullptr, L""},
        {"empty gap", L"GapDuration", Spoil::Empty, false, nullptr, L""},
        {"symbol duration too long", L"SymbolDuration", Spoil::TooLong, false, nullptr, L""},
        {"missing delay", L"Delay", Spoil::Missing, false, nullptr, L""},
        {"delay without terminator", L"Delay", Spoil::NoTerminator, false, nullptr, L""},
        {"missing symbols", L"Symbols", Spoil::Missing, false, nullptr, L""},
        {"symbols as number", L"Symbols", Spoil::Dword, false, nullptr, L""},
        {"missing analysis type", L"AnalysisType", Spoil::Missing, true, nullptr, L""},
        {"analysis type as number", L"AnalysisType", Spoil::Dword, true, nullptr, L""},
        {"analysis type too long", L"AnalysisType", Spoil::TooLong, true, nullptr, L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        core::MemoryRegistry r;
        Put(r, kDtmf, L"TriggersCount", L"1");
        PutSignal(r, 0, kLeft, c.spoil == Spoil::Missing ? c.value : L"");
        SpoilValue(r, c.value, c.spoil);
        SignalList signals = LoadFrom(r);
        ASSERT_EQ(signals.size(), c.loads ? 1u : 0u);
        if (!c.loads) {
            continue;
        }
        if (c.field) {
            EXPECT_EQ((*signals[0]).*c.field, c.expected);
        }
        const bool analysisSpoiled = std::wstring(c.value) == L"AnalysisType";
        EXPECT_EQ(signals[0]->AnalysisType, analysisSpoiled ? kAnalysisRight : kAnalysisLeft);
    }
}

TEST_F(SignalStoreTest, TimingsAndSymbolsAreKeptAsTheStoreHoldsThem) {
    // Nothing converts them: what the plug-in reads is written back unchanged.
    Put(registry, kDtmf, L"TriggersCount", L"1");
    PutSignal(registry, 0,
              {L"DTMF_Odd", L"CX840 Output 1 B1", L"12345xyz", L" 50ms", L"-4", L"abc",
               L"99999999999", L"RIGHT"});
    const std::wstring before = registry.Dump(RegRoot::LocalMachine);
    SignalList signals = Loaded();
    ASSERT_EQ(signals.size(), 1u);
    EXPECT_EQ(signals[0]->Symbols, L"12345xyz");
    EXPECT_EQ(signals[0]->SymbolDuration, L" 50ms");
    EXPECT_EQ(signals[0]->Delay, L"99999999999");
    EXPECT_EQ(signals[0]->DeviceName, L"CX840 Output 1 B1");  // the main dialog renames
    ASSERT_TRUE(SaveSignals(registry, signals));
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), before);
}

TEST_F(SignalStoreTest, LoadSignalStopsAtTheFirstEmptyValueKeepingWhatItRead) {
    PutSignal(registry, 0, kAds);
    Put(registry, SignalKey(0), L"SymbolDuration", L"");
    CDTMFTaskInfo signal;
    EXPECT_FALSE(LoadSignal(registry, 0, &signal));
    EXPECT_EQ(signal.GapDuration, L"60");  // read before
    EXPECT_EQ(signal.Delay, L"0");         // read after: still the default
    EXPECT_EQ(signal.AnalysisType, kAnalysisRight);
    EXPECT_FALSE(LoadSignal(registry, 1, &signal));  // no key
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(SignalStoreTest, OnlySignalsNamedWithTheToolPrefixLoad) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"DTMF_News", true},  {L"DTMF_", true},     {L"dtmf_News", false},  {L"Dtmf_News", false},
        {L"DTMF News", false}, {L"News", false},     {L" DTMF_News ", true}, {L"X_DTMF_", false},
        {L"DTMF", false},      {L"WAV_News", false},
    };
    for (const auto& c : cases) {
        core::MemoryRegistry r;
        Put(r, kDtmf, L"TriggersCount", L"1");
        StoredSignal s = kNews;
        s.name = c.first;
        PutSignal(r, 0, s);
        EXPECT_EQ(LoadFrom(r).size(), c.second ? 1u : 0u) << c.first;
    }
}

TEST_F(SignalStoreTest, ADroppedSignalLeavesTheOthersInTheirOrder) {
    Put(registry, kDtmf, L"TriggersCount", L"5");
    PutSignal(registry, 0, kNews);
    PutSignal(registry, 1, kAds);
    PutSignal(registry, 2, kTraffic);
    registry.PutKey(RegRoot::LocalMachine, SignalKey(3));  // a key without values
    PutSignal(registry, 4, kLeft);
    Put(registry, SignalKey(1), L"Delay", L"");
    PutSignal(registry, 5, kNews);  // beyond the count
    EXPECT_EQ(LoadedNames(),
              (std::vector<std::wstring>{L"DTMF_News", L"DTMF_Traffic", L"DTMF_Left"}));
}

// --- The stored count

struct CountCase {
    const char* label;
    const wchar_t* text;  // null: no value
    int32_t count;
};

TEST_F(SignalStoreTest, TheCountIsTheLeadingNumberOfTheStoredText) {
    const CountCase cases[] = {
        {"none", nullptr, 0},
        {"empty", L"", 0},
        {"letters", L"abc", 0},
        {"plain", L"3", 3},
        {"blanks and sign", L"  +2", 2},
        {"trailing text", L"2 signals", 2},
        {"negative", L"-3", -3},
        {"decimal", L"2.9", 2},
        {"beyond 32 bits", L"99999999999", INT_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        core::MemoryRegistry r;
        r.PutKey(RegRoot::LocalMachine, kDtmf);
        if (c.text) {
            Put(r, kDtmf, L"TriggersCount", c.text);
        }
        EXPECT_EQ(ReadSignalCount(r), c.count);
    }
    registry.PutDword(RegRoot::LocalMachine, kDtmf, L"TriggersCount", 3);
    EXPECT_EQ(ReadSignalCount(registry), 0);
    core::MemoryRegistry noStore;
    EXPECT_EQ(ReadSignalCount(noStore), 0);
}

TEST_F(SignalStoreTest, ACountThatIsNoPositiveNumberLoadsNothing) {
    PutSignal(registry, 0, kNews);
    for (const wchar_t* count : {L"0", L"-1", L"-2147483648", L"none", L""}) {
        Put(registry, kDtmf, L"TriggersCount", count);
        EXPECT_TRUE(Loaded().empty()) << count;
    }
}

TEST_F(SignalStoreTest, AHugeCountReadsUpToTheLastSignalKeyThatExists) {
    Put(registry, kDtmf, L"TriggersCount", L"2147483647");
    PutSignal(registry, 0, kNews);
    PutSignal(registry, 3, kAds);
    PutSignal(registry, core::kMaxTrustedRecordCount + 7, kTraffic);
    // Names that are no position do not count.
    registry.PutKey(RegRoot::LocalMachine, std::wstring(kDtmf) + L"\\099999999");
    registry.PutKey(RegRoot::LocalMachine, std::wstring(kDtmf) + L"\\Sample99999");
    registry.PutKey(RegRoot::LocalMachine, std::wstring(kDtmf) + L"\\99999999999");
    EXPECT_EQ(LoadedNames(),
              (std::vector<std::wstring>{L"DTMF_News", L"DTMF_Ads", L"DTMF_Traffic"}));
    // The stored count still bounds the keys that exist.
    Put(registry, kDtmf, L"TriggersCount", std::to_wstring(core::kMaxTrustedRecordCount + 7));
    EXPECT_EQ(LoadedNames(), (std::vector<std::wstring>{L"DTMF_News", L"DTMF_Ads"}));
}

TEST_F(SignalStoreTest, AHugeCountWithoutAViewOfTheKeysReadsTheTrustedNumber) {
    Put(registry, kDtmf, L"TriggersCount", L"2147483647");
    PutSignal(registry, 0, kNews);
    PutSignal(registry, core::kMaxTrustedRecordCount - 1, kAds);
    PutSignal(registry, core::kMaxTrustedRecordCount, kTraffic);
    registry.FailCall(RegCall::Enum);
    EXPECT_EQ(LoadedNames(), (std::vector<std::wstring>{L"DTMF_News", L"DTMF_Ads"}));
}

// --- Saving

TEST_F(SignalStoreTest, ANewSignalIsSavedWithItsDefaultsAsText) {
    SignalList signals;
    signals.push_back(std::make_unique<CDTMFTaskInfo>());
    signals[0]->Name = L"DTMF_New";
    signals[0]->DeviceName = L"CX840 Input 1 B1";
    ASSERT_TRUE(SaveSignals(registry, signals));
    core::MemoryRegistry expected;
    Put(expected, kDtmf, L"TriggersCount", L"1");
    PutSignal(expected, 0,
              {L"DTMF_New", L"CX840 Input 1 B1", L"1D62", L"50", L"40", L"20", L"0", L"RIGHT"});
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), expected.Dump(RegRoot::LocalMachine));
    // REG_SZ with its terminator: (length + 1) x 2 bytes.
    uint32_t type = 0;
    core::Bytes data;
    ASSERT_TRUE(registry.GetValue(RegRoot::LocalMachine, SignalKey(0), L"Symbols", &type, &data));
    EXPECT_EQ(type, core::kRegSz);
    EXPECT_EQ(data.size(), 10u);
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(SignalStoreTest, AnUnknownAnalysisTypeIsSavedAsRight) {
    SignalList signals;
    for (int32_t type : {-1, kAnalysisDiff, 4}) {
        signals.push_back(std::make_unique<CDTMFTaskInfo>());
        signals.back()->Name = L"DTMF_" + std::to_wstring(type);
        signals.back()->AnalysisType = type;
    }
    ASSERT_TRUE(SaveSignals(registry, signals));
    EXPECT_EQ(Get(registry, SignalKey(0), L"AnalysisType"), L"RIGHT");
    EXPECT_EQ(Get(registry, SignalKey(1), L"AnalysisType"), L"DIFF");
    EXPECT_EQ(Get(registry, SignalKey(2), L"AnalysisType"), L"RIGHT");
}

TEST_F(SignalStoreTest, ADroppedSignalIsSavedAwayAndItsOldKeyStays) {
    Put(registry, kDtmf, L"TriggersCount", L"3");
    PutSignal(registry, 0, kNews);
    PutSignal(registry, 1, kAds, L"Delay");
    PutSignal(registry, 2, kTraffic);
    SignalList signals = Loaded();
    ASSERT_EQ(signals.size(), 2u);
    ASSERT_TRUE(SaveSignals(registry, signals));

    core::MemoryRegistry expected;
    Put(expected, kDtmf, L"TriggersCount", L"2");
    PutSignal(expected, 0, kNews);
    PutSignal(expected, 1, kTraffic);
    PutSignal(expected, 2, kTraffic);  // beyond the count, untouched
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), expected.Dump(RegRoot::LocalMachine));
}

TEST_F(SignalStoreTest, AnUnreachableStoreKeyWritesNothingAndFails) {
    SeedRealisticSignals(registry);
    SignalList signals = Loaded();
    signals[0]->Delay = L"10";
    for (RegCall call : {RegCall::Open, RegCall::Create}) {
        registry.FailCallOn(call, RegRoot::LocalMachine, kDtmf);
    }
    const std::wstring before = registry.Dump(RegRoot::LocalMachine);
    EXPECT_FALSE(SaveSignals(registry, signals));
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), before);

    core::MemoryRegistry empty;
    empty.FailCall(RegCall::Create);
    EXPECT_FALSE(SaveSignals(empty, signals));
    EXPECT_FALSE(empty.HasKey(RegRoot::LocalMachine, L"SOFTWARE\\Quorvane"));
}

TEST_F(SignalStoreTest, ASignalWhoseKeyIsUnreachableIsSkippedNotWrittenElsewhere) {
    SignalList signals;
    for (const StoredSignal& s : {kNews, kAds, kTraffic}) {
        signals.push_back(std::make_unique<CDTMFTaskInfo>());
        signals.back()->Name = s.name;
        signals.back()->DeviceName = s.deviceName;
        signals.back()->Symbols = s.symbols;
    }
    PutSignal(registry, 2, kLeft);  // an older signal where the third one goes
    for (RegCall call : {RegCall::Open, RegCall::Create}) {
        registry.FailCallOn(call, RegRoot::LocalMachine, SignalKey(1));
    }
    EXPECT_FALSE(SaveSignals(registry, signals));
    EXPECT_EQ(Get(registry, kDtmf, L"TriggersCount"), L"3");
    EXPECT_EQ(Get(registry, SignalKey(0), L"Name"), L"DTMF_News");
    EXPECT_EQ(Get(registry, SignalKey(0), L"Symbols"), L"1D62");
    EXPECT_FALSE(registry.HasKey(RegRoot::LocalMachine, SignalKey(1)));
    EXPECT_EQ(Get(registry, SignalKey(2), L"Name"), L"DTMF_Traffic");
    EXPECT_EQ(Get(registry, SignalKey(2), L"Symbols"), L"9");
    EXPECT_EQ(Get(registry, SignalKey(2), L"AnalysisType"), L"RIGHT");
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST_F(SignalStoreTest, AMissingRowIsReportedAndSkipped) {
    CDTMFTaskInfo signal;
    signal.Name = L"DTMF_B";
    EXPECT_FALSE(SaveSignals(registry, SignalRefs{nullptr, &signal}));
    EXPECT_FALSE(registry.HasKey(RegRoot::LocalMachine, SignalKey(0)));
    EXPECT_EQ(Get(registry, SignalKey(1), L"Name"), L"DTMF_B");
}

TEST_F(SignalStoreTest, AnEmptyListWritesACountOfZeroAndKeepsTheOldKeys) {
    SeedRealisticSignals(registry);
    ASSERT_TRUE(SaveSignals(registry, SignalList()));
    EXPECT_EQ(Get(registry, kDtmf, L"TriggersCount"), L"0");
    EXPECT_EQ(Get(registry, SignalKey(0), L"Name"), L"DTMF_News");
    EXPECT_TRUE(Loaded().empty());
}

// --- Round trips

TEST_F(SignalStoreTest, AStoreAsTheToolWritesItComesBackByteForByte) {
    SeedRealisticSignals(registry);
    const std::wstring before = registry.Dump(RegRoot::LocalMachine);
    SignalList signals = Loaded();
    ASSERT_EQ(signals.size(), 4u);
    ASSERT_TRUE(SaveSignals(registry, signals));
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), before);
}

TEST_F(SignalStoreTest, RepairsReachTheStoreAtTheFirstSave) {
    Put(registry, kDtmf, L"TriggersCount", L" 3 signals");
    StoredSignal lower = kLeft;
    lower.analysisType = L"left";
    PutSignal(registry, 0, lower);
    PutSignal(registry, 1, kAds);
    registry.PutValue(RegRoot::LocalMachine, SignalKey(1), L"Name", core::kRegSz,
                      core::ToUtf16Bytes(L"Ads", true));  // a bare operator name
    PutSignal(registry, 2, kTraffic);
    registry.PutValue(RegRoot::LocalMachine, SignalKey(2), L"AnalysisType", core::kRegDword,
                      {2, 0, 0, 0});
    ASSERT_TRUE(SaveSignals(registry, Loaded()));

    core::MemoryRegistry expected;
    Put(expected, kDtmf, L"TriggersCount", L"2");
    StoredSignal right = kLeft;
    right.analysisType = L"RIGHT";
    PutSignal(expected, 0, right);
    StoredSignal traffic = kTraffic;
    traffic.analysisType = L"RIGHT";
    PutSignal(expected, 1, traffic);
    PutSignal(expected, 2, kTraffic);
    expected.PutValue(RegRoot::LocalMachine, SignalKey(2), L"AnalysisType", core::kRegDword,
                      {2, 0, 0, 0});
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), expected.Dump(RegRoot::LocalMachine));
}

}  // namespace
}  // namespace tonegate
