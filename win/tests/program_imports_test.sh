#!/bin/sh
# Quorvel.exe as Windows' loader reads it: a 64-bit program of the GUI
# subsystem for Windows 7 (6.1) and later, importing Windows' own DLLs
# alone, none of the compiler's (-static).
#     program_imports_test.sh OBJDUMP Quorvel.exe
set -eu
headers=$("$1" -p "$2")
failures=0
for wanted in 'file format pei-x86-64' 'Subsystem		00000002	(Windows GUI)' \
              'MajorSubsystemVersion	6' 'MinorSubsystemVersion	1'; do
    printf '%s\n' "$headers" | grep -qF "$wanted" || { echo "FAIL: no '$wanted'"; failures=$((failures + 1)); }
done
dlls=$(printf '%s\n' "$headers" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$dlls" ] || { echo "FAIL: no imports read"; failures=$((failures + 1)); }
for dll in $dlls; do
    case "$dll" in
        kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|msvcrt.dll|advapi32.dll|shell32.dll|ole32.dll|oleaut32.dll|\
        oleacc.dll|uxtheme.dll|version.dll) echo "ok: $dll" ;;
        *) echo "FAIL: imports $dll, which Windows does not bring"; failures=$((failures + 1)) ;;
    esac
done
exit "$failures"
