// The description of the selected signal that the main dialog shows below the list: its
// device, then its symbols, timings and channel, the labels and values aligned with tabs.
// Lines end in carriage return and line feed; the last line has no line end.
#pragma once

#include <cstdint>
#include <string>

#include "tonegate/model/signal_records.h"

namespace tonegate {

// "left", "right", "stereo" or "stereo inverse"; any other value is "left".
std::wstring ChannelName(int32_t analysisType);

// The whole description; empty when no signal is selected (null).
std::wstring DescribeSignal(const CDTMFTaskInfo* signal);

}  // namespace tonegate
