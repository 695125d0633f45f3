#!/usr/bin/env bash
# An installation shows on the Linux desktop: the medium installed into its default
# "C:\Program Files\Sylvarine" gives valid desktop entries whose command starts the
# installed analyser, whose F1 reaches the installed help page; the uninstaller takes
# the entries away with the shortcuts. F1 before any installation creates nothing, and
# an empty destination with a damaged user registry writes nothing at the host root.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (package desktop-file-utils)"
command -v xdg-mime >/dev/null || fail "xdg-mime is missing (package xdg-utils)"
desktop_dir="$HOME/Bureau"
mkdir -p "$desktop_dir"
printf 'XDG_DESKTOP_DIR="%s"\n' "$desktop_dir" >"$XDG_CONFIG_HOME/user-dirs.dirs"
menu="$XDG_DATA_HOME/applications/corvane-machine/Programs/Sylvarine"
root_before=$(ls -A /)

# The stand-in browser, the desktop's handler for HTML: it records its arguments.
install_recording_browser '%u'

start_xvfb
start_pulseaudio

# F1 before any installation: the warning, and no machine directory made by reading.
start_analyser "$E2E_TMP/first.log"
wait_for_analyser_window
xdotool key --clearmodifiers F1
wait_for_message "$E2E_TMP/first.log" "Une entrée du registre n'a pas été trouvée." || fail "no warning without an installation"
close_box Sylvarine
wait_for 20 test -s "$E2E_TMP/browser.args" || fail "no browser after the warning"
[[ ! -e "$MACHINE" ]] || fail "F1 created the machine directory: $(ls -R "$MACHINE" | head)"
kill "$ANALYSER_PID"
wait_for_exit "$ANALYSER_PID" || fail "the analyser did not end"
rm "$E2E_TMP/browser.args"

# The medium's own script, its default destination as it stands.
set_entry instal autoinstal
run_quiet "$MEDIUM" ./setup
expect_status 0
[[ -x "$INSTALLED/sylvarine" ]] || fail "nothing installed in $INSTALLED"
entries=("$menu/Sylvarine.desktop" "$menu/Aide de Sylvarine.desktop" "$desktop_dir/Sylvarine.desktop")
for entry in "${entries[@]}"; do
  [[ -f "$entry" ]] || fail "no desktop entry $entry; applications: $(find "$XDG_DATA_HOME/applications")"
  desktop-file-validate "$entry" || fail "$entry is not a valid desktop entry"
done
grep -qxF 'Name=Aide de Sylvarine' "$menu/Aide de Sylvarine.desktop" || fail "the help entry is not named after its link"
grep -qxF "Exec=xdg-open \"$INSTALLED/help.htm\"" "$menu/Aide de Sylvarine.desktop" ||
  fail "the help entry does not open the page: $(grep Exec= "$menu/Aide de Sylvarine.desktop")"
# The command as a launcher reads it: one quoted argument, the installed analyser.
exec_line=$(sed -n 's/^Exec=//p' "$menu/Sylvarine.desktop")
path_line=$(sed -n 's/^Path=//p' "$menu/Sylvarine.desktop")
[[ "$exec_line" == "\"$INSTALLED/sylvarine\"" && "$path_line" == "$INSTALLED" ]] ||
  fail "the entry starts '$exec_line' in '$path_line'"
program=${exec_line#\"}
program=${program%\"}

# Started as the menu starts it, the installed analyser finds its page through "DestinationPath".
start_program "$E2E_TMP/installed.log" bash -c 'cd "$1" && exec "$2"' - "$path_line" "$program"
ANALYSER_PID=$E2E_LAST_PID
wait_for_analyser_window
xdotool key --clearmodifiers F1
wait_for 20 test -s "$E2E_TMP/browser.args" || fail "F1 started no browser; log: $(cat "$E2E_TMP/installed.log")"
[[ $(cat "$E2E_TMP/browser.args") == "1
$INSTALLED/help.htm" ]] || fail "the browser got: $(cat "$E2E_TMP/browser.args")"
kill "$ANALYSER_PID"
wait_for_exit "$ANALYSER_PID" || fail "the installed analyser did not end"

# The uninstaller takes the entries with the shortcuts.
start_in "$E2E_TMP" "$DRIVE_C/WINDOWS/CRVunins.exe" "\"${DESTINATION}uninst.inf\""
wait_line 'message: Etes-vous sur de vouloir supprimer Sylvarine de votre ordinateur ?'
press_in 'Corvane...' Return
wait_end
expect_status 0
for entry in "${entries[@]}"; do
  [[ ! -e "$entry" ]] || fail "the uninstall left $entry"
done
[[ ! -e "$XDG_DATA_HOME/applications/corvane-machine" ]] || fail "the uninstall left the menu folder"

# An empty destination, with the user registry damaged: the root of C:, never "/".
printf 'REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n"a"=dword:1\r\n' >"$MACHINE/HKEY_CURRENT_USER.reg"
cp "$MACHINE/HKEY_CURRENT_USER.reg" "$E2E_TMP/damaged.reg"
set_entry autoinstal instal
start_in "$MEDIUM" ./setup
wait_line "destination: $DESTINATION"
press_in 'Corvane ...' ctrl+a BackSpace Return
wait_line "message: Problème de registre : $MACHINE/HKEY_CURRENT_USER.reg, line 3: only string values are kept: a quoted string was expected (the file is left as it is)"
press_in 'Corvane...' Return
# The group's folder would be C:\Sylvarine, the name the analyser already has there:
# both group links fail, each told.
for count in 1 2; do
  wait_for 30 bash -c "(( \$(grep -c '^message: Impossible de créer un raccourci !' '$SETUP_LOG') >= $count ))" ||
    fail "shortcut message $count never came: $(cat "$SETUP_LOG")"
  press_in 'Corvane...' Return
done
wait_end
expect_status 0
hklm_has '"DestinationPath"="C:\\"' || fail "an empty destination is not the root of C:"
[[ -f "$DRIVE_C/help.htm" && -f "$DRIVE_C/uninst.inf" && -f "$DRIVE_C/Sylvarine.lnk" ]] ||
  fail "the files and links did not land at the root of C:: $(ls "$DRIVE_C")"
[[ $(grep -c '^message: Problème de registre' "$SETUP_LOG") == 1 ]] || fail "the damage was not told once: $(grep '^message:' "$SETUP_LOG")"
cmp -s "$E2E_TMP/damaged.reg" "$MACHINE/HKEY_CURRENT_USER.reg" || fail "the damaged registry file was rewritten"
[[ "$(ls -A /)" == "$root_before" ]] || fail "written at the host root: $(diff <(echo "$root_before") <(ls -A /))"

# The analyser tells of a damaged machine registry too, once, with the file and line.
printf 'REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\X]\r\nbroken\r\n' >"$MACHINE/HKEY_LOCAL_MACHINE.reg"
cp "$MACHINE/HKEY_LOCAL_MACHINE.reg" "$E2E_TMP/damaged-hklm.reg"
# Both boxes carry the application's title: each is answered and waited for by its id.
answer_box() {
  local box
  box=$(wait_for_window Sylvarine) || fail "no box titled Sylvarine"
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key --clearmodifiers Return
  wait_for 10 bash -c "! xdotool getwindowname $box 2>/dev/null" || fail "the box $box did not close"
}
start_analyser "$E2E_TMP/damaged.log"
wait_for_analyser_window
for press in 1 2; do
  xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN" || true
  xdotool key --clearmodifiers F1
  wait_for 20 bash -c "(( \$(grep -c 'Une entrée du registre' '$E2E_TMP/damaged.log') >= $press ))" ||
    fail "no warning at F1 number $press: $(cat "$E2E_TMP/damaged.log")"
  answer_box
  if ((press == 1)); then
    wait_for_message "$E2E_TMP/damaged.log" "Problème de registre : $MACHINE/HKEY_LOCAL_MACHINE.reg, line 3: " ||
      fail "the damage is not told: $(cat "$E2E_TMP/damaged.log")"
    answer_box
  fi
done
[[ $(grep -c 'Problème de registre' "$E2E_TMP/damaged.log") == 1 ]] || fail "the damage was told more than once"
cmp -s "$E2E_TMP/damaged-hklm.reg" "$MACHINE/HKEY_LOCAL_MACHINE.reg" || fail "the analyser rewrote the damaged file"
echo PASS
