; football.nsi -- the Windows installer: the programs into Program Files, the screen saver where
; Windows looks for screen savers, a Start-menu shortcut and an entry in the installed programs.
;
; Built by packaging/windows/CMakeLists.txt (`make package-windows`):
;   makensis -DVERSION=... -DPUBLISHER=... -DOUTFILE=... -DFOOTBALL_EXE=... -DFOOTBALL_SCR=...
;            -DTRACE_EXE=... -DLICENSE=... -DSTART_HERE=... -DICON=... football.nsi
; Both the installer and its uninstaller run silently with /S.

; A 64-bit installer: the programs are 64-bit, and a 32-bit installer would
; see a redirected system folder and registry.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\football"

Name "football ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\football"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "football"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "football ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "football"
    ; The shortcut for every user, as the programs are.
    SetShellVarContext all

    SetOutPath "$INSTDIR"
    File "/oname=football.exe" "${FOOTBALL_EXE}"
    File "/oname=football-trace.exe" "${TRACE_EXE}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    File "/oname=START-HERE.txt" "${START_HERE}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The screen saver settings list the .scr files of the system folder.
    SetOutPath "$SYSDIR"
    File "/oname=football.scr" "${FOOTBALL_SCR}"
    SetOutPath "$INSTDIR"

    CreateShortCut "$SMPROGRAMS\football.lnk" "$INSTDIR\football.exe" "" "$INSTDIR\football.exe" 0

    ; The installed-programs list: name, version, publisher, icon, size, uninstaller.
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    ${GetSize} "$SYSDIR" "/M=football.scr /S=0K /G=0" $3 $1 $2
    IntOp $0 $0 + $3
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "football"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\football.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Everything the installer made goes, and the screen saver's settings of the
; user who uninstalls; the screenshots in the user's Pictures folder stay.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\football.lnk"
    Delete "$SYSDIR\football.scr"
    Delete "$INSTDIR\football.exe"
    Delete "$INSTDIR\football-trace.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\START-HERE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\football"
SectionEnd
