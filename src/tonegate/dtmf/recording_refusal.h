// Why a WAV file cannot be measured, in the words the operator reads.
#pragma once

#include <string>

#include "shared/wav_frame_reader.h"

namespace tonegate {

// The whole message for a file the reader refused (refusal other than None).
std::wstring RecordingRefusalText(const std::wstring& path, core::WavRefusal refusal,
                                  const core::WavInfo& info);

}  // namespace tonegate
