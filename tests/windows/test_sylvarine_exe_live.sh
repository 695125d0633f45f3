#!/usr/bin/env bash
# sylvarine.exe measuring a 1 kHz sine from a private PulseAudio server through Wine's
# wave input: a left click in the trace area shows it live; the spectrograph comes from
# the Mode menu; Save As writes a snapshot whose spectrum peaks at bin 41; the server
# killed while measuring gives the two messages and the window keeps repainting; the
# registry keeps the recent file, the preferences and the file type. Printed into a file
# while measuring: the measurement stops, and with it the server's record stream; the page
# is landscape, drawn where its mapping says.
source "$SYLVARINE_SOURCE/tests/windows/sylvarine_exe_lib.sh"
readonly USE_FAILURE="Un problème est survenu au cours de l'utilisation de l'interface son."
readonly REMINDER="Le programme ne peut pas fonctionner normalement"
osctool="$SYLVARINE_LINUX_BIN/osctool"
[[ -x $osctool ]] || { echo "no Linux osctool in $SYLVARINE_LINUX_BIN"; exit 77; }
cd "$E2E_TMP"
add_file_printer
prepare_prefix
start_xvfb 1024x768x24
start_sound_server pulseaudio
# Made by the server itself: a client that plays it would drop pieces on a busy machine.
pactl load-module module-sine sink=testsink frequency=1000 >/dev/null
start_sylvarine app.log
wait_for_sylvarine_window "Sans titre - Sylvarine"
grep -q "message:" app.log && fail "unexpected message: $(grep message: app.log)"
toolbar_strip() { convert "$1" -crop "${VIEW_WIDTH}x28+$WIN_X+$((VIEW_Y - 32))" +repage rgb:- | md5sum; }
screenshot stopped.png  # the toolbar of a stopped measurement: Arrêt pressed
toolbar_stopped() { import -window root now.png; [[ $(toolbar_strip now.png) == "$(toolbar_strip stopped.png)" ]]; }

click_view 270 220 1
wait_for 20 trace_shows_signal || fail "no live trace after the click"

menu_keys alt+f i  # Fichier > Imprimer..., then the file it prints into
focus_dialog
press_return
focus_window "$(wait_for_window "Imprimer dans un fichier")"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$(windows_path "$E2E_TMP/page.ps")"
press_return
wait_for 20 grep -q '^%%EOF' page.ps || fail "nothing was printed into page.ps"
wait_for 20 toolbar_stopped || fail "printing did not stop the measurement"
# Stopped, the wave device is closed: no client records from the server (Marche reopens it).
wait_for 10 bash -c '[[ $(pactl list source-outputs) != *application.name* ]]' ||
  fail "a stopped program keeps recording: $(pactl list source-outputs)"
grep -q '^%%Orientation: Landscape' page.ps || fail "the page is not in landscape"
# Upright at 300 dpi, 3300 x 2550; logical (x, y) is the dot (75 + 3x, 75 + 3y); trace area {20, 20, 520, 420}.
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r300 -sOutputFile=- page.ps | convert - -rotate 90 page.png
[[ $(identify -format %wx%h page.png) == 3300x2550 ]] || fail "not a Letter sheet: $(identify page.png)"
for corner in "20 70" "520 70" "270 420"; do set -- $corner
  [[ $(pixel_at $((75 + 3 * $1)) $((75 + 3 * $2)) page.png) == 0,0,0 ]] || fail "no black border at ($1, $2)"; done
area=(-crop 1500x1200+135+135 +repage)
(($(convert page.png "${area[@]}" -fill black +opaque white -format '%[fx:int(100*mean)]' info:) >= 80)) ||
  fail "the trace area of the page is not white"
(($(convert page.png "${area[@]}" txt:- | grep -ci '#FF0000') > 1000)) || fail "no red trace on the page"
menu_keys alt+m a  # Mesure > Marche
wait_for 20 trace_shows_signal || fail "no live trace after printing"

screenshot scope.png
menu_keys alt+d s  # Mode > Spectrographe
wait_for_view_change scope.png 0 0 "$VIEW_WIDTH" "$VIEW_HEIGHT" || fail "the spectrograph did not show"
screenshot spectrograph.png
# The next block repaints the spectrograph with its spectra.
wait_for_view_change spectrograph.png 0 0 "$VIEW_WIDTH" "$VIEW_HEIGHT" || fail "no block was shown"
menu_keys alt+m r  # Mesure > Arrêt

menu_keys alt+f r  # Fichier > Enregistrer sous...
focus_dialog
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$(windows_path "$E2E_TMP/live")"
press_return
wait_for 20 test -s live.osc || fail "Save As wrote nothing"
wait_for_window "live.osc - Sylvarine" >/dev/null || fail "the title does not name the saved file"
spectrum=$("$osctool" spectrum live.osc) || fail "osctool spectrum failed"
jq -e '[.display[0] | to_entries | max_by(.value) | .key] == [41]' <<<"$spectrum" >/dev/null ||
  fail "the right channel does not peak at bin 41: $spectrum"

menu_keys alt+d o v  # Mode > Oscilloscope > 2 voies décalées
menu_keys alt+m a    # Mesure > Marche
wait_for 20 trace_shows_signal || fail "no trace while measuring again"
kill_sound_server
wait_for_message app.log "$USE_FAILURE" 20 || fail "no use-failure message"
clock_ticks || fail "the window does not repaint under the message"
close_box Sylvarine
wait_for_message app.log "$REMINDER" 10 || fail "no reminder"
close_box "Dodiravadovu Duzav"
screenshot grid.png
menu_keys alt+a g  # Affichage > Grille
wait_for_view_change grid.png 20 20 500 400 || fail "the view does not repaint after the messages"
menu_keys alt+f q
wait_for_exit "$ANALYSER_PID" 20 || fail "Quitter did not end the program"

# What the program left in the registry: the recent file, the preferences of a first run,
# the file type that opens with it.
reg_value() { wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name {print $NF}'; }
[[ $(reg_value 'HKCU\Software\Kelvory\Sylvarine\Recent File List' File1) == *live.osc ]] ||
  fail "the saved file is not the first recent file"
[[ $(reg_value 'HKCU\Software\Kelvory\Sylvarine\settings' trace) == 0x2 ]] ||
  fail "the preferences were not kept"
wine_run reg query 'HKCU\Software\Classes\Ruzirivadudid\shell\open\command' /ve 2>/dev/null |
  grep -ci 'sylvarine.exe" "%1"' >/dev/null || fail "the .osc type does not open with the program"
echo PASS
