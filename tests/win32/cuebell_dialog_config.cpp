#include "cuebell_dialog_config.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace cuebelltest {

namespace {

using core::RegRoot;

HKEY RootOf(RegRoot root) {
    return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// The plug-ins read HKEY_LOCAL_MACHINE\Software in the 32-bit view.
constexpr REGSAM kView = KEY_WOW64_32KEY;

RegText Lm(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
    return RegText{RegRoot::LocalMachine, key, name, text};
}

RegText Cu(const std::wstring& key, const std::wstring& name, const std::wstring& text) {
    return RegText{RegRoot::CurrentUser, key, name, text};
}

}  // namespace

std::wstring StoreKey(const std::wstring& record) {
    return std::wstring(kStore) + L"\\" + record;
}

RegTexts StandardConfig() {
    return {
        Lm(kStore, L"GPILength", L"0.4"),
        Lm(kStore, L"CutoffFrequency", L"75"),
        Lm(kStore, L"LowPassFilterSize", L"63"),
        Lm(kStore, L"PowerRecalcRate", L"100"),
        Lm(kStore, L"Threshold", L"30"),
        Lm(kStore, L"GPIsCount", L"3"),
        Lm(kStore, L"SamplesCount", L"3"),
        Lm(kStore, L"DevicesCount", L"2"),
        Lm(StoreKey(L"Sample0"), L"AudioFile", L"C:\\Jingles\\news.wav"),
        Lm(StoreKey(L"Sample0"), L"Threshold", L"0"),
        Lm(StoreKey(L"Sample0"), L"Offset", L"0.5"),
        Lm(StoreKey(L"Sample0"), L"Delay", L"2"),
        Lm(StoreKey(L"Sample1"), L"AudioFile", L"C:\\Jingles\\sport.wav"),
        Lm(StoreKey(L"Sample1"), L"Threshold", L"45"),
        Lm(StoreKey(L"Sample1"), L"Offset", L"1.000000"),
        Lm(StoreKey(L"Sample1"), L"Delay", L"10.25"),
        Lm(StoreKey(L"Sample2"), L"AudioFile", L"C:\\Jingles\\weather.wav"),
        Lm(StoreKey(L"Sample2"), L"Threshold", L"35"),
        Lm(StoreKey(L"Sample2"), L"Offset", L"0.250000"),
        Lm(StoreKey(L"Sample2"), L"Delay", L"3.500000"),
        Lm(StoreKey(L"Device0"), L"Name", L"CX840 Input 1 B1"),
        Lm(StoreKey(L"Device0"), L"SampleRate", L"44100"),
        Lm(StoreKey(L"Device0"), L"AnalysisDigit", L"14"),
        Lm(StoreKey(L"Device1"), L"Name", L"CX840 Input 2 B2"),
        Lm(StoreKey(L"Device1"), L"SampleRate", L"48000"),
        Lm(StoreKey(L"Device1"), L"AnalysisDigit", L"15"),
        Lm(StoreKey(L"GPI0"), L"Name", L"WAV_News"),
        Lm(StoreKey(L"GPI0"), L"DeviceIndex", L"0"),
        Lm(StoreKey(L"GPI0"), L"SampleIndices", L"0 1"),
        Lm(StoreKey(L"GPI1"), L"Name", L"WAV_Sport"),
        Lm(StoreKey(L"GPI1"), L"DeviceIndex", L"1"),
        Lm(StoreKey(L"GPI1"), L"SampleIndices", L"1"),
        Lm(StoreKey(L"GPI2"), L"Name", L"WAV_Weather"),
        Lm(StoreKey(L"GPI2"), L"DeviceIndex", L"0"),
        Lm(StoreKey(L"GPI2"), L"SampleIndices", L"2"),
        Cu(kStudioA, L"AudioDevice", L"CX840 Play 1"),
        Cu(kStudioA, L"GPIEvents",
           L"7 3 250 DTMF_Cue|Network cue\n101 0 500 WAV_News|Top of hour\n"
           L"101 0 500 WAV_Weather|Forecast"),
        Cu(kStudioB, L"AudioDevice", L"CX840 Play 2"),
        Cu(kStudioB, L"GPIEvents", L"12 0 0 Studio door|Red light\n101 0 500 WAV_Sport|Match day"),
    };
}

std::vector<int32_t> StandardBoardRates() {
    return {44100, 48000};
}

RegTexts With(RegTexts values, RegRoot root, const std::wstring& key, const std::wstring& name,
              const std::wstring& text) {
    for (RegText& value : values) {
        if (value.root == root && value.key == key && value.name == name) {
            value.text = text;
            return values;
        }
    }
    values.push_back(RegText{root, key, name, text});
    return values;
}

RegTexts Without(RegTexts values, const std::wstring& key, const std::wstring& name) {
    values.erase(std::remove_if(values.begin(), values.end(),
                                [&](const RegText& v) { return v.key == key && v.name == name; }),
                 values.end());
    return values;
}

void Seed(core::MemoryRegistry& registry, const RegTexts& values) {
    for (const RegText& value : values) {
        registry.PutString(value.root, value.key, value.name, value.text);
    }
}

void SeedWindows(const RegTexts& values) {
    for (const RegText& value : values) {
        HKEY key = nullptr;
        if (::RegCreateKeyExW(RootOf(value.root), value.key.c_str(), 0, nullptr, 0,
                              KEY_SET_VALUE | kView, nullptr, &key, nullptr) != ERROR_SUCCESS) {
            continue;
        }
        ::RegSetValueExW(key, value.name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.text.c_str()),
                         static_cast<DWORD>((value.text.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(key);
    }
}

std::optional<std::wstring> ReadWindowsText(RegRoot root, const std::wstring& key,
                                            const std::wstring& name) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(RootOf(root), key.c_str(), 0, KEY_QUERY_VALUE | kView, &opened) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0;
    DWORD bytes = 0;
    std::optional<std::wstring> text;
    if (::RegQueryValueExW(opened, name.c_str(), nullptr, &type, nullptr, &bytes) ==
            ERROR_SUCCESS &&
        type == REG_SZ) {
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        if (::RegQueryValueExW(opened, name.c_str(), nullptr, &type,
                               reinterpret_cast<BYTE*>(buffer.data()), &bytes) == ERROR_SUCCESS) {
            text = std::wstring(buffer.data());
        }
    }
    ::RegCloseKey(opened);
    return text;
}

unsigned long WindowsValueBytes(RegRoot root, const std::wstring& key, const std::wstring& name) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(RootOf(root), key.c_str(), 0, KEY_QUERY_VALUE | kView, &opened) !=
        ERROR_SUCCESS) {
        return 0;
    }
    DWORD bytes = 0;
    if (::RegQueryValueExW(opened, name.c_str(), nullptr, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS) {
        bytes = 0;
    }
    ::RegCloseKey(opened);
    return bytes;
}

void RemoveWindowsTestKeys() {
    HKEY software = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Quorvane", 0, KEY_ALL_ACCESS | kView,
                        &software) == ERROR_SUCCESS) {
        ::RegDeleteTreeW(software, L"Sigvault");
        ::RegCloseKey(software);
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kPlayoutKey);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kToolKey);
}

}  // namespace cuebelltest
