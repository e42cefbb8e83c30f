// The records of the jingle-detection configuration: samples, devices, detection
// entries and the general parameters. Entries refer to samples and devices by
// identifiers that live for one run of the program; the store uses positions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shared/action_info.h"

namespace cuebell {

// Every detection entry name and every event the tool owns begins with this.
constexpr const wchar_t* kToolPrefix = L"WAV_";

struct SampleInfo {
    std::wstring AudioFile;  // full path of the WAV file
    int32_t Threshold = 30;  // percent; 0: the general Threshold applies
    double Offset = 0.0;     // seconds
    double Delay = 0.0;      // seconds
    std::wstring SampleId;   // made with core::NewIdentifier when the record is created
};

struct DeviceInfo {
    std::wstring Name;           // board input name, e.g. "CX840 Input 1 B1"
    int32_t SampleRate = 1000;   // Hz
    int32_t AnalysisDigit = 12;  // blocks of 2^AnalysisDigit samples
    std::wstring DeviceId;       // made with core::NewIdentifier when the record is created
};

struct GpiInfo {
    std::wstring Name;  // begins with kToolPrefix
    std::wstring DeviceId;
    std::vector<std::wstring> SampleIds;
    core::CActionInfo Action;
    std::wstring Comment;  // lives in the playout event tables only
};

struct GeneralParams {
    double GPILength = 0.4;  // seconds, at most 10.0 after loading
    int32_t CutoffFrequency = 75;
    int32_t LowPassFilterSize = 63;
    int32_t PowerRecalcRate = 100;
    int32_t Threshold = 30;
};

// The three counts the loader reads beside the general block.
struct StoreCounts {
    int32_t GPIsCount = 0;
    int32_t SamplesCount = 0;
    int32_t DevicesCount = 0;
};

using SampleList = std::vector<SampleInfo>;
using DeviceList = std::vector<DeviceInfo>;
// Entries are owned one by one (the main list's rows hold them); lists in list order.
using EntryList = std::vector<std::unique_ptr<GpiInfo>>;
using EntryRefs = std::vector<GpiInfo*>;

}  // namespace cuebell
