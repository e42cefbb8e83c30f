// Writes the test signal of a signal given on the command line, as Tonegate writes it, and
// prints each written segment's label, start and end in seconds (tab-separated), for the
// check with a decoder from outside the project.
//
// Usage: write_test_signal SYMBOLS TONE_MS GAP_MS DEVIATION_MS CHANNEL(0-3) RATE OUT.wav
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "shared/wav_writer.h"
#include "tonegate/dtmf/test_signal.h"

namespace {

std::wstring Wide(const char* text) {
    std::wstring wide;
    for (const char* p = text; *p; ++p) {
        wide.push_back(static_cast<unsigned char>(*p));
    }
    return wide;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr, "usage: %s SYMBOLS TONE GAP DEVIATION CHANNEL RATE OUT.wav\n",
                     argv[0]);
        return 2;
    }
    tonegate::CDTMFTaskInfo signal;
    signal.Symbols = Wide(argv[1]);
    signal.SymbolDuration = Wide(argv[2]);
    signal.GapDuration = Wide(argv[3]);
    signal.Deviation = Wide(argv[4]);
    signal.AnalysisType = std::atoi(argv[5]);
    const uint32_t rate = static_cast<uint32_t>(std::atoi(argv[6]));

    const tonegate::TestSignal made = tonegate::MakeTestSignal(signal, rate);
    const core::Bytes file = core::BuildStereoWav(rate, made.samples, made.cues);
    std::ofstream out(argv[7], std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[7]);
        return 1;
    }
    const size_t symbols = tonegate::SymbolsOf(signal).size();
    for (const tonegate::Segment& segment : made.segments) {
        if (segment.leftOut != tonegate::LeftOut::No) {
            continue;
        }
        const double start = static_cast<double>(segment.startFrame) / rate;
        const double length = (segment.toneMs * symbols + segment.pauseMs * (symbols - 1)) / 1000.0;
        std::printf("%s\t%.3f\t%.3f\n", Narrow(tonegate::SegmentLabel(segment.kind)).c_str(), start,
                    start + length);
    }
    return 0;
}
