# Shared helpers of the end-to-end tests: sourced, never run.
# Every server and program a test starts is stopped by its pid when the test ends.
set -euo pipefail

: "${SYLVARINE_BIN:?run through ctest}"
E2E_TMP=$(mktemp -d /tmp/sylvarine-e2e.XXXXXX)
E2E_PIDS=()
export HOME="$E2E_TMP/home" XDG_DATA_HOME="$E2E_TMP/home/.local/share" \
  XDG_CONFIG_HOME="$E2E_TMP/home/.config" XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Sanitized builds: Qt and fontconfig keep caches alive until exit on purpose.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" LANG=fr_FR.UTF-8 LC_ALL=C.UTF-8

e2e_cleanup() {
  local pid
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    pid=${E2E_PIDS[i]}
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${E2E_PIDS[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  done
  if [[ -f "$XDG_RUNTIME_DIR/pulse/pid" ]]; then
    pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid")
    kill "$pid" 2>/dev/null || true
    # The server writes into the runtime folder until it is gone: remove the folder after.
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  [[ -n "${E2E_KEEP:-}" ]] || rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits until a command succeeds: wait_for SECONDS COMMAND...
wait_for() {
  local seconds=$1; shift
  local end=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

# Starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
  local size=${1:-1024x768x24} n
  for n in $(seq 90 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 "$size" -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_PIDS+=($!)
    export DISPLAY=":$n"
    if wait_for 10 xdpyinfo; then return 0; fi
    fail "Xvfb did not start"
  done
  fail "no free X display"
}

# Starts a private PulseAudio server with a null sink "testsink" whose monitor is the
# default source "testmic"; play_signal feeds it.
start_pulseaudio() {
  pulseaudio -n -D --exit-idle-time=-1 --log-target="file:$E2E_TMP/pulse.log" \
    -L module-native-protocol-unix -L "module-null-sink sink_name=testsink" \
    -L "module-remap-source master=testsink.monitor source_name=testmic" ||
    fail "pulseaudio did not start"
  wait_for 10 pactl info || fail "pulseaudio does not answer"
  pactl set-default-source testmic
}

# Starts a private PipeWire (with its session manager and its PulseAudio service) on its
# own session bus, with a null sink "testsink" whose monitor is the default source.
start_pipewire() {
  dbus-daemon --session --address="unix:path=$XDG_RUNTIME_DIR/bus" --fork --print-pid \
    >"$E2E_TMP/dbus.pid" || fail "no session bus"
  E2E_PIDS+=("$(cat "$E2E_TMP/dbus.pid")")
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
  pipewire >"$E2E_TMP/pipewire.log" 2>&1 &
  SOUND_SERVER_PIDS=($!)
  wait_for 10 test -S "$XDG_RUNTIME_DIR/pipewire-0" || fail "pipewire did not start"
  wireplumber >"$E2E_TMP/wireplumber.log" 2>&1 &
  SOUND_SERVER_PIDS+=($!)
  # pipewire-pulse gives up if its runtime folder appears while it starts, and every pactl
  # that polls it creates that folder: it is made before either runs.
  mkdir -p -m 700 "$XDG_RUNTIME_DIR/pulse"
  pipewire-pulse >"$E2E_TMP/pipewire-pulse.log" 2>&1 &
  SOUND_SERVER_PIDS+=($!)
  E2E_PIDS+=("${SOUND_SERVER_PIDS[@]}")
  wait_for 20 pactl info ||
    fail "pipewire-pulse does not answer ($(kill -0 "${SOUND_SERVER_PIDS[2]}" 2>/dev/null && echo running || echo gone)): $(tail -n 5 "$E2E_TMP"/pipewire*.log "$E2E_TMP/wireplumber.log")"
  pactl load-module module-null-sink sink_name=testsink >/dev/null
  # The session manager must know the sink before its monitor can be the default.
  wait_for 10 bash -c 'pactl set-default-source testsink.monitor &&
    pactl info | grep -q "^Default Source: testsink.monitor$"' ||
    fail "no default source on pipewire"
}

# ALSA's "default" goes straight to PipeWire through its own ALSA plugin, as on a desktop
# with pipewire-alsa, instead of through the PulseAudio plugin.
use_pipewire_alsa_plugin() {
  local lib
  lib=$(find "$SYLVARINE_BUILD/pipewire-alsa" -name libasound_module_pcm_pipewire.so 2>/dev/null | head -1)
  [[ -n $lib ]] || fail "PipeWire's ALSA plugin is not in $SYLVARINE_BUILD/pipewire-alsa (make test fetches it)"
  cat >"$E2E_TMP/asound.conf" <<CONF
</usr/share/alsa/alsa.conf>
pcm_type.pipewire { lib "$lib" }
pcm.!default { type pipewire playback_node "-1" capture_node "-1" }
CONF
  export ALSA_CONFIG_PATH="$E2E_TMP/asound.conf"
}

# Starts the sound server a test names: start_sound_server pulseaudio|pipewire|pipewire-alsa
# (PipeWire reached through its PulseAudio service and ALSA's pulse plugin, or through
# ALSA's own PipeWire plugin). SOUND_SERVER_PIDS lists its processes.
start_sound_server() {
  case ${1:-pulseaudio} in
    pulseaudio)
      start_pulseaudio
      SOUND_SERVER_PIDS=("$(cat "$XDG_RUNTIME_DIR/pulse/pid")")
      ;;
    pipewire) start_pipewire ;;
    pipewire-alsa) start_pipewire; use_pipewire_alsa_plugin ;;
    *) fail "unknown sound server $1" ;;
  esac
}

# Kills the sound server at once (SIGKILL) and waits until it is gone.
kill_sound_server() {
  local pid
  for pid in "${SOUND_SERVER_PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  for pid in "${SOUND_SERVER_PIDS[@]}"; do
    wait_for 10 bash -c "! kill -0 $pid" || fail "the sound server did not end"
  done
  rm -f "$XDG_RUNTIME_DIR/pulse/pid"
}

# Plays a stereo sine on the test sink for the rest of the test: play_signal HZ [SECONDS]
play_signal() {
  local hz=$1 seconds=${2:-120}
  local wav="$E2E_TMP/sine-$hz.wav"
  sox -n -r 44100 -c 2 -b 16 "$wav" synth "$seconds" sine "$hz" vol 0.8
  paplay --latency-msec=20 -d testsink "$wav" &
  E2E_PIDS+=($!)
}

# Starts a program in the background, recording its pid in E2E_LAST_PID.
start_program() {
  local log=$1; shift
  "$@" >"$log" 2>&1 &
  E2E_LAST_PID=$!
  E2E_PIDS+=("$E2E_LAST_PID")
}

# Colour of one screen pixel as "r,g,b" (0-255): pixel_at X Y [IMAGE]
pixel_at() {
  local x=$1 y=$2 image=${3:-}
  if [[ -z "$image" ]]; then
    image="$E2E_TMP/screen.png"
    import -window root "$image"
  fi
  convert "$image" -format "%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]" info:
}

# ---- The analyser ----------------------------------------------------------------
# Starts sylvarine with its stderr in LOG: start_analyser LOG [SNAPSHOT]
start_analyser() {
  local log=$1; shift
  start_program "$log" "$SYLVARINE_BIN/sylvarine" "$@"
  ANALYSER_PID=$E2E_LAST_PID
}

# Waits for a "message: TEXT..." line of the program: wait_for_message LOG TEXT [SECONDS]
wait_for_message() {
  wait_for "${3:-30}" grep -qF "message: $2" "$1"
}

# Presses Return in the focused window.
press_return() { xdotool key --clearmodifiers Return; }

# Gives a window the keyboard focus and waits until it has it: focus_window ID
focus_window() {
  local id=$1
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id" 2>/dev/null || true
  wait_for 10 bash -c "xdotool windowfocus '$id' 2>/dev/null; [[ \$(xdotool getwindowfocus) == '$id' ]]" ||
    fail "window $id did not get the focus"
}

# Waits for a message box by its caption, gives it the focus and answers it with Return:
# close_box CAPTION
close_box() {
  local box
  box=$(wait_for_window "$1") || fail "no box titled \"$1\""
  focus_window "$box"
  xdotool key --clearmodifiers Return
  wait_for 10 window_gone "$1" || fail "the box \"$1\" did not close"
}

# Waits for the main window, focuses it and sets WIN, WIN_X, WIN_Y and VIEW_Y (the screen
# row of the view's logical y = 0): wait_for_analyser_window [SECONDS]
wait_for_analyser_window() {
  local seconds=${1:-30}
  # The open-failure box comes before the window; a Return sent before the box had the
  # focus is lost, so a box still showing is closed here again.
  local end=$((SECONDS + seconds)) box
  until xdotool search --onlyvisible --name ' - Sylvarine$' >/dev/null 2>&1; do
    ((SECONDS < end)) || fail "the main window did not appear"
    for box in $(xdotool search --onlyvisible --name "^Ouverture de l'interface audio\.$" 2>/dev/null); do
      xdotool windowfocus --sync "$box" 2>/dev/null || true
      xdotool key --clearmodifiers --window "$box" Return 2>/dev/null || true
      xdotool key --clearmodifiers Return 2>/dev/null || true
    done
    sleep 0.3
  done
  WIN=$(xdotool search --onlyvisible --name ' - Sylvarine$' | head -1)
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  WIN_X=$X WIN_Y=$Y
  xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN" || true
  # The view starts where the oscilloscope's grey margin does, below the menu and toolbar.
  local row
  VIEW_Y=""
  for _ in $(seq 100); do
    import -window root "$E2E_TMP/screen.png"
    convert "$E2E_TMP/screen.png" -crop "1x200+$((WIN_X + 3))+$WIN_Y" +repage \
      "$E2E_TMP/column.txt"
    row=$(awk -F'[,:]' '/#C0C0C0/ {print $2; exit}' "$E2E_TMP/column.txt")
    if [[ -n "$row" ]]; then VIEW_Y=$((WIN_Y + row)); return 0; fi
    sleep 0.1
  done
  fail "the view did not paint"
}

# Clicks at a logical point of the view: click_view X Y [BUTTON]
click_view() {
  # No --sync: it waits for a motion that never comes when the pointer is already there.
  xdotool mousemove $((WIN_X + $1)) $((VIEW_Y + $2)) sleep 0.1 click "${3:-1}"
}

# A logical rectangle of the view as a screen geometry: view_geometry X Y WIDTH HEIGHT
view_geometry() { echo "$3x$4+$((WIN_X + $1))+$((VIEW_Y + $2))"; }

# Takes a screenshot of a complete picture into FILE: shots are taken until one on which
# CONDITION holds (a command, run with the shot's path added) is repeated pixel for pixel
# in REGION (a screen geometry; empty: the whole screen) by the next one, so that no paint
# was under way. Fails after SECONDS.
# screenshot_settled FILE REGION SECONDS [CONDITION...]
screenshot_settled() {
  local file=$1 region=$2 seconds=$3
  shift 3
  local end=$((SECONDS + seconds)) previous="" current
  while :; do
    import -window root "$file" || return 1
    current=$(convert "$file" ${region:+-crop "$region" +repage} rgb:- | md5sum)
    if [[ $current == "$previous" ]] && { (($# == 0)) || "$@" "$file"; }; then return 0; fi
    ((SECONDS < end)) || return 1
    previous=$current
  done
}

# Takes a screenshot once the whole screen has settled: screenshot FILE [CONDITION...]
screenshot() {
  local file=$1
  shift
  screenshot_settled "$file" "" 20 "$@" || fail "no settled picture for $file"
}

# Number of pixels of one colour in a logical rectangle of the view:
# count_colour IMAGE X Y WIDTH HEIGHT '#RRGGBB'
count_colour() {
  convert "$1" -crop "$(view_geometry "$2" "$3" "$4" "$5")" +repage txt:- |
    grep -ci "$6" || true
}

# A checksum of a logical rectangle of the view: region_sum IMAGE X Y WIDTH HEIGHT
region_sum() {
  convert "$1" -crop "$(view_geometry "$2" "$3" "$4" "$5")" +repage rgb:- | md5sum | cut -c1-32
}

# Waits for the program to end by itself: wait_for_exit PID [SECONDS]
wait_for_exit() {
  local pid=$1 end=$((SECONDS + ${2:-30}))
  while kill -0 "$pid" 2>/dev/null; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

# Waits until the analyser shows a second window (a dialog): wait_for_dialog [SECONDS]
wait_for_dialog() {
  wait_for "${1:-20}" bash -c "(( \$(xdotool search --onlyvisible --pid $ANALYSER_PID | wc -l) >= 2 ))"
}

# Waits for a dialog of the analyser and gives it the focus: focus_dialog
focus_dialog() {
  local dialog
  wait_for_dialog || fail "no dialog"
  dialog=$(xdotool search --onlyvisible --pid "$ANALYSER_PID" | grep -vx "$WIN" | head -1)
  focus_window "$dialog"
}

# Succeeds while no visible window has this exact title: window_gone TITLE
window_gone() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# Waits for a visible window by its exact title and prints its id: wait_for_window TITLE [SECONDS]
wait_for_window() {
  local title=$1 end=$((SECONDS + ${2:-20})) id
  until id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1) && [[ -n $id ]]; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
  echo "$id"
}

# Clicks the centre of a control of a dialog, placed as its template in the recorded frame
# listing says (dialog units): click_control WINDOW DIALOG_ID CONTROL_ID
click_control() {
  local window=$1 dialog=$2 control=$3 units_w units_h x y w h
  read -r units_w units_h x y w h < <(awk -v dialog="$dialog" -v control="$control" '
    $1 == "dialog" { inside = $2 == dialog; if (inside) { width = $3; height = $4 } next }
    inside && $2 == control { print width, height, $3, $4, $5, $6; exit }' \
    "$SYLVARINE_TEST_DATA/frame_windows.txt")
  [[ -n $h ]] || fail "no control $control in dialog $dialog"
  local X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + (2 * x + w) * WIDTH / (2 * units_w))) \
    $((Y + (2 * y + h) * HEIGHT / (2 * units_h))) sleep 0.1 click 1
}

# Opens "Options > Préférences" and sets PREFS to the dialog's window.
open_preferences() {
  xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN" || true
  xdotool key --clearmodifiers alt+o sleep 0.3 key p
  PREFS=$(wait_for_window "Préférences") || fail "Préférences did not open"
  focus_window "$PREFS"
}

# In the colour chooser that a "<>" button opened, types a colour and confirms it:
# choose_colour '#RRGGBB'
choose_colour() {
  local chooser
  chooser=$(wait_for_window "Sélectionner une couleur") || fail "the colour chooser did not open"
  focus_window "$chooser"
  # Alt+H is the chooser's own shortcut for its "HTML:" field.
  xdotool key --clearmodifiers alt+h sleep 0.2 key ctrl+a type "$1"
  xdotool key Tab sleep 0.2 key Return
  wait_for 10 window_gone "Sélectionner une couleur" ||
    fail "the colour chooser did not close"
}

# Succeeds once the status bar's clock has moved on, that is once the window repaints:
# clock_ticks [SECONDS]
clock_ticks() {
  local X Y WIDTH HEIGHT SCREEN before crop
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  crop="200x16+$((X + WIDTH - 200))+$((Y + HEIGHT - 18))"
  import -window root "$E2E_TMP/clock.png"
  before=$(convert "$E2E_TMP/clock.png" -crop "$crop" +repage rgb:- | md5sum)
  wait_for "${1:-5}" bash -c "import -window root '$E2E_TMP/clock2.png' &&
    [[ \$(convert '$E2E_TMP/clock2.png' -crop '$crop' +repage rgb:- | md5sum) != '$before' ]]"
}

# Succeeds while the right channel's trace (red) shows a signal in the trace area.
trace_shows_signal() {
  import -window root "$E2E_TMP/trace.png"
  (($(count_colour "$E2E_TMP/trace.png" 25 25 490 80 '#FF0000') > 20))
}

# Saves the document under a new name with Ctrl+S (an untitled document asks for one):
# save_new_document PATH_WITHOUT_EXTENSION
save_new_document() {
  local dialog
  xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN" || true
  xdotool key --clearmodifiers ctrl+s
  focus_dialog
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$1"
  press_return
  wait_for 20 test -s "$1.osc" || fail "Save wrote nothing"
}

# Waits until the sink plays something: a player's sound has reached the server.
wait_for_playing() {
  wait_for 10 bash -c '[[ -n $(pactl list short sink-inputs) ]]' || fail "nothing plays"
}

# Succeeds while a program records through the path SYLVARINE_SOUND_INPUT names: ALSA's
# pulse plugin names its streams "ALSA plug-in [program]", the server's client does not.
records_through_chosen_path() {
  local names
  names=$(pactl list source-outputs | grep 'application.name = ') || return 1
  if [[ ${SYLVARINE_SOUND_INPUT:-} == alsa ]]; then [[ $names == *'ALSA plug-in'* ]]
  else [[ $names != *'ALSA plug-in'* ]]; fi
}

# Walks the menus from the keyboard at a person's pace: menu_keys alt+m a
menu_keys() {
  local args=() key
  for key in "$@"; do args+=(key --clearmodifiers "$key" sleep 0.3); done
  xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN" || true
  xdotool "${args[@]}"
}

# Waits until a logical rectangle of the view differs from the same one in IMAGE:
# wait_for_view_change IMAGE X Y WIDTH HEIGHT [SECONDS]
wait_for_view_change() {
  local before
  before=$(region_sum "$1" "$2" "$3" "$4" "$5")
  wait_for "${6:-20}" bash -c "import -window root '$E2E_TMP/changed.png' &&
    [[ \$(convert '$E2E_TMP/changed.png' -crop '$4x$5+$((WIN_X + $2))+$((VIEW_Y + $3))' +repage rgb:- |
         md5sum | cut -c1-32) != '$before' ]]"
}

# Registers a stand-in browser as the desktop's handler for HTML; it writes its argument
# count and arguments to $E2E_TMP/browser.args: install_recording_browser 'EXEC ARGUMENTS'
install_recording_browser() {
  mkdir -p "$E2E_TMP/bin" "$XDG_DATA_HOME/applications"
  cat >"$E2E_TMP/bin/recording-browser" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$#" "\$@" >"$E2E_TMP/browser.args"
SCRIPT
  chmod +x "$E2E_TMP/bin/recording-browser"
  export PATH="$E2E_TMP/bin:$PATH"
  printf '[Desktop Entry]\nType=Application\nName=Recording browser\nExec=recording-browser %s\nMimeType=text/html;\n' \
    "$1" >"$XDG_DATA_HOME/applications/recording-browser.desktop"
  xdg-mime default recording-browser.desktop text/html
  [[ $(xdg-mime query default text/html) == recording-browser.desktop ]] ||
    fail "the stand-in browser is not the default: $(xdg-mime query default text/html)"
}
