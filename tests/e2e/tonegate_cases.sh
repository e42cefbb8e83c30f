# End-to-end cases of Tonegate, sourced by run_e2e.sh (its helpers and the seeded station
# are theirs): the real Tonegate.exe on e2e_config.py's station with tonegate_config.py's
# cue-tone store imported over it.

TONEGATE="$TREE/src/tonegate/Tonegate.exe"
[ -f "$TONEGATE" ] || die "$TONEGATE is missing: build the tree first"

seed_signals() {
    python3 "$HERE/tonegate_config.py" "$E2E_PREFIX/drive_c/tonegate.reg" &&
        "$WINE" reg import 'C:\tonegate.reg' /reg:32 >/dev/null 2>&1
}

start_tonegate() {
    "$TREE_WINE" "$TONEGATE" >/dev/null 2>&1 &
    tonegate_pid=$!
}

# The board-2 signal's copy in Studio A (board 1) is announced before the window shows.
answer_misplaced_signal() {
    expect_eq "start-up message" "$(driver box 1)" "Set VeZev info 
For the 'DTMF_Station ID' detected signal (board #2), the same one from VeZevStudio A but assigned to a different board (#1) will be deleted!"
}

close_tonegate() {  # button
    driver click Tonegate "$1" >/dev/null
    driver wait-gone Tonegate >/dev/null || fail "button $1 did not close Tonegate"
    wait_exit "$tonegate_pid" 20
    expect_eq "Tonegate's exit status" "$?" 0
}

# Loaded with its repairs and the merge; a signal deleted, one edited (a symbol that is no
# cue tone typed), one added with the Insert key; OK: store and tables as the rules say,
# Cuebell's events kept exactly, the stored signals past the new count untouched.
case_tonegate_round_trip() {
    seed_signals || fail "seeding the signals failed"
    start_tonegate
    answer_misplaced_signal
    driver wait-dialog Tonegate >/dev/null || fail "the main dialog did not appear"
    expect_eq "signal list" "$(driver list Tonegate 1000)" "selected=0
DTMF_Network break | Wait command | Affiliate cue
DTMF_Local insert | Wait command | Local ads
DTMF_Station ID | Wait command | "
    driver select Tonegate 1000 1 >/dev/null
    expect_eq "description" "$(driver text Tonegate 1009)" "Selected device for detect:
CX840 Input 3 B2;
-------------------------
Cue-tone (DTMF) signal:	#*0A
Symbol duration (ms):	120
Gap duration (ms):		60
Deviation (ms):		15
Delay (ms):		2500
Channel:			right"

    driver select Tonegate 1000 2 >/dev/null
    driver click Tonegate 1002 >/dev/null
    expect_eq "delete question" "$(driver box 6)" "Delete detection entry
Are you sure you want to delete the detected signal 'DTMF_Station ID'?"

    driver select Tonegate 1000 1 >/dev/null
    driver click Tonegate 1003 >/dev/null
    driver wait-dialog 'Edit detection entry' >/dev/null || fail "the editor did not open"
    # The filter's warning holds up the text change until it is answered.
    driver set-text 'Edit detection entry' 1017 '2ax' >/dev/null &
    local typing_pid=$!
    expect_eq "symbol warning" "$(driver box 1)" 'Check symbols for the cue-tone (DTMF) signal
Insert only "0-9", "A", "B", "C", "D", "#" and "*" symbols for cue-tone (DTMF) signal!'
    wait "$typing_pid"
    expect_eq "symbols" "$(driver text 'Edit detection entry' 1017)" "2A"
    driver set-text 'Edit detection entry' 1015 'Local ads, edited' >/dev/null
    driver click 'Edit detection entry' 1 >/dev/null
    driver wait-gone 'Edit detection entry' >/dev/null || fail "the editor refused: $(driver box 1 2000)"

    driver key Tonegate 1000 0x2D >/dev/null  # Insert
    driver wait-dialog 'Add detection entry' >/dev/null || fail "Insert did not open the editor"
    driver set-text 'Add detection entry' 1009 ' Traffic ' >/dev/null
    driver click 'Add detection entry' 1 >/dev/null
    driver wait-gone 'Add detection entry' >/dev/null || fail "the editor refused: $(driver box 1 2000)"
    expect_eq "signal list after the edits" "$(driver list Tonegate 1000)" "selected=2
DTMF_Network break | Wait command | Affiliate cue
DTMF_Local insert | Wait command | Local ads, edited
DTMF_Traffic | Wait command | "
    close_tonegate 1

    expect_eq "cue-tone store" "$(driver regdump 'HKLM\Software\Quorvane\Sigvault\DTMF')" \
'[HKLM\Software\Quorvane\Sigvault\DTMF]
"TriggersCount" REG_SZ 4 bytes: "3\0"
[HKLM\Software\Quorvane\Sigvault\DTMF\0]
"AnalysisType" REG_SZ 12 bytes: "RIGHT\0"
"Delay" REG_SZ 4 bytes: "0\0"
"Deviation" REG_SZ 6 bytes: "20\0"
"DeviceName" REG_SZ 34 bytes: "CX840 Input 2 B1\0"
"GapDuration" REG_SZ 6 bytes: "40\0"
"Name" REG_SZ 38 bytes: "DTMF_Network break\0"
"SymbolDuration" REG_SZ 6 bytes: "50\0"
"Symbols" REG_SZ 10 bytes: "1D62\0"
[HKLM\Software\Quorvane\Sigvault\DTMF\1]
"AnalysisType" REG_SZ 12 bytes: "RIGHT\0"
"Delay" REG_SZ 10 bytes: "2500\0"
"Deviation" REG_SZ 6 bytes: "15\0"
"DeviceName" REG_SZ 34 bytes: "CX840 Input 3 B2\0"
"GapDuration" REG_SZ 6 bytes: "60\0"
"Name" REG_SZ 36 bytes: "DTMF_Local insert\0"
"SymbolDuration" REG_SZ 8 bytes: "120\0"
"Symbols" REG_SZ 6 bytes: "2A\0"
[HKLM\Software\Quorvane\Sigvault\DTMF\2]
"AnalysisType" REG_SZ 12 bytes: "RIGHT\0"
"Delay" REG_SZ 4 bytes: "0\0"
"Deviation" REG_SZ 6 bytes: "20\0"
"DeviceName" REG_SZ 34 bytes: "CX840 Input 1 B1\0"
"GapDuration" REG_SZ 6 bytes: "40\0"
"Name" REG_SZ 26 bytes: "DTMF_Traffic\0"
"SymbolDuration" REG_SZ 6 bytes: "50\0"
"Symbols" REG_SZ 10 bytes: "1D62\0"
[HKLM\Software\Quorvane\Sigvault\DTMF\3]
"AnalysisType" REG_SZ 8 bytes: "SUM\0"
"Delay" REG_SZ 4 bytes: "0\0"
"Deviation" REG_SZ 6 bytes: "20\0"
"DeviceName" REG_SZ 34 bytes: "CX840 Input 1 B1\0"
"GapDuration" REG_SZ 6 bytes: "40\0"
"Name" REG_SZ 22 bytes: "Studio cue\0"
"SymbolDuration" REG_SZ 6 bytes: "50\0"
"Symbols" REG_SZ 4 bytes: "5\0"
[HKLM\Software\Quorvane\Sigvault\DTMF\4]
"AnalysisType" REG_SZ 8 bytes: "SUM\0"
"Delay" REG_SZ 8 bytes: "500\0"
"Deviation" REG_SZ 6 bytes: "20\0"
"DeviceName" REG_SZ 34 bytes: "CX840 Input 1 B2\0"
"GapDuration" REG_SZ 6 bytes: "50\0"
"Name" REG_SZ 32 bytes: "DTMF_Station ID\0"
"SymbolDuration" REG_SZ 6 bytes: "80\0"
"Symbols" REG_SZ 6 bytes: "7B\0"'
    expect_tables "after Tonegate's OK" \
        "101 0 500 DTMF_Network break|Affiliate cue\n101 0 500 DTMF_Traffic|\n101 0 500 WAV_News jingle|Top of the hour\n12 0 0 Studio door|Red light on\n101 0 500 WAV_Weather bed|Weather\n101 0 500 WAV_Weather bed|Repeated" \
        "101 0 500 DTMF_Local insert|Local ads, edited\n101 0 500 WAV_Sport opener|Saturday sport"
}

# The GPIEvents texts of Studio A and Studio B, with \n for the line feeds.
expect_tables() {  # when, Studio A, Studio B
    local instance expected
    for instance in A B; do
        [ "$instance" = A ] && expected=$2 || expected=$3
        expect_eq "Studio $instance's table $1" \
            "$(driver regdump "HKCU\\Software\\Brenmark\\Halvex\\Skyvant\\Studio $instance\\Settings" |
                sed -n 's/^"GPIEvents" REG_SZ [0-9]* bytes: "\(.*\)\\0"$/\1/p')" "$expected"
    done
}

# A signal deleted, then Cancel: the exported keys are byte for byte what they were.
case_tonegate_cancel_writes_nothing() {
    seed_signals || fail "seeding the signals failed"
    export_registry "$WORK/tonegate-before"
    start_tonegate
    answer_misplaced_signal
    driver wait-dialog Tonegate >/dev/null || fail "the main dialog did not appear"
    driver key Tonegate 1000 0x2E >/dev/null  # Delete the selected first signal
    driver box 6 >/dev/null || fail "Delete did not ask"
    close_tonegate 2
    export_registry "$WORK/tonegate-after"
    expect_same_exports "Cancel" "$WORK/tonegate-before" "$WORK/tonegate-after"
}

# Cuebell, Tonegate and Cuebell again save the same instances' tables in turn: each keeps
# the other's events with their comments (and writes its own first, in list order; the
# board-2 signal whose only event stood in Studio A now has its event in Studio B).
case_both_tools_share_the_tables() {
    seed_signals || fail "seeding the signals failed"
    start_cuebell
    answer_repeated_event
    driver wait-dialog Cuebell >/dev/null || fail "Cuebell's dialog did not appear"
    driver click Cuebell 1 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "OK did not close Cuebell"
    wait_exit "$cuebell_pid" 20 >/dev/null
    expect_tables "after Cuebell's OK" \
        "101 0 500 WAV_News jingle|Top of the hour\n101 0 500 WAV_Weather bed|Weather\n7 3 250 DTMF_Network break|Affiliate cue\n12 0 0 Studio door|Red light on\n101 0 500 DTMF_Station ID|Wrong board" \
        "101 0 500 WAV_Sport opener|Saturday sport\n7 3 250 DTMF_Local insert|Local ads"

    start_tonegate
    answer_misplaced_signal
    driver wait-dialog Tonegate >/dev/null || fail "Tonegate's dialog did not appear"
    close_tonegate 1
    expect_tables "after Tonegate's OK" \
        "101 0 500 DTMF_Network break|Affiliate cue\n101 0 500 WAV_News jingle|Top of the hour\n101 0 500 WAV_Weather bed|Weather\n12 0 0 Studio door|Red light on" \
        "101 0 500 DTMF_Local insert|Local ads\n101 0 500 DTMF_Station ID|\n101 0 500 WAV_Sport opener|Saturday sport"

    start_cuebell
    driver wait-dialog Cuebell >/dev/null || fail "Cuebell's dialog did not appear again"
    driver click Cuebell 1 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "OK did not close Cuebell again"
    wait_exit "$cuebell_pid" 20 >/dev/null
    expect_tables "after Cuebell's second OK" \
        "101 0 500 WAV_News jingle|Top of the hour\n101 0 500 WAV_Weather bed|Weather\n101 0 500 DTMF_Network break|Affiliate cue\n12 0 0 Studio door|Red light on" \
        "101 0 500 WAV_Sport opener|Saturday sport\n101 0 500 DTMF_Local insert|Local ads\n101 0 500 DTMF_Station ID|"
}
