#!/bin/sh
# Runs a program of the Windows build under wine64 in a prefix of its own, made on first use:
#   windows/wine_run.sh PREFIX PROGRAM ARGS...   (the build's tests use build-windows/wine-prefix)
# Wine's background processes are started here with their output sent away: started by the
# program itself they would inherit the caller's pipes and keep a test (or gtest's discovery)
# waiting for them; nor may they keep the lock.
set -eu
prefix=$1 && shift
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=d"
# Debian's wine64 comes without Wine's preloader, so nothing holds the Windows addresses
# before the C library starts: the kernel puts the heap anywhere in the gigabyte above the
# loader (0x7d000000), and about one start in 5000 it covers 0x7ffe0000, where Windows' shared
# user data must go ("failed to map the shared user data", exit 1 before the program runs).
# Without address randomization the heap follows the loader and never gets there. Children
# inherit the setting. Where the kernel refuses it (a container's filter), Wine runs as is.
fixed_layout=
if setarch -R true 2>/dev/null; then fixed_layout="setarch -R"; fi
mkdir -p "$prefix"
{
  flock 9
  if /usr/lib/wine/wineserver -p 600 </dev/null >/dev/null 2>&1 9>&- || [ ! -f "$prefix/system.reg" ]; then
    $fixed_layout /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1 9>&-
  fi
} 9>"$prefix.lock"
exec $fixed_layout /usr/lib/wine/wine64 "$@"
