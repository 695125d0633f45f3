#!/bin/sh
# Runs a program of the Windows build under wine64 in a prefix of its own, made on first use:
#   windows/wine_run.sh PREFIX PROGRAM ARGS...   (the build's tests use build-windows/wine-prefix)
# Wine's background processes are started here with their output sent away: started by the
# program itself they would inherit the caller's pipes and keep a test (or gtest's discovery)
# waiting for them; nor may they keep the lock.
set -eu
prefix=$1 && shift
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml=d"
mkdir -p "$prefix"
{
  flock 9
  if /usr/lib/wine/wineserver -p 600 </dev/null >/dev/null 2>&1 9>&- || [ ! -f "$prefix/system.reg" ]; then
    /usr/lib/wine/wine64 cmd /c exit </dev/null >/dev/null 2>&1 9>&-
  fi
} 9>"$prefix.lock"
exec /usr/lib/wine/wine64 "$@"
