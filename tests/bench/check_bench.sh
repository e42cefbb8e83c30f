#!/usr/bin/env bash
# Benchmark of the configuration check (not a test): the time from pressing "Check..." to
# the check dialog shown with every finding in its list, in Cuebell and Tonegate, for an
# empty configuration, the large one (1,000 samples, 100 devices, 1,000 entries, 1,000
# cue-tone signals) and one four times larger. The samples' files are real WAV files of
# 2.5 s, made here by sox (one file, copied).
#
# Beside Cuebell's check the floor is measured in the same prefix: a bare reader that opens
# each sample's file once and reads its header once. The check's extra cost over the empty
# configuration, divided by the floor, says how much more than the least possible it pays
# for the files; the same ratio on the larger configuration says that no cost grows faster
# than the configuration.
#
# Usage: tests/bench/check_bench.sh [RUNS] [BUILD_TREE]   (defaults: 5, and the shipped
# build/win32 where this machine runs 32-bit code, else build/win64)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

RUNS=${1:-5}
source "$(dirname "$0")/bench_setup.sh"
start_bench check-bench "${2:-}"

CHECK='Configuration check'
JINGLES="$BENCH_PREFIX/drive_c/Bench"
driver() { "$TREE_WINE" "$DRIVER" "$@" 2>/dev/null | tr -d '\r'; }

median_of() { printf '%s\n' "$@" | median; }

# jingle0000.wav to jingle(COUNT-1).wav, and the list of their Windows paths for the floor.
make_jingles() {  # count
    mkdir -p "$JINGLES"
    [ -f "$JINGLES/jingle0000.wav" ] ||
        sox -V1 -n -r 8000 -c 1 -b 8 "$JINGLES/jingle0000.wav" synth 2.5 sine 440
    : >"$JINGLES/list-$1.txt"
    local n name
    for ((n = 0; n < $1; n++)); do
        printf -v name 'jingle%04d.wav' "$n"
        [ -f "$JINGLES/$name" ] || cp "$JINGLES/jingle0000.wav" "$JINGLES/$name"
        printf 'C:\\Bench\\%s\n' "$name" >>"$JINGLES/list-$1.txt"
    done
}

declare -A medians
bench() {  # program, exe, caption, list id, config, samples
    local program=$1 exe=$2 caption=$3 list=$4 config=$5 samples=$6
    python3 "$ROOT/scripts/lib/station_config.py" "$config" "$BENCH_PREFIX/drive_c/$config.reg" \
        --wav-folder 'C:\Bench'
    "$WINE" reg import "C:\\$config.reg" /reg:32 >/dev/null 2>&1 || die "reg import of $config failed"
    "$TREE_WINE" "$exe" >/dev/null 2>&1 &
    local pid=$! rows checks=() floors=()
    driver wait-dialog "$caption" 300000 >/dev/null || die "$caption did not open on $config"
    # The first check counts the findings that every later one waits for.
    driver click "$caption" 1070 >/dev/null
    driver wait-dialog "$CHECK" 300000 >/dev/null || die "the check did not open"
    rows=$(driver list "$CHECK" 1080 | tail -n +2 | wc -l)
    for _ in $(seq 1 "$RUNS"); do
        driver click "$CHECK" 2 >/dev/null
        driver wait-gone "$CHECK" >/dev/null || die "the check did not close"
        checks+=("$(timed open-time "$caption" 1070 "$CHECK" 1080 "$rows" 300000)")
        [ "$program" != cuebell ] || [ "$samples" -eq 0 ] ||
            floors+=("$(timed header-floor "$(winpath "$JINGLES/list-$samples.txt")")")
    done
    driver click "$CHECK" 2 >/dev/null
    driver wait-gone "$CHECK" >/dev/null
    driver click "$caption" 2 >/dev/null
    wait "$pid" 2>/dev/null || true
    medians[$program-$config]=$(median_of "${checks[@]}")
    echo "$program, $config configuration ($rows findings); check runs ${checks[*]}"
    if [ ${#floors[@]} -gt 0 ]; then
        local floor
        floor=$(median_of "${floors[@]}")
        awk -v s="${medians[$program-$config]}" -v e="${medians[$program-empty]}" -v f="$floor" \
            -v n="$samples" -v runs="${floors[*]}" 'BEGIN {
            printf "  check median %d ms; extra %d ms = %.2f x the floor of %d ms (%d headers; runs %s)\n",
                   s, s - e, (f > 0 ? (s - e) / f : 0), f, n, runs }'
    else
        printf '  check median %d ms\n' "${medians[$program-$config]}"
    fi
}

echo "\"Check...\" to the filled check dialog, $RUNS runs each ($(basename "$TREE") build," \
    "Wine $("$WINE" --version))"
make_jingles 1000
make_jingles 4000
for config in empty:0 large:1000 large4:4000; do
    bench cuebell "$CUEBELL" Cuebell 1007 "${config%%:*}" "${config##*:}"
    bench tonegate "$TONEGATE" Tonegate 1000 "${config%%:*}" "${config##*:}"
done
