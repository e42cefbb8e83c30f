#!/usr/bin/env bash
# Start-up and OK benchmark of Cuebell and Tonegate (not a test). Start-up: the time from
# starting the program to its main dialog shown with every record in the list; OK: the time
# from pressing OK to the end of the program's process, after it has saved. Measured for an
# empty configuration, a large one (1,000 samples, 100 devices, 1,000 entries, 1,000
# cue-tone signals, two playout instances with 1,000 events each) and one four times
# larger, under Wine with the board simulator's two boards.
#
# Beside each configuration the floors are measured in the same prefix: a bare reader that
# opens every key of the trees the program reads and reads every value once, and a bare
# writer that opens every key of those trees once and sets every value once (under Wine
# each registry call is a round trip to the registry server). The program's extra cost over
# the empty configuration, divided by the floor, says how much more than the least possible
# it pays for the configuration; the same ratio on the larger configuration says that no
# cost grows faster than the configuration.
#
# Usage: tests/bench/startup_bench.sh [RUNS] [BUILD_TREE]   (defaults: 5, and the shipped
# build/win32 where this machine runs 32-bit code, else build/win64)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

RUNS=${1:-5}
source "$(dirname "$0")/bench_setup.sh"
start_bench bench "${2:-}"

SIGVAULT='HKLM\Software\Quorvane\Sigvault'
PLAYOUT='HKCU\Software\Brenmark\Halvex\Skyvant'
CUEBELL_TREES=("$SIGVAULT\\Wave_2.0" "$PLAYOUT" 'HKCU\Software\Quorvane\Cuebell')
TONEGATE_TREES=("$SIGVAULT\\DTMF" "$PLAYOUT" 'HKCU\Software\Quorvane\Tonegate')

# The floor command's milliseconds; what it covered ("N keys, M values") is left in
# $BENCH_PREFIX/covered.txt.
floor_time() {  # driver command, trees...
    local ms
    ms=$(timed "$@")
    sed -n 2p "$BENCH_PREFIX/time.txt" | tr -d '\r' >"$BENCH_PREFIX/covered.txt"
    echo "$ms"
}

load_config() {  # config name
    python3 "$ROOT/scripts/lib/station_config.py" "$1" "$BENCH_PREFIX/drive_c/$1.reg" --wav-folder 'C:\Bench'
    "$WINE" reg import "C:\\$1.reg" /reg:32 >/dev/null 2>&1 || die "reg import of $1 failed"
}

# Prints "NAME median X ms; extra Y ms = R x the floor of F ms (covered)".
ratio_line() {  # label, median, empty median, floor median, covered
    awk -v l="$1" -v s="$2" -v e="$3" -v f="$4" -v c="$5" 'BEGIN {
        printf "  %-9s median %5d ms; extra %5d ms = %.2f x the floor of %d ms (%s)\n", l, s,
               s - e, (f > 0 ? (s - e) / f : 0), f, c }'
}

median_of() { printf '%s\n' "$@" | median; }

declare -A medians
bench() {  # program, exe, caption, list id, config, rows, floor trees...
    local program=$1 exe=$2 caption=$3 list=$4 config=$5 rows=$6
    shift 6
    load_config "$config"
    # Each run measures the floors right after the program, so that both see the same load
    # of the machine (the registry server's round trips slow down a lot on a busy machine).
    local starts=() oks=() reads=() writes=()
    for _ in $(seq 1 "$RUNS"); do
        starts+=("$(timed launch-time "$(winpath "$exe")" "$caption" "$list" "$rows" 300000)")
        [ "$config" = empty ] || reads+=("$(floor_time registry-floor "$@")")
        # OK saves what was loaded: the configuration stays as it is for the next run.
        oks+=("$(timed exit-time "$caption" 1 300000)")
        [ "$config" = empty ] || writes+=("$(floor_time registry-write-floor "$@")")
        sleep 0.5
    done
    medians[$program-$config-start]=$(median_of "${starts[@]}")
    medians[$program-$config-ok]=$(median_of "${oks[@]}")
    echo "$program, $config configuration ($rows rows); start-up runs ${starts[*]}; OK runs ${oks[*]}"
    if [ "$config" = empty ]; then
        printf '  start-up median %d ms; OK median %d ms\n' "${medians[$program-$config-start]}" \
            "${medians[$program-$config-ok]}"
        return 0
    fi
    echo "  read floor runs ${reads[*]}; write floor runs ${writes[*]}"
    local covered
    covered=$(cat "$BENCH_PREFIX/covered.txt")
    ratio_line start-up "${medians[$program-$config-start]}" "${medians[$program-empty-start]}" \
        "$(median_of "${reads[@]}")" "$covered"
    ratio_line OK "${medians[$program-$config-ok]}" "${medians[$program-empty-ok]}" \
        "$(median_of "${writes[@]}")" "$covered"
}

echo "Start-up to the filled main dialog and OK to the process' end, $RUNS runs each" \
    "($(basename "$TREE") build, Wine $("$WINE" --version))"
for config in empty:0 large:1000 large4:4000; do
    bench cuebell "$CUEBELL" Cuebell 1007 "${config%%:*}" "${config##*:}" "${CUEBELL_TREES[@]}"
    bench tonegate "$TONEGATE" Tonegate 1000 "${config%%:*}" "${config##*:}" "${TONEGATE_TREES[@]}"
done
