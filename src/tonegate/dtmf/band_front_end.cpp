#include "tonegate/dtmf/band_front_end.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace tonegate::dtmf {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kLowestOutputRate = 8000;
constexpr double kHighPassHz = 250.0;

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
    history_.assign(taps_.size() - 1, 0.0f);
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
    const size_t keep = taps_.size() - 1;
    history_.resize(keep + count);
    for (size_t i = 0; i < count; ++i) {
        history_[keep + i] = samples[i * stride];
    }
    const size_t total = pendingInputs_ + count;
    const size_t outputs = total / factor_;
    // Output n ends at input (n+1)*factor-1 counted from the first input not yet output.
    const size_t firstEnd = keep + (factor_ - pendingInputs_) - 1;
    const float* taps = taps_.data();
    const size_t tapCount = taps_.size();
    for (size_t n = 0; n < outputs; ++n) {
        const float* window = history_.data() + firstEnd + n * factor_ - keep;
        float acc = 0;
        for (size_t k = 0; k < tapCount; ++k) {
            acc += taps[k] * window[tapCount - 1 - k];
        }
        const double y = b0_ * acc + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = acc;
        y2_ = y1_;
        y1_ = y;
        out->push_back(static_cast<float>(y));
    }
    pendingInputs_ = total % factor_;
    std::copy(history_.end() - keep, history_.end(), history_.begin());
    history_.resize(keep);
}

}  // namespace tonegate::dtmf
