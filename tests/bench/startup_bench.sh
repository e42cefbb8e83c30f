#!/usr/bin/env bash
# Start-up benchmark of Cuebell (not a test): the time from starting the program to its
# main dialog shown with every entry in the list, for an empty configuration, a large one
# (1,000 samples, 100 devices, 1,000 entries, two playout instances with 1,000 events each)
# and one four times larger, under Wine with the board simulator's two boards. Beside each
# configuration the floor is measured in the same prefix: a bare reader that opens every key
# of the same trees and reads every value once (under Wine each registry call is a round
# trip to the registry server). The start-up's extra cost over the empty start, divided by
# the floor, says how much more than the least possible the start-up reads.
#
# Usage: tests/bench/startup_bench.sh [RUNS] [BUILD_TREE]   (defaults: 5, and the shipped
# build/win32 where this machine runs 32-bit code, else build/win64)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

RUNS=${1:-5}
source "$(dirname "$0")/bench_setup.sh"
start_bench bench "${2:-}"

# The median of the floor on the configuration now in the registry, in milliseconds.
floor_median() {
    local times=() ms
    for _ in $(seq 1 "$RUNS"); do
        "$TREE_WINE" "$DRIVER" registry-floor 'HKLM\Software\Quorvane\Sigvault' \
            'HKCU\Software\Brenmark\Halvex\Skyvant' 'HKCU\Software\Quorvane\Cuebell' \
            >"$BENCH_PREFIX/floor.txt" 2>/dev/null || die "the floor reader failed"
        ms=$(head -n1 "$BENCH_PREFIX/floor.txt" | tr -d '\r')
        [[ "$ms" =~ ^[0-9]+$ ]] || die "floor: $ms"
        times+=("$ms")
    done
    echo "$(printf '%s\n' "${times[@]}" | median) ms ($(sed -n 2p "$BENCH_PREFIX/floor.txt" | tr -d '\r'))"
}

declare -A startup
bench() {  # config name, rows expected
    python3 "$ROOT/scripts/lib/station_config.py" "$1" "$BENCH_PREFIX/drive_c/$1.reg" --wav-folder 'C:\Bench'
    "$WINE" reg import "C:\\$1.reg" /reg:32 >/dev/null 2>&1 || die "reg import of $1 failed"
    local times=() ms
    for _ in $(seq 1 "$RUNS"); do
        # Into a file, not a pipe: the program started inherits the output and keeps it open.
        "$TREE_WINE" "$DRIVER" launch-time "$(winpath "$CUEBELL")" Cuebell 1007 "$2" 300000 \
            >"$BENCH_PREFIX/launch-time.txt" 2>/dev/null || true
        ms=$(tr -d '\r' <"$BENCH_PREFIX/launch-time.txt")
        [[ "$ms" =~ ^[0-9]+$ ]] || die "$1: $ms"
        times+=("$ms")
        "$TREE_WINE" "$DRIVER" click Cuebell 2 >/dev/null
        "$TREE_WINE" "$DRIVER" wait-gone Cuebell 30000 >/dev/null
        sleep 0.5  # let the process end
    done
    startup[$1]=$(printf '%s\n' "${times[@]}" | median)
    printf '%-7s configuration (%4d entries): median %5d ms   runs: %s\n' "$1" "$2" \
        "${startup[$1]}" "${times[*]}"
    [ "$1" != empty ] || return 0
    local floor floor_ms
    floor=$(floor_median)
    floor_ms=${floor%% *}
    awk -v s="${startup[$1]}" -v e="${startup[empty]}" -v f="$floor_ms" -v c="$1" -v d="$floor" \
        'BEGIN { printf "%-7s floor: median %s; extra start-up over the empty one: %d ms = %.2f x the floor\n", c, d, s - e, (f > 0 ? (s - e) / f : 0) }'
}

echo "Cuebell start-up to the filled main dialog, $RUNS runs each ($(basename "$TREE") build, Wine $("$WINE" --version))"
bench empty 0
bench large 1000
bench large4 4000
