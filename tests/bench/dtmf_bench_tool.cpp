// The DTMF benchmark's tool. "make" writes the benchmark's recording (48 kHz, 16-bit
// stereo: music and speech on both channels, cue sequences on the left) and the truth
// (one line per sequence: start in seconds and symbols); "decode" streams a 16-bit PCM
// WAV file through the decoder and prints each sequence it hears ("view start symbols"),
// then the peak memory of the process. Its WAV reading is the benchmark's own minimal
// one: 16-bit PCM only.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "native/dtmf_synth.h"
#include "tonegate/dtmf/dtmf_decoder.h"
#include "tonegate/dtmf/tone_sequences.h"

namespace {

using tonegate::dtmf::DetectedTone;
using tonegate::dtmf::DtmfDecoder;

constexpr int kRate = 48000;
constexpr double kSegmentSeconds = 20;   // of music or of speech, alternating
constexpr int kProgrammeSegments = 16;   // distinct segments of each kind, then repeated
constexpr double kProgrammeGain = 0.15;  // music peaks near -22 dBFS under the tones

void PutLe(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

int16_t ToPcm(float value) {
    const float scaled = value * 32767.0f;
    return static_cast<int16_t>(scaled > 32767 ? 32767 : scaled < -32768 ? -32768 : scaled);
}

int Make(const char* wavPath, const char* truthPath, double seconds, int sequences) {
    std::mt19937 random(19);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const char* keys = "0123456789ABCD*#";
    std::vector<dtmf_synth::Pair> pairs;
    std::ofstream truth(truthPath);
    const double spacing = seconds / sequences;
    for (int s = 0; s < sequences; ++s) {
        double at = (s + 0.25 + 0.5 * unit(random)) * spacing;
        const int count = 1 + static_cast<int>(unit(random) * 4);
        const double tone = 0.040 + 0.110 * unit(random);
        const double pause = 0.040 + 0.060 * unit(random);
        const double factor = 1 + 0.028 * (unit(random) - 0.5);  // within 1.4 %
        const double level = -8 - 6 * unit(random);
        const double twist = 6 * (unit(random) - 0.5);
        std::string symbols;
        char line[64];
        std::snprintf(line, sizeof line, "%.4f ", at);
        for (int i = 0; i < count; ++i) {
            dtmf_synth::Pair pair;
            pair.symbol = static_cast<wchar_t>(keys[static_cast<int>(unit(random) * 16)]);
            pair.start = at;
            pair.duration = tone;
            pair.frequencyFactor = factor;
            pair.lowDb = level;
            pair.highDb = level + twist;
            pairs.push_back(pair);
            symbols += static_cast<char>(pair.symbol);
            at += tone + pause;
        }
        truth << line << symbols << "\n";
    }

    std::vector<std::vector<float>> music, speech;
    for (int i = 0; i < kProgrammeSegments; ++i) {
        music.push_back(dtmf_synth::Music(kRate, kSegmentSeconds, 100 + i));
        speech.push_back(dtmf_synth::Speech(kRate, kSegmentSeconds, 200 + i));
    }
    const uint32_t frames = static_cast<uint32_t>(seconds * kRate);
    const uint32_t dataBytes = frames * 4;
    std::ofstream out(wavPath, std::ios::binary);
    out.write("RIFF", 4);
    PutLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);
    PutLe(out, 2, 2);
    PutLe(out, kRate, 4);
    PutLe(out, kRate * 4, 4);
    PutLe(out, 4, 2);
    PutLe(out, 16, 2);
    out.write("data", 4);
    PutLe(out, dataBytes, 4);
    const size_t segmentFrames = static_cast<size_t>(kSegmentSeconds * kRate);
    size_t nextPair = 0;
    std::vector<int16_t> pcm;
    for (size_t first = 0; first < frames; first += segmentFrames) {
        const size_t count = std::min<size_t>(segmentFrames, frames - first);
        const size_t index = first / segmentFrames;
        const std::vector<float>& programme =
            (index % 2 ? speech : music)[(index / 2) % kProgrammeSegments];
        std::vector<float> left(count, 0.0f);
        const double offset = static_cast<double>(first) / kRate;
        for (size_t p = nextPair; p < pairs.size(); ++p) {
            if (pairs[p].start - 0.01 > offset + kSegmentSeconds) {
                break;
            }
            dtmf_synth::Pair shifted = pairs[p];
            shifted.start -= offset;
            dtmf_synth::AddPair(&left, kRate, shifted);
            if (pairs[p].start + pairs[p].duration + 0.01 < offset + kSegmentSeconds) {
                nextPair = p + 1;
            }
        }
        pcm.resize(2 * count);
        for (size_t i = 0; i < count; ++i) {
            const float background = static_cast<float>(kProgrammeGain) * programme[i];
            pcm[2 * i] = ToPcm(background + left[i]);
            pcm[2 * i + 1] = ToPcm(background);
        }
        out.write(reinterpret_cast<const char*>(pcm.data()),
                  static_cast<std::streamsize>(pcm.size() * sizeof(int16_t)));
    }
    return out ? 0 : 1;
}

uint32_t GetLe(const unsigned char* p, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | p[i];
    }
    return value;
}

long PeakKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

void Print(const std::vector<DetectedTone>& tones) {
    for (const auto& sequence : tonegate::dtmf::GroupSequences(tones, 0.25)) {
        std::string symbols;
        for (const DetectedTone& tone : sequence) {
            symbols += static_cast<char>(tone.symbol);
        }
        std::printf("%d %.4f %s\n", static_cast<int>(sequence[0].view), sequence[0].start,
                    symbols.c_str());
    }
}

int Decode(const char* wavPath) {
    std::FILE* file = std::fopen(wavPath, "rb");
    if (!file) {
        return 1;
    }
    unsigned char header[12];
    if (std::fread(header, 1, 12, file) != 12 || std::memcmp(header, "RIFF", 4) ||
        std::memcmp(header + 8, "WAVE", 4)) {
        return 1;
    }
    int channels = 0, rate = 0, bits = 0;
    uint32_t dataBytes = 0;
    for (;;) {
        unsigned char chunk[8];
        if (std::fread(chunk, 1, 8, file) != 8) {
            return 1;
        }
        const uint32_t size = GetLe(chunk + 4, 4);
        if (!std::memcmp(chunk, "data", 4)) {
            dataBytes = size;
            break;
        }
        std::vector<unsigned char> body(size + (size & 1));
        if (std::fread(body.data(), 1, body.size(), file) != body.size()) {
            return 1;
        }
        if (!std::memcmp(chunk, "fmt ", 4) && size >= 16) {
            channels = static_cast<int>(GetLe(&body[2], 2));
            rate = static_cast<int>(GetLe(&body[4], 4));
            bits = static_cast<int>(GetLe(&body[14], 2));
        }
    }
    if (bits != 16 || channels < 1 || rate < 8000) {
        return 1;
    }
    DtmfDecoder decoder(rate, channels);
    std::vector<DetectedTone> tones;
    const size_t sliceFrames = 8192;
    std::vector<int16_t> pcm(sliceFrames * channels);
    std::vector<float> samples(pcm.size());
    uint64_t left = dataBytes / (2 * channels);
    while (left > 0) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(left, sliceFrames));
        const size_t got = std::fread(pcm.data(), 2 * channels, want, file);
        if (got == 0) {
            break;
        }
        for (size_t i = 0; i < got * channels; ++i) {
            samples[i] = pcm[i] / 32768.0f;
        }
        decoder.Feed(samples.data(), got);
        const std::vector<DetectedTone> more = decoder.TakeTones();
        tones.insert(tones.end(), more.begin(), more.end());
        left -= got;
    }
    std::fclose(file);
    decoder.Finish();
    const std::vector<DetectedTone> more = decoder.TakeTones();
    tones.insert(tones.end(), more.begin(), more.end());
    Print(tones);
    std::printf("peak %ld\n", PeakKib());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && !std::strcmp(argv[1], "make")) {
        const double seconds = argc > 4 ? std::atof(argv[4]) : 10800;
        const int sequences = argc > 5 ? std::atoi(argv[5]) : 500;
        return Make(argv[2], argv[3], seconds, sequences);
    }
    if (argc == 3 && !std::strcmp(argv[1], "decode")) {
        return Decode(argv[2]);
    }
    std::fprintf(stderr, "usage: %s make WAV TRUTH [SECONDS SEQUENCES] | decode WAV\n", argv[0]);
    return 2;
}
