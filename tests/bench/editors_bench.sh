#!/usr/bin/env bash
# Editors benchmark of Cuebell (not a test): on the large configuration (1,000 samples,
# 100 devices, 1,000 entries, two playout instances of 1,000 events) and on one four times
# larger, the time to open the sample manager and the device manager until every row is
# shown, to close them with Cancel, and the main dialog's OK until it has saved and closed.
# The ratio of the two sizes says whether a cost grows faster than the configuration.
#
# Usage: tests/bench/editors_bench.sh [RUNS] [BUILD_TREE]   (defaults: 3, and the shipped
# build/win32 where this machine runs 32-bit code, else build/win64)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

RUNS=${1:-3}
source "$(dirname "$0")/bench_setup.sh"
start_bench bench-editors "${2:-}"

# Runs the driver with its output in a file (a program it starts inherits the output);
# prints the milliseconds it measured.
timed() {
    "$TREE_WINE" "$DRIVER" "$@" >"$BENCH_PREFIX/time.txt" 2>/dev/null || true
    local ms
    ms=$(tr -d '\r' <"$BENCH_PREFIX/time.txt")
    [[ "$ms" =~ ^[0-9]+$ ]] || die "$*: $ms"
    echo "$ms"
}

declare -A medians
bench() {  # config name, samples, devices, entries
    local config=$1 samples=$2 devices=$3 entries=$4
    python3 "$ROOT/scripts/lib/station_config.py" "$config" "$BENCH_PREFIX/drive_c/$config.reg" \
        --wav-folder 'C:\Bench'
    "$WINE" reg import "C:\\$config.reg" /reg:32 >/dev/null 2>&1 || die "reg import of $config failed"
    local -A times=()
    local run
    for run in $(seq 1 "$RUNS"); do
        timed launch-time "$(winpath "$CUEBELL")" Cuebell 1007 "$entries" 300000 >/dev/null
        times[samples-open]+="$(timed open-time Cuebell 1004 Samples 1013 "$samples" 300000) "
        times[samples-cancel]+="$(timed close-time Samples 2 300000) "
        times[devices-open]+="$(timed open-time Cuebell 1005 Devices 1023 "$devices" 300000) "
        times[devices-cancel]+="$(timed close-time Devices 2 300000) "
        times[ok]+="$(timed close-time Cuebell 1 300000) "
        sleep 0.5  # let the process end
    done
    local step
    for step in samples-open samples-cancel devices-open devices-cancel ok; do
        medians[$config-$step]=$(tr ' ' '\n' <<<"${times[$step]}" | grep . | median)
        printf '%-7s %-15s median %6d ms   runs: %s\n' "$config" "$step" \
            "${medians[$config-$step]}" "${times[$step]}"
    done
}

echo "Cuebell's editors and OK, $RUNS runs each ($(basename "$TREE") build, Wine $("$WINE" --version))"
bench large 1000 100 1000
bench large4 4000 400 4000
echo "ratio of the four-times configuration to the large one (4.0 grows with the size):"
for step in samples-open samples-cancel devices-open devices-cancel ok; do
    awk -v a="${medians[large-$step]}" -v b="${medians[large4-$step]}" -v s="$step" \
        'BEGIN { printf "  %-15s %.2f\n", s, (a > 0 ? b / a : 0) }'
done
