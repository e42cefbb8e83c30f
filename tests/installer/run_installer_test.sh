#!/usr/bin/env bash
# The setup program of a 32-bit build tree, under Wine in a fresh prefix: a silent install
# with the board simulator, an upgrade over it, the installed Cuebell started on a seeded
# configuration, the setup and the uninstaller refused while it runs, an upgrade told to go
# elsewhere, a silent uninstall, and a machine with the board maker's driver, which never
# gets the simulator. The configuration must come through byte for byte.
#
# Usage: tests/installer/run_installer_test.sh [BUILD_TREE]   (default: build/win32, built)
# Prints one line per case and "installer: N passed, N failed"; exits non-zero on a failure.
set -uo pipefail
source "$(dirname "$0")/../../scripts/lib/common.sh"

TREE=${1:-$BUILD/win32}
CONTENTS="$TREE/installer-contents.txt"
[ -f "$CONTENTS" ] || die "$CONTENTS is missing: build the 32-bit tree first (with nsis installed)"
SETUP=$(head -n1 "$CONTENTS")
VERSION=$(basename "$SETUP" | sed -E 's/^.*-([0-9.]+)-setup\.exe$/\1/')
DRIVER="$TREE/e2e_driver.exe"
for file in "$SETUP" "$DRIVER"; do
    [ -f "$file" ] || die "$file is missing: build the tree first"
done

source "$ROOT/tests/lib/script_cases.sh"
run_case() {  # name, function
    case_failures=()
    "$2"
    report_case "$1"
}
finish() {
    echo "installer: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

echo "setup program: $(basename "$SETUP"), $(stat -c %s "$SETUP") bytes"
choose_windows_tree
if [ "$WIN_TREE" != win32 ]; then
    echo "this machine cannot execute 32-bit code: the setup program was built but not run"
    finish
fi

PREFIX="$BUILD/wine/installer"
INSTALL_WIN='C:\Program Files (x86)\Quorvane\Detection Tools'
INSTALL_DIR="$PREFIX/drive_c/Program Files (x86)/Quorvane/Detection Tools"
MENU_DIR="$PREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvane"
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Detection Tools'
DRIVER_CLASS='HKLM\Software\Classes\CLSID\{1F4986C0-1C5E-4B59-9933-0696349D12BF}'
FILE_INFO_CLASS='HKLM\Software\Classes\CLSID\{52DAF89E-DC2C-477D-A987-6EF419E57AE4}'

driver() { "$WINE32" "$DRIVER" "$@" 2>/dev/null | tr -d '\r'; }
reg32() { "$WINE32" reg "$@" /reg:32 >/dev/null 2>&1; }
# A text value's data (unescaped, without its terminator), a number's digits, or nothing.
reg_value() {  # key, value name ('' for the default value)
    driver regdump "$1" | grep -m1 "^\"$2\" " |
        sed -E 's/^"[^"]*" [A-Z_]+ [0-9]+ bytes: //; s/^"(.*)\\0"$/\1/; s/\\(.)/\1/g'
}
key_exists() { [[ "$(driver regdump "$1")" != *'] (missing)' ]]; }
# Every key the configuration lives in: the detection stores, the playout event tables,
# both tools' settings and the simulator's boards.
configuration() {
    local key
    for key in 'HKLM\Software\Quorvane' 'HKCU\Software\Quorvane' \
        'HKCU\Software\Brenmark\Halvex\Skyvant' 'HKLM\Software\CX840 Simulator'; do
        driver regdump "$key"
    done
}
# Runs the setup program or the uninstaller silently; the uninstaller hands over to a copy
# of itself and returns at once, so its work is done when its entry is gone.
install() { "$WINE32" "$SETUP" /S "$@" >/dev/null 2>&1; }
uninstall() {
    "$WINE32" "$INSTALL_WIN\\Uninstall.exe" /S >/dev/null 2>&1 || return 1
    local deadline=$((SECONDS + 60))
    while [ -e "$INSTALL_DIR/Uninstall.exe" ] || key_exists "$UNINSTALL_KEY"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
expect_programs_installed() {
    local program
    for program in Cuebell Tonegate; do
        [ -f "$INSTALL_DIR/$program.exe" ] || fail "$program.exe is not installed"
        [ -f "$MENU_DIR/$program.lnk" ] || fail "$program has no Start-menu shortcut"
    done
    [ -s "$INSTALL_DIR/guide.html" ] || fail "the user's guide is not installed"
    [ -f "$MENU_DIR/User's guide.lnk" ] || fail "the user's guide has no Start-menu shortcut"
}

# --- cases

case_install() {
    install /SIMULATOR || fail "the silent install failed ($?)"
    expect_programs_installed
    [ -f "$INSTALL_DIR/Uninstall.exe" ] || fail "no Uninstall.exe"
    expect_eq "DisplayName" "$(reg_value "$UNINSTALL_KEY" DisplayName)" \
        'Quorvane Detection Tools (Cuebell, Tonegate)'
    expect_eq "DisplayVersion" "$(reg_value "$UNINSTALL_KEY" DisplayVersion)" "$VERSION"
    expect_eq "Publisher" "$(reg_value "$UNINSTALL_KEY" Publisher)" 'Quorvane'
    expect_eq "DisplayIcon" "$(reg_value "$UNINSTALL_KEY" DisplayIcon)" "$INSTALL_WIN\\Cuebell.exe,0"
    expect_eq "UninstallString" "$(reg_value "$UNINSTALL_KEY" UninstallString)" \
        "\"$INSTALL_WIN\\Uninstall.exe\""
    expect_eq "QuietUninstallString" "$(reg_value "$UNINSTALL_KEY" QuietUninstallString)" \
        "\"$INSTALL_WIN\\Uninstall.exe\" /S"
    local size
    size=$(reg_value "$UNINSTALL_KEY" EstimatedSize)
    [[ "$size" =~ ^[0-9]+$ ]] && [ "$size" -gt 100 ] || fail "EstimatedSize: [$size] KB"
    expect_eq "simulator registered" "$(reg_value "$DRIVER_CLASS\\InprocServer32" '')" \
        "$INSTALL_WIN\\cx840sim.dll"
}

# Over the installation, without naming the simulator: the same place, the simulator kept.
case_upgrade() {
    install || fail "the silent upgrade failed ($?)"
    expect_programs_installed
    [ -f "$INSTALL_DIR/cx840sim.dll" ] || fail "the upgrade dropped the simulator"
    expect_eq "simulator registered" "$(reg_value "$FILE_INFO_CLASS\\InprocServer32" '')" \
        "$INSTALL_WIN\\cx840sim.dll"
    expect_eq "configuration after installing" "$(configuration)" "$configuration_before"
}

# The installed Cuebell, started to its main dialog: the seeded table holds a repeated
# event, and Cuebell says so (startup_box) before its main dialog shows.
start_installed_cuebell() {
    "$WINE32" "$INSTALL_WIN\\Cuebell.exe" >/dev/null 2>&1 &
    cuebell_pid=$!
    startup_box=$(driver box 1)
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not show"
}
close_installed_cuebell() {
    driver click Cuebell 2 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "Cancel did not close the main dialog"
    wait_exit "$cuebell_pid" 20 || fail "Cuebell ended with $?"
}

case_installed_cuebell_starts() {
    start_installed_cuebell
    [[ "$startup_box" == *"'WAV_Weather bed'"* ]] || fail "start-up message: [$startup_box]"
    close_installed_cuebell
}

# While the installed Cuebell runs, a silent setup, an interactive one that the operator
# cancels and a silent uninstall all end with 3 and change nothing: a missing Tonegate.exe
# is not written again, the entry keeps its version, no file is removed.
case_running_cuebell_blocks_setup_and_uninstall() {
    rm -f "$INSTALL_DIR/Tonegate.exe"
    reg32 add "$UNINSTALL_KEY" /v DisplayVersion /d 0.0.0.1 /f
    start_installed_cuebell
    install
    expect_eq "silent setup's exit code" "$?" 3
    # _?= makes the uninstaller answer its own exit code; it must come last, without quotes,
    # so the folder goes by its short name, which has no blanks.
    local folder
    folder=$("$WINE32" winepath -s "$INSTALL_WIN" 2>/dev/null | tr -d '\r')
    "$WINE32" "$INSTALL_WIN\\Uninstall.exe" /S "_?=$folder" >/dev/null 2>&1
    expect_eq "silent uninstall's exit code" "$?" 3
    "$WINE32" "$SETUP" >/dev/null 2>&1 &
    local setup_pid=$! box
    box=$(driver box 2)
    [[ "$box" == *"Please close Cuebell, then press Retry."* ]] || fail "setup's question: [$box]"
    wait_exit "$setup_pid" 30
    expect_eq "interactive setup's exit code" "$?" 3
    [ ! -e "$INSTALL_DIR/Tonegate.exe" ] || fail "Tonegate.exe was written"
    [ -f "$INSTALL_DIR/Cuebell.exe" ] && [ -f "$INSTALL_DIR/Uninstall.exe" ] ||
        fail "installed files were removed"
    expect_eq "DisplayVersion" "$(reg_value "$UNINSTALL_KEY" DisplayVersion)" 0.0.0.1
    close_installed_cuebell
}

# /D= naming another folder upgrades the earlier installation where it is: one copy.
case_upgrade_ignores_another_folder() {
    install '/D=C:\Elsewhere' || fail "the silent upgrade failed ($?)"
    [ ! -e "$PREFIX/drive_c/Elsewhere" ] || fail "a second copy went to C:\\Elsewhere"
    expect_programs_installed
    expect_eq "InstallLocation" "$(reg_value "$UNINSTALL_KEY" InstallLocation)" "$INSTALL_WIN"
    expect_eq "DisplayVersion" "$(reg_value "$UNINSTALL_KEY" DisplayVersion)" "$VERSION"
}

case_uninstall() {
    local before
    before=$(configuration)
    uninstall || fail "the silent uninstall did not finish"
    [ ! -e "$INSTALL_DIR/.." ] || fail "left in Program Files: $(ls -R "$INSTALL_DIR/..")"
    [ ! -e "$MENU_DIR" ] || fail "left in the Start menu: $(ls "$MENU_DIR")"
    ! key_exists "$UNINSTALL_KEY" || fail "the uninstall entry is left"
    ! key_exists "$DRIVER_CLASS" && ! key_exists "$FILE_INFO_CLASS" ||
        fail "the simulator is still registered"
    expect_eq "configuration after uninstalling" "$(configuration)" "$before"
}

# The board maker's driver is registered: asking for the simulator installs no simulator,
# and the uninstaller leaves the driver's registration alone.
case_board_maker_driver_kept() {
    reg32 add "$DRIVER_CLASS\\InprocServer32" /ve /d 'C:\windows\system32\cx840drv.dll' /f
    local registration
    registration=$(driver regdump "$DRIVER_CLASS")
    install /SIMULATOR || fail "the silent install failed ($?)"
    [ ! -e "$INSTALL_DIR/cx840sim.dll" ] || fail "the simulator was installed beside the driver"
    expect_eq "driver's registration after installing" "$(driver regdump "$DRIVER_CLASS")" "$registration"
    ! key_exists "$FILE_INFO_CLASS" || fail "the simulator's file-info class was registered"
    uninstall || fail "the silent uninstall did not finish"
    expect_eq "driver's registration after uninstalling" "$(driver regdump "$DRIVER_CLASS")" "$registration"
}

# --- run

ensure_prefix_template
clone_prefix "$PREFIX"
export WINEPREFIX="$PREFIX"
if [ -z "${E2E_KEEP_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    trap stop_xvfb EXIT
fi
# One long-lived program keeps the prefix's services warm between the many short calls.
"$WINE32" "$DRIVER" wait-class NoSuchWindowClass 600000 >/dev/null 2>&1 &
keep_warm_pid=$!

python3 "$ROOT/tests/e2e/e2e_config.py" seed "$PREFIX/drive_c/seed.reg" || die "seeding failed"
"$WINE" reg import 'C:\seed.reg' /reg:32 >/dev/null 2>&1
reg32 add 'HKLM\Software\Quorvane\Sigvault\DTMF' /v TriggersCount /d 0 /f
reg32 add 'HKCU\Software\Quorvane\Tonegate\General' /v 'Wav file path' /d 'C:\Tones' /f
configuration_before=$(configuration)

run_case "silent install with the simulator: files, shortcuts, entry, registration" case_install
run_case "silent upgrade in place keeps the simulator and the configuration" case_upgrade
run_case "the installed Cuebell starts on the seeded configuration" case_installed_cuebell_starts
run_case "while Cuebell runs, setup and uninstall change nothing and end with 3" \
    case_running_cuebell_blocks_setup_and_uninstall
run_case "an upgrade with /D= elsewhere stays in the installed folder" \
    case_upgrade_ignores_another_folder
run_case "silent uninstall: everything installed gone, configuration unchanged" case_uninstall
run_case "beside the board maker's driver: no simulator, driver left registered" \
    case_board_maker_driver_kept

kill "$keep_warm_pid" 2>/dev/null
"$WINESERVER" -k 2>/dev/null
finish
