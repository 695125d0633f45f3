#!/usr/bin/env bash
# A sound server that goes away never freezes the window: killed while stopped and started
# again, the next measurement gives the use-failure message, then the reminder, while the
# window keeps repainting; a server frozen with SIGSTOP does not hold up Quitter.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
readonly USE_FAILURE="Un problème est survenu au cours de l'utilisation de l'interface son."
readonly REMINDER="Le programme ne peut pas fonctionner normalement"
start_xvfb 1024x768x24

# --- Killed while stopped, started again, then a left click.
start_sound_server pulseaudio
start_analyser killed.log
wait_for_analyser_window
click_view 270 220 1
play_signal 1000
wait_for 20 trace_shows_signal || fail "no trace while measuring"
click_view 270 220 3
kill_sound_server
start_sound_server pulseaudio
play_signal 1000
click_view 270 220 1
wait_for_message killed.log "$USE_FAILURE" 20 || fail "no use-failure message"
clock_ticks || fail "the window does not repaint while the message shows"
close_box Sylvarine
wait_for_message killed.log "$REMINDER" 10 || fail "no reminder"
close_box "Dodiravadovu Duzav"
clock_ticks || fail "the window does not repaint after the messages"
[[ $(grep -c "message: " killed.log) == 2 ]] || fail "messages: $(grep message: killed.log)"
# The measurement stays stopped: a new start only reminds.
click_view 270 220 1
wait_for 10 bash -c "(( \$(grep -c '$REMINDER' killed.log) == 2 ))" || fail "no second reminder"
close_box "Dodiravadovu Duzav"
menu_keys alt+f q
wait_for_exit "$ANALYSER_PID" 10 || fail "Quitter did not end the program"

# --- Quitter while the server is frozen in the middle of a measurement.
start_analyser frozen.log
wait_for_analyser_window
click_view 270 220 1
wait_for 20 trace_shows_signal || fail "no trace while measuring"
for pid in "${SOUND_SERVER_PIDS[@]}"; do kill -STOP "$pid"; done
clock_ticks || fail "the window does not repaint with the server frozen"
asked_at=$(date +%s%N)
menu_keys alt+f q
wait_for_exit "$ANALYSER_PID" 10 || fail "Quitter did not end the program"
ended_ms=$((($(date +%s%N) - asked_at) / 1000000))
echo "ended $ended_ms ms after Quitter"
# One second is the promise, after the keys walked the menu (0.6 s); a sanitized build
# gets some slack.
((ended_ms < ${E2E_QUIT_LIMIT_MS:-3000})) || fail "quitting took $ended_ms ms"
for pid in "${SOUND_SERVER_PIDS[@]}"; do kill -CONT "$pid"; done
echo PASS
