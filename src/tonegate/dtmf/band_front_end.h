// The decoder's front end for one channel: brings any rate from 8 to 192 kHz down to
// 8..16 kHz (every DTMF frequency stays well below half of it) with a cubed moving
// average, then takes out what lies below the voice band with a second-order high-pass.
// The cubed moving average is cheap and puts deep nulls where the aliases would land.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tonegate::dtmf {

class BandFrontEnd {
  public:
    explicit BandFrontEnd(int sampleRate);

    int Factor() const { return factor_; }
    double OutputRate() const { return outputRate_; }
    // Seconds from the recording's start to the centre of output sample `index`.
    double TimeOf(double index) const;
    // The amplitude the front end passes at `hz` (1 for no change).
    double GainAt(double hz) const;

    // Takes `count` samples of this channel, `stride` apart, and appends the outputs they
    // complete to `out`.
    void Process(const float* samples, size_t count, size_t stride, std::vector<float>* out);

  private:
    int sampleRate_;
    int factor_;
    double outputRate_;
    std::vector<float> taps_;     // the moving average's impulse response, for its gain
    std::vector<int32_t> fixed_;  // the slice in fixed point
    uint64_t integrators_[3] = {0, 0, 0};
    uint64_t combs_[3] = {0, 0, 0};
    size_t pendingInputs_ = 0;  // inputs since the last output
    // High-pass biquad (direct form I).
    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace tonegate::dtmf
