#include "tonegate/dtmf/band_front_end.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace tonegate::dtmf {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kLowestOutputRate = 8000;
constexpr double kHighPassHz = 250.0;
constexpr float kLargestSample = 64.0f;          // beyond it (or not a number) a sample reads as 0
constexpr float kFixedPointScale = 16777216.0f;  // 2^24: a float sample's whole precision

}  // namespace

BandFrontEnd::BandFrontEnd(int sampleRate)
    : sampleRate_(sampleRate), factor_(std::max(1, sampleRate / kLowestOutputRate)) {
    outputRate_ = static_cast<double>(sampleRate_) / factor_;
    // Three boxcars of `factor_` taps convolved: 3*factor-2 taps summing to one.
    std::vector<double> taps(1, 1.0);
    for (int stage = 0; stage < 3; ++stage) {
        std::vector<double> next(taps.size() + factor_ - 1, 0.0);
        for (size_t i = 0; i < taps.size(); ++i) {
            for (int k = 0; k < factor_; ++k) {
                next[i + k] += taps[i] / factor_;
            }
        }
        taps.swap(next);
    }
    taps_.assign(taps.begin(), taps.end());
    // Butterworth high-pass (Q = 1/sqrt 2) at the output rate.
    const double w = 2 * kPi * kHighPassHz / outputRate_;
    const double alpha = std::sin(w) / (2 * std::sqrt(0.5));
    const double a0 = 1 + alpha;
    b0_ = (1 + std::cos(w)) / 2 / a0;
    b1_ = -(1 + std::cos(w)) / a0;
    b2_ = b0_;
    a1_ = -2 * std::cos(w) / a0;
    a2_ = (1 - alpha) / a0;
}

double BandFrontEnd::TimeOf(double index) const {
    const double centre = index * factor_ + (factor_ - 1) - (taps_.size() - 1) / 2.0;
    return centre / sampleRate_;
}

double BandFrontEnd::GainAt(double hz) const {
    std::complex<double> fir = 0;
    for (size_t k = 0; k < taps_.size(); ++k) {
        fir += static_cast<double>(taps_[k]) * std::polar(1.0, -2 * kPi * hz * k / sampleRate_);
    }
    const std::complex<double> z = std::polar(1.0, -2 * kPi * hz / outputRate_);
    const std::complex<double> hp = (b0_ + b1_ * z + b2_ * z * z) / (1.0 + a1_ * z + a2_ * z * z);
    return std::abs(fir) * std::abs(hp);
}

void BandFrontEnd::Process(const float* samples, size_t count, size_t stride,
                           std::vector<float>* out) {
    // The cubed moving average as three integrators at the input rate and three
    // differences at the output rate, in wrapping integer arithmetic, so that it is exact
    // however long the recording.
    fixed_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const float sample = samples[i * stride];
        const float kept = sample > -kLargestSample && sample < kLargestSample ? sample : 0.0f;
        fixed_[i] = static_cast<int32_t>(kept * kFixedPointScale);
    }
    const double outputScale =
        1.0 / (static_cast<double>(kFixedPointScale) * factor_ * factor_ * factor_);
    uint64_t i1 = integrators_[0], i2 = integrators_[1], i3 = integrators_[2];
    const size_t first = out->size();
    size_t at = 0;
    while (at < count) {
        const size_t take = std::min(count - at, static_cast<size_t>(factor_) - pendingInputs_);
        for (size_t i = at; i < at + take; ++i) {
            i1 += static_cast<uint64_t>(static_cast<int64_t>(fixed_[i]));
            i2 += i1;
            i3 += i2;
        }
        at += take;
        pendingInputs_ += take;
        if (pendingInputs_ < static_cast<size_t>(factor_)) {
            break;
        }
        pendingInputs_ = 0;
        uint64_t value = i3;
        for (uint64_t& delayed : combs_) {
            const uint64_t difference = value - delayed;
            delayed = value;
            value = difference;
        }
        out->push_back(
            static_cast<float>(static_cast<double>(static_cast<int64_t>(value)) * outputScale));
    }
    integrators_[0] = i1;
    integrators_[1] = i2;
    integrators_[2] = i3;
    for (size_t n = first; n < out->size(); ++n) {
        const double x = (*out)[n];
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        (*out)[n] = static_cast<float>(y);
    }
}

}  // namespace tonegate::dtmf
