#!/usr/bin/env bash
# sylvarine.exe, without a sound device, started on a device, which it refuses, then on a
# snapshot: the title names the file, and every display, chosen from the Mode menu, paints
# the pixels osctool paints on Linux for lines, frames and fills. The differing pixels
# outside the text are counted.
source "$SYLVARINE_SOURCE/tests/windows/sylvarine_exe_lib.sh"
osctool="$SYLVARINE_LINUX_BIN/osctool"
[[ -x $osctool ]] || { echo "no Linux osctool in $SYLVARINE_LINUX_BIN"; exit 77; }
cd "$E2E_TMP"
cp "$SYLVARINE_SOURCE/analyser/resources/example.osc" .
prepare_prefix
start_xvfb 1024x768x24

# A device is no snapshot: it is refused at once, and the program does not start.
start_sylvarine device.log NUL
close_box "Ouverture de l'interface audio."
close_box Sylvarine
wait_for_exit "$ANALYSER_PID" 20 || fail "the program went on after the refusal"
grep -q "message: .*NUL : ce n'est pas un fichier ordinaire" device.log ||
  fail "no refusal of NUL: $(grep message: device.log)"

start_sylvarine app.log "$(windows_path "$E2E_TMP/example.osc")"
wait_for_sylvarine_window "example.osc - Sylvarine" no-device
screenshot offset.png
[[ $(pixel_at $((WIN_X + 5)) $((VIEW_Y + 5)) offset.png) == 192,192,192 ]] || fail "no grey margin"
[[ $(pixel_at $((WIN_X + 100)) $((VIEW_Y + 200)) offset.png) == 255,255,255 ]] ||
  fail "the trace area is not white"

# A font that is not Liberation Sans, for osctool's second picture.
cat >fonts.conf <<CONF
<?xml version="1.0"?>
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont><glob>*Liberation*</glob></rejectfont></selectfont>
</fontconfig>
CONF
compare_display() {
  local display=$1 size="${VIEW_WIDTH}x$VIEW_HEIGHT" differing
  "$osctool" render example.osc --display "$display" --size "$size" --out "qt-$display.png" &&
    FONTCONFIG_FILE="$E2E_TMP/fonts.conf" "$osctool" render example.osc --display "$display" \
      --size "$size" --out "qt-other-$display.png" 2>/dev/null ||
    fail "osctool render --display $display"
  differing=$(paint_difference "$display")
  echo "$display: $differing pixels differ outside the text"
  # Lines, frames and fills are the same pixels; sloped lines two or more pixels wide (the
  # traces, the needles) are drawn by two rasterisers and may differ by a pixel across.
  ((differing * 100 <= VIEW_WIDTH * VIEW_HEIGHT)) || fail "$display differs in $differing pixels"
}
# Shows a display from the menu and waits until its picture has settled.
show_display() {
  local display=$1; shift
  screenshot before.png
  menu_keys "$@"
  [[ $display == vumeters || $display == bargraphs ]] && close_box "Dodiravadovu Duzav"
  wait_for_view_change before.png 0 0 "$VIEW_WIDTH" "$VIEW_HEIGHT" || fail "$display did not show"
  wait_for 10 bash -c "import -window root '$E2E_TMP/a.png'; sleep 0.3; import -window root '$E2E_TMP/b.png'
    [[ \$(convert '$E2E_TMP/a.png' -crop '${VIEW_WIDTH}x$VIEW_HEIGHT+$WIN_X+$VIEW_Y' rgb:- | md5sum) ==
       \$(convert '$E2E_TMP/b.png' -crop '${VIEW_WIDTH}x$VIEW_HEIGHT+$WIN_X+$VIEW_Y' rgb:- | md5sum) ]]"
  cp "$E2E_TMP/b.png" "$display.png"
}

compare_display offset
show_display overlay alt+d o o && compare_display overlay
show_display sum alt+d o s && compare_display sum
show_display difference alt+d o d && compare_display difference
show_display lissajous alt+d o l && compare_display lissajous
show_display spectrograph alt+d s && compare_display spectrograph
show_display vumeters alt+d v && compare_display vumeters
show_display bargraphs alt+d b && compare_display bargraphs
echo PASS
