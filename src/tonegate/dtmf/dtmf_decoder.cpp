#include "tonegate/dtmf/dtmf_decoder.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "tonegate/dtmf/dtmf_symbols.h"

namespace tonegate::dtmf {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr size_t kSliceFrames = 4096;
constexpr double kBlockSeconds = 0.005;
constexpr int kWindowBlocks = 4;
constexpr int64_t kRunGapHops = 6;  // a run ends after 30 ms without its symbol
constexpr double kMarginSeconds = 0.020;
constexpr double kRingSeconds = 8.0;
constexpr double kLongRunSeconds = 5.0;  // longer runs are measured at their head and tail
constexpr double kHeadTailSeconds = 1.0;

// The coarse pass is loose: it only chooses where the fine pass looks.
constexpr double kCoarseMinAmplitude = 0.0056;  // -45 dBFS
constexpr double kCoarseMinShare = 0.4;
constexpr double kCoarseTwistLowDb = -11;
constexpr double kCoarseTwistHighDb = 7;

// The fine pass decides, on the receiver figures with room for the measuring error.
constexpr double kEnvelopeSeconds = 0.010;
constexpr double kEnvelopeStepSeconds = 0.0005;
constexpr double kRampSeconds = 0.005;  // kept out of the frequency measurement
constexpr double kMaxCoreSeconds = 0.1;
constexpr double kSearchStep = 0.0025;
constexpr int kSearchSteps = 20;        // +-5 % around each nominal frequency
constexpr int kCoarseSearchSteps = 4;   // whole percents first
constexpr double kMaxDeviation = 0.02;  // the accepted 1.5 % with room for the measuring error
constexpr double kMinLevelDb = -42;     // the weaker component; -36 dBFS must be found
constexpr double kTwistLowDb = -9;      // high group weaker by 8 dB must be found
constexpr double kTwistHighDb = 5;      // and 4 dB the other way
constexpr double kSteadyCoreSeconds = 0.016;  // long enough to compare the frequency's halves
constexpr double kMaxDrift = 0.015;           // between them; noise 10 dB below moves them by 1 %
constexpr int kMaxHarmonicSteps = 12;
constexpr double kLowestPitchHz = 70;
constexpr double kHighestPitchHz = 450;
constexpr double kProbeClearanceHz = 60;
constexpr double kMainLobeWidths = 2.5;      // a Hann window's main lobe: 2 / length
constexpr double kMaxNeighbourShare = 0.01;  // -20 dB of the weaker component
constexpr double kMinShare = 0.8;  // of the band's power; interference 10 dB below leaves 0.9
constexpr double kBridgeSeconds = 0.012;   // interruptions of 10 ms stay within the symbol
constexpr double kMinToneSeconds = 0.024;  // every tone of 25 ms, none under 23 ms

// A Hann window without its zero end points, by rotation rather than a cosine each.
std::vector<double> HannWindow(size_t length) {
    std::vector<double> weights(length);
    const std::complex<double> turn = std::polar(1.0, 2 * kPi / (length + 1.0));
    std::complex<double> at = turn;
    for (double& weight : weights) {
        weight = 0.5 - 0.5 * at.real();
        at *= turn;
    }
    return weights;
}

// |sum of weighted[i] e^(-j w i)| for the angular frequency w per sample.
double Magnitude(const std::vector<double>& weighted, double w) {
    const std::complex<double> turn = std::polar(1.0, -w);
    std::complex<double> carrier = 1.0;
    std::complex<double> sum = 0;
    for (double value : weighted) {
        sum += value * carrier;
        carrier *= turn;
    }
    return std::abs(sum);
}

double Percentile90(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    const size_t at = values.size() * 9 / 10;
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[at];
}

}  // namespace

struct DtmfDecoder::Run {
    int symbol = -1;
    int64_t firstHop = 0;
    int64_t lastHop = 0;
    bool headDone = false;  // a long run whose start is measured already
    bool headFound = false;
    DetectedTone head;
};

struct DtmfDecoder::ViewState {
    Run run;
    std::deque<Run> pending;  // closed, waiting for the signal after them
};

struct DtmfDecoder::Segment {
    double start = 0;  // reduced-rate sample index
    double end = 0;
    double levelDb = 0;
    bool cutAtStart = false;
    bool cutAtEnd = false;
};

DtmfDecoder::DtmfDecoder(int sampleRate, int channels)
    : channels_(std::max(1, channels)), sampleRate_(sampleRate) {
    const int used = std::min(channels_, 2);
    for (int c = 0; c < used; ++c) {
        frontEnds_.emplace_back(sampleRate);
    }
    views_ = used == 1 ? std::vector<ChannelView>{ChannelView::Mono}
                       : std::vector<ChannelView>{ChannelView::Left, ChannelView::Right,
                                                  ChannelView::Sum, ChannelView::Difference};
    for (size_t v = 0; v < views_.size(); ++v) {
        state_.push_back(std::make_unique<ViewState>());
    }
    rate_ = frontEnds_[0].OutputRate();
    blockSize_ = static_cast<size_t>(std::lround(rate_ * kBlockSeconds));
    for (int k = 0; k < 8; ++k) {
        hz_[k] = k < 4 ? kLowGroupHz[k] : kHighGroupHz[k - 4];
        gain_[k] = frontEnds_[0].GainAt(hz_[k]);
        blockStep_[k] = std::polar(1.0, -2 * kPi * hz_[k] * blockSize_ / rate_);
        phasor_[k] = 1.0;
    }
    cos_.resize(8 * blockSize_);
    sin_.resize(8 * blockSize_);
    for (int k = 0; k < 8; ++k) {
        for (size_t n = 0; n < blockSize_; ++n) {
            cos_[n * 8 + k] = static_cast<float>(std::cos(2 * kPi * hz_[k] * n / rate_));
            sin_[n * 8 + k] = static_cast<float>(std::sin(2 * kPi * hz_[k] * n / rate_));
        }
    }
    size_t ring = 1;
    while (ring < rate_ * kRingSeconds) {
        ring *= 2;
    }
    ringMask_ = ring - 1;
    ring_.assign(used, std::vector<float>(ring, 0.0f));
}

DtmfDecoder::~DtmfDecoder() = default;

void DtmfDecoder::Feed(const float* interleaved, size_t frames) {
    for (size_t offset = 0; offset < frames; offset += kSliceFrames) {
        const size_t count = std::min(kSliceFrames, frames - offset);
        size_t made = 0;
        for (size_t c = 0; c < ring_.size(); ++c) {
            slice_.clear();
            frontEnds_[c].Process(interleaved + offset * channels_ + c, count, channels_, &slice_);
            for (size_t i = 0; i < slice_.size(); ++i) {
                ring_[c][(produced_ + i) & ringMask_] = slice_[i];
            }
            made = slice_.size();
        }
        produced_ += made;
        framesIn_ += count;
        ProcessBlocks();
        AnalysePending(false);
    }
}

void DtmfDecoder::Finish() {
    for (size_t v = 0; v < views_.size(); ++v) {
        if (state_[v]->run.symbol >= 0) {
            CloseRun(v);
        }
    }
    AnalysePending(true);
}

std::vector<DetectedTone> DtmfDecoder::TakeTones() {
    std::vector<DetectedTone> tones;
    tones.swap(done_);
    return tones;
}

void DtmfDecoder::ProcessBlocks() {
    const size_t n = blockSize_;
    std::vector<float> block[2];
    while (static_cast<int64_t>((blocks_ + 1) * n) <= produced_) {
        BlockSums& sums = window_[blocks_ % kWindowBlocks];
        for (size_t c = 0; c < ring_.size(); ++c) {
            block[c].resize(n);
            for (size_t i = 0; i < n; ++i) {
                block[c][i] = ring_[c][(blocks_ * n + i) & ringMask_];
            }
            // Sample by sample, all eight carriers at once (they vectorise).
            float re[8] = {0, 0, 0, 0, 0, 0, 0, 0};
            float im[8] = {0, 0, 0, 0, 0, 0, 0, 0};
            for (size_t i = 0; i < n; ++i) {
                const float x = block[c][i];
                const float* cs = cos_.data() + i * 8;
                const float* sn = sin_.data() + i * 8;
                for (int k = 0; k < 8; ++k) {
                    re[k] += x * cs[k];
                    im[k] += x * sn[k];
                }
            }
            for (int k = 0; k < 8; ++k) {
                sums.x[c][k] = phasor_[k] * std::complex<double>(re[k], -im[k]);
            }
        }
        double ll = 0, rr = 0, lr = 0;
        for (size_t i = 0; i < n; ++i) {
            const float l = block[0][i];
            const float r = ring_.size() > 1 ? block[1][i] : 0.0f;
            ll += l * l;
            rr += r * r;
            lr += l * r;
        }
        sums.ll = ll;
        sums.rr = rr;
        sums.lr = lr;
        for (int k = 0; k < 8; ++k) {
            phasor_[k] *= blockStep_[k];
            phasor_[k] *= 1.5 - 0.5 * std::norm(phasor_[k]);  // back to unit length
        }
        windowSums_ = BlockSums{};
        for (const BlockSums& b : window_) {
            for (size_t c = 0; c < ring_.size(); ++c) {
                for (int k = 0; k < 8; ++k) {
                    windowSums_.x[c][k] += b.x[c][k];
                }
            }
            windowSums_.ll += b.ll;
            windowSums_.rr += b.rr;
            windowSums_.lr += b.lr;
        }
        for (size_t v = 0; v < views_.size(); ++v) {
            ClassifyHop(v, blocks_);
        }
        ++blocks_;
    }
}

int DtmfDecoder::Classify(size_t viewIndex) const {
    const ChannelView view = views_[viewIndex];
    const BlockSums& w = windowSums_;
    std::array<std::complex<double>, 8> x;
    for (int k = 0; k < 8; ++k) {
        switch (view) {
            case ChannelView::Left:
            case ChannelView::Mono:
                x[k] = w.x[0][k];
                break;
            case ChannelView::Right:
                x[k] = w.x[1][k];
                break;
            case ChannelView::Sum:
                x[k] = (w.x[0][k] + w.x[1][k]) * 0.5;
                break;
            case ChannelView::Difference:
                x[k] = (w.x[0][k] - w.x[1][k]) * 0.5;
                break;
        }
    }
    double energy = w.ll;
    switch (view) {
        case ChannelView::Left:
        case ChannelView::Mono:
            energy = w.ll;
            break;
        case ChannelView::Right:
            energy = w.rr;
            break;
        case ChannelView::Sum:
            energy = (w.ll + 2 * w.lr + w.rr) / 4;
            break;
        case ChannelView::Difference:
            energy = (w.ll - 2 * w.lr + w.rr) / 4;
            break;
    }
    const double length = static_cast<double>(kWindowBlocks * blockSize_);
    int best[2] = {0, 4};
    for (int k = 0; k < 8; ++k) {
        int& group = best[k < 4 ? 0 : 1];
        if (std::norm(x[k]) > std::norm(x[group])) {
            group = k;
        }
    }
    const double passed[2] = {2 * std::abs(x[best[0]]) / length, 2 * std::abs(x[best[1]]) / length};
    const double low = passed[0] / gain_[best[0]];
    const double high = passed[1] / gain_[best[1]];
    if (low < kCoarseMinAmplitude || high < kCoarseMinAmplitude) {
        return -1;
    }
    const double twist = 20 * std::log10(high / low);
    if (twist < kCoarseTwistLowDb || twist > kCoarseTwistHighDb) {
        return -1;
    }
    const double pairPower = (passed[0] * passed[0] + passed[1] * passed[1]) / 2;
    if (pairPower < kCoarseMinShare * energy / length) {
        return -1;
    }
    return best[0] * kGroupSize + (best[1] - 4);
}

void DtmfDecoder::ClassifyHop(size_t viewIndex, int64_t hop) {
    const int symbol = Classify(viewIndex);
    Run& run = state_[viewIndex]->run;
    if (run.symbol >= 0) {
        if (symbol == run.symbol) {
            run.lastHop = hop;
        } else if (symbol >= 0 || hop - run.lastHop > kRunGapHops) {
            CloseRun(viewIndex);
        }
    }
    if (run.symbol < 0 && symbol >= 0) {
        run = Run{};
        run.symbol = symbol;
        run.firstHop = hop;
        run.lastHop = hop;
    }
    if (run.symbol >= 0 && !run.headDone &&
        static_cast<double>((hop - run.firstHop) * blockSize_) > kLongRunSeconds * rate_) {
        HeadOfLongRun(viewIndex);
    }
}

void DtmfDecoder::CloseRun(size_t viewIndex) {
    ViewState& state = *state_[viewIndex];
    state.pending.push_back(state.run);
    state.run = Run{};
}

void DtmfDecoder::HeadOfLongRun(size_t viewIndex) {
    Run& run = state_[viewIndex]->run;
    const int64_t margin = std::lround(kMarginSeconds * rate_);
    const int64_t from = (run.firstHop - (kWindowBlocks - 1)) * blockSize_ - margin;
    const int64_t to = from + std::lround(kHeadTailSeconds * rate_);
    const std::vector<Segment> head = Analyse(viewIndex, run.symbol, from, to, false);
    run.headDone = true;
    if (!head.empty()) {
        run.headFound = true;
        run.head = ToneOf(viewIndex, run.symbol, head.front());
    }
}

void DtmfDecoder::AnalysePending(bool atEnd) {
    const int64_t margin = std::lround(kMarginSeconds * rate_);
    for (size_t v = 0; v < views_.size(); ++v) {
        std::deque<Run>& pending = state_[v]->pending;
        while (!pending.empty()) {
            const Run& run = pending.front();
            const int64_t regionEnd = (run.lastHop + 1) * blockSize_ + margin;
            if (!atEnd && regionEnd > produced_) {
                break;
            }
            const int64_t to = std::min(regionEnd, produced_);
            const bool endsRecording = atEnd && regionEnd >= produced_;
            if (!run.headDone) {
                const int64_t from = (run.firstHop - (kWindowBlocks - 1)) * blockSize_ - margin;
                for (const Segment& segment : Analyse(v, run.symbol, from, to, endsRecording)) {
                    done_.push_back(ToneOf(v, run.symbol, segment));
                }
            } else if (run.headFound) {
                const int64_t from = to - std::lround(kHeadTailSeconds * rate_);
                const std::vector<Segment> tail = Analyse(v, run.symbol, from, to, endsRecording);
                if (!tail.empty()) {
                    DetectedTone tone = run.head;
                    const DetectedTone last = ToneOf(v, run.symbol, tail.back());
                    tone.end = last.end;
                    tone.cutAtEnd = last.cutAtEnd;
                    done_.push_back(tone);
                }
            }
            pending.pop_front();
        }
    }
}

DetectedTone DtmfDecoder::ToneOf(size_t viewIndex, int symbol, const Segment& segment) const {
    DetectedTone tone;
    tone.view = views_[viewIndex];
    tone.symbol = kKeypad[symbol / kGroupSize][symbol % kGroupSize];
    const BandFrontEnd& front = frontEnds_[0];
    tone.start = segment.cutAtStart ? 0.0 : std::max(0.0, front.TimeOf(segment.start));
    const double recordingEnd = static_cast<double>(framesIn_) / sampleRate_;
    tone.end = segment.cutAtEnd ? recordingEnd : std::min(recordingEnd, front.TimeOf(segment.end));
    tone.levelDb = segment.levelDb;
    tone.cutAtStart = segment.cutAtStart;
    tone.cutAtEnd = segment.cutAtEnd;
    return tone;
}

void DtmfDecoder::ViewSamples(size_t viewIndex, int64_t from, int64_t to,
                              std::vector<float>* out) const {
    out->resize(static_cast<size_t>(to - from));
    const ChannelView view = views_[viewIndex];
    for (int64_t i = from; i < to; ++i) {
        const float l = ring_[0][i & ringMask_];
        const float r = ring_.size() > 1 ? ring_[1][i & ringMask_] : 0.0f;
        float value = l;
        switch (view) {
            case ChannelView::Left:
            case ChannelView::Mono:
                value = l;
                break;
            case ChannelView::Right:
                value = r;
                break;
            case ChannelView::Sum:
                value = (l + r) / 2;
                break;
            case ChannelView::Difference:
                value = (l - r) / 2;
                break;
        }
        (*out)[static_cast<size_t>(i - from)] = value;
    }
}

std::vector<DtmfDecoder::Segment> DtmfDecoder::Analyse(size_t viewIndex, int symbol, int64_t from,
                                                       int64_t to, bool endsRecording) const {
    const bool fromRecordingStart = from <= 0;
    from = std::max<int64_t>({from, 0, produced_ - static_cast<int64_t>(ringMask_)});
    to = std::min(to, produced_);
    const size_t window = static_cast<size_t>(std::lround(kEnvelopeSeconds * rate_)) | 1;
    const size_t half = window / 2;
    if (to - from < static_cast<int64_t>(2 * window)) {
        return {};
    }
    std::vector<float> x;
    ViewSamples(viewIndex, from, to, &x);
    const int components[2] = {symbol / kGroupSize, 4 + symbol % kGroupSize};

    // The envelope of each component on Hann windows, every half millisecond.
    const std::vector<double> weights = HannWindow(window);
    double weightSum = 0;
    for (double weight : weights) {
        weightSum += weight;
    }
    const size_t step = std::max<size_t>(1, std::lround(kEnvelopeStepSeconds * rate_));
    std::vector<size_t> points;
    for (size_t p = half; p + half < x.size(); p += step) {
        points.push_back(p);
    }
    std::vector<double> envelope[2];
    for (int c = 0; c < 2; ++c) {
        const double w = 2 * kPi * hz_[components[c]] / rate_;
        std::vector<std::complex<float>> demodulated(x.size());
        const std::complex<double> turn = std::polar(1.0, -w);
        std::complex<double> carrier = 1.0;
        for (size_t i = 0; i < x.size(); ++i) {
            demodulated[i] = std::complex<float>(static_cast<double>(x[i]) * carrier);
            carrier *= turn;
        }
        for (size_t p : points) {
            std::complex<float> sum = 0;
            for (size_t i = 0; i < window; ++i) {
                sum += static_cast<float>(weights[i]) * demodulated[p - half + i];
            }
            envelope[c].push_back(2 * std::abs(sum) / weightSum / gain_[components[c]]);
        }
    }
    const double reference[2] = {Percentile90(envelope[0]), Percentile90(envelope[1])};
    if (reference[0] < kCoarseMinAmplitude || reference[1] < kCoarseMinAmplitude) {
        return {};
    }
    std::vector<double> pair(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        pair[i] = std::min(envelope[0][i] / reference[0], envelope[1][i] / reference[1]);
    }

    // Spans above half amplitude, joined across short interruptions.
    std::vector<Segment> spans;
    bool inside = false;
    for (size_t i = 0; i < points.size(); ++i) {
        const bool above = pair[i] >= 0.5;
        if (above == inside) {
            continue;
        }
        double at = static_cast<double>(points[i]);
        if (i > 0) {
            at -= step * (pair[i] - 0.5) / (pair[i] - pair[i - 1]);
        }
        if (above) {
            Segment segment;
            segment.start = at;
            segment.cutAtStart = i == 0 && fromRecordingStart;
            spans.push_back(segment);
        } else {
            spans.back().end = at;
        }
        inside = above;
    }
    if (inside) {
        spans.back().end = static_cast<double>(points.back());
        spans.back().cutAtEnd = endsRecording;
    }
    // The measurement leaves out what lies in bridged interruptions.
    std::vector<float> present(x.size(), 0.0f);
    for (const Segment& span : spans) {
        const size_t first = static_cast<size_t>(std::max(0.0, span.start));
        const size_t last = std::min(x.size(), static_cast<size_t>(span.end) + 1);
        std::fill(present.begin() + std::min(first, last), present.begin() + last, 1.0f);
    }
    std::vector<Segment> joined;
    for (const Segment& span : spans) {
        if (!joined.empty() && span.start - joined.back().end <= kBridgeSeconds * rate_) {
            joined.back().end = span.end;
            joined.back().cutAtEnd = span.cutAtEnd;
        } else {
            joined.push_back(span);
        }
    }

    std::vector<Segment> tones;
    for (Segment segment : joined) {
        const bool cut = segment.cutAtStart || segment.cutAtEnd;
        if (segment.end - segment.start < kMinToneSeconds * rate_ && !cut) {
            continue;
        }
        if (segment.end - segment.start < kMinToneSeconds * rate_ / 2) {
            continue;
        }
        // The frequencies, levels and share on the tone without its ramps.
        const double ramp = kRampSeconds * rate_;
        size_t coreStart = static_cast<size_t>(segment.start + ramp);
        size_t coreEnd = static_cast<size_t>(
            std::min(segment.end - ramp, segment.start + ramp + kMaxCoreSeconds * rate_));
        if (coreEnd <= coreStart + window) {
            coreStart = static_cast<size_t>(segment.start);
            coreEnd = static_cast<size_t>(segment.end);
        }
        coreEnd = std::min(coreEnd, x.size());
        if (coreEnd <= coreStart + 8) {
            continue;
        }
        if (!Qualifies(x, present, coreStart, coreEnd, components, &segment.levelDb)) {
            continue;
        }
        segment.start += from;
        segment.end += from;
        tones.push_back(segment);
    }
    return tones;
}

DtmfDecoder::Peak DtmfDecoder::PeakNear(const std::vector<float>& x,
                                        const std::vector<float>& present, size_t start, size_t end,
                                        double nominal) const {
    std::vector<double> weighted = HannWindow(end - start);
    double weightSum = 0;
    for (size_t i = 0; i < weighted.size(); ++i) {
        weighted[i] *= present[start + i];
        weightSum += weighted[i];
        weighted[i] *= x[start + i];
    }
    // Whole percents first, then quarter percents around the best of them.
    double magnitude[2 * kSearchSteps + 1] = {};
    auto at = [&](int step) {
        if (magnitude[step + kSearchSteps] == 0) {
            magnitude[step + kSearchSteps] =
                Magnitude(weighted, 2 * kPi * nominal * (1 + step * kSearchStep) / rate_) + 1e-300;
        }
        return magnitude[step + kSearchSteps];
    };
    int best = 0;
    for (int step = -kSearchSteps; step <= kSearchSteps; step += kCoarseSearchSteps) {
        best = at(step) > at(best) ? step : best;
    }
    const int centre = best;
    for (int step = std::max(-kSearchSteps, centre - kCoarseSearchSteps + 1);
         step <= std::min(kSearchSteps, centre + kCoarseSearchSteps - 1); ++step) {
        best = at(step) > at(best) ? step : best;
    }
    double offset = 0;  // of the true peak from the best step, by a parabola through three
    if (best > -kSearchSteps && best < kSearchSteps) {
        const double a = at(best - 1), b = at(best), d = at(best + 1);
        const double denominator = a - 2 * b + d;
        offset = denominator < 0 ? 0.5 * (a - d) / denominator : 0.0;
    }
    Peak peak;
    peak.deviation = (best + offset) * kSearchStep;
    peak.amplitude = weightSum > 0 ? 2 * at(best) / weightSum : 0.0;
    return peak;
}

namespace {

// The longest stretch of [start, end) where the pair is present: a window with a hole
// would spread the pair's power onto the probes.
std::pair<size_t, size_t> LongestRun(const std::vector<float>& present, size_t start, size_t end) {
    std::pair<size_t, size_t> longest(start, start);
    size_t runStart = start;
    for (size_t i = start; i <= end; ++i) {
        if (i == end || present[i] == 0) {
            if (i - runStart > longest.second - longest.first) {
                longest = {runStart, i};
            }
            runStart = i + 1;
        }
    }
    return longest;
}

}  // namespace

double DtmfDecoder::AmplitudeAt(const std::vector<float>& x, size_t start, size_t end,
                                double hz) const {
    std::vector<double> weighted = HannWindow(end - start);
    double weightSum = 0;
    for (size_t i = 0; i < weighted.size(); ++i) {
        weightSum += weighted[i];
        weighted[i] *= x[start + i];
    }
    return 2 * Magnitude(weighted, 2 * kPi * hz / rate_) / weightSum;
}

bool DtmfDecoder::SoundsVoiced(const std::vector<float>& x, const std::vector<float>& present,
                               const double hz[2], double weaker,
                               std::pair<size_t, size_t> span) const {
    const size_t start = span.first;
    const size_t end = span.second;
    if (end <= start + 8) {
        return false;
    }
    // Two harmonics of one voice lie a whole number of pitch periods apart, and the voice's
    // other harmonics sit one pitch away on either side of each; a pair has none there.
    for (int k = 1; k <= kMaxHarmonicSteps; ++k) {
        const double pitch = (hz[1] - hz[0]) / k;
        if (pitch < kLowestPitchHz || pitch > kHighestPitchHz) {
            continue;
        }
        // Nearer than the window's main lobe, a probe would hear the component itself.
        const double clearance =
            std::max(kProbeClearanceHz, kMainLobeWidths * rate_ / (end - start));
        double power = 0;
        int probes = 0;
        for (double centre : {hz[0], hz[1]}) {
            for (double side : {-pitch, pitch}) {
                const double probe = centre + side;
                if (std::abs(probe - hz[0]) < clearance || std::abs(probe - hz[1]) < clearance) {
                    continue;
                }
                const double a = AmplitudeAt(x, start, end, probe);
                power += a * a;
                ++probes;
            }
        }
        if (probes == 0) {
            continue;
        }
        power /= probes;
        if (power > kMaxNeighbourShare * weaker * weaker) {
            return true;
        }
    }
    return false;
}

bool DtmfDecoder::Qualifies(const std::vector<float>& x, const std::vector<float>& present,
                            size_t coreStart, size_t coreEnd, const int components[2],
                            double* levelDb) const {
    double power = 0;
    double counted = 0;
    for (size_t i = coreStart; i < coreEnd; ++i) {
        power += present[i] * static_cast<double>(x[i]) * x[i];
        counted += present[i];
    }
    if (counted < 8) {
        return false;
    }
    power /= counted;
    const size_t middle = (coreStart + coreEnd) / 2;
    const bool halves = coreEnd - coreStart >= kSteadyCoreSeconds * rate_;
    double passed[2];
    double level[2];
    double found[2];
    for (int c = 0; c < 2; ++c) {
        const double nominal = hz_[components[c]];
        const Peak peak = PeakNear(x, present, coreStart, coreEnd, nominal);
        if (std::abs(peak.deviation) > kMaxDeviation) {
            return false;
        }
        // A tone holds its frequency; a voice's harmonic glides.
        if (halves &&
            std::abs(PeakNear(x, present, coreStart, middle, nominal).deviation -
                     PeakNear(x, present, middle, coreEnd, nominal).deviation) > kMaxDrift) {
            return false;
        }
        passed[c] = peak.amplitude;
        const double hz = nominal * (1 + peak.deviation);
        found[c] = hz;
        level[c] = 20 * std::log10(std::max(1e-12, passed[c] / frontEnds_[0].GainAt(hz)));
    }
    const double twist = level[1] - level[0];
    const double weaker = std::min(level[0], level[1]);
    const double pairPower = (passed[0] * passed[0] + passed[1] * passed[1]) / 2;
    *levelDb = weaker;
    return weaker >= kMinLevelDb && twist >= kTwistLowDb && twist <= kTwistHighDb &&
           pairPower >= kMinShare * power &&
           !SoundsVoiced(x, present, found, std::min(passed[0], passed[1]),
                         LongestRun(present, coreStart, coreEnd));
}

}  // namespace tonegate::dtmf
