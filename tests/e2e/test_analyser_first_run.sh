#!/usr/bin/env bash
# A new user without a sound server: the open-failure message comes first, then the
# window; quitting leaves the profile with the nine defaults.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
start_xvfb 1024x768x24
# No PulseAudio here: ALSA's "default" cannot open.
export PULSE_SERVER="unix:$E2E_TMP/nowhere"

start_analyser app.log
wait_for_message app.log "Impossible d'ouvrir l'interface audio! " || fail "no open-failure message"
if xdotool search --onlyvisible --name ' - Sylvarine$' >/dev/null 2>&1; then
  fail "the main window came before the message"
fi
grep -qF "et réessayez.  " app.log || fail "the message lost its trailing spaces"
close_box "Ouverture de l'interface audio."
wait_for_analyser_window
# 1024 x 768: the window is centred at (112, 98).
[[ $WIN_X == 112 && $WIN_Y == 98 ]] || fail "window at $WIN_X,$WIN_Y"
screenshot shot.png
[[ $(pixel_at $((WIN_X + 5)) $((VIEW_Y + 5)) shot.png) == 192,192,192 ]] || fail "no grey margin"
# The settings panel's interior is the erased background, not what the screen held before.
(($(count_colour shot.png 700 120 60 250 '#FFFFFF') > 10000)) || fail "the panel is not erased"

# Measurement while the device is missing: Marche gives the fault message, once.
menu_keys alt+m a
wait_for_message app.log "Le programme ne peut pas fonctionner normalement" ||
  fail "no fault message after Marche"
close_box "Dodiravadovu Duzav"

# Quit through the menu: Fichier > Quitter.
menu_keys alt+f q
wait_for_exit "$ANALYSER_PID" 30 || fail "the program did not quit"
conf="$XDG_CONFIG_HOME/Kelvory/Sylvarine.conf"
[[ -f $conf ]] || fail "no profile at $conf"
for entry in couleur1=12632256 couleur4=255 couleur5=65535 couleur6=16711680 couleur7=65280 \
  couleur8=255 trace=2; do
  grep -qx "$entry" "$conf" || fail "profile lacks $entry"
done
echo "ok"
