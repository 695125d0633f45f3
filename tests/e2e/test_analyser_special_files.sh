#!/usr/bin/env bash
# A FIFO named as a snapshot never freezes the analyser. On the command line its message
# comes at once and start-up ends, as for any file that cannot be opened; from the recent
# files and from Fichier > Ouvrir the message comes and the window goes on answering.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
start_xvfb 1024x768x24
start_pulseaudio
fifo="$E2E_TMP/pipe.osc"
mkfifo "$fifo"
refusal="Impossible d'ouvrir le fichier $fifo : ce n'est pas un fichier ordinaire (tube, périphérique ou socket)."

start_analyser cmdline.log "$fifo"
wait_for_message cmdline.log "$refusal" 30 || fail "no refusal on the command line: $(cat cmdline.log)"
close_box "Sylvarine"
wait_for_exit "$ANALYSER_PID" 20 || fail "the program did not end after the refusal"
status=0
wait "$ANALYSER_PID" || status=$?
[[ $status == 1 ]] || fail "exit status $status after a refused start-up file"

# The FIFO as the first recent file.
conf="$XDG_CONFIG_HOME/Kelvory/Sylvarine.conf"
mkdir -p "$(dirname "$conf")"
printf '[Recent%%20File%%20List]\nFile1=%s\n' "$fifo" >"$conf"
start_analyser app.log
wait_for_analyser_window
refusals_at_least() { (($(grep -cF "message: $refusal" app.log) >= $1)); }
open_file_menu() {
  xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
  xdotool key --clearmodifiers alt+f
  wait_for_dialog || fail "the Fichier menu did not open"
}
open_file_menu
xdotool key --clearmodifiers 1
wait_for 30 refusals_at_least 1 || fail "no refusal from the recent files"
close_box "Sylvarine"

# Fichier > Ouvrir, the FIFO's name typed in the dialog.
xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
xdotool key --clearmodifiers ctrl+o
wait_for_dialog || fail "no file dialog"
dialog=$(xdotool search --onlyvisible --pid "$ANALYSER_PID" | grep -vx "$WIN" | head -1)
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "$fifo"
press_return
wait_for 30 refusals_at_least 2 || fail "no refusal from Fichier > Ouvrir"
close_box "Sylvarine"

# The window still answers: its title is unchanged and Fichier > Quitter ends it.
xdotool search --onlyvisible --name '^Sans titre - Sylvarine$' >/dev/null || fail "the title changed"
open_file_menu
xdotool key --clearmodifiers q
wait_for_exit "$ANALYSER_PID" 20 || fail "the window no longer answers"
grep -qF "$fifo" "$conf" && fail "the refused FIFO stayed in the recent files"
echo PASS
