#!/usr/bin/env bash
# DTMF benchmark of Tonegate's recording decoder (not a test): a three-hour, 48 kHz, 16-bit
# stereo recording made here (music and speech on both channels, 500 cue sequences on the
# left: tones and pauses of 40 ms or more, frequencies within 1.4 %, levels -8 to -14 dBFS
# with up to 3 dB of twist), decoded by our decoder (the core optimised for this machine,
# with the benchmark's own minimal 16-bit WAV reading) and by `multimon-ng -t wav` (which
# starts sox itself), each pinned with everything it starts to one processor, the file in
# the page cache. Ours counts a sequence as found when the left view reports its symbols
# starting within 0.1 s of its start; any other sequence it reports, in any view, that is
# not a recorded sequence at its place is false. multimon-ng prints symbols without times:
# its symbols are aligned with the recorded ones in order; a sequence is found when all its
# symbols align, and every symbol left over is false.
#
# Usage: tests/bench/dtmf_bench.sh   (BENCH_CPU: the processor, by default the last)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

CPU=${BENCH_CPU-$(($(nproc) - 1))}
OUT="$BUILD/bench-dtmf"
TREE="$BUILD/native-release"
mkdir -p "$OUT"
command -v multimon-ng >/dev/null || die "multimon-ng is missing: scripts/test installs it"
cmake -S "$ROOT" -B "$TREE" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="-march=native" >/dev/null
cmake --build "$TREE" --target dtmf_bench_tool >/dev/null
TOOL="$TREE/dtmf_bench_tool"
WAV="$OUT/recording.wav"
TRUTH="$OUT/truth.txt"
SECONDS_LONG=10800
if [ ! -f "$WAV" ] || [ ! -f "$TRUTH" ]; then
    log "making the three-hour recording"
    "$TOOL" make "$WAV" "$TRUTH" "$SECONDS_LONG" 500
fi
cat "$WAV" >/dev/null

elapsed() {  # command...: runs it pinned, prints the seconds it took
    local start end
    start=$(date +%s.%N)
    taskset -c "$CPU" "$@"
    end=$(date +%s.%N)
    echo "$start $end" | awk '{ printf "%.3f", $2 - $1 }' >"$OUT/elapsed.txt"
}
elapsed "$TOOL" decode "$WAV" >"$OUT/ours.txt"
ours_seconds=$(cat "$OUT/elapsed.txt")
elapsed multimon-ng -q -c -a DTMF -t wav "$WAV" >"$OUT/multimon.txt" 2>/dev/null
multimon_seconds=$(cat "$OUT/elapsed.txt")

python3 - "$TRUTH" "$OUT/ours.txt" "$OUT/multimon.txt" "$ours_seconds" "$multimon_seconds" \
    "$SECONDS_LONG" <<'PYTHON'
import difflib
import sys

truth_path, ours_path, multimon_path, ours_s, multimon_s, length = sys.argv[1:]
truth = [(float(t), s) for t, s in (line.split() for line in open(truth_path))]
rows, peak_kib = [], 0
for line in open(ours_path):
    fields = line.split()
    if fields[0] == "peak":
        peak_kib = int(fields[1])
    else:
        rows.append((int(fields[0]), float(fields[1]), fields[2]))

def at_place(start, symbols):
    return any(abs(start - t) <= 0.1 and symbols == s for t, s in truth)

LEFT = 0
found = sum(any(v == LEFT and abs(st - t) <= 0.1 and sy == s for v, st, sy in rows)
            for t, s in truth)
false = sum(not at_place(st, sy) for v, st, sy in rows)

heard = "".join(line.split()[1] for line in open(multimon_path) if line.startswith("DTMF:"))
expected = "".join(s for _, s in truth)
matched = [False] * len(expected)
used = 0
for block in difflib.SequenceMatcher(None, expected, heard, autojunk=False).get_matching_blocks():
    for i in range(block.size):
        matched[block.a + i] = True
    used += block.size
m_found, at = 0, 0
for _, s in truth:
    m_found += all(matched[at:at + len(s)])
    at += len(s)
m_false = len(heard) - used

length = float(length)
print(f"ours: {length / float(ours_s):.0f} x real time, peak {peak_kib / 1024:.1f} MiB, "
      f"{found} of {len(truth)} found, {false} false; multimon-ng: "
      f"{length / float(multimon_s):.0f} x real time, {m_found} of {len(truth)} found, "
      f"{m_false} false")
PYTHON
