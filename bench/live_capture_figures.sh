#!/usr/bin/env bash
# Figures of the live capture path, on the real analyser with a private sound server:
# CPU of the whole process (% of one core) and its wake-ups (voluntary context switches of
# all its threads, per second) in each state, resident memory, and the delay from a change
# of the signal at the source to its first appearance on the screen. The X server's CPU is
# shown beside; where xoscope is installed, it runs on the same source for comparison.
#
#   bench/live_capture_figures.sh BIN_DIR [SECONDS_PER_STATE] [pulseaudio|pipewire] [MEMORY_MINUTES]
#
# BIN_DIR holds a (preferably Release) sylvarine. Needs what `make test` installs.
# SYLVARINE_SOUND_INPUT=alsa or =pulse chooses the analyser's path (README, Sound input);
# DELAY_CHANGES sets how many changes of the signal the delay is averaged over (5).
set -euo pipefail
BIN=$(cd "${1:?BIN_DIR}" && pwd)
SECONDS_PER_STATE=${2:-60}
SERVER=${3:-pulseaudio}
MEMORY_MINUTES=${4:-0}
export SYLVARINE_BIN=$BIN SYLVARINE_SOURCE=$(cd "$(dirname "$0")/.." && pwd)
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
start_xvfb 2048x768x24  # room for xoscope beside the analyser
start_sound_server "$SERVER"

XVFB_PID=${E2E_PIDS[0]}
XOSCOPE_PID=""
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$ANALYSER_PID/status"; }
HZ=$(getconf CLK_TCK)
percent() { awk -v t="$1" -v hz="$HZ" -v s="$SECONDS_PER_STATE" 'BEGIN {printf "%.2f", t * 100 / hz / s}'; }

# Percent of one core and wake-ups a second over SECONDS_PER_STATE: cpu_of LABEL
cpu_of() {
  local before after woken x_before xo_before others
  before=$(ticks "$ANALYSER_PID") woken=$(wakeups "$ANALYSER_PID") x_before=$(ticks "$XVFB_PID")
  [[ -z $XOSCOPE_PID ]] || xo_before=$(ticks "$XOSCOPE_PID")
  sleep "$SECONDS_PER_STATE"
  after=$(ticks "$ANALYSER_PID")
  others="X server $(percent $(($(ticks "$XVFB_PID") - x_before))) %"
  [[ -z $XOSCOPE_PID ]] || others+=", xoscope $(percent $(($(ticks "$XOSCOPE_PID") - xo_before))) %"
  printf '%-34s %6s %%  %4d wake-ups/s  RSS %6d kB  (%s)\n' "$1" "$(percent $((after - before)))" \
    $((($(wakeups "$ANALYSER_PID") - woken) / SECONDS_PER_STATE)) "$(rss_kb)" "$others"
}

menu() { menu_keys "$@"; sleep 0.5; }

play_signal 1000
PLAYER_PID=${E2E_PIDS[-1]}
start_analyser app.log
wait_for_analyser_window
sleep 3  # start-up work done
cpu_of "stopped, never measured"

click_view 270 220 1
if command -v xoscope >/dev/null; then
  start_program xoscope.log xoscope
  XOSCOPE_PID=$E2E_LAST_PID
  xoscope_window=$(xdotool search --sync --onlyvisible --pid "$XOSCOPE_PID" | head -1)
  xdotool windowmove "$xoscope_window" 1100 0
fi
cpu_of "oscilloscope, Moyen"  # the initial refresh period
menu alt+r r Return  # Réglages > Rafraîchissement > Rapide
cpu_of "oscilloscope, Rapide"
menu alt+d s  # Mode > Spectrographe
cpu_of "spectrograph"
menu alt+d v  # Mode > V.U. Mètres (starts the measurement)
cpu_of "VU meters"
menu alt+m r  # Mesure > Arrêt
if [[ -n $XOSCOPE_PID ]]; then
  kill "$XOSCOPE_PID"
  XOSCOPE_PID=""
fi
sleep 1
cpu_of "stopped after measuring"

# Delay from a change at the source to the screen, oscilloscope at Rapide and Moyen.
menu alt+d o Return  # Mode > Oscilloscope > 2 voies décalées
trace_shown() {
  import -window root "$E2E_TMP/delay.png"
  (($(count_colour "$E2E_TMP/delay.png" 25 25 490 80 '#FF0000') > 20))
}
measure_delay() {
  local label=$1 total=0 worst=0 tries=${DELAY_CHANGES:-5} start seen ms
  for _ in $(seq $tries); do
    kill "$PLAYER_PID" 2>/dev/null || true
    wait_for 20 bash -c "! (( \$(import -window root '$E2E_TMP/q.png' && convert '$E2E_TMP/q.png' -crop '490x80+$((WIN_X + 25))+$((VIEW_Y + 25))' +repage txt:- | grep -ci '#FF0000') > 20 ))" ||
      fail "the trace did not go flat"
    sleep "0.$((RANDOM % 9 + 1))"
    start=$(date +%s%N)
    paplay --latency-msec=20 -d testsink "$E2E_TMP/sine-1000.wav" &
    PLAYER_PID=$!
    E2E_PIDS+=($!)
    wait_for 20 trace_shown || fail "the sine did not show"
    seen=$(date +%s%N)
    ms=$(((seen - start) / 1000000))
    total=$((total + ms))
    ((ms > worst)) && worst=$ms
  done
  printf '%-34s mean %5d ms, worst %5d ms (%d changes)\n' "$label" $((total / tries)) "$worst" "$tries"
}
menu alt+m a  # Mesure > Marche
menu alt+r r Return  # Rapide
measure_delay "change to screen, Rapide"
menu alt+r r Down Return  # Moyen
measure_delay "change to screen, Moyen"

if ((MEMORY_MINUTES > 0)); then
  menu alt+d s
  for minute in $(seq 0 "$MEMORY_MINUTES"); do
    printf 'spectrograph, minute %2d: RSS %d kB\n' "$minute" "$(rss_kb)"
    ((minute == MEMORY_MINUTES)) || sleep 60
  done
fi
