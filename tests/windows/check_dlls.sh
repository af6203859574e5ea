#!/bin/sh
# check_dlls.sh OBJDUMP PROGRAM.exe... -- every DLL the programs import comes with Windows.
set -eu
objdump=$1
shift
# The system's own DLLs: drawing, windows, the timer, the C library, and the
# shell's known folders (the screenshots' Pictures folder, freed through ole32),
# and the registry (the screen saver's settings).
allowed="opengl32.dll glu32.dll gdi32.dll user32.dll kernel32.dll winmm.dll msvcrt.dll shell32.dll ole32.dll advapi32.dll"
status=0
for program in "$@"; do
    dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
    [ -n "$dlls" ] || { echo "$program: no imported DLLs found" >&2; status=1; }
    for dll in $dlls; do
        case " $allowed " in
        *" $dll "*) ;;
        *) echo "$program imports $dll, which does not come with Windows" >&2; status=1 ;;
        esac
    done
    echo "$(basename "$program"):" $dlls
done
exit $status
