#!/usr/bin/env bash
# A trace colour chosen in "Préférences" shows on screen at once, survives a restart
# through the profile, and "Defaut" brings the red back without a second OK.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
snapshot="$SYLVARINE_SOURCE/analyser/resources/example.osc"
profile="$XDG_CONFIG_HOME/Kelvory/Sylvarine.conf"
start_xvfb 1024x768x24
start_pulseaudio

# The snapshot's upper trace in the oscilloscope's trace area.
trace_pixels() { count_colour "$1" 8 8 500 450 "$2"; }
wait_for_trace_colour() {
  wait_for 10 bash -c "import -window root '$E2E_TMP/now.png' &&
    (( \$(convert '$E2E_TMP/now.png' -crop '500x450+$((WIN_X + 8))+$((VIEW_Y + 8))' +repage txt:- |
      grep -ci '$1') > 200 ))"
}
quit_analyser() {
  xdotool windowactivate --sync "$WIN" 2>/dev/null || true
  xdotool key --clearmodifiers alt+f sleep 0.3 key q
  wait_for_exit "$ANALYSER_PID" 20 || fail "the analyser did not quit"
}

start_analyser app.log "$snapshot"
wait_for_analyser_window
screenshot red.png
(($(trace_pixels red.png '#FF0000') > 200)) || fail "the upper trace is not red at first"
(($(trace_pixels red.png '#FF00FF') == 0)) || fail "magenta before any choice"

# The "<>" of "Trace du haut" (1019) in "Préférences" (150).
open_preferences
click_control "$PREFS" 150 1019
choose_colour '#ff00ff'
# Chosen but not yet confirmed: the view keeps its red.
screenshot chosen.png
(($(trace_pixels chosen.png '#FF00FF') == 0)) || fail "the view changed before OK"
xdotool windowfocus --sync "$PREFS"
xdotool key --clearmodifiers Return
wait_for_trace_colour '#FF00FF' || fail "the trace did not turn magenta after OK"
screenshot magenta.png
(($(trace_pixels magenta.png '#FF0000') < 20)) || fail "red is left after the change"

# Saved when the window goes, read back at the next start.
quit_analyser
grep -q '^couleur4=16711935$' "$profile" || fail "couleur4 not in the profile: $(cat "$profile")"
start_analyser app2.log "$snapshot"
wait_for_analyser_window
wait_for_trace_colour '#FF00FF' || fail "the magenta did not survive a restart"

# Cancel after a choice keeps the view's colour.
open_preferences
click_control "$PREFS" 150 1019
choose_colour '#00ffff'
click_control "$PREFS" 150 2  # Cancel
wait_for 10 window_gone Préférences || fail "Cancel did not close"
clock_ticks || fail "the window does not repaint"  # any repaint Cancel caused is done
screenshot cancelled.png
(($(trace_pixels cancelled.png '#00FFFF') == 0)) || fail "Cancel applied the colour"
(($(trace_pixels cancelled.png '#FF00FF') > 200)) || fail "the magenta went after Cancel"

# "Defaut" closes as OK with the default table.
open_preferences
click_control "$PREFS" 150 1027
wait_for 10 window_gone Préférences || fail "Defaut did not close"
wait_for_trace_colour '#FF0000' || fail "Defaut did not bring the red back"
quit_analyser
grep -q '^couleur4=255$' "$profile" || fail "couleur4 after Defaut: $(grep couleur4 "$profile")"
grep -q "message:" app.log app2.log && fail "unexpected message: $(grep message: app.log app2.log)"
echo PASS
