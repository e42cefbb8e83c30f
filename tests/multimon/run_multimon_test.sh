#!/usr/bin/env bash
# A decoder from outside the project hears the test signal Tonegate writes: for each
# channel setting, multimon-ng (which hears only a file's first channel) decodes the
# signal's channel view of the nominal segment, cut out with sox, to the signal's symbols,
# and hears nothing on the view that must cancel or stay silent.
#
# Usage: tests/multimon/run_multimon_test.sh [NATIVE_BUILD_TREE]   (default: build/native)
# Prints one line per case and "multimon: N passed, N failed"; exits non-zero on a failure.
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"
source "$ROOT/tests/lib/script_cases.sh"

TREE=${1:-$BUILD/native}
WRITER="$TREE/write_test_signal"
[ -x "$WRITER" ] || die "$WRITER is missing: build the native tree first"
for tool in sox multimon-ng; do
    command -v "$tool" >/dev/null || die "$tool is missing (scripts/test installs it)"
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# sox's remix of each channel view: left, right, (L+R)/2, (L-R)/2.
VIEWS=("1" "2" "1v0.5,2v0.5" "1v0.5,2v-0.5")
# The view that must carry nothing for each channel setting.
SILENT=(1 0 3 2)

# The symbols multimon-ng hears in a view of a stretch of the file, in order.
heard() {  # file, start s, end s, view
    sox "$1" "$WORK/view.wav" trim "$2" ="$3" remix "$4" 2>/dev/null || return 1
    multimon-ng -q -a DTMF -t wav "$WORK/view.wav" 2>/dev/null | sed -n 's/^DTMF: //p' | tr -d '\n'
}

check_signal() {  # symbols, tone, gap, deviation, channel, rate
    local symbols=$1 channel=$5 file="$WORK/signal.wav" segments start end
    segments=$("$WRITER" "$1" "$2" "$3" "$4" "$channel" "$6" "$file") || {
        fail "the test signal could not be written"
        return
    }
    read -r start end < <(awk -F'\t' '$1 == "nominal" { print $2 - 0.3, $3 + 0.3 }' <<<"$segments")
    [ -n "$start" ] || { fail "no nominal segment in: $segments"; return; }
    expect_eq "symbols heard on the signal's channel" \
        "$(heard "$file" "$start" "$end" "${VIEWS[$channel]}")" "$symbols"
    expect_eq "symbols heard where nothing must be" \
        "$(heard "$file" "$start" "$end" "${VIEWS[${SILENT[$channel]}]}")" ""
}

run_case() {  # name, arguments of check_signal
    local name=$1
    shift
    case_failures=()
    check_signal "$@"
    report_case "$name"
}

run_case "left, 1D62, 50/40 ms, 48000 Hz" 1D62 50 40 20 0 48000
run_case "right, 1D62, 50/40 ms, 44100 Hz" 1D62 50 40 20 1 44100
run_case "stereo, *0#A, 60/60 ms, 48000 Hz" '*0#A' 60 60 20 2 48000
run_case "stereo inverse, 9B53, 45/40 ms, 44100 Hz" 9B53 45 40 20 3 44100
echo "multimon: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
