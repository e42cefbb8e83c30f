# What the benchmarks share, sourced after scripts/lib/common.sh with RUNS set: the tree to
# measure (the shipped one where this machine runs 32-bit code, or the one named), a
# private prefix with the board simulator, a private X server, one long-lived Windows
# process that keeps Wine's services warm, as on a running station, and one processor for
# all of them (BENCH_CPU, by default the last).
# Usage: start_bench PREFIX_NAME [BUILD_TREE]; sets TREE, TREE_WINE, CUEBELL, TONEGATE,
# DRIVER and BENCH_PREFIX. timed runs a measurement of the driver.

start_bench() {  # prefix name, [build tree]
    choose_windows_tree
    TREE=${2:-$BUILD/$WIN_TREE}
    TREE_WINE=$(loader_for_tree "$TREE")
    CUEBELL="$TREE/src/cuebell/Cuebell.exe"
    TONEGATE="$TREE/src/tonegate/Tonegate.exe"
    DRIVER="$TREE/e2e_driver.exe"
    local simulator="$TREE/simulator/cx840sim.dll"
    [ -f "$simulator" ] || simulator="$TREE/cx840sim.dll"
    BENCH_PREFIX="$BUILD/wine/$1"
    local file
    for file in "$CUEBELL" "$TONEGATE" "$DRIVER" "$simulator"; do
        [ -f "$file" ] || die "$file is missing: build the tree first"
    done

    # Every Wine process of the benchmark on one processor: a registry call is a round trip
    # to the registry server, and on a virtual machine a wake-up on another processor makes
    # it several times slower, at random. BENCH_CPU= (empty) leaves the processes free.
    local cpu=${BENCH_CPU-$(($(nproc) - 1))}
    if [ -n "$cpu" ]; then
        taskset -cp "$cpu" $$ >/dev/null || die "cannot keep the benchmark on processor $cpu"
    fi
    ensure_prefix_template
    clone_prefix "$BENCH_PREFIX"
    export WINEPREFIX="$BENCH_PREFIX"
    start_xvfb
    trap stop_xvfb EXIT
    register_simulator "$BENCH_PREFIX" "$simulator" "$TREE_WINE"
    "$TREE_WINE" "$DRIVER" wait-class NoSuchWindowClass 3600000 >/dev/null 2>&1 &
    BENCH_KEEPER=$!
    trap 'kill $BENCH_KEEPER 2>/dev/null; stop_xvfb' EXIT
}

# The driver's measurement with its output in a file, not a pipe (a program it starts
# inherits the output and keeps it open); prints the milliseconds, or fails.
timed() {
    "$TREE_WINE" "$DRIVER" "$@" >"$BENCH_PREFIX/time.txt" 2>/dev/null || true
    local ms
    ms=$(head -n1 "$BENCH_PREFIX/time.txt" | tr -d '\r')
    [[ "$ms" =~ ^[0-9]+$ ]] || die "$1 $2: $ms"
    echo "$ms"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
