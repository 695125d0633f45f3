#!/usr/bin/env bash
# The sound server killed in the middle of a measurement, ten times over: each time the
# document's two messages come (the use-failure message, then the reminder), the window
# keeps repainting and Quitter ends the program.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
readonly USE_FAILURE="Un problème est survenu au cours de l'utilisation de l'interface son."
readonly REMINDER="Le programme ne peut pas fonctionner normalement"
start_xvfb 1024x768x24
for round in $(seq "${E2E_KILL_ROUNDS:-10}"); do
  start_sound_server pulseaudio
  play_signal 1000
  start_analyser "round$round.log"
  wait_for_analyser_window
  # Rapide: the device is in use almost all the time.
  menu_keys alt+r r Return
  click_view 270 220 1
  wait_for 20 trace_shows_signal || fail "round $round: no trace while measuring"
  kill_sound_server
  wait_for_message "round$round.log" "$USE_FAILURE" 20 || fail "round $round: no use-failure message"
  clock_ticks || fail "round $round: the window does not repaint"
  close_box Sylvarine
  wait_for_message "round$round.log" "$REMINDER" 10 || fail "round $round: no reminder"
  close_box "Dodiravadovu Duzav"
  clock_ticks || fail "round $round: the window does not repaint after the messages"
  menu_keys alt+f q
  wait_for_exit "$ANALYSER_PID" 10 || fail "round $round: Quitter did not end the program"
  echo "round $round: $(grep -c 'message: ' "round$round.log") messages"
done
echo PASS
