#include "cuebell/core/description.h"

#include "cuebell/core/box_message.h"
#include "cuebell/model/cuebell_strings.h"
#include "cuebell/model/model.h"
#include "shared/format.h"

namespace cuebell {

namespace {

const wchar_t* const kNewLine = L"\r\n";
// Stands for every field of a device or sample that the lists do not hold.
const wchar_t* const kUnknown = L"?";

std::wstring DeviceLine(const GpiInfo& entry, const DeviceList& devices) {
    const std::wstring sampleRate = CuebellText(IDS_SAMPLE_RATE);
    const std::wstring interval = CuebellText(IDS_ANALYSIS_INTERVAL);
    const int32_t index = FindDeviceIndex(devices, entry.DeviceId);
    if (index < 0) {
        return core::Format(L"%s (%s = %s Hz, %s = %s ms)", kUnknown, sampleRate, kUnknown,
                            interval, kUnknown);
    }
    const DeviceInfo& device = devices[static_cast<size_t>(index)];
    return core::Format(L"%s (%s = %d Hz, %s = %d ms)", device.Name, sampleRate, device.SampleRate,
                        interval, AnalysisIntervalMs(device));
}

std::wstring ThresholdText(const SampleInfo& sample, const GeneralParams& general) {
    const std::wstring threshold = CuebellText(IDS_THRESHOLD);
    if (sample.Threshold == 0) {
        return core::Format(L"%s = %d%%(default)", threshold, general.Threshold);
    }
    return core::Format(L"%s = %d%%", threshold, sample.Threshold);
}

std::wstring SampleLine(const std::wstring& sampleId, const SampleList& samples,
                        const GeneralParams& general) {
    const int32_t index = FindSampleIndex(samples, sampleId);
    if (index < 0) {
        return core::Format(L"%s (%s = %s s, %s = %s s, %s = %s)", kUnknown, CuebellText(IDS_DELAY),
                            kUnknown, CuebellText(IDS_OFFSET), kUnknown, CuebellText(IDS_THRESHOLD),
                            kUnknown);
    }
    const SampleInfo& sample = samples[static_cast<size_t>(index)];
    const std::wstring delayText =
        core::Format(L"%s = %05.2f s", CuebellText(IDS_DELAY), sample.Delay);
    return core::Format(L"%s (%s, %s = %05.2f s, %s)", sample.AudioFile, delayText,
                        CuebellText(IDS_OFFSET), sample.Offset, ThresholdText(sample, general));
}

}  // namespace

std::wstring DescribeEntry(const GpiInfo& entry, const SampleList& samples,
                           const DeviceList& devices, const GeneralParams& general) {
    std::wstring text = CuebellText(IDS_SELECTED_DEVICE_HEADING);
    text += kNewLine;
    text += DeviceLine(entry, devices);
    text += L";";
    text += kNewLine;
    text += kDescriptionSeparator;
    text += kNewLine;
    text += CuebellText(IDS_SELECTED_SAMPLES_HEADING);
    const size_t count = entry.SampleIds.size();
    for (size_t k = 0; k < count; ++k) {
        text += kNewLine;
        text += core::Format(L"%d) ", static_cast<unsigned long>(k + 1));
        text += SampleLine(entry.SampleIds[k], samples, general);
        text += k + 1 < count ? L";" : L".";
    }
    return text;
}

}  // namespace cuebell
