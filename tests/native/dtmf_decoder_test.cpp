// The DTMF decoder on the receiver figures: what it must find, what it must not, and how
// closely it times what it finds.
#include "tonegate/dtmf/dtmf_decoder.h"

#include <gtest/gtest.h>

#include <string>

#include "native/dtmf_synth.h"

namespace tonegate::dtmf {
namespace {

using dtmf_synth::Pair;

// Decodes interleaved frames in slices, as a caller streaming a file would.
std::vector<DetectedTone> Decode(const std::vector<float>& frames, int rate, int channels) {
    DtmfDecoder decoder(rate, channels);
    const size_t slice = 1000;
    const size_t total = frames.size() / channels;
    for (size_t at = 0; at < total; at += slice) {
        decoder.Feed(frames.data() + at * channels, std::min(slice, total - at));
    }
    decoder.Finish();
    return decoder.TakeTones();
}

std::vector<DetectedTone> OfView(const std::vector<DetectedTone>& tones, ChannelView view) {
    std::vector<DetectedTone> picked;
    for (const DetectedTone& tone : tones) {
        if (tone.view == view) {
            picked.push_back(tone);
        }
    }
    return picked;
}

std::wstring Symbols(const std::vector<DetectedTone>& tones) {
    std::wstring symbols;
    for (const DetectedTone& tone : tones) {
        symbols += tone.symbol;
    }
    return symbols;
}

struct EdgeCase {
    const char* name;
    Pair pair;
    double noiseDb;  // band noise RMS, none when 0
    bool found;
};

TEST(DtmfDecoder, ReceiverFiguresOnBothRateFamilies) {
    auto pair = [](wchar_t symbol, double duration, double factor, double lowDb, double highDb) {
        Pair p;
        p.symbol = symbol;
        p.start = 0.1;
        p.duration = duration;
        p.frequencyFactor = factor;
        p.lowDb = lowDb;
        p.highDb = highDb;
        return p;
    };
    Pair interrupted = pair(L'5', 0.08, 1.0, -12, -12);
    interrupted.gapStart = 0.13;
    interrupted.gapLength = 0.010;
    // The pair's power is that of two -36 dBFS peaks; the noise RMS 10 dB below it.
    const double pairRmsDb = -36 - 3 + 3;
    const EdgeCase cases[] = {
        {"nominal 40 ms", pair(L'1', 0.040, 1.0, -12, -12), 0, true},
        {"1.5 % high", pair(L'D', 0.040, 1.015, -12, -12), 0, true},
        {"1.5 % low", pair(L'*', 0.040, 0.985, -12, -12), 0, true},
        {"3.5 % high", pair(L'D', 0.040, 1.035, -12, -12), 0, false},
        {"3.5 % low", pair(L'*', 0.040, 0.965, -12, -12), 0, false},
        {"25 ms", pair(L'9', 0.025, 1.0, -12, -12), 0, true},
        {"22 ms", pair(L'9', 0.022, 1.0, -12, -12), 0, false},
        {"20 ms", pair(L'9', 0.020, 1.0, -12, -12), 0, false},
        {"high group 8 dB weaker", pair(L'0', 0.040, 1.0, -12, -20), 0, true},
        {"low group 4 dB weaker", pair(L'#', 0.040, 1.0, -16, -12), 0, true},
        {"-36 dBFS, noise 10 dB below", pair(L'6', 0.040, 1.0, -36, -36), pairRmsDb - 10, true},
        {"10 ms interruption bridged", interrupted, 0, true},
    };
    for (int rate : {44100, 48000, 8000}) {
        for (const EdgeCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(rate));
            std::vector<float> mono(static_cast<size_t>(0.35 * rate), 0.0f);
            dtmf_synth::AddPair(&mono, rate, c.pair);
            if (c.noiseDb != 0) {
                dtmf_synth::AddBandNoise(&mono, rate, c.noiseDb, 7);
            }
            const std::vector<DetectedTone> tones = Decode(mono, rate, 1);
            if (!c.found) {
                EXPECT_TRUE(tones.empty()) << "found " << tones.size();
                continue;
            }
            ASSERT_EQ(tones.size(), 1u);
            EXPECT_EQ(tones[0].symbol, c.pair.symbol);
            EXPECT_EQ(tones[0].view, ChannelView::Mono);
            EXPECT_NEAR(tones[0].start, c.pair.start, 0.005);
            EXPECT_NEAR(tones[0].end - tones[0].start, c.pair.duration, 0.005);
            EXPECT_NEAR(tones[0].levelDb, std::min(c.pair.lowDb, c.pair.highDb), 1.0);
        }
    }
}

TEST(DtmfDecoder, TimesEveryToneOfASequenceOnTheViewsThatHearIt) {
    // Left only: the left, sum and difference views hear it, the right one does not.
    for (int rate : {44100, 48000}) {
        SCOPED_TRACE(rate);
        const wchar_t* symbols = L"1D62A";
        const double tones[] = {0.050, 0.032, 0.120, 0.045, 0.300};
        const double pauses[] = {0.040, 0.085, 0.030, 0.060};
        std::vector<float> left(static_cast<size_t>(1.6 * rate), 0.0f);
        std::vector<Pair> truth;
        double at = 0.2;
        for (int i = 0; i < 5; ++i) {
            Pair p;
            p.symbol = symbols[i];
            p.start = at;
            p.duration = tones[i];
            truth.push_back(p);
            dtmf_synth::AddPair(&left, rate, p);
            at += tones[i] + (i < 4 ? pauses[i] : 0);
        }
        std::vector<float> stereo(2 * left.size());
        for (size_t i = 0; i < left.size(); ++i) {
            stereo[2 * i] = left[i];
        }
        const std::vector<DetectedTone> all = Decode(stereo, rate, 2);
        EXPECT_TRUE(OfView(all, ChannelView::Right).empty());
        for (ChannelView view : {ChannelView::Left, ChannelView::Sum, ChannelView::Difference}) {
            const std::vector<DetectedTone> heard = OfView(all, view);
            ASSERT_EQ(Symbols(heard), symbols);
            for (size_t i = 0; i < heard.size(); ++i) {
                EXPECT_NEAR(heard[i].start, truth[i].start, 0.005) << i;
                EXPECT_NEAR(heard[i].end, truth[i].start + truth[i].duration, 0.005) << i;
                EXPECT_FALSE(heard[i].cutAtStart || heard[i].cutAtEnd);
            }
        }
    }
}

TEST(DtmfDecoder, MarksTonesCutByTheRecordingsEdges) {
    const int rate = 16000;
    std::vector<float> mono(static_cast<size_t>(0.5 * rate), 0.0f);
    Pair first;
    first.symbol = L'3';
    first.start = -0.1;  // sounding before the recording starts
    first.duration = 0.15;
    Pair last;
    last.symbol = L'C';
    last.start = 0.4;
    last.duration = 0.3;  // still sounding at its end
    dtmf_synth::AddPair(&mono, rate, first);
    dtmf_synth::AddPair(&mono, rate, last);
    const std::vector<DetectedTone> tones = Decode(mono, rate, 1);
    ASSERT_EQ(Symbols(tones), L"3C");
    EXPECT_TRUE(tones[0].cutAtStart);
    EXPECT_FALSE(tones[0].cutAtEnd);
    EXPECT_NEAR(tones[0].end, 0.05, 0.005);
    EXPECT_FALSE(tones[1].cutAtStart);
    EXPECT_TRUE(tones[1].cutAtEnd);
    EXPECT_NEAR(tones[1].start, 0.4, 0.005);
}

TEST(DtmfDecoder, RaisesNoSymbolOnMusicOrSpeech) {
    // Each on one rate family: the decoder's path is the same on both.
    EXPECT_TRUE(Decode(dtmf_synth::Music(44100, 8, 1), 44100, 1).empty());
    EXPECT_TRUE(Decode(dtmf_synth::Speech(48000, 8, 2), 48000, 1).empty());
}

}  // namespace
}  // namespace tonegate::dtmf
