#!/usr/bin/env bash
# Registry calls of the start-up and of OK (not a test): Wine's registry trace (+reg) of
# each program on the empty and on the large configuration, counted per function, and the
# difference, which is what the configuration costs. Under Wine each Nt*Key call is a
# round trip to the registry server; the Reg* calls show which of them the programs make.
#
# Usage: tests/bench/registry_calls.sh [CONFIG] [BUILD_TREE]   (defaults: large, and the
# shipped build/win32 where this machine runs 32-bit code, else build/win64)
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

RUNS=1
CONFIG=${1:-large}
source "$(dirname "$0")/bench_setup.sh"
start_bench bench-calls "${2:-}"

# Counts of "trace:reg:FUNCTION" lines in a trace, one "FUNCTION COUNT" line each (the lines
# "FUNCTION <- handle" that some functions add on return are not calls).
count_calls() {
    grep -a 'trace:reg:' "$1" | grep -av ' <- ' | grep -ao 'trace:reg:[A-Za-z_]*' |
        sed 's/trace:reg://' | sort | uniq -c |
        awk '{ print $2, $1 }'
}

# Traces one program's start-up to the filled list, then its OK to the process' end.
# Leaves the counts in $BENCH_PREFIX/calls-PROGRAM-CONFIG-{start,ok}.txt.
trace_program() {  # program, exe, caption, list id, rows, config
    local program=$1 exe=$2 caption=$3 list=$4 rows=$5 config=$6 trace
    trace="$BENCH_PREFIX/trace.txt"
    WINEDEBUG=+reg "$TREE_WINE" "$DRIVER" launch-time "$(winpath "$exe")" "$caption" "$list" \
        "$rows" 300000 >"$BENCH_PREFIX/time.txt" 2>"$trace" || die "$program did not start"
    # The driver's own lines stop when it ends; the program keeps tracing into the file.
    local lines
    lines=$(wc -l <"$trace")
    count_calls <(head -n "$lines" "$trace") >"$BENCH_PREFIX/calls-$program-$config-start.txt"
    "$TREE_WINE" "$DRIVER" exit-time "$caption" 1 300000 >/dev/null || die "$program: OK failed"
    count_calls <(tail -n +"$((lines + 1))" "$trace") >"$BENCH_PREFIX/calls-$program-$config-ok.txt"
}

load_config() {  # config name
    python3 "$ROOT/scripts/lib/station_config.py" "$1" "$BENCH_PREFIX/drive_c/$1.reg" --wav-folder 'C:\Bench'
    "$WINE" reg import "C:\\$1.reg" /reg:32 >/dev/null 2>&1 || die "reg import of $1 failed"
}

# Prints the calls of the configuration less those of the empty one, per function.
report() {  # program, step
    echo "$1 $2: registry calls on $CONFIG less those on the empty configuration"
    join -a1 -a2 -e0 -o 0,1.2,2.2 <(sort "$BENCH_PREFIX/calls-$1-$CONFIG-$2.txt") \
        <(sort "$BENCH_PREFIX/calls-$1-empty-$2.txt") |
        awk '$2 - $3 != 0 { printf "  %-24s %7d\n", $1, $2 - $3 }'
}

for config in empty "$CONFIG"; do
    # Both lists show every record: 1,000 entries and 1,000 signals a thousand of the scale.
    case $config in empty) rows=0 ;; large) rows=1000 ;; large4) rows=4000 ;; *) die "$config?" ;; esac
    load_config "$config"
    trace_program cuebell "$CUEBELL" Cuebell 1007 "$rows" "$config"
    load_config "$config"
    trace_program tonegate "$TONEGATE" Tonegate 1000 "$rows" "$config"
done
echo "Registry calls ($(basename "$TREE") build, Wine $("$WINE" --version))"
for program in cuebell tonegate; do
    report "$program" start
    report "$program" ok
done
