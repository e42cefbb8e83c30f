// Tonegate's signal store under registry failures: every call of a load and of a
// save fails in turn. A failed read must act like the missing value or key, a failed
// write must change nothing but what it was writing, and the save must say so.
#include <gtest/gtest.h>

#include <sstream>

#include "registry_fault_helpers.h"
#include "tonegate/model/signal_store.h"
#include "tonegate_store_fixture.h"

namespace tonegate {
namespace {

using core::RegCall;
using core::RegRoot;
using namespace tonegate::testing;
using namespace registry_faults;

std::wstring Describe(const SignalList& signals) {
    std::wostringstream out;
    for (const auto& s : signals) {
        out << s->Name << L"|" << s->LoadedName << L"|" << s->DeviceName << L"|" << s->Symbols
            << L"|" << s->SymbolDuration << L"|" << s->GapDuration << L"|" << s->Deviation << L"|"
            << s->Delay << L"|" << s->AnalysisType << L"\n";
    }
    return out.str();
}

SignalList Load(core::RegistryPort& registry) {
    SignalList signals;
    LoadSignals(registry, &signals);
    return signals;
}

struct LoadCase {
    const char* name;
    const wchar_t* count;  // a count beyond the trusted number makes the loader list the keys
};

class SignalLoadFaultTest : public ::testing::TestWithParam<LoadCase> {
  protected:
    void Seed(core::MemoryRegistry& r) const {
        SeedRealisticSignals(r);
        Put(r, kDtmf, L"TriggersCount", GetParam().count);
    }
};

TEST_P(SignalLoadFaultTest, EachFailedCallActsLikeTheMissingValueOrKey) {
    core::MemoryRegistry clean;
    Seed(clean);
    RecordingRegistry probe(clean);
    ASSERT_EQ(Load(probe).size(), 4u);
    const std::vector<RecordingRegistry::Call> calls = probe.calls;
    const std::wstring storePath = RecordingRegistry::Upper(kDtmf);

    bool storeOpened = false;
    for (size_t n = 1; n <= calls.size(); ++n) {
        const auto& failed = calls[n - 1];
        SCOPED_TRACE(::testing::Message() << "call " << n);
        core::MemoryRegistry registry;
        Seed(registry);
        const std::wstring before = registry.Dump(RegRoot::LocalMachine);
        RecordingRegistry port(registry);
        registry.FailNthCall(static_cast<int>(n));
        const SignalList got = Load(port);
        EXPECT_EQ(registry.OpenHandleCount(), 0);
        EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), before);  // loads never write

        Omit omit;
        if (failed.kind == RegCall::Open && failed.path == storePath && storeOpened) {
            // The listing of the signal keys: without it the trusted number is read,
            // which holds every seeded signal.
        } else if (failed.kind == RegCall::Open) {
            omit = Omit{failed.path, L""};
        } else if (failed.kind == RegCall::Query) {
            omit = Omit{failed.path, failed.name};
        } else {
            // A failed close still released the key; a failed listing reads the
            // trusted number.
            ASSERT_TRUE(failed.kind == RegCall::Close || failed.kind == RegCall::Enum);
        }
        storeOpened |= failed.kind == RegCall::Open && failed.path == storePath;
        core::MemoryRegistry expectedStore;
        core::MemoryRegistry full;
        Seed(full);
        CopyOmitting(full, omit, expectedStore);
        EXPECT_EQ(Describe(got), Describe(Load(expectedStore)));
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, SignalLoadFaultTest,
                         ::testing::Values(LoadCase{"Trusted", L"4"},
                                           LoadCase{"Huge", L"2147483647"}),
                         [](const ::testing::TestParamInfo<LoadCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(SignalLoadFaultTest, OmittingAValueOrKeyReallyChangesTheLoad) {
    // Guards the test above: leaving out a value or key must show in the load.
    core::MemoryRegistry full, withoutDelay, withoutKey;
    SeedRealisticSignals(full);
    CopyOmitting(full, {RecordingRegistry::Upper(SignalKey(2)), L"DELAY"}, withoutDelay);
    CopyOmitting(full, {RecordingRegistry::Upper(SignalKey(1)), L""}, withoutKey);
    const std::wstring all = Describe(Load(full));
    EXPECT_NE(all, Describe(Load(withoutDelay)));
    EXPECT_NE(all, Describe(Load(withoutKey)));
}

// The realistic signals after an operator's edits: every value changes, the second
// signal is deleted and two are added, the last at a position that has no key yet.
SignalList MakeEdits() {
    core::MemoryRegistry source;
    SeedRealisticSignals(source);
    SignalList signals = Load(source);
    for (auto& s : signals) {
        s->Name += L"2";
        s->DeviceName = L"CX840 Input 4 B2";
        s->Symbols = L"*#";
        s->SymbolDuration += L"1";
        s->GapDuration += L"1";
        s->Deviation += L"1";
        s->Delay += L"1";
        s->AnalysisType = (s->AnalysisType + 1) % 4;
    }
    signals.erase(signals.begin() + 1);
    for (const wchar_t* name : {L"DTMF_Added", L"DTMF_Last"}) {
        signals.push_back(std::make_unique<CDTMFTaskInfo>());
        signals.back()->Name = name;
        signals.back()->DeviceName = L"CX840 Input 1 B1";
    }
    return signals;
}

class SignalSaveFaultTest : public ::testing::TestWithParam<bool> {};

TEST_P(SignalSaveFaultTest, EachFailedCallLosesOnlyWhatItWasWritingAndIsReported) {
    const bool seeded = GetParam();  // false: an empty registry, every key is created
    const SignalList edits = MakeEdits();
    auto fresh = [&](core::MemoryRegistry& r) {
        if (seeded) {
            SeedRealisticSignals(r);
        }
    };
    core::MemoryRegistry clean;
    fresh(clean);
    const Tree before = Flatten(clean);
    RecordingRegistry probe(clean);
    ASSERT_TRUE(SaveSignals(probe, edits));
    const Tree saved = Flatten(clean);
    const std::vector<RecordingRegistry::Call> calls = probe.calls;
    ASSERT_NE(saved.values, before.values);
    const std::wstring storePath = RecordingRegistry::Upper(kDtmf);

    for (size_t n = 1; n <= calls.size(); ++n) {
        const auto& failed = calls[n - 1];
        SCOPED_TRACE(::testing::Message() << "call " << n);
        core::MemoryRegistry registry;
        fresh(registry);
        RecordingRegistry port(registry);
        registry.FailNthCall(static_cast<int>(n));
        const bool ok = SaveSignals(port, edits);
        EXPECT_EQ(registry.OpenHandleCount(), 0);

        // What the tree must be: the saved one, except for what the failed call wrote.
        Tree expected = saved;
        bool expectOk = true;
        auto restore = [&](const std::wstring& valueKey) {
            auto old = before.values.find(valueKey);
            if (old == before.values.end()) {
                expected.values.erase(valueKey);
            } else {
                expected.values[valueKey] = old->second;
            }
        };
        if (failed.kind == RegCall::Set) {
            expectOk = false;
            restore(failed.path + L"\t" + failed.name);
        } else if (failed.kind == RegCall::Create && failed.path == storePath) {
            expectOk = false;  // the store is out of reach: nothing is written
            expected = before;
        } else if (failed.kind == RegCall::Create) {
            expectOk = false;  // that signal is skipped; its key is not made
            for (const auto& value : saved.values) {
                if (value.first.compare(0, failed.path.size() + 1, failed.path + L"\t") == 0) {
                    restore(value.first);
                }
            }
            if (!before.keys.count(failed.path)) {
                expected.keys.erase(failed.path);
            }
        } else {
            // A failed open for writing falls back to creating the key; a failed close
            // still released it. Neither loses a value.
            ASSERT_TRUE(failed.kind == RegCall::Open || failed.kind == RegCall::Close);
        }
        const Tree got = Flatten(registry);
        EXPECT_EQ(ok, expectOk);
        EXPECT_EQ(got.values, expected.values);
        EXPECT_EQ(got.keys, expected.keys);
    }
}

INSTANTIATE_TEST_SUITE_P(Stores, SignalSaveFaultTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "OverStore" : "IntoEmpty");
                         });

}  // namespace
}  // namespace tonegate
