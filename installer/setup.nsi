; The setup program of Cuebell and Tonegate for the playout machine. Built by the 32-bit
; tree's "installer" target, which passes the defines:
;   VERSION        four-part version, from resources/version.h
;   OUTFILE        the setup program to write
;   ICON           the programs' icon
;   CUEBELL_EXE    Cuebell.exe
;   TONEGATE_EXE   Tonegate.exe
;   SIMULATOR_DLL  cx840sim.dll, the board simulator (optional component)
;   CUEBELL_MUTEX, TONEGATE_MUTEX
;                  the mutexes the programs hold while they run, from
;                  src/shared/program_mutexes.h
;   GUIDE_HTML     guide.html, the user's guide (left out when the tree could not make it)
;
; Command line: /S silent, /D=DIR target folder (an earlier installation is upgraded in its
; own folder instead), /SIMULATOR selects the board simulator.
; The uninstaller removes exactly what the setup wrote: the configuration in the registry
; (detection stores, playout event tables, tool settings) is never touched.
;
; Exit codes (setup and uninstaller): 0 done; 1 cancelled on a page; 2 a file could not be
; written; 3 Cuebell or Tonegate runs, and nothing was changed.

Unicode true
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; A file that cannot be written ends the setup (Retry / Cancel; silent: exit code 2) instead
; of being skipped.
AllowSkipFiles off

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define MAKER "Quorvane"
!define PRODUCT "Detection Tools"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane Detection Tools"
; The board maker's two classes (src/shared/win32/cx840_ids.h): board driver, audio-file info.
!define CLSID_BOARD_DRIVER "{1F4986C0-1C5E-4B59-9933-0696349D12BF}"
!define CLSID_AUDIO_FILE_INFO "{52DAF89E-DC2C-477D-A987-6EF419E57AE4}"
!define SIMULATOR_FILE "cx840sim.dll"
!define EXIT_PROGRAMS_RUNNING 3

Name "${MAKER} ${PRODUCT}"
OutFile "${OUTFILE}"
; The 32-bit Program Files: the programs are 32-bit, like the plug-ins they configure.
InstallDir "$PROGRAMFILES32\${MAKER}\${PRODUCT}"
; An earlier installation is upgraded where it is (.onInit holds to it against /D= too).
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${MAKER} ${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${MAKER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Setup of Cuebell and Tonegate"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${MAKER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipDirectoryOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var SimulatorRefusal  ; why the simulator is not offered; empty when it is
Var Upgrading         ; 1 when an earlier installation is upgraded in its folder

; --- Running programs, looked for by the setup and the uninstaller before they change
; anything: files in use would be left behind or half replaced.

; Appends the program's name to $0 while its mutex exists. A mutex another account made
; may deny access (error 5), which still says it exists.
!macro FIND_PROGRAM_MUTEX mutex program
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${mutex}") p.r1 ?e'
    Pop $2
    ${If} $1 <> 0
    ${OrIf} $2 = 5
        ${If} $1 <> 0
            System::Call 'kernel32::CloseHandle(p r1)'
        ${EndIf}
        ${If} $0 == ""
            StrCpy $0 "${program}"
        ${Else}
            StrCpy $0 "$0 and ${program}"
        ${EndIf}
    ${EndIf}
!macroend

; Returns only once neither program runs. Interactive, it asks the operator to close them
; (Retry / Cancel); silent, or cancelled, it ends with EXIT_PROGRAMS_RUNNING.
!macro DEFINE_REQUIRE_PROGRAMS_CLOSED prefix what
Function ${prefix}RequireProgramsClosed
    Push $0
    Push $1
    Push $2
    ${Do}
        StrCpy $0 ""
        !insertmacro FIND_PROGRAM_MUTEX "${CUEBELL_MUTEX}" "Cuebell"
        !insertmacro FIND_PROGRAM_MUTEX "${TONEGATE_MUTEX}" "Tonegate"
        ${If} $0 == ""
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Please close $0, then press Retry.$\r$\n$\r$\nCancel ends ${what} without changing anything." /SD IDCANCEL IDRETRY retry
        SetErrorLevel ${EXIT_PROGRAMS_RUNNING}
        Quit
      retry:
    ${Loop}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro DEFINE_REQUIRE_PROGRAMS_CLOSED "" "the setup"
!insertmacro DEFINE_REQUIRE_PROGRAMS_CLOSED "un." "the removal"

; --- The board simulator's registration, shared by the setup and the uninstaller.

; Removes a simulator this folder holds: each class is unregistered only while it still
; names this folder's DLL, so a board maker's driver registered since is left in place.
!macro DEFINE_REMOVE_SIMULATOR prefix
Function ${prefix}RemoveSimulator
    Push $0
    ReadRegStr $0 HKCR "CLSID\${CLSID_BOARD_DRIVER}\InprocServer32" ""
    ${If} $0 == "$INSTDIR\${SIMULATOR_FILE}"
        DeleteRegKey HKCR "CLSID\${CLSID_BOARD_DRIVER}"
    ${EndIf}
    ReadRegStr $0 HKCR "CLSID\${CLSID_AUDIO_FILE_INFO}\InprocServer32" ""
    ${If} $0 == "$INSTDIR\${SIMULATOR_FILE}"
        DeleteRegKey HKCR "CLSID\${CLSID_AUDIO_FILE_INFO}"
    ${EndIf}
    Delete "$INSTDIR\${SIMULATOR_FILE}"
    Pop $0
FunctionEnd
!macroend
!insertmacro DEFINE_REMOVE_SIMULATOR ""
!insertmacro DEFINE_REMOVE_SIMULATOR "un."

; $R0 = 1 when someone other than a board simulator registered the class $R2.
Function ClassOwnedByOthers
    StrCpy $R0 0
    ClearErrors
    ReadRegStr $R1 HKCR "CLSID\$R2\LocalServer32" ""
    ${IfNot} ${Errors}
        StrCpy $R0 1
    ${EndIf}
    ClearErrors
    ReadRegStr $R1 HKCR "CLSID\$R2\InprocServer32" ""
    ${IfNot} ${Errors}
        ${GetFileName} $R1 $R1
        ${If} $R1 != "${SIMULATOR_FILE}"
            StrCpy $R0 1
        ${EndIf}
    ${EndIf}
FunctionEnd

; The board maker's components, when present, are never replaced by the simulator.
Function CheckBoardMakerComponents
    StrCpy $SimulatorRefusal ""
    StrCpy $R2 "${CLSID_BOARD_DRIVER}"
    Call ClassOwnedByOthers
    StrCpy $R3 $R0
    StrCpy $R2 "${CLSID_AUDIO_FILE_INFO}"
    Call ClassOwnedByOthers
    ${If} $R0 == 1
    ${OrIf} $R3 == 1
        StrCpy $SimulatorRefusal "The board maker's CX840 components are installed on this machine: the board simulator is not installed, so that they stay in use."
    ${EndIf}
FunctionEnd

; --- Sections

Section "Cuebell and Tonegate" SecPrograms
    SectionIn RO
    ; Again: a program may have been started while the pages were open.
    Call RequireProgramsClosed
    SetOutPath "$INSTDIR"
    File "/oname=Cuebell.exe" "${CUEBELL_EXE}"
    File "/oname=Tonegate.exe" "${TONEGATE_EXE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateDirectory "$SMPROGRAMS\${MAKER}"
    CreateShortcut "$SMPROGRAMS\${MAKER}\Cuebell.lnk" "$INSTDIR\Cuebell.exe"
    CreateShortcut "$SMPROGRAMS\${MAKER}\Tonegate.lnk" "$INSTDIR\Tonegate.exe"
!ifdef GUIDE_HTML
    File "/oname=guide.html" "${GUIDE_HTML}"
    CreateShortcut "$SMPROGRAMS\${MAKER}\User's guide.lnk" "$INSTDIR\guide.html"
!endif
SectionEnd

Section /o "Board simulator (training and demonstration without boards)" SecSimulator
    ; Checked again here: a driver may have been registered while the pages were open.
    Call CheckBoardMakerComponents
    ${If} $SimulatorRefusal != ""
        DetailPrint "$SimulatorRefusal"
        Call RemoveSimulator
        Return
    ${EndIf}
    SetOutPath "$INSTDIR"
    File "/oname=${SIMULATOR_FILE}" "${SIMULATOR_DLL}"
    ClearErrors
    RegDLL "$INSTDIR\${SIMULATOR_FILE}"
    ${If} ${Errors}
        DetailPrint "The board simulator could not be registered."
        SetErrorLevel 2
    ${EndIf}
SectionEnd

; The entry in the list of installed programs, written last so its size counts everything.
Section "-Registration"
    ${IfNot} ${SectionIsSelected} ${SecSimulator}
        Call RemoveSimulator  ; deselected on an upgrade
    ${EndIf}
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${MAKER} ${PRODUCT} (Cuebell, Tonegate)"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${MAKER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Cuebell.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function .onInit
    SetRegView 32
    SetShellVarContext all
    Call RequireProgramsClosed
    ; An earlier installation is upgraded in its own folder, whatever /D= says: a second
    ; copy's uninstaller would later remove this installation's entry and shortcuts.
    StrCpy $Upgrading 0
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\Uninstall.exe"
        StrCpy $INSTDIR $0
        StrCpy $Upgrading 1
    ${EndIf}
    ; An upgrade keeps the simulator where the earlier installation has it.
    ReadRegStr $0 HKCR "CLSID\${CLSID_BOARD_DRIVER}\InprocServer32" ""
    ${If} $0 == "$INSTDIR\${SIMULATOR_FILE}"
    ${AndIf} ${FileExists} "$INSTDIR\${SIMULATOR_FILE}"
        !insertmacro SelectSection ${SecSimulator}
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/SIMULATOR" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SecSimulator}
    ${EndIf}
    Call CheckBoardMakerComponents
    ${If} $SimulatorRefusal != ""
        ${If} ${SectionIsSelected} ${SecSimulator}
            MessageBox MB_OK|MB_ICONINFORMATION "$SimulatorRefusal" /SD IDOK
        ${EndIf}
        !insertmacro UnselectSection ${SecSimulator}
        !insertmacro SetSectionFlag ${SecSimulator} ${SF_RO}
        SectionSetText ${SecSimulator} "Board simulator (not offered: CX840 driver installed)"
    ${EndIf}
FunctionEnd

Function SkipDirectoryOnUpgrade
    ${If} $Upgrading == 1
        Abort
    ${EndIf}
FunctionEnd

; --- Uninstaller: program files, shortcuts and its own entry; never the configuration.

Function un.onInit
    SetRegView 32
    SetShellVarContext all
    Call un.RequireProgramsClosed
FunctionEnd

Section "Uninstall"
    ; The programs first: one that cannot be removed (started since the check) keeps the
    ; rest, the entry included, so that the removal can be done again.
    Delete "$INSTDIR\Cuebell.exe"
    Delete "$INSTDIR\Tonegate.exe"
    ${If} ${FileExists} "$INSTDIR\Cuebell.exe"
    ${OrIf} ${FileExists} "$INSTDIR\Tonegate.exe"
        MessageBox MB_OK|MB_ICONSTOP "Cuebell or Tonegate is in use and was not removed. Close it, then remove the programs again." /SD IDOK
        SetErrorLevel ${EXIT_PROGRAMS_RUNNING}
        Quit
    ${EndIf}
    Delete "$INSTDIR\guide.html"
    Call un.RemoveSimulator
    Delete "$INSTDIR\Uninstall.exe"
    ; Only emptied folders go: whatever else an operator keeps there stays.
    RMDir "$INSTDIR"
    RMDir "$PROGRAMFILES32\${MAKER}"
    Delete "$SMPROGRAMS\${MAKER}\Cuebell.lnk"
    Delete "$SMPROGRAMS\${MAKER}\Tonegate.lnk"
    Delete "$SMPROGRAMS\${MAKER}\User's guide.lnk"
    RMDir "$SMPROGRAMS\${MAKER}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
