#!/usr/bin/env bash
# What a person meets at the prompts: Return on a focused Cancel cancels (it used to
# install); a message box leaves the status line it speaks of in sight; a status
# line wider than the screen is drawn whole, not cut at both edges; a relative
# destination is made whole.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
start_xvfb

# Tab from the field to OK, then to Cancel; Return presses the focused button.
start_in "$MEDIUM" ./setup
wait_line "destination: $DESTINATION"
press_in 'Corvane ...' Tab Tab Return
wait_end
expect_status 1
statuses | tail -1 | grep -qxF 'Quitter...' || fail "Return on Cancel did not cancel"
[[ ! -e "$INSTALLED" ]] || fail "Return on Cancel installed"
hklm_has 'DestinationPath' && fail "Return on Cancel stored a destination"

# A missing file: the box stands above the status line that names the file.
rm "$MEDIUM/help.htm"
start_in "$MEDIUM" ./setup
wait_line "destination: $DESTINATION"
press_in 'Corvane ...' Return
wait_line "message: Un fichier n'a pas été trouvé !"
wait_for 20 xdotool search --onlyvisible --name '^Corvane\.\.\.$' || fail "no message box"
box=$(xdotool search --onlyvisible --name '^Corvane\.\.\.$' | tail -1)
eval "$(xdotool getwindowgeometry --shell "$box")"
((Y + HEIGHT <= STATUS_TOP)) || fail "the message box (y $Y, height $HEIGHT) covers the status line"
screenshot_settled "$E2E_TMP/missing.png" "" 20 status_painted ||
  fail "the status line is not visible beside the message box"
press_in 'Corvane...' Return
wait_end
expect_status 1

# A long product name (an unknown mode keeps the window up): whole, inside the window.
long='C:\WINDOWS\Start Menu\Programs\Sylvarine\Aide de Sylvarine.lnk'
sed -i "s/^<Sylvarine>/<${long//\\/\\\\}>/; s/<instal>/<rien>/" "$MEDIUM/setup.inf"
start_in "$MEDIUM" ./setup
wait_line "status: $long"
wait_for 20 xdotool search --onlyvisible --name '^Corvane\.\.\.  For' || fail "no installer window"
white_in() { convert "$E2E_TMP/long.png" -crop "$1" +repage -format '%[fx:maxima.r > 0.9 && maxima.b > 0.9]' info:; }
# The window is mapped before it is painted: wait for its status line.
screenshot_settled "$E2E_TMP/long.png" "" 20 status_painted || fail "no status line"
band_height=$((STATUS_HEIGHT + 10)) band_top=$((STATUS_TOP - 5))
[[ $(white_in 6x$band_height+0+$band_top) == 0 && $(white_in 6x$band_height+1018+$band_top) == 0 ]] ||
  fail "the long status line runs past the window's edges"
kill "$SETUP_PID"
wait_end

# A destination typed relative to the medium is stored, logged and registered whole:
# the removal list starts the uninstaller from elsewhere.
cp "$MEDIUM_SOURCE/setup.inf" "$MEDIUM_SOURCE/help.htm" "$MEDIUM/"
start_in "$MEDIUM" ./setup
wait_line "destination: $DESTINATION"
press_in 'Corvane ...' ctrl+a
xdotool type --delay 30 'Relatif'
xdotool key Return
wait_end
expect_status 0
whole=$(printf '%s' "Z:$MEDIUM/Relatif/" | tr / '\\')
hklm_has "\"DestinationPath\"=\"${whole//\\/\\\\}\"" || fail "relative destination not stored whole"
grep -qF "<DELETE><${whole}sylvarine>" "$MEDIUM/Relatif/uninst.inf" || fail "relative paths in the log"
grep -q '^message:' "$SETUP_LOG" && fail "messages during a relative install: $(grep '^message:' "$SETUP_LOG")"
echo PASS
