#!/usr/bin/env bash
# The Windows programs import only DLLs that every Windows has: check_imports.sh OBJDUMP EXE...
set -euo pipefail
objdump=$1 && shift
system_dlls=" kernel32 msvcrt user32 gdi32 advapi32 shell32 comctl32 comdlg32 winmm ole32 oleaut32 winspool.drv "
status=0
for program in "$@"; do
  while read -r dll; do
    name=${dll,,}
    [[ $system_dlls == *" ${name%.dll} "* ]] || { echo "$program imports $dll"; status=1; }
  done < <("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
