# Shared pieces of scripts/test and scripts/run: installing what is missing,
# building both trees, and a project-private Wine prefix under the build folder.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build"
PREFIX_TEMPLATE="$BUILD/wine/template"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# The 64-bit loader, called directly: on machines that cannot execute 32-bit code the
# 32-bit loader that /usr/bin/wine prefers fails, so the Windows tests run a 64-bit
# build of the same code (the programs that ship are 32-bit).
export WINE=/usr/lib/wine/wine64
export WINELOADER=$WINE
export WINESERVER=/usr/lib/wine/wineserver64

log() { printf '\n== %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Debian packages the project needs.
PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev googletest
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth sox
          imagemagick xdotool clang-format python3)

install_deps() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing: ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends "${PACKAGES[@]}" >/dev/null
}

build_native() {
    log "native build (AddressSanitizer, UndefinedBehaviorSanitizer)"
    cmake -S "$ROOT" -B "$BUILD/native" -G Ninja -DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$BUILD/native"
}

build_fuzz() {
    log "fuzz targets (clang, libFuzzer)"
    CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD/fuzz" -G Ninja -DBUILD_FUZZERS=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD/fuzz"
}

# The shipped 32-bit programs (build/win32) and the 64-bit build the Wine tests run
# (build/win64).
build_windows() {
    local tree=$1 toolchain=$2
    log "Windows build: $tree"
    cmake -S "$ROOT" -B "$BUILD/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain" >/dev/null
    cmake --build "$BUILD/$tree"
}
build_win32() { build_windows win32 mingw-i686.cmake; }
build_win64() { build_windows win64 mingw-x86_64.cmake; }

# Starts a private X server for Wine's windows; sets DISPLAY and XVFB_PID.
start_xvfb() {
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    [ -s "$fd_file" ] || die "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fd_file")"
    rm -f "$fd_file"
}

stop_xvfb() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# The template prefix is made once and reused; settings that save seconds per dialog
# and keep a crash from waiting on a dialog are baked in.
ensure_prefix_template() {
    [ -f "$PREFIX_TEMPLATE/.ready" ] && return 0
    log "creating the Wine prefix (once)"
    rm -rf "$PREFIX_TEMPLATE"
    mkdir -p "$PREFIX_TEMPLATE"
    WINEPREFIX="$PREFIX_TEMPLATE" "$WINE" wineboot --init >/dev/null 2>&1
    WINEPREFIX="$PREFIX_TEMPLATE" "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed \
        /t REG_SZ /d N /f >/dev/null 2>&1
    WINEPREFIX="$PREFIX_TEMPLATE" "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
        /t REG_DWORD /d 0 /f >/dev/null 2>&1
    WINEPREFIX="$PREFIX_TEMPLATE" "$WINESERVER" -w
    touch "$PREFIX_TEMPLATE/.ready"
}

# Clones the template into $1 (system folders hard-linked: never written by tests).
clone_prefix() {
    local target=$1
    rm -rf "$target"
    mkdir -p "$target/drive_c/windows"
    (cd "$PREFIX_TEMPLATE" && find . -mindepth 1 -maxdepth 1 ! -name drive_c -exec cp -a {} "$target/" \;)
    (cd "$PREFIX_TEMPLATE/drive_c" && find . -mindepth 1 -maxdepth 1 ! -name windows -exec cp -a {} "$target/drive_c/" \;)
    local item
    for item in "$PREFIX_TEMPLATE"/drive_c/windows/*; do
        case "$(basename "$item")" in
            system32 | syswow64 | winsxs) cp -al "$item" "$target/drive_c/windows/" ;;
            *) cp -a "$item" "$target/drive_c/windows/" ;;
        esac
    done
}

# Windows path of a Linux path (Wine maps / to Z:).
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"; }

register_simulator() {
    local prefix=$1 dll=$2
    WINEPREFIX="$prefix" "$WINE" regsvr32 /s "$(winpath "$dll")"
}
