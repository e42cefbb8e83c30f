// The streaming DTMF decoder. It takes a recording in slices of float samples (interleaved
// frames, -1..1), listens on every channel view a signal can use, and reports each tone
// with its half-amplitude start and end. Memory stays the same however long the recording:
// it keeps a few seconds of the reduced-rate signal. A caller cancels by feeding no more.
//
// Two passes: a coarse one on 20 ms windows every 5 ms finds candidate symbols (the
// frequency resolution the symbols need), then a fine one over each candidate measures
// the envelope on 10 ms windows (the timing), the frequencies to a fraction of a percent,
// the twist, the level and how much of the band the pair holds.
#pragma once

#include <array>
#include <complex>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "tonegate/dtmf/band_front_end.h"

namespace tonegate::dtmf {

// The views in the order rows are listed at equal times; a mono recording has only Mono.
enum class ChannelView { Left, Right, Sum, Difference, Mono };

struct DetectedTone {
    ChannelView view = ChannelView::Mono;
    wchar_t symbol = 0;
    double start = 0;    // seconds from the recording's start, at half amplitude
    double end = 0;      // likewise
    double levelDb = 0;  // dBFS of the weaker component
    bool cutAtStart = false;
    bool cutAtEnd = false;
};

class DtmfDecoder {
  public:
    // Channels beyond the first two are ignored.
    DtmfDecoder(int sampleRate, int channels);
    ~DtmfDecoder();
    DtmfDecoder(const DtmfDecoder&) = delete;
    DtmfDecoder& operator=(const DtmfDecoder&) = delete;

    const std::vector<ChannelView>& Views() const { return views_; }
    void Feed(const float* interleaved, size_t frames);
    // The recording has ended: tones still sounding are reported as cut.
    void Finish();
    // The tones completed since the last call, each view's in time order.
    std::vector<DetectedTone> TakeTones();

  private:
    struct Run;
    struct ViewState;
    struct Segment;

    void ProcessBlocks();
    void ClassifyHop(size_t viewIndex, int64_t hop);
    int Classify(size_t viewIndex) const;
    void CloseRun(size_t viewIndex);
    void AnalysePending(bool atEnd);
    std::vector<Segment> Analyse(size_t viewIndex, int symbol, int64_t from, int64_t to,
                                 bool endsRecording) const;
    void ViewSamples(size_t viewIndex, int64_t from, int64_t to, std::vector<float>* out) const;
    void HeadOfLongRun(size_t viewIndex);
    DetectedTone ToneOf(size_t viewIndex, int symbol, const Segment& segment) const;
    struct Peak {
        double deviation = 0;  // from the nominal frequency, as a fraction
        double amplitude = 0;  // as the front end passed it
    };
    Peak PeakNear(const std::vector<float>& x, const std::vector<float>& present, size_t start,
                  size_t end, double nominal) const;
    double AmplitudeAt(const std::vector<float>& x, size_t start, size_t end, double hz) const;
    // Whether the pair looks like two harmonics of one voice (probed on `span`).
    bool SoundsVoiced(const std::vector<float>& x, const std::vector<float>& present,
                      const double hz[2], double weaker, std::pair<size_t, size_t> span) const;
    bool Qualifies(const std::vector<float>& x, const std::vector<float>& present, size_t coreStart,
                   size_t coreEnd, const int components[2], double* levelDb) const;

    struct BlockSums {
        std::complex<double> x[2][8];   // per channel and frequency
        double ll = 0, rr = 0, lr = 0;  // energies of left, right and their product
    };

    int channels_;
    int sampleRate_;
    int64_t framesIn_ = 0;
    std::vector<ChannelView> views_;
    std::vector<BandFrontEnd> frontEnds_;
    double rate_;
    size_t blockSize_;
    std::array<double, 8> hz_;
    std::array<double, 8> gain_;
    std::vector<float> cos_, sin_;  // [sample * 8 + frequency]: one block's carriers
    std::array<std::complex<double>, 8> blockStep_;  // a carrier's phase advance in one block
    std::array<std::complex<double>, 8> phasor_;     // each carrier's phase at the block start
    std::array<BlockSums, 4> window_;                // the last four blocks
    BlockSums windowSums_;                           // and their sums
    // The reduced-rate signal of each channel, in a ring of a few seconds.
    std::vector<std::vector<float>> ring_;
    size_t ringMask_ = 0;
    int64_t produced_ = 0;  // reduced-rate samples so far
    int64_t blocks_ = 0;    // blocks done so far
    std::vector<std::unique_ptr<ViewState>> state_;
    std::vector<float> slice_;
    std::vector<DetectedTone> done_;
};

}  // namespace tonegate::dtmf
