# Helpers of the end-to-end tests of sylvarine.exe under Wine, over tests/e2e/lib.sh:
# sourced, never run. The build's Wine prefix is used with this test's display and sound
# server: its Wine server is stopped before the test and after it.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
export WINEPREFIX="$SYLVARINE_WINE_PREFIX" WINEDEBUG=-all
readonly WINE_SERVER=/usr/lib/wine/wineserver

stop_wine() { "$WINE_SERVER" -k 2>/dev/null || true; "$WINE_SERVER" -w 2>/dev/null || true; }
trap 'stop_wine; e2e_cleanup' EXIT
# A command that fails outside a check ends the test: it says which.
set -E
trap 'echo "FAIL: \"$BASH_COMMAND\" failed (line $LINENO of ${BASH_SOURCE[0]##*/})" >&2' ERR
stop_wine

wine_run() { "$SYLVARINE_WINE_RUN" "$SYLVARINE_WINE_PREFIX" "$@"; }

# A host path as the program sees it: its Z: form.
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

# A first run, with "Arial" drawn by the font the Linux program draws it with, and the
# 3-D colours of the Qt surface's palette, so that both paint the same pixels.
prepare_prefix() {
  # The prefix links the user's Desktop, Documents... to the home of whoever made it,
  # which may be gone: the file dialogs need them, so they are this test's home.
  local folder
  wine_run cmd /c exit >/dev/null 2>&1
  for folder in "$WINEPREFIX"/drive_c/users/*/*; do
    [[ -L $folder ]] && ln -sfn "$HOME" "$folder"
  done
  wine_run reg delete 'HKCU\Software\Kelvory' /f >/dev/null 2>&1 || true
  wine_run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null
  local colour
  for colour in "ButtonFace 239 239 239" "ButtonLight 202 202 202" "ButtonDkShadow 118 118 118"; do
    set -- $colour
    wine_run reg add 'HKCU\Control Panel\Colors' /v "$1" /d "$2 $3 $4" /f >/dev/null
  done
  stop_wine  # the colours are read when Wine starts
}

# A new default printer on the "FILE:" port, Wine's PostScript driver with the tests' PPD (a
# Letter sheet at 300 dpi, a quarter inch of margin); before prepare_prefix, which ends Wine.
add_file_printer() {
  local ppd control='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print'
  ppd=$(windows_path "$SYLVARINE_SOURCE/tests/data/printer/postscript_page.ppd")
  cat >"$E2E_TMP/printer.reg" <<REG
Windows Registry Editor Version 5.00

[-$control\Environments\Windows x64\Drivers\Version-3\Page]
[-$control\Printers\Page]
[$control\Environments\Windows x64\Drivers\Version-3\Page]
"Driver"="wineps.drv"
"Configuration File"="wineps.drv"
"Data File"="${ppd//\\/\\\\}"
"Datatype"="RAW"
"Version"=dword:00000003

[$control\Printers\Page]
"Name"="Page"
"Port"="FILE:"
"Printer Driver"="Page"
"Print Processor"="winprint"
"Datatype"="RAW"
"Attributes"=dword:00000000

[HKEY_CURRENT_USER\Software\Microsoft\Windows NT\CurrentVersion\Devices]
"Page"="wineps.drv,FILE:"

[HKEY_CURRENT_USER\Software\Microsoft\Windows NT\CurrentVersion\Windows]
"Device"="Page,winspool,FILE:"
REG
  wine_run reg import "$(windows_path "$E2E_TMP/printer.reg")" >/dev/null 2>&1
}

# Starts sylvarine.exe with its stderr in LOG: start_sylvarine LOG [ARGUMENTS]
start_sylvarine() {
  local log=$1; shift
  start_program "$log" "$SYLVARINE_WINE_RUN" "$SYLVARINE_WINE_PREFIX" "$SYLVARINE_EXE" "$@"
  ANALYSER_PID=$E2E_LAST_PID
}

# Closes the box of a missing sound device when told so, waits for the main window
# titled TITLE, and sets WIN, WIN_X and VIEW_Y to the view's logical origin (the
# grey margin's corner), VIEW_WIDTH and VIEW_HEIGHT to its size: wait_for_sylvarine_window TITLE [no-device]
wait_for_sylvarine_window() {
  local title=$1 X Y WIDTH HEIGHT SCREEN row column
  # The device's box comes before the window shows.
  [[ ${2:-} == no-device ]] && close_box "Ouverture de l'interface audio."
  WIN=$(wait_for_window "$title" 60) || fail "no window \"$title\""
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  for _ in $(seq 100); do
    screenshot "$E2E_TMP/screen.png"
    row=$(convert "$E2E_TMP/screen.png" -crop "1x$HEIGHT+$((X + 8))+$Y" +repage txt:- |
      awk -F'[,:]' '!found && /#C0C0C0/ {print $2; found = 1}')
    if [[ -n $row ]]; then
      column=$(convert "$E2E_TMP/screen.png" -crop "40x1+$X+$((Y + row + 5))" +repage txt:- |
        awk -F'[,:]' '!found && /#C0C0C0/ {print $1; found = 1}')
      WIN_X=$((X + column)) VIEW_Y=$((Y + row))
      # The view's edge ends it: the first pixel of another colour than the margin's
      # grey and the button face beyond the drawing.
      VIEW_HEIGHT=$(convert "$E2E_TMP/screen.png" -crop "1x$((HEIGHT - row))+$((WIN_X + 780))+$VIEW_Y" \
        +repage txt:- | awk -F'[,:]' '!found && NR > 1 && !/#EFEFEF|#C0C0C0/ {print $2; found = 1}')
      VIEW_WIDTH=$(convert "$E2E_TMP/screen.png" -crop "$((WIDTH - column))x1+$WIN_X+$((VIEW_Y + 5))" \
        +repage txt:- | awk -F'[,:]' '!found && NR > 1 && !/#EFEFEF|#C0C0C0/ {print $1; found = 1}')
      return 0
    fi
    sleep 0.1
  done
  fail "the view did not paint"
}

# Differing pixels of the view in NAME.png (a screenshot) and osctool's picture qt-NAME.png,
# outside the text, whose pixels qt-other-NAME.png (drawn with another font) tells, with
# two pixels round them; they are left white in differ-NAME.png: paint_difference NAME
paint_difference() {
  local name=$1 size="${VIEW_WIDTH}x$VIEW_HEIGHT"
  convert "$name.png" -crop "$size+$WIN_X+$VIEW_Y" +repage "gdi-$name.png"
  compare "qt-$name.png" "qt-other-$name.png" -compose src -highlight-color white \
    -lowlight-color black "text-$name.png" 2>/dev/null || true
  compare "gdi-$name.png" "qt-$name.png" -compose src -highlight-color white \
    -lowlight-color black "all-$name.png" 2>/dev/null || true
  convert "all-$name.png" \( "text-$name.png" -morphology Dilate Square:2 -negate \) \
    -compose multiply -composite "differ-$name.png"
  convert "differ-$name.png" -format '%[fx:round(mean*w*h)]' info:
}
