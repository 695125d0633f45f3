#!/usr/bin/env bash
# sylvarine.exe under Wine beside the Linux sylvarine, in the same run, on the same Xvfb and
# private PulseAudio server: the time from start to the first painted view, the CPU of the
# process (% of one core; under Wine also the Wine server's) stopped and measuring at Rapide,
# and the resident memory.
#
#   bench/sylvarine_exe_figures.sh LINUX_BIN_DIR WINDOWS_BUILD_DIR [SECONDS_PER_STATE]
set -euo pipefail
LINUX_BIN=$(cd "${1:?LINUX_BIN_DIR}" && pwd)
WINDOWS_BUILD=$(cd "${2:?WINDOWS_BUILD_DIR}" && pwd)
SECONDS_PER_STATE=${3:-30}
export SYLVARINE_BIN=$LINUX_BIN SYLVARINE_LINUX_BIN=$LINUX_BIN
export SYLVARINE_SOURCE=$(cd "$(dirname "$0")/.." && pwd)
export SYLVARINE_EXE=$WINDOWS_BUILD/bin/sylvarine.exe SYLVARINE_WINE_PREFIX=$WINDOWS_BUILD/wine-prefix
export SYLVARINE_WINE_RUN=$SYLVARINE_SOURCE/windows/wine_run.sh
source "$SYLVARINE_SOURCE/tests/windows/sylvarine_exe_lib.sh"
cd "$E2E_TMP"
prepare_prefix
wine_run cmd /c exit  # a warm Wine server, as a desktop has one
start_xvfb 1024x768x24
start_sound_server pulseaudio
pactl load-module module-sine sink=testsink frequency=1000 >/dev/null
HZ=$(getconf CLK_TCK)

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The Wine server of this prefix: the one started with its WINEPREFIX.
wine_server_pid() {
  local pid
  for pid in $(pgrep -f "^/usr/lib/wine/wineserver"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$SYLVARINE_WINE_PREFIX" &&
      { echo "$pid"; return; }
  done
  echo "$ANALYSER_PID"
}
percent() { awk -v t="$1" -v hz="$HZ" -v s="$SECONDS_PER_STATE" 'BEGIN {printf "%.2f", t * 100 / hz / s}'; }

# CPU of the program (and of the Wine server) over SECONDS_PER_STATE: cpu_of PROGRAM LABEL
cpu_of() {
  local server program_before server_before
  server=$(wine_server_pid)
  program_before=$(ticks "$ANALYSER_PID")
  server_before=$(ticks "$server")
  sleep "$SECONDS_PER_STATE"
  printf '%-10s %-22s %6s %%  (Wine server %s %%)  RSS %6d kB\n' "$1" "$2" \
    "$(percent $(($(ticks "$ANALYSER_PID") - program_before)))" \
    "$([[ $1 == windows ]] && percent $(($(ticks "$server") - server_before)) || echo -)" \
    "$(awk '/^VmRSS/ {print $2}' "/proc/$ANALYSER_PID/status")"
}

# The view's grey margin is on the screen: first_paint_ms START_NS TITLE
first_paint_ms() {
  local start=$1 title=$2 window X Y WIDTH HEIGHT SCREEN
  until window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1) && [[ -n $window ]]; do
    kill -0 "$ANALYSER_PID" 2>/dev/null || fail "the program ended: $(tail -3 "$E2E_TMP"/*.log)"
    sleep 0.02
  done
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Read whole: a grep -q that stops early fails the pipe (pipefail), found or not.
  until import -window root "$E2E_TMP/first.png" &&
    [[ $(convert "$E2E_TMP/first.png" -crop "1x$HEIGHT+$((X + 8))+$Y" +repage txt:-) == *'#C0C0C0'* ]]; do :; done
  echo $((($(date +%s%N) - start) / 1000000))
}

start_one() {
  if [[ $1 == linux ]]; then start_analyser "$1.log"; else start_sylvarine "$1.log"; fi
}
for program in linux windows; do
  # The first start in a new home makes the font caches; the second is a person's.
  for run in first second; do
    start=$(date +%s%N)
    start_one $program
    echo "$program: first paint $(first_paint_ms "$start" ' - Sylvarine$') ms after the $run start"
    [[ $run == second ]] && break
    WIN=$(xdotool search --onlyvisible --name ' - Sylvarine$' | head -1)
    menu_keys alt+f q
    wait_for_exit "$ANALYSER_PID" 20 || fail "$program did not end"
  done
  if [[ $program == linux ]]; then wait_for_analyser_window; else wait_for_sylvarine_window "Sans titre - Sylvarine"; fi
  sleep 3
  cpu_of $program "stopped"
  click_view 270 220 1
  menu_keys alt+r r Return  # Réglages > Rafraîchissement > Rapide
  cpu_of $program "oscilloscope, Rapide"
  menu_keys alt+f q
  wait_for_exit "$ANALYSER_PID" 20 || fail "$program did not end"
done
