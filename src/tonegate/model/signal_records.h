// The records of Tonegate's cue-tone detection signals. A signal names the board
// input the detector listens to, the symbol sequence and its timing, and the GPI
// event (its name, action and comment) the playout program raises on a detection.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shared/action_info.h"

namespace tonegate {

// Every signal name and every event the tool owns begins with this (case-sensitive).
constexpr const wchar_t* kToolPrefix = L"DTMF_";

// Which channel signal the detector analyses.
constexpr int32_t kAnalysisLeft = 0;
constexpr int32_t kAnalysisRight = 1;
constexpr int32_t kAnalysisSum = 2;   // shown as "stereo"
constexpr int32_t kAnalysisDiff = 3;  // shown as "stereo inverse"

class CTaskInfo {
  public:
    CTaskInfo() = default;
    CTaskInfo(const CTaskInfo&) = default;
    CTaskInfo& operator=(const CTaskInfo&) = default;
    CTaskInfo(CTaskInfo&&) = default;
    CTaskInfo& operator=(CTaskInfo&&) = default;
    virtual ~CTaskInfo() = default;

    // The display name of the signal kind; empty for the base.
    virtual std::wstring GetTypeName() const;

    std::wstring Name;        // begins with kToolPrefix once accepted; the event's name too
    std::wstring LoadedName;  // Name as the store held it (or as it was added); kept, not read
    std::wstring DeviceName;  // board input, its name ending in the board number
    std::wstring Comment;     // lives in the playout event tables, not in the signal store
    core::CActionInfo Action;
};

class CDTMFTaskInfo : public CTaskInfo {
  public:
    std::wstring GetTypeName() const override;

    // The timings stay text, as the editor's fields hold them and the store keeps them.
    std::wstring Symbols = L"1D62";       // up to four of 0-9, A-D, # and *
    std::wstring SymbolDuration = L"50";  // milliseconds
    std::wstring GapDuration = L"40";     // milliseconds
    std::wstring Deviation = L"20";       // milliseconds
    std::wstring Delay = L"0";            // milliseconds
    int32_t AnalysisType = kAnalysisRight;
};

// Signals are owned one by one (the main list's rows hold them), in list order.
using SignalList = std::vector<std::unique_ptr<CDTMFTaskInfo>>;
using SignalRefs = std::vector<const CDTMFTaskInfo*>;

}  // namespace tonegate
