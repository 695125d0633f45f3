#!/usr/bin/env bash
# setup.exe under Wine installing the Windows medium (autoinstal, so no dialog waits),
# against a plain copy of the same files, in a Wine prefix of its own with Xvfb: the
# mode's time (each run's two 2-second pauses subtracted), Wine's xcopy and cp of the same
# files, and setup's peak memory (VmHWM of its process, which includes Wine's own) beside
# that of setup.exe waiting at its first message, before any script is read.
#
#   bench/setup_exe_figures.sh WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
WINDOWS_BUILD=$(cd "${1:?WINDOWS_BUILD_DIR}" && pwd)
RUNS=${2:-5}
export SYLVARINE_BIN=$WINDOWS_BUILD/bin SYLVARINE_SOURCE=$(cd "$(dirname "$0")/.." && pwd)
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
export WINEPREFIX="$E2E_TMP/prefix" WINEDEBUG=-all
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; e2e_cleanup' EXIT
wine_run() { "$SYLVARINE_SOURCE/windows/wine_run.sh" "$WINEPREFIX" "$@"; }
start_xvfb
wine_run cmd /c exit  # a warm Wine server, as a desktop has one
cp -a "$WINDOWS_BUILD/medium" "$E2E_TMP/medium"
FILES=(sylvarine.exe help.htm connect.htm)

# Runs setup.exe in DIR to its end, printing its wall time, the time from its first step
# (the destination stored) to its last status line, and its peak memory in kB.
run_setup() {
  local start=$EPOCHREALTIME pid peak=0 now
  (cd "$1" && exec "$SYLVARINE_SOURCE/windows/wine_run.sh" "$WINEPREFIX" setup.exe) >/dev/null \
    2> >(while IFS= read -r line; do echo "$EPOCHREALTIME $line"; done >"$E2E_TMP/lines") &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    now=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
    ((now > peak)) && peak=$now
    sleep 0.05
  done
  wait "$pid" || true
  sleep 0.2  # the last lines reach their file
  awk -v s="$start" -v e="$EPOCHREALTIME" -v peak="$peak" '
    / status: HKEY_LOCAL_MACHINE/ {first = $1} / status: / {last = $1}
    END {printf "%.3f %.3f %d\n", e - s, last - first, peak}' "$E2E_TMP/lines"
}
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

sed -i 's/<instal>/<autoinstal>/' "$E2E_TMP/medium/setup.inf"
setup_times=() step_times=() peaks=() xcopy_times=() cp_times=()
for run in $(seq "$RUNS"); do
  sed -i "s/<C:[^>]*>/<C:\\\\bench$run\\\\>/" "$E2E_TMP/medium/setup.inf"
  # Each run into a directory of its own: the destination stored by the last is forgotten.
  wine_run reg delete 'HKLM\Software\Kelvory\Sylvarine\SetupInfo' /f >/dev/null 2>&1 || true
  read -r seconds steps peak < <(run_setup "$E2E_TMP/medium")
  setup_times+=("$(awk -v t="$seconds" 'BEGIN {printf "%.3f", t - 4.0}')") peaks+=("$peak")
  step_times+=("$steps")
  start=$EPOCHREALTIME
  wine_run xcopy "Z:${E2E_TMP//\//\\}\\medium\\*.*" "C:\\xcopy$run\\" /Y /I >/dev/null 2>&1
  xcopy_times+=("$(awk -v s="$start" -v e="$EPOCHREALTIME" 'BEGIN {printf "%.3f", e - s}')")
  start=$EPOCHREALTIME
  mkdir "$WINEPREFIX/drive_c/cp$run" && (cd "$E2E_TMP/medium" && cp "${FILES[@]}" "$WINEPREFIX/drive_c/cp$run/")
  cp_times+=("$(awk -v s="$start" -v e="$EPOCHREALTIME" 'BEGIN {printf "%.3f", e - s}')")
done
mkdir "$E2E_TMP/empty"
(cd "$E2E_TMP/empty" && exec "$SYLVARINE_SOURCE/windows/wine_run.sh" "$WINEPREFIX" "$E2E_TMP/medium/setup.exe") >"$E2E_TMP/idle.log" 2>&1 &
idle=$!
wait_for 30 grep -q '^message: ' "$E2E_TMP/idle.log"
idle_peak=$(awk '/^VmHWM/ {print $2}' "/proc/$idle/status")
kill "$idle"

echo "setup.exe mode (autoinstal, pauses subtracted), median of $RUNS: $(printf '%s\n' "${setup_times[@]}" | median) s"
echo "  of which its steps, from the destination stored to the end:  $(printf '%s\n' "${step_times[@]}" | median) s"
echo "Wine's xcopy of the medium's files, median:                  $(printf '%s\n' "${xcopy_times[@]}" | median) s"
echo "cp of the installed files into drive_c, median:             $(printf '%s\n' "${cp_times[@]}" | median) s"
echo "setup.exe peak memory (VmHWM) during the install, median:   $(printf '%s\n' "${peaks[@]}" | median) kB"
echo "setup.exe peak memory waiting at its first message:         $idle_peak kB"
