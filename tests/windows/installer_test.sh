#!/bin/sh
# installer_test.sh SETUP.exe VERSION -- under Wine, silently (/S): the installer puts every
# file, the Start-menu shortcut and the uninstall entry in place; its uninstaller removes them
# all, and the screen saver's settings with them.
set -eu
: "${WINEPREFIX:?}" "${WINE:=wine}" "${WINESERVER:=wineserver}"
# Wine would turn the shortcut into a menu entry of this machine's desktop.
export WINEPREFIX WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winemenubuilder.exe=d"
setup=$1 version=$2 drive="$WINEPREFIX/drive_c"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\football'
folder='C:\Program Files\football'
set -- "Program Files/football/football.exe" "Program Files/football/football-trace.exe" \
    "Program Files/football/uninstall.exe" "windows/system32/football.scr" \
    "ProgramData/Microsoft/Windows/Start Menu/Programs/football.lnk"
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$WINESERVER" -k 2>/dev/null || true
"$WINE" "$setup" /S || fail "the installer ended with status $?"
for file in "$@"; do [ -f "$drive/$file" ] || fail "not installed: C:/$file"; done
entry=$("$WINE" reg query "$key" | tr -s ' ') || fail "no uninstall entry $key"
for value in "DisplayName REG_SZ football" "DisplayVersion REG_SZ $version" \
    "Publisher REG_SZ Football developers" "DisplayIcon REG_SZ $folder\\football.exe,0" \
    "UninstallString REG_SZ \"$folder\\uninstall.exe\"" "EstimatedSize REG_DWORD 0x"; do
    printf '%s\n' "$entry" | grep -qF " $value" || fail "the uninstall entry lacks $value: $entry"
done
"$WINE" reg add 'HKCU\Software\football' /v View /t REG_DWORD /d 3 /f >/dev/null

# The uninstaller copies itself away and returns at once: wait for its work.
"$WINE" "$folder\\uninstall.exe" /S || fail "the uninstaller ended with status $?"
left() {
    for file in "$@" "Program Files/football"; do [ ! -e "$drive/$file" ] || echo "C:/$file"; done
    for k in "$key" 'HKCU\Software\football'; do
        ! "$WINE" reg query "$k" >/dev/null 2>&1 || echo "$k"
    done
}
for _ in $(seq 60); do [ -z "$(left "$@")" ] && break; sleep 1; done
[ -z "$(left "$@")" ] || fail "the uninstaller left: $(left "$@")"
echo PASS
