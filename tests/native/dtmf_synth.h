// Test sounds for the DTMF decoder: DTMF pairs with raised-cosine ramps, band noise, and
// the two kinds of programme a detector must not mistake for symbols: music (chords of
// harmonic notes with vibrato) and speech-like sound (voiced harmonics whose pitch glides,
// shaped by moving formants). Mono, at any rate; the caller places them on channels.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "tonegate/dtmf/dtmf_symbols.h"

namespace dtmf_synth {

inline constexpr double kPi = 3.14159265358979323846;

inline double DbToAmplitude(double db) {
    return std::pow(10.0, db / 20.0);
}

struct Pair {
    wchar_t symbol = L'1';
    double start = 0;        // seconds, half-amplitude point of the rising ramp
    double duration = 0.05;  // seconds between the half-amplitude points
    double lowDb = -12;      // peak of each component, dBFS
    double highDb = -12;
    double frequencyFactor = 1.0;  // 1.015 is 1.5 % high
    double gapStart = -1;          // an interruption inside the tone (seconds), none when < 0
    double gapLength = 0;
};

// Adds a DTMF pair whose 5 ms raised-cosine ramps are centred on its nominal edges.
inline void AddPair(std::vector<float>* out, int rate, const Pair& pair) {
    int row = 0, column = 0;
    tonegate::dtmf::KeypadPosition(pair.symbol, &row, &column);
    const double low = tonegate::dtmf::kLowGroupHz[row] * pair.frequencyFactor;
    const double high = tonegate::dtmf::kHighGroupHz[column] * pair.frequencyFactor;
    const double ramp = 0.005;
    auto gate = [&](double t, double edge, double rising) {
        const double u = std::clamp((t - edge) / ramp + 0.5, 0.0, 1.0);
        const double up = 0.5 - 0.5 * std::cos(kPi * u);
        return rising > 0 ? up : 1 - up;
    };
    const double end = pair.start + pair.duration;
    const int64_t first = std::max<int64_t>(0, std::lround((pair.start - ramp) * rate));
    const int64_t last = std::min<int64_t>(out->size(), std::lround((end + ramp) * rate) + 1);
    for (int64_t i = first; i < last; ++i) {
        const double t = static_cast<double>(i) / rate;
        double envelope = std::min(gate(t, pair.start, 1), gate(t, end, -1));
        if (pair.gapStart >= 0 && t > pair.gapStart - ramp &&
            t < pair.gapStart + pair.gapLength + ramp) {
            envelope = std::min(envelope, std::max(gate(t, pair.gapStart, -1),
                                                   gate(t, pair.gapStart + pair.gapLength, 1)));
        }
        (*out)[i] += static_cast<float>(
            envelope * (DbToAmplitude(pair.lowDb) * std::sin(2 * kPi * low * t) +
                        DbToAmplitude(pair.highDb) * std::sin(2 * kPi * high * t)));
    }
}

// Noise in 300..3400 Hz: many sines of random frequency and phase, at `rmsDb` dB of RMS
// against full scale.
inline void AddBandNoise(std::vector<float>* out, int rate, double rmsDb, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int count = 120;
    const double each = DbToAmplitude(rmsDb) * std::sqrt(2.0 / count);
    std::vector<float> noise(out->size(), 0.0f);
    for (int k = 0; k < count; ++k) {
        const double hz = 300 + 3100 * unit(random);
        double phase = 2 * kPi * unit(random);
        const double step = 2 * kPi * hz / rate;
        for (float& sample : noise) {
            sample += static_cast<float>(each * std::sin(phase));
            phase += step;
        }
    }
    for (size_t i = 0; i < out->size(); ++i) {
        (*out)[i] += noise[i];
    }
}

// One oscillator whose frequency may change every sample, with its harmonics.
class HarmonicVoice {
  public:
    double Next(double hz, int rate, const double* harmonicAmplitudes, int harmonics) {
        phase_ += 2 * kPi * hz / rate;
        if (phase_ > 2 * kPi) {
            phase_ -= 2 * kPi;
        }
        double value = 0;
        for (int h = 0; h < harmonics; ++h) {
            if (hz * (h + 1) < rate / 2.0) {
                value += harmonicAmplitudes[h] * std::sin((h + 1) * phase_);
            }
        }
        return value;
    }

  private:
    double phase_ = 0;
};

// Chords of four notes (equal temperament, several on DTMF frequencies' neighbours),
// each note with six harmonics and a 5.5 Hz vibrato, a new chord every 0.6 s; peak
// around -6 dBFS.
inline std::vector<float> Music(int rate, double seconds, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> note(55, 92);  // MIDI G3..G#6: F5 is 697 Hz, F#6 1480 Hz
    std::vector<float> out(static_cast<size_t>(seconds * rate));
    const double harmonics[6] = {1.0, 0.5, 0.33, 0.25, 0.2, 0.16};
    HarmonicVoice voices[4];
    double pitch[4] = {0, 0, 0, 0};
    const size_t chordLength = static_cast<size_t>(0.6 * rate);
    for (size_t i = 0; i < out.size(); ++i) {
        if (i % chordLength == 0) {
            for (double& hz : pitch) {
                hz = 440.0 * std::pow(2.0, (note(random) - 69) / 12.0);
            }
        }
        const double t = static_cast<double>(i) / rate;
        const double vibrato = 1 + 0.006 * std::sin(2 * kPi * 5.5 * t);
        const double attack = std::min(1.0, static_cast<double>(i % chordLength) / (0.02 * rate));
        double value = 0;
        for (int v = 0; v < 4; ++v) {
            value += voices[v].Next(pitch[v] * vibrato, rate, harmonics, 6);
        }
        out[i] = static_cast<float>(0.06 * attack * value);
    }
    return out;
}

// Syllables of 120..320 ms: a voice whose pitch glides between 90 and 260 Hz, its
// harmonics weighted by two formants gliding from one vowel to the next; short pauses.
inline std::vector<float> Speech(int rate, double seconds, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<float> out(static_cast<size_t>(seconds * rate));
    const int harmonics = 30;
    HarmonicVoice voice;
    size_t i = 0;
    while (i < out.size()) {
        const size_t length = static_cast<size_t>((0.12 + 0.2 * unit(random)) * rate);
        const double pitchFrom = 90 + 170 * unit(random), pitchTo = 90 + 170 * unit(random);
        const double f1From = 300 + 500 * unit(random), f1To = 300 + 500 * unit(random);
        const double f2From = 900 + 1500 * unit(random), f2To = 900 + 1500 * unit(random);
        double amplitudes[harmonics];
        for (size_t n = 0; n < length && i < out.size(); ++n, ++i) {
            const double u = static_cast<double>(n) / length;
            const double pitch = pitchFrom + (pitchTo - pitchFrom) * u;
            if (n % 64 == 0) {
                const double f1 = f1From + (f1To - f1From) * u, f2 = f2From + (f2To - f2From) * u;
                for (int h = 0; h < harmonics; ++h) {
                    const double hz = pitch * (h + 1);
                    const double r1 = (hz - f1) / 90, r2 = (hz - f2) / 120;
                    amplitudes[h] = 1.0 / (1 + r1 * r1) + 0.6 / (1 + r2 * r2);
                }
            }
            const double shape = std::sin(kPi * u);
            out[i] =
                static_cast<float>(0.12 * shape * voice.Next(pitch, rate, amplitudes, harmonics));
        }
        i += static_cast<size_t>((0.03 + 0.12 * unit(random)) * rate);
    }
    return out;
}

}  // namespace dtmf_synth
