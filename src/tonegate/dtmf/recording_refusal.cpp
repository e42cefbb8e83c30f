#include "tonegate/dtmf/recording_refusal.h"

#include "shared/format.h"
#include "tonegate/model/tonegate_strings.h"

namespace tonegate {

namespace {

std::wstring Reason(core::WavRefusal refusal, const core::WavInfo& info) {
    using core::WavRefusal;
    switch (refusal) {
        case WavRefusal::None:
        case WavRefusal::NotWav:
            break;
        case WavRefusal::Rf64:
            return TonegateText(IDS_RECORDING_RF64);
        case WavRefusal::Truncated:
            return TonegateText(IDS_RECORDING_TRUNCATED);
        case WavRefusal::NoFormat:
            return TonegateText(IDS_RECORDING_NO_FORMAT);
        case WavRefusal::NoData:
            return TonegateText(IDS_RECORDING_NO_DATA);
        case WavRefusal::DataCut:
            return TonegateText(IDS_RECORDING_DATA_CUT);
        case WavRefusal::Encoding:
            return core::Format(TonegateText(IDS_RECORDING_ENCODING),
                                static_cast<int32_t>(info.effectiveTag));
        case WavRefusal::SubFormat:
            return TonegateText(IDS_RECORDING_SUB_FORMAT);
        case WavRefusal::SampleSize:
            return core::Format(TonegateText(IDS_RECORDING_SAMPLE_SIZE),
                                static_cast<int32_t>(info.bitsPerSample));
        case WavRefusal::ValidBits:
            return core::Format(TonegateText(IDS_RECORDING_VALID_BITS),
                                static_cast<int32_t>(info.validBits),
                                static_cast<int32_t>(info.bitsPerSample));
        case WavRefusal::Channels:
            return TonegateText(IDS_RECORDING_CHANNELS);
        case WavRefusal::SampleRate:
            return core::Format(TonegateText(IDS_RECORDING_SAMPLE_RATE), info.sampleRate);
        case WavRefusal::BlockAlign:
            return core::Format(
                TonegateText(IDS_RECORDING_BLOCK_ALIGN), static_cast<int32_t>(info.blockAlign),
                static_cast<int32_t>(info.channels), static_cast<int32_t>(info.bitsPerSample));
    }
    return TonegateText(IDS_RECORDING_NOT_WAV);
}

}  // namespace

std::wstring RecordingRefusalText(const std::wstring& path, core::WavRefusal refusal,
                                  const core::WavInfo& info) {
    return core::Format(TonegateText(IDS_RECORDING_REFUSED), path, Reason(refusal, info));
}

}  // namespace tonegate
