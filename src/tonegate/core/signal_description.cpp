#include "tonegate/core/signal_description.h"

#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

constexpr const wchar_t* kSeparator = L"-------------------------";  // 25 hyphens
constexpr const wchar_t* kLineEnd = L"\r\n";

std::wstring LabelLine(int labelId, int tabs, const std::wstring& value) {
    return TonegateText(labelId) + std::wstring(static_cast<size_t>(tabs), L'\t') + value;
}

}  // namespace

std::wstring ChannelName(int32_t analysisType) {
    switch (analysisType) {
        case kAnalysisRight:
            return L"right";
        case kAnalysisSum:
            return L"stereo";
        case kAnalysisDiff:
            return L"stereo inverse";
        default:
            return L"left";
    }
}

std::wstring DescribeSignal(const CDTMFTaskInfo* signal) {
    if (signal == nullptr) {
        return std::wstring();
    }
    const std::wstring lines[] = {
        TonegateText(IDS_SELECTED_DEVICE_HEADING),
        signal->DeviceName + L";",
        kSeparator,
        LabelLine(IDS_DESCRIPTION_SYMBOLS, 1, signal->Symbols),
        LabelLine(IDS_DESCRIPTION_SYMBOL_DURATION, 1, signal->SymbolDuration),
        LabelLine(IDS_DESCRIPTION_GAP_DURATION, 2, signal->GapDuration),
        LabelLine(IDS_DESCRIPTION_DEVIATION, 2, signal->Deviation),
        LabelLine(IDS_DESCRIPTION_DELAY, 2, signal->Delay),
        LabelLine(IDS_DESCRIPTION_CHANNEL, 3, ChannelName(signal->AnalysisType)),
    };
    std::wstring text;
    for (const auto& line : lines) {
        if (!text.empty()) {
            text += kLineEnd;
        }
        text += line;
    }
    return text;
}

}  // namespace tonegate
