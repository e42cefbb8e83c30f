# End-to-end cases of the configuration check, sourced by run_e2e.sh (its helpers and the
# seeded station are theirs): "Check..." in the real programs over the seeded station, and
# a finding mended through the editor it opens.

CHECK='Configuration check'

# The seeded station with news.wav made and sport.wav missing: the entries that use
# sport.wav detect nothing, and "WAV_News jingle" and "WAV_Weather bed" watch one device for
# the same files. Double-clicking that finding opens the first entry's editor; moved to the
# other device and listening for news.wav only, the finding is gone, and Cancel in the main
# dialog writes nothing.
case_check_finds_and_mends() {
    mkdir -p "$E2E_PREFIX/drive_c/Jingles"
    rm -f "$E2E_PREFIX/drive_c/Jingles/sport.wav"
    sox -V1 -n -r 48000 -c 1 -b 16 "$E2E_PREFIX/drive_c/Jingles/news.wav" synth 12 sine 440 ||
        fail "sox could not make news.wav"
    export_registry "$WORK/before-check"
    start_cuebell
    answer_repeated_event
    driver wait-dialog Cuebell >/dev/null || fail "the main dialog did not appear"
    driver click Cuebell 1070 >/dev/null
    driver wait-dialog "$CHECK" >/dev/null || fail "Check... did not open the check"
    expect_eq "summary" "$(driver text "$CHECK" 1084)" "1 error, 2 warnings"
    expect_eq "findings" "$(driver list "$CHECK" 1080)" 'selected=0
Error | C:\Jingles\sport.wav | The file is missing, so the entries using it (WAV_News jingle, WAV_Sport opener, WAV_Weather bed) detect nothing on air; put the file back or choose another one in the sample editor.
Warning | WAV_News jingle, WAV_Weather bed | These entries watch CX840 Input 1 B1 for the same file C:\Jingles\news.wav, so one jingle raises several events; keep the file in one of them only.
Warning | WAV_News jingle, WAV_Weather bed | These entries watch CX840 Input 1 B1 for the same file C:\Jingles\sport.wav, so one jingle raises several events; keep the file in one of them only.'

    driver dblclick "$CHECK" 1080 1 >/dev/null
    driver wait-dialog 'Edit detection entry' >/dev/null ||
        fail "double-clicking the finding did not open the entry editor"
    expect_eq "entry opened" "$(driver text 'Edit detection entry' 1027)" "WAV_News jingle"
    driver combo-select 'Edit detection entry' 1028 1 >/dev/null
    driver check 'Edit detection entry' 1031 1 0 >/dev/null
    driver click 'Edit detection entry' 1 >/dev/null
    driver wait-gone 'Edit detection entry' >/dev/null ||
        fail "the entry editor refused: $(driver box 1 2000)"
    expect_eq "summary after the mend" "$(driver text "$CHECK" 1084)" "1 error"
    expect_eq "findings after the mend" "$(driver list "$CHECK" 1080)" 'selected=0
Error | C:\Jingles\sport.wav | The file is missing, so the entries using it (WAV_Sport opener, WAV_Weather bed) detect nothing on air; put the file back or choose another one in the sample editor.'

    driver click "$CHECK" 2 >/dev/null
    driver wait-gone "$CHECK" >/dev/null || fail "Close did not close the check"
    driver click Cuebell 2 >/dev/null
    driver wait-gone Cuebell >/dev/null || fail "Cancel did not close the dialog"
    wait_exit "$cuebell_pid" 20 >/dev/null
    export_registry "$WORK/after-check"
    expect_same_exports "the check and Cancel" "$WORK/before-check" "$WORK/after-check"
}

# Tonegate over the seeded cue-tone store with two faults set by hand: a signal whose tones
# are too short, and one on a board that is not installed. That one's editor, opened from
# its row, chooses no device and refuses OK until one is chosen; then its row is gone.
case_tonegate_check() {
    local signals='HKLM\Software\Quorvane\Sigvault\DTMF'
    seed_signals || fail "seeding the signals failed"
    "$WINE" reg add "$signals\0" /v SymbolDuration /d 30 /f /reg:32 >/dev/null 2>&1 &&
        "$WINE" reg add "$signals\1" /v DeviceName /d 'CX840 Input 3 B3' /f /reg:32 \
            >/dev/null 2>&1 || fail "the faults could not be seeded"
    start_tonegate
    # Studio B (board 2) keeps the moved signal's event: the merge announces its removal.
    expect_eq "start-up message" "$(driver box 1)" "Set VeZev info 
For the 'DTMF_Local insert' detected signal (board #3), the same one from VeZevStudio B but assigned to a different board (#2) will be deleted!"
    answer_misplaced_signal
    driver wait-dialog Tonegate >/dev/null || fail "the main dialog did not appear"
    driver click Tonegate 1070 >/dev/null
    driver wait-dialog "$CHECK" >/dev/null || fail "Check... did not open the check"
    expect_eq "summary" "$(driver text "$CHECK" 1084)" "1 error, 1 warning"
    expect_eq "findings" "$(driver list "$CHECK" 1080)" 'selected=0
Error | DTMF_Local insert | Its device CX840 Input 3 B3 is not an input of an installed board, so the signal is never detected; choose a device in the signal editor.
Warning | DTMF_Network break | Its symbol duration of 30 ms is under the 40 ms receivers must detect (ITU-T Q.24), so the cue tone may be missed; set 40 ms or more in the signal editor.'

    driver select "$CHECK" 1080 0 >/dev/null
    driver key "$CHECK" 1080 0x0D >/dev/null  # Enter
    driver wait-dialog 'Edit detection entry' >/dev/null ||
        fail "Enter on the finding did not open the signal editor"
    expect_eq "no device chosen" "$(driver combo 'Edit detection entry' 1014 | head -n1)" \
        "selected=-1"
    driver click 'Edit detection entry' 1 >/dev/null
    expect_eq "OK without a device" "$(driver box 1)" "Edit detection entry
The device 'CX840 Input 3 B3' is not an input of an installed board. Choose one of the devices offered."
    driver combo-select 'Edit detection entry' 1014 5 >/dev/null
    driver click 'Edit detection entry' 1 >/dev/null
    driver wait-gone 'Edit detection entry' >/dev/null ||
        fail "the signal editor refused: $(driver box 1 2000)"
    expect_eq "findings after the mend" "$(driver list "$CHECK" 1080)" 'selected=0
Warning | DTMF_Network break | Its symbol duration of 30 ms is under the 40 ms receivers must detect (ITU-T Q.24), so the cue tone may be missed; set 40 ms or more in the signal editor.'
    driver click "$CHECK" 2 >/dev/null
    driver wait-gone "$CHECK" >/dev/null || fail "Close did not close the check"
    close_tonegate 2
}
