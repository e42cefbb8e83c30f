// The detection store under registry failures: every call of every load and save
// fails in turn. A failed read must act like a missing value or key, a failed write
// must change nothing but the value it was writing, and the save must say so.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "cuebell/model/model.h"
#include "cuebell/model/store.h"
#include "cuebell_store_fixture.h"
#include "registry_fault_helpers.h"
#include "shared/inmemory/memory_system.h"

namespace cuebell {
namespace {

using core::RegCall;
using core::RegRoot;
using namespace cuebell::testing;
using namespace registry_faults;

// --- A store seeded with one value or key left out: what a failed read must
// look like.

class OmittingSeed {
  public:
    explicit OmittingSeed(Omit omit) : omit_(std::move(omit)) {}
    void Seed(core::MemoryRegistry& target) const {
        core::MemoryRegistry full;
        SeedRealisticStore(full);
        CopyOmitting(full, omit_, target);
    }

  private:
    Omit omit_;
};

// What a load gives, in comparable form.
struct Loaded {
    GeneralParams general;
    StoreCounts counts;
    SampleList samples;
    DeviceList devices;
    EntryList entries;
};

std::wstring Describe(const Loaded& l) {
    std::wostringstream out;
    out << L"general " << l.general.GPILength << L" " << l.general.CutoffFrequency << L" "
        << l.general.LowPassFilterSize << L" " << l.general.PowerRecalcRate << L" "
        << l.general.Threshold << L" counts " << l.counts.GPIsCount << L" " << l.counts.SamplesCount
        << L" " << l.counts.DevicesCount << L"\n";
    for (const auto& s : l.samples) {
        out << L"sample " << s.AudioFile << L" " << s.Threshold << L" " << s.Offset << L" "
            << s.Delay << L" " << s.SampleId << L"\n";
    }
    for (const auto& d : l.devices) {
        out << L"device " << d.Name << L" " << d.SampleRate << L" " << d.AnalysisDigit << L" "
            << d.DeviceId << L"\n";
    }
    for (const auto& e : l.entries) {
        out << L"entry " << e->Name << L" " << e->DeviceId;
        for (const auto& id : e->SampleIds) {
            out << L" " << id;
        }
        out << L"\n";
    }
    return out.str();
}

enum class Step { General, Samples, Devices, Entries };

// Loads the whole store; the step under test runs on `port`, the others on the
// plain registry, so that only that step's calls are counted and can fail.
Loaded LoadAll(core::MemoryRegistry& registry, core::RegistryPort& port, Step step,
               const std::function<void()>& beforeStep) {
    Loaded l;
    core::MemorySystem system;
    auto portFor = [&](Step s) -> core::RegistryPort& {
        if (s == step) {
            beforeStep();
            return port;
        }
        return registry;
    };
    LoadGeneral(portFor(Step::General), &l.general, &l.counts);
    LoadSamples(portFor(Step::Samples), system, &l.samples, l.counts.SamplesCount);
    LoadDevices(portFor(Step::Devices), system, &l.devices, l.counts.DevicesCount);
    LoadEntries(portFor(Step::Entries), &l.entries, l.counts.GPIsCount, l.samples, l.devices);
    return l;
}

class LoadFaultTest : public ::testing::TestWithParam<Step> {};

TEST_P(LoadFaultTest, EachFailedCallActsLikeTheMissingValueOrKey) {
    const Step step = GetParam();
    core::MemoryRegistry clean;
    SeedRealisticStore(clean);
    RecordingRegistry probe(clean);
    LoadAll(clean, probe, step, [] {});
    const std::vector<RecordingRegistry::Call> calls = probe.calls;
    ASSERT_GT(calls.size(), 3u);

    for (size_t n = 1; n <= calls.size(); ++n) {
        const auto& failed = calls[n - 1];
        SCOPED_TRACE(::testing::Message() << "call " << n);
        core::MemoryRegistry registry;
        SeedRealisticStore(registry);
        const std::wstring before = registry.Dump(RegRoot::LocalMachine);
        RecordingRegistry port(registry);
        Loaded got =
            LoadAll(registry, port, step, [&] { registry.FailNthCall(static_cast<int>(n)); });
        EXPECT_EQ(registry.OpenHandleCount(), 0);
        EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), before);  // loads never write

        Omit omit;
        if (failed.kind == RegCall::Open) {
            omit = Omit{failed.path, L""};
        } else if (failed.kind == RegCall::Query) {
            omit = Omit{failed.path, failed.name};
        } else {
            ASSERT_EQ(failed.kind, RegCall::Close);  // a failed close changes nothing
        }
        core::MemoryRegistry expectedStore;
        OmittingSeed(omit).Seed(expectedStore);
        Loaded expected = LoadAll(expectedStore, expectedStore, step, [] {});
        EXPECT_EQ(Describe(got), Describe(expected));
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, LoadFaultTest,
                         ::testing::Values(Step::General, Step::Samples, Step::Devices,
                                           Step::Entries));

TEST(LoadFaultTest, OmittingAValueReallyChangesTheLoad) {
    // Guards the test above: leaving out a value or key must show in the load.
    core::MemoryRegistry full, withoutOffset, withoutEntry;
    SeedRealisticStore(full);
    OmittingSeed({RecordingRegistry::Upper(SampleKey(2)), L"OFFSET"}).Seed(withoutOffset);
    OmittingSeed({RecordingRegistry::Upper(EntryKey(1)), L""}).Seed(withoutEntry);
    std::wstring all = Describe(LoadAll(full, full, Step::General, [] {}));
    EXPECT_NE(all, Describe(LoadAll(withoutOffset, withoutOffset, Step::General, [] {})));
    EXPECT_NE(all, Describe(LoadAll(withoutEntry, withoutEntry, Step::General, [] {})));
    core::MemoryRegistry copy;
    OmittingSeed({}).Seed(copy);
    EXPECT_EQ(copy.Dump(RegRoot::LocalMachine), full.Dump(RegRoot::LocalMachine));
}

// --- Saves

struct Edited {
    SampleList samples;
    DeviceList devices;
    EntryList entries;
    GeneralParams general;
};

// The realistic store after an operator's edits: every value changes, and one
// record of each kind is added (its key does not exist yet).
Edited MakeEdits(core::MemoryRegistry& registry) {
    core::MemorySystem system;
    Edited e;
    StoreCounts counts;
    LoadGeneral(registry, &e.general, &counts);
    LoadSamples(registry, system, &e.samples, counts.SamplesCount);
    LoadDevices(registry, system, &e.devices, counts.DevicesCount);
    LoadEntries(registry, &e.entries, counts.GPIsCount, e.samples, e.devices);
    e.general.GPILength = 2.0;
    e.general.CutoffFrequency = 90;
    e.general.LowPassFilterSize = 31;
    e.general.PowerRecalcRate = 50;
    e.general.Threshold = 20;
    for (auto& s : e.samples) {
        s.AudioFile += L".new";
        s.Threshold += 1;
        s.Offset += 0.5;
        s.Delay += 0.25;
    }
    e.samples.push_back(NewSampleInfo(system));
    e.samples.back().AudioFile = L"E:\\added.wav";
    for (auto& d : e.devices) {
        d.Name += L" renamed";
        d.SampleRate /= 2;
        d.AnalysisDigit -= 1;
    }
    e.devices.insert(e.devices.begin(), NewDeviceInfo(system));  // shifts every position
    e.devices.front().Name = L"CX840 Input 3 B2";
    for (auto& entry : e.entries) {
        entry->Name += L"2";
        std::reverse(entry->SampleIds.begin(), entry->SampleIds.end());
        entry->SampleIds.push_back(e.samples.back().SampleId);
    }
    auto added = std::make_unique<GpiInfo>();
    added->Name = L"WAV_Added";
    added->DeviceId = e.devices.front().DeviceId;
    added->SampleIds = {e.samples.back().SampleId};
    e.entries.push_back(std::move(added));
    return e;
}

using SaveStep = std::function<bool(core::RegistryPort&, const Edited&)>;

struct SaveCase {
    const char* name;
    bool seeded;  // false: an empty registry, every key must be created
    SaveStep save;
};

std::vector<SaveCase> SaveCases() {
    SaveStep samples = [](core::RegistryPort& r, const Edited& e) {
        return SaveSamples(r, e.samples);
    };
    SaveStep devices = [](core::RegistryPort& r, const Edited& e) {
        return SaveDevices(r, e.devices);
    };
    SaveStep entries = [](core::RegistryPort& r, const Edited& e) {
        return SaveEntries(r, e.entries, e.samples, e.devices);
    };
    SaveStep general = [](core::RegistryPort& r, const Edited& e) {
        return SaveGeneral(r, e.general, static_cast<int32_t>(e.entries.size()),
                           static_cast<int32_t>(e.samples.size()),
                           static_cast<int32_t>(e.devices.size()));
    };
    return {{"SamplesOverStore", true, samples}, {"SamplesIntoEmpty", false, samples},
            {"DevicesOverStore", true, devices}, {"DevicesIntoEmpty", false, devices},
            {"EntriesOverStore", true, entries}, {"EntriesIntoEmpty", false, entries},
            {"GeneralOverStore", true, general}, {"GeneralIntoEmpty", false, general}};
}

class SaveFaultTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveFaultTest, EachFailedCallLosesOnlyWhatItWasWritingAndIsReported) {
    const SaveCase& c = GetParam();
    core::MemoryRegistry source;
    SeedRealisticStore(source);
    const Edited edits = MakeEdits(source);
    auto fresh = [&](core::MemoryRegistry& r) {
        if (c.seeded) {
            SeedRealisticStore(r);
        }
    };

    core::MemoryRegistry clean;
    fresh(clean);
    const Tree before = Flatten(clean);
    RecordingRegistry probe(clean);
    ASSERT_TRUE(c.save(probe, edits));
    const Tree saved = Flatten(clean);
    const std::vector<RecordingRegistry::Call> calls = probe.calls;
    ASSERT_NE(saved.values, before.values);

    for (size_t n = 1; n <= calls.size(); ++n) {
        const auto& failed = calls[n - 1];
        SCOPED_TRACE(::testing::Message() << "call " << n);
        core::MemoryRegistry registry;
        fresh(registry);
        RecordingRegistry port(registry);
        registry.FailNthCall(static_cast<int>(n));
        const bool ok = c.save(port, edits);
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
        } else if (failed.kind == RegCall::Create) {
            expectOk = false;
            for (const auto& value : saved.values) {
                if (value.first.compare(0, failed.path.size() + 1, failed.path + L"\t") == 0) {
                    restore(value.first);
                }
            }
            // Neither the key nor the parents that only its creation made exist.
            for (std::wstring key = failed.path; !key.empty() && !before.keys.count(key);
                 key =
                     key.substr(0, key.rfind(L'\\') == std::wstring::npos ? 0 : key.rfind(L'\\'))) {
                auto below = expected.keys.lower_bound(key + L"\\");
                bool hasChild = below != expected.keys.end() &&
                                below->first.compare(0, key.size() + 1, key + L"\\") == 0;
                if (key == failed.path || !hasChild) {
                    expected.keys.erase(key);
                } else {
                    break;
                }
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

INSTANTIATE_TEST_SUITE_P(Saves, SaveFaultTest, ::testing::ValuesIn(SaveCases()),
                         [](const ::testing::TestParamInfo<SaveCase>& info) {
                             return std::string(info.param.name);
                         });

// --- Round trips

struct Store {
    GeneralParams general;
    StoreCounts counts;
    SampleList samples;
    DeviceList devices;
    EntryList entries;
};

// Start-up and OK as the main dialog runs them: load, passes, save.
void LoadPassAndSave(core::MemoryRegistry& registry) {
    core::MemorySystem system;
    Store s;
    LoadGeneral(registry, &s.general, &s.counts);
    LoadSamples(registry, system, &s.samples, s.counts.SamplesCount);
    LoadDevices(registry, system, &s.devices, s.counts.DevicesCount);
    NormalizeDeviceNames(&s.devices);
    LoadEntries(registry, &s.entries, s.counts.GPIsCount, s.samples, s.devices);
    PruneSampleRefs(&s.entries, s.samples);
    PruneEntries(&s.entries, s.devices);
    ASSERT_TRUE(SaveSamples(registry, s.samples));
    ASSERT_TRUE(SaveDevices(registry, s.devices));
    ASSERT_TRUE(SaveEntries(registry, s.entries, s.samples, s.devices));
    ASSERT_TRUE(SaveGeneral(registry, s.general, static_cast<int32_t>(s.entries.size()),
                            static_cast<int32_t>(s.samples.size()),
                            static_cast<int32_t>(s.devices.size())));
    EXPECT_EQ(registry.OpenHandleCount(), 0);
}

TEST(RoundTripTest, AStoreAsTheToolWritesItComesBackByteForByte) {
    core::MemoryRegistry registry;
    SeedRealisticStore(registry);
    const std::wstring before = registry.Dump(RegRoot::LocalMachine);
    LoadPassAndSave(registry);
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), before);
}

TEST(RoundTripTest, RepairsReachTheStoreAtTheFirstSave) {
    core::MemoryRegistry registry;
    Put(registry, kStore, L"GPILength", L"12.5");
    Put(registry, kStore, L"CutoffFrequency", L" 80Hz");
    Put(registry, kStore, L"LowPassFilterSize", L"63");
    Put(registry, kStore, L"PowerRecalcRate", L"");
    Put(registry, kStore, L"Threshold", L"-5");
    PutCounts(registry, 4, 3, 2);
    PutSample(registry, 0, L"C:\\Jingles\\news.wav", L"-5", L"1.5", L"-2");
    PutSample(registry, 1, L"C:\\Jingles\\", L"40", L"1.000000", L"1.000000");  // unusable
    // sample 2 has no key
    PutDevice(registry, 0, L" CX840 Output 1 B1 ", L"48000", L"14");
    PutDevice(registry, 1, L"CX840 Input 2 B2", L"44100abc", L"15");
    PutEntry(registry, 0, L"WAV_News", L"0", L"-1 0;2");
    PutEntry(registry, 1, L"Foreign", L"0", L"0");
    PutEntry(registry, 2, L"WAV_Gone", L"7", L"0");
    PutEntry(registry, 3, L"WAV_Sport", L"1", L"1,  0");
    LoadPassAndSave(registry);

    core::MemoryRegistry expected;
    Put(expected, kStore, L"GPILength", L"10.000000");
    Put(expected, kStore, L"CutoffFrequency", L"80");
    Put(expected, kStore, L"LowPassFilterSize", L"63");
    Put(expected, kStore, L"PowerRecalcRate", L"100");
    Put(expected, kStore, L"Threshold", L"0");
    PutCounts(expected, 2, 3, 2);
    PutSample(expected, 0, L"C:\\Jingles\\news.wav", L"0", L"1.500000", L"0.000000");
    PutSample(expected, 1, L"", L"30", L"0.000000", L"0.000000");
    PutSample(expected, 2, L"", L"30", L"0.000000", L"0.000000");
    PutDevice(expected, 0, L"CX840 Input 1 B1", L"48000", L"14");
    PutDevice(expected, 1, L"CX840 Input 2 B2", L"44100", L"15");
    PutEntry(expected, 0, L"WAV_News", L"0", L"0 2");
    PutEntry(expected, 1, L"WAV_Sport", L"1", L"1 0");
    // Keys beyond the new count keep their old content.
    PutEntry(expected, 2, L"WAV_Gone", L"7", L"0");
    PutEntry(expected, 3, L"WAV_Sport", L"1", L"1,  0");
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), expected.Dump(RegRoot::LocalMachine));
}

TEST(RoundTripTest, AnEmptyRegistryGetsEveryKeyAtTheFirstSave) {
    core::MemoryRegistry registry;
    LoadPassAndSave(registry);
    core::MemoryRegistry expected;
    Put(expected, kStore, L"GPILength", L"0.400000");
    Put(expected, kStore, L"CutoffFrequency", L"75");
    Put(expected, kStore, L"LowPassFilterSize", L"63");
    Put(expected, kStore, L"PowerRecalcRate", L"100");
    Put(expected, kStore, L"Threshold", L"30");
    PutCounts(expected, 0, 0, 0);
    EXPECT_EQ(registry.Dump(RegRoot::LocalMachine), expected.Dump(RegRoot::LocalMachine));
}

}  // namespace
}  // namespace cuebell
