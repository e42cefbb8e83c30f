// Registry contents of Tonegate's signal store for the store tests: literal key
// paths (so a wrong path in the code shows) and a store as the tool writes it.
#pragma once

#include <string>
#include <utility>

#include "shared/inmemory/memory_registry.h"

namespace tonegate {
namespace testing {

constexpr const wchar_t* kDtmf = L"SOFTWARE\\Quorvane\\Sigvault\\DTMF";

inline std::wstring SignalKey(int n) {
    return std::wstring(kDtmf) + L"\\" + std::to_wstring(n);
}

inline void Put(core::MemoryRegistry& r, const std::wstring& key, const std::wstring& name,
                const std::wstring& text) {
    r.PutString(core::RegRoot::LocalMachine, key, name, text);
}

inline std::wstring Get(const core::MemoryRegistry& r, const std::wstring& key,
                        const std::wstring& name) {
    return r.GetString(core::RegRoot::LocalMachine, key, name);
}

struct StoredSignal {
    std::wstring name, deviceName, symbols, symbolDuration, gapDuration, deviation, delay,
        analysisType;
};

// The signal's values; `without` names one to leave out.
inline void PutSignal(core::MemoryRegistry& r, int n, const StoredSignal& s,
                      const std::wstring& without = L"") {
    const std::pair<const wchar_t*, const std::wstring*> values[] = {
        {L"Name", &s.name},
        {L"DeviceName", &s.deviceName},
        {L"Symbols", &s.symbols},
        {L"SymbolDuration", &s.symbolDuration},
        {L"GapDuration", &s.gapDuration},
        {L"Deviation", &s.deviation},
        {L"Delay", &s.delay},
        {L"AnalysisType", &s.analysisType},
    };
    for (const auto& value : values) {
        if (value.first != without) {
            Put(r, SignalKey(n), value.first, *value.second);
        }
    }
}

inline const StoredSignal kNews{
    L"DTMF_News", L"CX840 Input 1 B1", L"1D62", L"50", L"40", L"20", L"0", L"RIGHT"};
inline const StoredSignal kAds{
    L"DTMF_Ads", L"CX840 Input 2 B1", L"#*0A", L"120", L"60", L"15", L"2500", L"SUM"};
inline const StoredSignal kTraffic{L"DTMF_Traffic", L"CX840 Input 1 B2", L"9",   L"1000", L"100",
                                   L"100",          L"1000000",          L"DIFF"};
inline const StoredSignal kLeft{L"DTMF_Left", L"CX840 Input 3 B2", L"BC", L"10", L"10", L"10", L"0",
                                L"LEFT"};

// Four complete signals, one of each analysis type.
inline void SeedRealisticSignals(core::MemoryRegistry& r) {
    Put(r, kDtmf, L"TriggersCount", L"4");
    PutSignal(r, 0, kNews);
    PutSignal(r, 1, kAds);
    PutSignal(r, 2, kTraffic);
    PutSignal(r, 3, kLeft);
}

}  // namespace testing
}  // namespace tonegate
