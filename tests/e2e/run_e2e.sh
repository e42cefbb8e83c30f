#!/usr/bin/env bash
# End-to-end tests of Cuebell and Tonegate: the real programs of a build tree (the shipped 32-bit one
# wherever the machine runs 32-bit code) under Wine in a private Xvfb, started on a registry seeded with `reg import`, driven from
# another process by e2e_driver.exe as an operator would, and the registry compared with
# what the store and event-table rules say after OK, and with itself after Cancel.
#
# Usage: tests/e2e/run_e2e.sh [BUILD_TREE]   (default: build/win32 where 32-bit code runs,
# else build/win64; the tree must be built)
# Prints one line per case and "N passed, N failed"; exits non-zero when a case failed.
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

choose_windows_tree
TREE=${1:-$BUILD/$WIN_TREE}
# The tree's programs run under its own loader; a list view is read through memory laid
# out for the driver's own word size, so the driver always comes from the same tree.
TREE_WINE=$(loader_for_tree "$TREE")
CUEBELL="$TREE/src/cuebell/Cuebell.exe"
DRIVER="$TREE/e2e_driver.exe"
STANDIN="$TREE/AirvexaStandin.exe"
SIMULATOR="$TREE/simulator/cx840sim.dll"
[ -f "$SIMULATOR" ] || SIMULATOR="$TREE/cx840sim.dll"
HERE="$ROOT/tests/e2e"
WORK="$BUILD/e2e"
E2E_PREFIX="$BUILD/wine/e2e"

command -v python3 >/dev/null ||
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3 >/dev/null
for file in "$CUEBELL" "$DRIVER" "$STANDIN" "$SIMULATOR"; do
    [ -f "$file" ] || die "$file is missing: build the tree first"
done

source "$ROOT/tests/lib/script_cases.sh"

# --- helpers

driver() { "$TREE_WINE" "$DRIVER" "$@" 2>/dev/null | tr -d '\r'; }

# Wine's reg import does not delete the keys a "[-KEY]" line names: they are deleted here.
clear_seeded_keys() {
    local key
    for key in 'HKLM\Software\Quorvane\Sigvault' 'HKCU\Software\Brenmark\Halvex\Skyvant' \
        'HKCU\Software\Quorvane\Cuebell' 'HKCU\Software\Quorvane\Tonegate' \
        'HKLM\Software\CX840 Simulator'; do
        "$WINE" reg delete "$key" /f /reg:32 >/dev/null 2>&1
    done
    return 0
}

seed_registry() {  # [seed command]
    python3 "$HERE/e2e_config.py" "${1:-seed}" "$E2E_PREFIX/drive_c/e2e.reg" || return 1
    clear_seeded_keys
    "$WINE" reg import 'C:\e2e.reg' /reg:32 >/dev/null 2>&1
}

# The detection store and the playout tables, exactly as the plug-ins and the playout
# program read them.
dump_registry() {
    driver regdump 'HKLM\Software\Quorvane\Sigvault'
    driver regdump 'HKCU\Software\Brenmark\Halvex\Skyvant'
}

export_registry() {  # output prefix: writes <prefix>-store.reg and <prefix>-playout.reg
    "$WINE" reg export 'HKLM\Software\Quorvane\Sigvault' "$(winpath "$1-store.reg")" /reg:32 /y >/dev/null 2>&1
    "$WINE" reg export 'HKCU\Software\Brenmark\Halvex\Skyvant' "$(winpath "$1-playout.reg")" /reg:32 /y >/dev/null 2>&1
}

# The registry dump against what e2e_config.py says the rules give.
expect_registry_as_rules() {  # name (also the e2e_config.py command "expected-<name>")
    dump_registry >"$WORK/$1.txt"
    python3 "$HERE/e2e_config.py" "expected-$1" >"$WORK/expected-$1.txt"
    cmp -s "$WORK/$1.txt" "$WORK/expected-$1.txt" ||
        fail "registry $1 differs from the rules:
$(diff -u "$WORK/expected-$1.txt" "$WORK/$1.txt")"
}

# Two exports of export_registry compared byte for byte.
expect_same_exports() {  # what changed it, prefix before, prefix after
    local part
    for part in store playout; do
        [ -s "$2-$part.reg" ] || fail "reg export of the $part gave nothing"
        cmp -s "$2-$part.reg" "$3-$part.reg" ||
            fail "$1 changed the $part: $(diff <(iconv -f UTF-16 -t UTF-8 "$2-$part.reg") \
                <(iconv -f UTF-16 -t UTF-8 "$3-$part.reg"))"
    done
}

start_cuebell() {
    "$TREE_WINE" "$CUEBELL" >/dev/null 2>&1 &
    cuebell_pid=$!
}

# The repeated event of the seeded Studio A table is announced before the window shows.
answer_repeated_event() {
    local box
    box=$(driver box 1)
    expect_eq "start-up message" "$box" "Set VeZev info 
The repeating detection entry 'WAV_Weather bed' from VeZevStudio A will be deleted!"
}

run_case() {  # name, function
    # E2E_ONLY=function runs that case alone.
    [ -z "${E2E_ONLY:-}" ] || [ "$E2E_ONLY" = "$2" ] || return 0
    case_failures=()
    seed_registry || fail "seeding the registry failed"
    "$2"
    report_case "$1" && return 0
    # Leave nothing running for the next case.
    "$TREE_WINE" "$DRIVER" close-class TAirMainForm >/dev/null 2>&1
    kill "${cuebell_pid:-0}" "${tonegate_pid:-0}" 2>/dev/null
    # Only the programs: a bare wait would also wait for the private X server.
    local pid
    for pid in "${cuebell_pid:-}" "${tonegate_pid:-}"; do
        [ -z "$pid" ] || wait "$pid" 2>/dev/null
    done
}

# --- cases

# The playout program runs: only message 10060, the program ends, nothing is written.
case_refuses_while_playout_runs() {
    local before after box status
    before=$(dump_registry)
    case "$before" in
        *'Wave_2.0]'*'Studio A\Settings]'*) ;;
        *) fail "the seeded registry cannot be read back: [$before]" ;;
    esac
    "$TREE_WINE" "$STANDIN" >/dev/null 2>&1 &
    local standin_pid=$!
    driver wait-class TAirMainForm >/dev/null || fail "the playout stand-in did not open"
    start_cuebell
    box=$(driver box 1)
    expect_eq "refusal" "$box" "Start Cuebell
Airvexa is detected and must be closed before starting the Cuebell application!"
    wait_exit "$cuebell_pid" 20
    status=$?
    expect_eq "Cuebell's exit status" "$status" 0
    driver no-box >/dev/null || fail "a second message box was shown"
    after=$(dump_registry)
    expect_eq "registry after the refusal" "$after" "$before"
    driver close-class TAirMainForm >/dev/null
    wait_exit "$standin_pid" 20 >/dev/null
}

# Load, look, delete an entry, OK refused while the playout program runs, OK: the registry
# holds exactly what the rules say.
case_ok_round_trip() {
    local rows description box status
    start_cuebell
    answer_repeated_event
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear"
    rows=$(driver list Cuebell 1007)
    expect_eq "entry list" "$rows" "selected=0
WAV_News jingle | Wait command | Top of the hour
WAV_Sport opener | Wait command | Saturday sport
WAV_Weather bed | Wait command | Weather"
    description=$(driver text Cuebell 1008)
    expect_eq "description" "$description" 'Selected device for detection:
CX840 Input 1 B1 (Sample rate = 48000 Hz, Analysis interval = 341 ms);
-------------------------
Selected sample(s) for detection:
1) C:\Jingles\news.wav (Delay = 02.00 s, Offset = 00.50 s, Threshold = 30%(default));
2) C:\Jingles\sport.wav (Delay = 10.25 s, Offset = 01.25 s, Threshold = 45%).'

    driver select Cuebell 1007 1 >/dev/null
    driver key Cuebell 1007 0x2E >/dev/null  # Delete
    box=$(driver box 6)
    expect_eq "delete question" "$box" "Delete detection entry
Are you sure you want to delete 'WAV_Sport opener'?"

    "$TREE_WINE" "$STANDIN" >/dev/null 2>&1 &
    local standin_pid=$!
    driver wait-class TAirMainForm >/dev/null || fail "the playout stand-in did not open"
    driver click Cuebell 1 >/dev/null
    box=$(driver box 1)
    expect_eq "refused OK" "$box" "Stop Cuebell
Airvexa is detected and must be closed before saving the changes!"
    driver close-class TAirMainForm >/dev/null
    wait_exit "$standin_pid" 20 >/dev/null
    driver wait-dialog Cuebell 2000 >/dev/null || fail "the dialog closed after the refused OK"

    driver click Cuebell 1 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "OK did not close the dialog"
    wait_exit "$cuebell_pid" 20
    status=$?
    expect_eq "Cuebell's exit status" "$status" 0
    expect_registry_as_rules after-ok
}

# Delete an entry, then Cancel: the exported keys are byte for byte what they were.
case_cancel_writes_nothing() {
    local box status
    export_registry "$WORK/before"
    start_cuebell
    answer_repeated_event
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear"
    driver key Cuebell 1007 0x2E >/dev/null  # Delete the selected first entry
    box=$(driver box 6)
    expect_eq "delete question" "$box" "Delete detection entry
Are you sure you want to delete 'WAV_News jingle'?"
    driver click Cuebell 2 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "Cancel did not close the dialog"
    wait_exit "$cuebell_pid" 20
    status=$?
    expect_eq "Cuebell's exit status" "$status" 0
    export_registry "$WORK/after"
    expect_same_exports Cancel "$WORK/before" "$WORK/after"
}

# Studio B's table stored as REG_BINARY beside Studio A's readable one: OK saves the store
# and Studio A's table, leaves Studio B's bytes as they are, says so once, and closes.
case_unreadable_table_left_alone() {
    local studio_b='HKCU\Software\Brenmark\Halvex\Skyvant\Studio B\Settings'
    local studio_a='HKCU\Software\Brenmark\Halvex\Skyvant\Studio A\Settings'
    local before after box status
    # "101 0 500 WAV_Sport opener|x" as UTF-16LE bytes, without a terminator.
    "$WINE" reg add "$studio_b" /v GPIEvents /t REG_BINARY /f /reg:32 /d \
        "$(printf '101 0 500 WAV_Sport opener|x' | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')" \
        >/dev/null 2>&1 || fail "the binary table could not be seeded"
    before=$(driver regdump "$studio_b")
    case "$before" in
        *'"GPIEvents" REG_BINARY 56 bytes'*) ;;
        *) fail "the seeded binary table cannot be read back: [$before]" ;;
    esac
    start_cuebell
    answer_repeated_event
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear"
    driver click Cuebell 1 >/dev/null
    box=$(driver box 1)
    expect_eq "warning after OK" "$box" "Stop Cuebell
The settings were saved, but the GPI event table of these Airvexa instances could not be read and was left unchanged. Their detection events were not updated:
Studio B"
    driver wait-gone Cuebell >/dev/null || fail "OK did not close the dialog after the warning"
    wait_exit "$cuebell_pid" 20
    status=$?
    expect_eq "Cuebell's exit status" "$status" 0
    after=$(driver regdump "$studio_b")
    expect_eq "Studio B's settings" "$after" "$before"
    expect_eq "Studio A's table" "$(driver regdump "$studio_a" | grep GPIEvents)" \
        '"GPIEvents" REG_SZ 298 bytes: "101 0 500 WAV_News jingle|Top of the hour\n101 0 500 WAV_Weather bed|Weather\n7 3 250 DTMF_Network break|Affiliate cue\n12 0 0 Studio door|Red light on\0"'
    expect_eq "the store's general block" \
        "$(driver regdump 'HKLM\Software\Quorvane\Sigvault\Wave_2.0' | grep -E '"(GPILength|GPIsCount)"')" \
        '"GPILength" REG_SZ 18 bytes: "0.500000\0"
"GPIsCount" REG_SZ 4 bytes: "3\0"'
}

# A station where Cuebell never ran: a sample added through "Browse..." and the real
# file-open dialog on a WAV file made by sox, a device, an entry, OK; started again,
# everything shows as entered and the store and the playout table hold it exactly.
case_first_configuration() {
    local rows box
    seed_registry seed-empty || fail "seeding the empty station failed"
    mkdir -p "$E2E_PREFIX/drive_c/Jingles"
    sox -V1 -n -r 48000 -c 2 -b 16 "$E2E_PREFIX/drive_c/Jingles/morning.wav" synth 3.5 sine 880 ||
        fail "sox could not make the jingle"

    start_cuebell
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear"
    # The sample: Browse..., the file chosen in the common dialog, a delay, OK.
    driver click Cuebell 1004 >/dev/null
    driver wait-dialog Samples >/dev/null || fail "the sample manager did not open"
    driver click Samples 1000 >/dev/null
    driver wait-dialog 'Add sample' >/dev/null || fail "the sample editor did not open"
    driver click 'Add sample' 1015 >/dev/null
    driver wait-dialog 'Select audio file' >/dev/null || fail "the file-open dialog did not open"
    driver choose-file 'Select audio file' 'C:\Jingles\morning.wav' >/dev/null
    driver wait-gone 'Select audio file' >/dev/null || fail "the file-open dialog did not close"
    expect_eq "chosen path" "$(driver text 'Add sample' 1014)" 'C:\Jingles\morning.wav'
    driver set-text 'Add sample' 1020 '1.50' >/dev/null
    driver focus 'Add sample' 1018 >/dev/null
    driver click 'Add sample' 1 >/dev/null
    driver wait-gone 'Add sample' >/dev/null || fail "the sample editor refused: $(driver box 1 2000)"
    expect_eq "sample rows" "$(driver list Samples 1013)" "selected=0
morning.wav |  1.50 |  0.00 | 30"
    driver click Samples 1 >/dev/null
    driver wait-gone Samples >/dev/null || fail "the sample manager did not close"
    # The device: input 1 of board 1 at the board's own rate ("Set default").
    driver click Cuebell 1005 >/dev/null
    driver wait-dialog Devices >/dev/null || fail "the device manager did not open"
    driver click Devices 1000 >/dev/null
    driver wait-dialog 'Add device' >/dev/null || fail "the device editor did not open"
    driver click 'Add device' 1056 >/dev/null
    driver click 'Add device' 1 >/dev/null
    driver wait-gone 'Add device' >/dev/null || fail "the device editor refused: $(driver box 1 2000)"
    expect_eq "device rows" "$(driver list Devices 1023)" "selected=0
CX840 Input 1 B1 | 48000 | 341"
    driver click Devices 1 >/dev/null
    driver wait-gone Devices >/dev/null || fail "the device manager did not close"
    # The entry: a name without its prefix, the sample ticked, a comment.
    driver click Cuebell 1000 >/dev/null
    driver wait-dialog 'Add detection entry' >/dev/null || fail "the entry editor did not open"
    driver set-text 'Add detection entry' 1027 '  Morning jingle ' >/dev/null
    driver check 'Add detection entry' 1031 0 1 >/dev/null
    driver set-text 'Add detection entry' 1054 'Breakfast show' >/dev/null
    driver click 'Add detection entry' 1 >/dev/null
    driver wait-gone 'Add detection entry' >/dev/null ||
        fail "the entry editor refused: $(driver box 1 2000)"
    expect_eq "entry rows" "$(driver list Cuebell 1007)" "selected=0
WAV_Morning jingle | Wait command | Breakfast show"
    driver click Cuebell 1 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "OK did not close the dialog"
    wait_exit "$cuebell_pid" 20 >/dev/null

    local store playout
    store=$(driver regdump 'HKLM\Software\Quorvane\Sigvault')
    expect_eq "stored configuration" "$store" '[HKLM\Software\Quorvane\Sigvault]
[HKLM\Software\Quorvane\Sigvault\Wave_2.0]
"CutoffFrequency" REG_SZ 6 bytes: "75\0"
"DevicesCount" REG_SZ 4 bytes: "1\0"
"GPILength" REG_SZ 18 bytes: "0.400000\0"
"GPIsCount" REG_SZ 4 bytes: "1\0"
"LowPassFilterSize" REG_SZ 6 bytes: "63\0"
"PowerRecalcRate" REG_SZ 8 bytes: "100\0"
"SamplesCount" REG_SZ 4 bytes: "1\0"
"Threshold" REG_SZ 6 bytes: "30\0"
[HKLM\Software\Quorvane\Sigvault\Wave_2.0\Device0]
"AnalysisDigit" REG_SZ 6 bytes: "14\0"
"Name" REG_SZ 34 bytes: "CX840 Input 1 B1\0"
"SampleRate" REG_SZ 12 bytes: "48000\0"
[HKLM\Software\Quorvane\Sigvault\Wave_2.0\GPI0]
"DeviceIndex" REG_SZ 4 bytes: "0\0"
"Name" REG_SZ 38 bytes: "WAV_Morning jingle\0"
"SampleIndices" REG_SZ 4 bytes: "0\0"
[HKLM\Software\Quorvane\Sigvault\Wave_2.0\Sample0]
"AudioFile" REG_SZ 46 bytes: "C:\\Jingles\\morning.wav\0"
"Delay" REG_SZ 18 bytes: "1.500000\0"
"Offset" REG_SZ 18 bytes: "0.000000\0"
"Threshold" REG_SZ 6 bytes: "30\0"'
    playout=$(driver regdump 'HKCU\Software\Brenmark\Halvex\Skyvant\Studio A\Settings' | grep GPIEvents)
    expect_eq "Studio A's table" "$playout" \
        '"GPIEvents" REG_SZ 152 bytes: "101 0 500 WAV_Morning jingle|Breakfast show\n12 0 0 Studio door|Red light on\0"'

    # Started again: everything as entered.
    start_cuebell
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear again"
    expect_eq "entry rows after a restart" "$(driver list Cuebell 1007)" "selected=0
WAV_Morning jingle | Wait command | Breakfast show"
    expect_eq "description after a restart" "$(driver text Cuebell 1008)" 'Selected device for detection:
CX840 Input 1 B1 (Sample rate = 48000 Hz, Analysis interval = 341 ms);
-------------------------
Selected sample(s) for detection:
1) C:\Jingles\morning.wav (Delay = 01.50 s, Offset = 00.00 s, Threshold = 30%).'
    driver click Cuebell 2 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "Cancel did not close the dialog"
    wait_exit "$cuebell_pid" 20 >/dev/null
}

# Changes made in each manager and in the general settings, then cancelled there, never
# reach the registry: OK afterwards writes exactly what an OK without them writes.
case_cancelled_editors_change_nothing() {
    mkdir -p "$E2E_PREFIX/drive_c/Jingles"
    local jingle
    for jingle in news sport; do
        sox -V1 -n -r 48000 -c 1 -b 16 "$E2E_PREFIX/drive_c/Jingles/$jingle.wav" synth 12 sine 440 ||
            fail "sox could not make $jingle.wav"
    done
    start_cuebell
    answer_repeated_event
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear"
    driver click Cuebell 1 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "OK did not close the dialog"
    wait_exit "$cuebell_pid" 20 >/dev/null
    export_registry "$WORK/plain-ok"

    start_cuebell
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear again"
    # Samples: an edited delay (the sample is in use: the question is answered Yes).
    driver click Cuebell 1004 >/dev/null
    driver wait-dialog Samples >/dev/null || fail "the sample manager did not open"
    driver select Samples 1013 0 >/dev/null
    driver click Samples 1001 >/dev/null
    driver box 6 >/dev/null || fail "editing a used sample did not ask"
    driver wait-dialog 'Edit sample' >/dev/null || fail "the sample editor did not open"
    driver set-text 'Edit sample' 1020 '9.00' >/dev/null
    driver click 'Edit sample' 1 >/dev/null
    driver wait-gone 'Edit sample' >/dev/null || fail "the sample editor refused: $(driver box 1 2000)"
    driver click Samples 2 >/dev/null
    driver wait-gone Samples >/dev/null || fail "the sample manager did not close"
    # Devices: a new device.
    driver click Cuebell 1005 >/dev/null
    driver wait-dialog Devices >/dev/null || fail "the device manager did not open"
    driver click Devices 1000 >/dev/null
    driver wait-dialog 'Add device' >/dev/null || fail "the device editor did not open"
    driver combo-select 'Add device' 1024 2 >/dev/null
    driver click 'Add device' 1 >/dev/null
    driver wait-gone 'Add device' >/dev/null || fail "the device editor refused: $(driver box 1 2000)"
    driver click Devices 2 >/dev/null
    driver wait-gone Devices >/dev/null || fail "the device manager did not close"
    # General settings: the defaults.
    driver click Cuebell 1006 >/dev/null
    driver wait-dialog 'General settings' >/dev/null || fail "the general settings did not open"
    driver click 'General settings' 1056 >/dev/null
    driver click 'General settings' 2 >/dev/null
    driver wait-gone 'General settings' >/dev/null || fail "the general settings did not close"
    driver click Cuebell 1 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "OK did not close the dialog"
    wait_exit "$cuebell_pid" 20 >/dev/null
    export_registry "$WORK/after-cancels"
    expect_same_exports "a cancelled editor" "$WORK/plain-ok" "$WORK/after-cancels"
}

# A station that ran an earlier Cuebell, with only the older layout: Yes converts it once,
# the old key stays as it was, only the table with a changed event is rewritten, the
# program starts on the converted entries, and the next start asks nothing.
case_converts_legacy_layout() {
    local box status
    seed_registry seed-legacy || fail "seeding the old layout failed"
    start_cuebell
    box=$(driver box 6)
    expect_eq "conversion question" "$box" "Format converting
The detection entries settings must be converted to the current format. After they have been converted, you will be able to edit the old settings in the previous versions of Cuebell.
Do you want to convert them and start the Cuebell?"
    box=$(driver box 1)
    expect_eq "changed actions" "$box" "Format converting
A currently invalid action was found assigned to the detection entry:
WAV_News jingle.
The found action will be changed to 'wait command'.
You will have to review the Airvexa schedule(s)."
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear"
    expect_eq "converted entries" "$(driver list Cuebell 1007)" "selected=0
WAV_News jingle | Wait command | 
WAV_Sport opener | Wait command | Saturday sport
WAV_Late show | Wait command | 
WAV_Weather bed | Wait command | "
    driver click Cuebell 2 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "Cancel did not close the dialog"
    wait_exit "$cuebell_pid" 20
    status=$?
    expect_eq "Cuebell's exit status" "$status" 0
    expect_registry_as_rules after-conversion

    start_cuebell
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear again"
    driver no-box >/dev/null || fail "the second start showed a message box"
    driver click Cuebell 2 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "Cancel did not close the dialog"
    wait_exit "$cuebell_pid" 20 >/dev/null
}

# No to the conversion question: the program ends and nothing is written.
case_declined_conversion_writes_nothing() {
    local box status
    seed_registry seed-legacy || fail "seeding the old layout failed"
    export_registry "$WORK/before-legacy"
    start_cuebell
    box=$(driver box 7)
    expect_eq "conversion question" "${box%%$'\n'*}" "Format converting"
    wait_exit "$cuebell_pid" 20
    status=$?
    expect_eq "Cuebell's exit status" "$status" 0
    driver no-box >/dev/null || fail "a second message box was shown"
    export_registry "$WORK/after-legacy"
    expect_same_exports No "$WORK/before-legacy" "$WORK/after-legacy"
    "$WINE" reg query 'HKCU\Software\Quorvane\Cuebell' /reg:32 >/dev/null 2>&1 &&
        fail "No wrote the tool settings"
}

source "$HERE/tonegate_cases.sh"
source "$HERE/check_cases.sh"

# --- run

mkdir -p "$WORK"
ensure_prefix_template
clone_prefix "$E2E_PREFIX"
export WINEPREFIX="$E2E_PREFIX"
# A private X server, unless the caller hands over its own (E2E_KEEP_DISPLAY=1).
if [ -z "${E2E_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    trap stop_xvfb EXIT
fi
register_simulator "$E2E_PREFIX" "$SIMULATOR" "$TREE_WINE" || die "the board simulator could not be registered"

run_case "start-up refused while the playout program runs" case_refuses_while_playout_runs
run_case "load, delete, refused OK, OK: registry as the rules say" case_ok_round_trip
run_case "delete then Cancel: registry unchanged" case_cancel_writes_nothing
run_case "OK beside an unreadable table: it is left alone, the rest saved" case_unreadable_table_left_alone
run_case "a first configuration through the editors, stored and shown again" case_first_configuration
run_case "edits cancelled in the managers and settings: OK writes as without them" \
    case_cancelled_editors_change_nothing
run_case "Tonegate: load with repairs and merge, delete, edit, add, OK: as the rules say" \
    case_tonegate_round_trip
run_case "Tonegate: delete then Cancel: registry unchanged" case_tonegate_cancel_writes_nothing
run_case "Cuebell and Tonegate save the same tables in turn: each keeps the other's events" \
    case_both_tools_share_the_tables
run_case "Check...: the seeded station's findings; one mended from its row" \
    case_check_finds_and_mends
run_case "Tonegate: Check... shows the seeded signals' findings" case_tonegate_check
run_case "only the older layout, Yes: converted once as the rules say" case_converts_legacy_layout
run_case "only the older layout, No: nothing written" case_declined_conversion_writes_nothing

"$WINESERVER" -k 2>/dev/null
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
