// The registry contents Cuebell's dialog tests start from, written into the in-memory
// registry or into the Windows registry (the detection store in the 32-bit view, where the
// plug-ins read it). Key paths are spelled out, so that a wrong path in the program shows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "shared/inmemory/memory_registry.h"

namespace cuebelltest {

constexpr const wchar_t* kStore = L"Software\\Quorvane\\Sigvault\\Wave_2.0";
constexpr const wchar_t* kPluginsKey = L"Software\\Quorvane\\Sigvault";
constexpr const wchar_t* kPlayoutKey = L"Software\\Brenmark\\Halvex\\Skyvant";
constexpr const wchar_t* kStudioA = L"Software\\Brenmark\\Halvex\\Skyvant\\Studio A\\Settings";
constexpr const wchar_t* kStudioB = L"Software\\Brenmark\\Halvex\\Skyvant\\Studio B\\Settings";
constexpr const wchar_t* kToolSettings = L"Software\\Quorvane\\Cuebell\\General";
constexpr const wchar_t* kToolKey = L"Software\\Quorvane\\Cuebell";

std::wstring StoreKey(const std::wstring& record);  // e.g. StoreKey(L"GPI0")

struct RegText {
    core::RegRoot root;
    std::wstring key;
    std::wstring name;
    std::wstring text;
};
using RegTexts = std::vector<RegText>;

// Three samples; two devices, on board 1 (44100 Hz) and board 2 (48000 Hz); three entries:
// WAV_News (board 1, samples 0 and 1), WAV_Sport (board 2), WAV_Weather (board 1); the
// playout instances "Studio A" (board 1) and "Studio B" (board 2), each with an event of
// another owner. Some numbers are stored in shorter forms than the tool writes.
RegTexts StandardConfig();
// The board rates StandardConfig's devices agree with.
std::vector<int32_t> StandardBoardRates();

// The same texts with one value replaced (or added).
RegTexts With(RegTexts values, core::RegRoot root, const std::wstring& key,
              const std::wstring& name, const std::wstring& text);
RegTexts Without(RegTexts values, const std::wstring& key, const std::wstring& name);

void Seed(core::MemoryRegistry& registry, const RegTexts& values);

// The Windows registry: HKEY_LOCAL_MACHINE in the 32-bit view.
void SeedWindows(const RegTexts& values);
// REG_SZ text without its terminator; nullopt when the value is missing or not REG_SZ.
std::optional<std::wstring> ReadWindowsText(core::RegRoot root, const std::wstring& key,
                                            const std::wstring& name);
// The value's byte count, 0 when missing.
unsigned long WindowsValueBytes(core::RegRoot root, const std::wstring& key,
                                const std::wstring& name);
// Deletes the plug-ins key, the playout key and the tool settings.
void RemoveWindowsTestKeys();

}  // namespace cuebelltest
