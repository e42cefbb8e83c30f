// Reads a WAV file's header: its format, where its audio lies, and the two numbers whose
// quotient is the play length (what the board simulator's audio-file component reports).
// Only chunk headers and the format and fact chunks are read, through a ByteSource, so a
// file of any size costs a few small reads and nothing is ever read past the end of the
// source.
#pragma once

#include <cstddef>
#include <cstdint>

#include "byte_source.h"

namespace core {

enum class WavStatus {
    Ok,
    NotRiffWave,    // no "RIFF" ... "WAVE" header
    Truncated,      // the file ends inside the header or inside the format chunk
    MissingFormat,  // no format chunk, or one too short to hold the basic fields
};

// Format tags the parser treats specially.
constexpr uint16_t kWaveFormatPcm = 0x0001;
constexpr uint16_t kWaveFormatIeeeFloat = 0x0003;
constexpr uint16_t kWaveFormatALaw = 0x0006;
constexpr uint16_t kWaveFormatMuLaw = 0x0007;
constexpr uint16_t kWaveFormatExtensible = 0xFFFE;

// How the play length is counted: sample frames at the sample rate, or data bytes at
// the byte rate (for a compressed format without a fact chunk).
enum class DurationUnit { Frames, Bytes };

struct WavInfo {
    uint16_t formatTag = 0;     // as stored in the format chunk
    uint16_t effectiveTag = 0;  // the sub-format's tag for an extensible file
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    // An extensible format chunk: whether it holds the extension (size and cbSize of at
    // least 22), its valid bits, and whether its sub-format GUID is a tag on the
    // standard base GUID (only then is effectiveTag that tag).
    bool extensionComplete = false;
    uint16_t validBits = 0;
    bool subFormatStandard = false;
    bool hasData = false;       // a data chunk was found
    uint32_t dataBytes = 0;     // its size, clipped to the bytes the file really holds
    uint64_t dataOffset = 0;    // where its audio begins
    bool dataSizeOpen = false;  // the size is 0 or 0xFFFFFFFF: the recorder never closed it
    bool dataCut = false;       // the file ends before the declared size does
    // The audio bytes to read: dataBytes, or for an open size everything to the end of
    // the file (at most 4 GiB - 1).
    uint32_t dataReadable = 0;
    bool hasFact = false;     // a fact chunk of at least 4 bytes was found
    uint32_t factFrames = 0;  // its sample-frame count
    DurationUnit unit = DurationUnit::Frames;
    uint32_t durationRate = 0;   // frames or bytes per second; 0 when unknown
    uint32_t durationCount = 0;  // frames or bytes in the data
};

struct WavParseResult {
    WavStatus status = WavStatus::NotRiffWave;
    bool rf64 = false;  // NotRiffWave because the header is RF64's
    WavInfo info;
};

// Parses a RIFF/WAVE source. Chunks may come in any order; odd-sized chunks are
// followed by a pad byte; a data chunk that claims more bytes than the file holds is
// counted as far as the file goes; a data chunk of open size ends the walk, the rest of
// the file being its audio. The RIFF size field is ignored (streaming writers
// leave it wrong), the chunks are followed to the end of the source.
WavParseResult ParseWav(const ByteSource& source);

// Number of audio streams the file holds: 1 when it has audio data, else 0.
int32_t WavStreamCount(const WavInfo& info);

// Play length in seconds, or a negative value when it cannot be known (a zero rate).
double WavDurationSeconds(const WavInfo& info);

}  // namespace core
