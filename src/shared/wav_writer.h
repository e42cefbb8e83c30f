// Writes 16-bit stereo PCM WAV files with labelled cue points, the form the test signal
// takes. The chunks come in the order "fmt ", "data", "cue ", "LIST" (an "adtl" list with
// one "labl" per cue point), as editors and players that show markers expect them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "file_port.h"

namespace core {

struct WavCue {
    uint32_t frame = 0;  // both the cue point's position and its sample offset
    std::wstring label;  // stored as 8-bit text: characters beyond ASCII become '?'
};

// The whole file: interleaved left/right samples, then the cue points in the given order.
Bytes BuildStereoWav(uint32_t sampleRate, const std::vector<int16_t>& interleaved,
                     const std::vector<WavCue>& cues);

// Writes it through the file port, which leaves no partial file behind on a failed write;
// an existing file is replaced. Returns the port's Win32 status (0 on success).
long WriteStereoWav(FilePort& files, const std::wstring& path, uint32_t sampleRate,
                    const std::vector<int16_t>& interleaved, const std::vector<WavCue>& cues);

}  // namespace core
