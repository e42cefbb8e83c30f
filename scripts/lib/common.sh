# Shared pieces of scripts/test and scripts/run: installing what is missing,
# building both trees, and a project-private Wine prefix under the build folder.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build"
PREFIX_TEMPLATE="$BUILD/wine/template"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Each loader is called by its path: /usr/bin/wine prefers the 32-bit one, and on a
# machine that cannot execute 32-bit code that one fails with "Exec format error"; the
# 64-bit loader must never depend on it. WINE32 may be pointed elsewhere (a missing path
# makes the run take the 64-bit fallback, as such a machine does).
WINE32=${WINE32:-/usr/lib/wine/wine}
WINE64=/usr/lib/wine/wine64
export WINE=$WINE64
export WINELOADER=$WINE64
export WINESERVER=/usr/lib/wine/wineserver64

log() { printf '\n== %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Debian packages the project needs.
PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev googletest
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386 xvfb xauth
          fonts-wine sox multimon-ng imagemagick xdotool clang-format python3 nsis pandoc)

install_deps() {
    local missing=()
    # wine32 is an i386 package: the architecture is added once, and the package lists are
    # then read again.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        log "adding the i386 architecture (for Wine's 32-bit part)"
        as_root dpkg --add-architecture i386
        missing+=("(i386 package lists)")
    fi
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

# Whether this machine executes 32-bit code: the shipped programs are 32-bit, and they are
# what the tests run wherever they can. Sets WIN_TREE (the build tree the Windows and
# end-to-end tests use), WIN_LOADER (the Wine loader of that tree) and WIN_TREE_NOTE (empty,
# or the line that says the run fell back to the 64-bit build). Probed once per run.
choose_windows_tree() {
    [ -n "${WIN_TREE:-}" ] && return 0
    if [ -x "$WINE32" ] && "$WINE32" --version >/dev/null 2>&1; then
        WIN_TREE=win32
        WIN_LOADER=$WINE32
        WIN_TREE_NOTE=
    else
        WIN_TREE=win64
        WIN_LOADER=$WINE64
        WIN_TREE_NOTE="this machine cannot execute 32-bit code: Windows and end-to-end tests ran on the 64-bit build"
    fi
}

# The Wine loader for a build tree's programs.
loader_for_tree() {  # tree folder
    case "$(basename "$1")" in
        win32) printf '%s' "$WINE32" ;;
        *) printf '%s' "$WINE64" ;;
    esac
}

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
# A template made before Wine's 32-bit part could run lacks the 32-bit system folder
# (syswow64): it is made again once the machine runs 32-bit code.
ensure_prefix_template() {
    choose_windows_tree
    [ "$(cat "$PREFIX_TEMPLATE/.ready" 2>/dev/null)" = "$WIN_TREE" ] && return 0
    log "creating the Wine prefix (once)"
    rm -rf "$PREFIX_TEMPLATE"
    mkdir -p "$PREFIX_TEMPLATE"
    WINEPREFIX="$PREFIX_TEMPLATE" "$WINE" wineboot --init >/dev/null 2>&1
    WINEPREFIX="$PREFIX_TEMPLATE" "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed \
        /t REG_SZ /d N /f >/dev/null 2>&1
    WINEPREFIX="$PREFIX_TEMPLATE" "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
        /t REG_DWORD /d 0 /f >/dev/null 2>&1
    WINEPREFIX="$PREFIX_TEMPLATE" "$WINESERVER" -w
    echo "$WIN_TREE" >"$PREFIX_TEMPLATE/.ready"
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

# Registers a build tree's board simulator with that tree's loader: a 32-bit DLL with the
# 32-bit regsvr32 (syswow64), so that it lands where the 32-bit programs look.
register_simulator() {  # prefix, dll, loader
    local prefix=$1 dll=$2 loader=${3:-$WINE64}
    if [ "$loader" = "$WINE64" ]; then
        WINEPREFIX="$prefix" "$loader" regsvr32 /s "$(winpath "$dll")"
    else
        WINEPREFIX="$prefix" "$loader" 'C:\windows\syswow64\regsvr32.exe' /s "$(winpath "$dll")"
    fi
}
