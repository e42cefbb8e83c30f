# The demo prefix of scripts/run and scripts/screenshots: a clone of the template with the
# board simulator registered, Windows' caption buttons, and the demo configuration seeded.
# Sourced after common.sh, not run.

# Clones the template into the prefix unless it was made from the same template.
clone_demo_prefix() {  # prefix
    local prefix=$1
    # Made again when the template was (a machine that now runs 32-bit code).
    if [ "$(cat "$prefix/.ready" 2>/dev/null)" != "$(cat "$PREFIX_TEMPLATE/.ready")" ]; then
        log "preparing the demo prefix"
        clone_prefix "$prefix"
        cp "$PREFIX_TEMPLATE/.ready" "$prefix/.ready"
    fi
}

# Wine's own Marlett, as Debian builds it, carries a Macintosh character map before the
# Windows one, and Wine then draws the caption buttons as the letters "0 1 r". A copy
# with the Windows map alone, in the prefix's font folder, gives the usual buttons.
fix_caption_font() {  # prefix
    local source=/usr/share/wine/fonts/marlett.ttf target="$1/drive_c/windows/Fonts/marlett.ttf"
    [ -f "$source" ] && [ ! -f "$target" ] || return 0
    python3 - "$source" "$target" <<'PY'
import struct, sys
font = bytearray(open(sys.argv[1], "rb").read())
tables = struct.unpack(">H", font[4:6])[0]
for i in range(tables):
    tag, _, offset, _ = struct.unpack(">4sIII", font[12 + 16 * i:28 + 16 * i])
    if tag == b"cmap":
        count = struct.unpack(">H", font[offset + 2:offset + 4])[0]
        records = [font[offset + 4 + 8 * r:offset + 12 + 8 * r] for r in range(count)]
        windows = [r for r in records if struct.unpack(">H", r[:2])[0] == 3]
        font[offset + 2:offset + 4] = struct.pack(">H", len(windows))
        for r, record in enumerate(windows):
            font[offset + 4 + 8 * r:offset + 12 + 8 * r] = record
open(sys.argv[2], "wb").write(font)
PY
}

# Registers the simulator of the tree the Windows programs run from (WIN_TREE) and seeds
# the demo configuration of both programs once: real jingles, and the registry written with
# reg in the 32-bit view that the plug-ins (and the programs) read. Seeded again when the
# demo's definition changes. Wine's calls go to the prefix in WINEPREFIX.
seed_demo_prefix() {  # prefix
    local prefix=$1 tree simulator demo_stamp jingles
    fix_caption_font "$prefix"
    choose_windows_tree
    tree="$BUILD/$WIN_TREE"
    simulator="$tree/simulator/cx840sim.dll"
    [ -f "$simulator" ] || simulator="$tree/cx840sim.dll"
    log "registering the board simulator (two boards: 48000 Hz and 44100 Hz)"
    register_simulator "$prefix" "$simulator" "$WIN_LOADER"

    demo_stamp=$(sha1sum "$ROOT/scripts/lib/station_config.py" | cut -d' ' -f1)
    [ "$(cat "$prefix/.demo-seeded" 2>/dev/null)" != "$demo_stamp" ] || return 0
    log "seeding the demo configuration"
    jingles="$prefix/drive_c/Jingles"
    mkdir -p "$jingles"
    sox -V1 -n -r 48000 -c 2 -b 16 "$jingles/news.wav" synth 3.2 pluck C5 pluck E5 fade 0 3.2 1
    sox -V1 -n -r 44100 -c 2 -b 16 "$jingles/sport.wav" synth 6.5 sine 660 sine 990 tremolo 6 fade 0.1 6.5 1.5
    sox -V1 -n -r 48000 -c 1 -b 16 "$jingles/weather.wav" synth 4.8 sine 523.25 fade 0.2 4.8 1
    python3 "$ROOT/scripts/lib/station_config.py" demo "$prefix/drive_c/demo.reg" \
        --wav-folder 'C:\Jingles'
    WINEPREFIX="$prefix" "$WINE" reg import 'C:\demo.reg' /reg:32 >/dev/null 2>&1 ||
        die "reg import of the demo failed"
    echo "$demo_stamp" >"$prefix/.demo-seeded"
}
