#!/usr/bin/env bash
# A snapshot named on the command line shows at once with the measurement stopped; Save As
# writes it back byte for byte; printing to a PDF file gives a page that shows the trace.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
start_xvfb 1024x768x24
export PULSE_SERVER="unix:$E2E_TMP/nowhere"
cp "$SYLVARINE_SOURCE/analyser/resources/example.osc" "$E2E_TMP/snap.osc"

start_analyser app.log "$E2E_TMP/snap.osc"
wait_for_message app.log "Impossible d'ouvrir l'interface audio! " || fail "no open-failure message"
close_box "Ouverture de l'interface audio."
wait_for_analyser_window
xdotool search --onlyvisible --name '^snap.osc - Sylvarine$' >/dev/null || fail "title"
screenshot shown.png
(($(count_colour shown.png 25 25 490 80 '#FF0000') > 20)) || fail "the snapshot's trace is not shown"
sleep 1.5  # a measurement, were it running, would show a new block by now
screenshot later.png
[[ $(region_sum later.png 20 20 500 400) == $(region_sum shown.png 20 20 500 400) ]] ||
  fail "the trace changed: the measurement runs"

# Fichier > Enregistrer sous...: a new name without extension gets ".osc".
menu_keys alt+f r
focus_dialog
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "$E2E_TMP/copy"
press_return
wait_for 20 test -s "$E2E_TMP/copy.osc" || fail "Save As wrote nothing"
cmp "$E2E_TMP/snap.osc" "$E2E_TMP/copy.osc" || fail "the saved snapshot differs"
wait_for 10 xdotool search --onlyvisible --name '^copy.osc - Sylvarine$' || fail "title after Save As"

# Print to a PDF file through the print dialog.
xdotool windowfocus --sync "$WIN"
xdotool key --clearmodifiers ctrl+p
focus_dialog
press_return  # "Imprimer" to the proposed file, $HOME/Sylvarine.pdf
wait_for 20 test -s "$HOME/Sylvarine.pdf" || fail "no PDF written"
wait_for 10 pdftoppm -r 50 -png -singlefile "$HOME/Sylvarine.pdf" page || fail "unreadable PDF"
(($(convert page.png txt:- | grep -ci '#FF0000') > 20)) || fail "the printed page has no red trace"
echo ok
