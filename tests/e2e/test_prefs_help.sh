#!/usr/bin/env bash
# F1, and "?" in the preferences, open the installed help page in the desktop's browser (a stand-in that records
# its arguments); without "DestinationPath" the warning comes once and the browser
# gets the page name alone.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
command -v xdg-mime >/dev/null || fail "xdg-mime is missing (package xdg-utils)"

prefix="$E2E_TMP/prefix"
cmake --install "$SYLVARINE_BUILD" --prefix "$prefix" >install.log 2>&1 ||
  fail "cmake --install failed: $(tail -3 install.log)"
pages="$prefix/share/sylvarine"
[[ -f "$pages/help.htm" && -f "$pages/connect.htm" ]] || fail "the help pages were not installed"

# The stand-in browser, registered as the desktop's handler for HTML.
install_recording_browser '--new-window %u'

# The installer's record of the installation directory, as a Z: path.
machine="$XDG_DATA_HOME/corvane-machine"
mkdir -p "$machine"
windows_dir="Z:$(tr / '\\' <<<"$pages")\\"
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvory\\Sylvarine\\SetupInfo]\n"DestinationPath"="%s"\n' \
  "${windows_dir//\\/\\\\}" >"$machine/HKEY_LOCAL_MACHINE.reg"

start_xvfb 1024x768x24
start_pulseaudio
start_analyser app.log
wait_for_analyser_window
xdotool key --clearmodifiers F1
wait_for 20 test -s browser.args || fail "F1 started no browser; log: $(cat app.log)"
[[ $(cat browser.args) == "1
$pages/help.htm" ]] || fail "the browser got: $(cat browser.args)"
cmp -s "$(sed -n 2p browser.args)" "$SYLVARINE_SOURCE/analyser/resources/help/help.htm" ||
  fail "the page opened is not the installed help.htm"
grep -q "message:" app.log && fail "unexpected message: $(grep message: app.log)"

# "?" in "Préférences" opens the same page and the dialog stays open.
rm browser.args
open_preferences
click_control "$PREFS" 150 1026
wait_for 20 test -s browser.args || fail "the dialog's ? started no browser"
[[ $(sed -n 2p browser.args) == "$pages/help.htm" ]] || fail "the dialog's ? opened: $(cat browser.args)"
window_gone "Préférences" && fail "the dialog closed after ?"
xdotool windowfocus --sync "$PREFS"
xdotool key --clearmodifiers Escape
wait_for 10 window_gone "Préférences" || fail "Escape did not close the dialog"

# Without "DestinationPath": one warning, then the page name alone.
rm browser.args
printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvory\\Sylvarine\\SetupInfo]\n' \
  >"$machine/HKEY_LOCAL_MACHINE.reg"
xdotool windowfocus --sync "$WIN"
xdotool key --clearmodifiers F1
wait_for_message app.log "Une entrée du registre n'a pas été trouvée. Réinstallez le programme." ||
  fail "no warning for the missing DestinationPath"
close_box Sylvarine
wait_for 20 test -s browser.args || fail "no browser after the warning"
[[ $(cat browser.args) == "1
help.htm" ]] || fail "the browser got: $(cat browser.args)"
[[ $(grep -c "message:" app.log) == 1 ]] || fail "messages: $(grep message: app.log)"
echo PASS
