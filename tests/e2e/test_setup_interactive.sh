#!/usr/bin/env bash
# Cancel in the destination dialog writes nothing; an interactive install takes the
# typed destination (a final "\" added); the second install of the same product
# proposes the destination the first stored. The window shows its title and texts.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
start_xvfb

# Cancel abandons before anything is written.
start_in "$MEDIUM" ./setup
wait_line "destination: $DESTINATION"
press_in 'Corvane ...' Escape
wait_end
expect_status 1
statuses | tail -1 | grep -qxF 'Quitter...' || fail "Cancel did not quit"
[[ ! -e "$INSTALLED" ]] || fail "Cancel created the destination"
hklm_has 'DestinationPath' && fail "Cancel stored a destination"

start_in "$MEDIUM" ./setup
wait_line "destination: $DESTINATION"
# The window: its title, at the top-left corner, green, white texts in its corners.
wait_for 20 xdotool search --onlyvisible --name '^Corvane\.\.\.  For Windows 95/98/NT/2000/Millenium$' ||
  fail "no installer window with its title"
window=$(xdotool search --onlyvisible --name '^Corvane\.\.\.  For Windows 95/98/NT/2000/Millenium$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $X == 0 && $Y == 0 && $WIDTH -gt 1000 && $WIDTH -le 1024 && $HEIGHT -gt 740 && $HEIGHT -le 768 ]] ||
  fail "window at $X,$Y size ${WIDTH}x$HEIGHT"
screenshot "$E2E_TMP/screen.png" status_painted
[[ $(pixel_at 100 $((HEIGHT - 100)) "$E2E_TMP/screen.png") == 0,128,0 ]] || fail "background is not green"
white_in() { convert "$E2E_TMP/screen.png" -crop "$1" +repage -format '%[fx:maxima.r > 0.9 && maxima.b > 0.9]' info:; }
heading=$(text_height Heading)
platform=$(text_height PlatformLine)
platform=$((platform + 5))
[[ $(white_in 300x$((heading + 10))+0+0) == 1 ]] || fail "no heading at the top left"
[[ $(white_in 250x$platform+$((WIDTH - 250))+$((HEIGHT - platform))) == 1 ]] || fail "no platform line at the bottom right"
[[ $(white_in 250x$platform+0+$((HEIGHT - platform))) == 0 ]] || fail "text where none belongs"
# Its last italic stroke stays inside the window: the last column is background only.
edge=$(convert "$E2E_TMP/screen.png" -crop 1x$platform+$((X + WIDTH - 1))+$((Y + HEIGHT - platform)) +repage \
  -format '%[fx:minima.r == 0 && maxima.r == 0 ? 1 : 0]' info:)
[[ $edge == 1 ]] || fail "the platform line runs past the right edge"
press_in 'Corvane ...' ctrl+a
xdotool type --delay 30 'C:\Essai'
xdotool key Return
wait_end
expect_status 0
hklm_has '"DestinationPath"="C:\\Essai\\"' || fail "typed destination not stored with its final \\"
[[ -f "$DRIVE_C/Essai/sylvarine" && -f "$DRIVE_C/Essai/uninst.inf" ]] || fail "nothing installed in C:\\Essai"
[[ ! -e "$INSTALLED" ]] || fail "the proposal was used instead of the answer"

start_in "$MEDIUM" ./setup
wait_line 'destination: C:\Essai\'
press_in 'Corvane ...' Return
wait_end
expect_status 0
statuses | grep -qxF 'Sylvarine installé .' || fail "second install did not finish"
echo PASS
