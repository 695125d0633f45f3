#!/usr/bin/env bash
# The Windows programs import only DLLs that every Windows has: check_imports.sh OBJDUMP EXE...
set -euo pipefail
objdump=$1
shift
system_dlls=" kernel32.dll msvcrt.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll "
system_dlls+=" comdlg32.dll winmm.dll ole32.dll oleaut32.dll winspool.drv ws2_32.dll "
status=0
for program in "$@"; do
  while read -r dll; do
    [[ $system_dlls == *" ${dll,,} "* ]] || { echo "$program imports $dll"; status=1; }
  done < <("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
done
exit $status
