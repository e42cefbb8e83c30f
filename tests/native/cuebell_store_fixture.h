// Registry contents of the jingle-detection store for the model and store tests:
// literal key paths (so a wrong path in the code shows) and a realistic store.
#pragma once

#include <string>

#include "shared/inmemory/memory_registry.h"
#include "shared/text.h"

namespace cuebell {
namespace testing {

constexpr const wchar_t* kStore = L"Software\\Quorvane\\Sigvault\\Wave_2.0";

inline std::wstring SampleKey(int n) {
    return std::wstring(kStore) + L"\\Sample" + std::to_wstring(n);
}
inline std::wstring DeviceKey(int n) {
    return std::wstring(kStore) + L"\\Device" + std::to_wstring(n);
}
inline std::wstring EntryKey(int n) {
    return std::wstring(kStore) + L"\\GPI" + std::to_wstring(n);
}

inline void Put(core::MemoryRegistry& r, const std::wstring& key, const std::wstring& name,
                const std::wstring& text) {
    r.PutString(core::RegRoot::LocalMachine, key, name, text);
}

inline std::wstring Get(const core::MemoryRegistry& r, const std::wstring& key,
                        const std::wstring& name) {
    return r.GetString(core::RegRoot::LocalMachine, key, name);
}

inline void PutCounts(core::MemoryRegistry& r, int gpis, int samples, int devices) {
    Put(r, kStore, L"GPIsCount", std::to_wstring(gpis));
    Put(r, kStore, L"SamplesCount", std::to_wstring(samples));
    Put(r, kStore, L"DevicesCount", std::to_wstring(devices));
}

inline void PutSample(core::MemoryRegistry& r, int n, const std::wstring& audioFile,
                      const std::wstring& threshold, const std::wstring& offset,
                      const std::wstring& delay) {
    Put(r, SampleKey(n), L"AudioFile", audioFile);
    Put(r, SampleKey(n), L"Threshold", threshold);
    Put(r, SampleKey(n), L"Offset", offset);
    Put(r, SampleKey(n), L"Delay", delay);
}

inline void PutDevice(core::MemoryRegistry& r, int n, const std::wstring& name,
                      const std::wstring& rate, const std::wstring& digit) {
    Put(r, DeviceKey(n), L"Name", name);
    Put(r, DeviceKey(n), L"SampleRate", rate);
    Put(r, DeviceKey(n), L"AnalysisDigit", digit);
}

inline void PutEntry(core::MemoryRegistry& r, int n, const std::wstring& name,
                     const std::wstring& deviceIndex, const std::wstring& sampleIndices) {
    Put(r, EntryKey(n), L"Name", name);
    Put(r, EntryKey(n), L"DeviceIndex", deviceIndex);
    Put(r, EntryKey(n), L"SampleIndices", sampleIndices);
}

// A store as the tool writes it: every value in its canonical text, every entry
// complete, so loading and saving it again changes nothing.
inline void SeedRealisticStore(core::MemoryRegistry& r) {
    Put(r, kStore, L"GPILength", L"0.500000");
    Put(r, kStore, L"CutoffFrequency", L"80");
    Put(r, kStore, L"LowPassFilterSize", L"63");
    Put(r, kStore, L"PowerRecalcRate", L"120");
    Put(r, kStore, L"Threshold", L"35");
    PutCounts(r, 3, 3, 2);
    PutSample(r, 0, L"C:\\Jingles\\news.wav", L"40", L"0.250000", L"1.000000");
    PutSample(r, 1, L"C:\\Jingles\\sport.wav", L"0", L"0.000000", L"0.500000");
    PutSample(r, 2, L"D:\\Audio\\ads.wav", L"25", L"1.500000", L"0.000000");
    PutDevice(r, 0, L"CX840 Input 1 B1", L"48000", L"14");
    PutDevice(r, 1, L"CX840 Input 2 B2", L"44100", L"15");
    PutEntry(r, 0, L"WAV_News", L"0", L"0 2");
    PutEntry(r, 1, L"WAV_Sport", L"1", L"1");
    PutEntry(r, 2, L"WAV_Ads", L"0", L"2 1 0");
}

}  // namespace testing
}  // namespace cuebell
