# Helpers of the installer's end-to-end tests: sourced after lib.sh, never run.
# Each test works on its own copy of the installation medium and its own machine.

MEDIUM_SOURCE="$SYLVARINE_BUILD/medium"
[[ -x "$MEDIUM_SOURCE/setup" && -f "$MEDIUM_SOURCE/setup.inf" ]] ||
  fail "no installation medium in $MEDIUM_SOURCE (build the medium target)"
MEDIUM="$E2E_TMP/medium"
cp -a "$MEDIUM_SOURCE" "$MEDIUM"
MACHINE="$XDG_DATA_HOME/corvane-machine"
DRIVE_C="$MACHINE/drive_c"
HKLM="$MACHINE/HKEY_LOCAL_MACHINE.reg"
INSTALLED="$DRIVE_C/Program Files/Sylvarine"
# The medium's default destination, as the status lines show it and as the .reg file holds it.
DESTINATION='C:\Program Files\Sylvarine\'
DESTINATION_REG='C:\\Program Files\\Sylvarine\\'
RUN_COUNT=0

# A text's height in pixels as the window's layout states it: text_height Heading|Status|PlatformLine
text_height() {
  local height
  height=$(sed -n "s/.*WindowText $1{.*WindowFont(\([0-9]*\),.*/\1/p" "$SYLVARINE_SOURCE/installer/window/window_layout.h")
  [[ -n "$height" ]] || fail "no height of $1 in the window's layout"
  echo "$height"
}
STATUS_HEIGHT=$(text_height Status)
# The status line's band: centred on the 768-pixel screen that the window fills.
STATUS_TOP=$((384 - STATUS_HEIGHT / 2))

# Succeeds when IMAGE shows the status line's white text: the window has painted.
status_painted() {
  [[ $(convert "$1" -crop "400x$STATUS_HEIGHT+312+$STATUS_TOP" +repage \
    -format '%[fx:maxima.r > 0.9 && maxima.b > 0.9]' info:) == 1 ]]
}

# Rewrites one header entry of the medium's script: set_entry OLD NEW ("<OLD>" becomes "<NEW>").
set_entry() {
  sed -i "s/<$1>/<$2>/" "$MEDIUM/setup.inf"
  grep -q "<$2>" "$MEDIUM/setup.inf" || fail "could not set entry $2"
}

# Starts a program in DIR with its output in a fresh log: start_in DIR PROGRAM [ARGS...]
# Sets SETUP_PID and SETUP_LOG.
start_in() {
  local dir=$1; shift
  RUN_COUNT=$((RUN_COUNT + 1))
  SETUP_LOG="$E2E_TMP/run$RUN_COUNT.log"
  (cd "$dir" && exec "$@") >"$SETUP_LOG" 2>&1 &
  SETUP_PID=$!
  E2E_PIDS+=("$SETUP_PID")
}

# Waits until the log holds a whole line: wait_line TEXT [SECONDS]
wait_line() {
  wait_for "${2:-30}" grep -qxF -- "$1" "$SETUP_LOG" || {
    cat "$SETUP_LOG" >&2
    fail "never saw the line: $1"
  }
}

# Waits for the running installer to end and sets SETUP_STATUS.
wait_end() {
  wait_for "${1:-30}" bash -c "! kill -0 $SETUP_PID" || { cat "$SETUP_LOG" >&2; fail "setup did not end"; }
  SETUP_STATUS=0
  wait "$SETUP_PID" || SETUP_STATUS=$?
}

# Runs the installer to its end without any answer: run_quiet DIR PROGRAM [ARGS...]
run_quiet() {
  start_in "$@"
  wait_end
}

# Presses keys in the message box (or dialog) captioned TITLE once it is shown:
# press_in TITLE KEY...
press_in() {
  local title=$1 window; shift
  wait_for 20 xdotool search --onlyvisible --name "^$title\$" || fail "no window '$title'"
  window=$(xdotool search --onlyvisible --name "^$title\$" | tail -1)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key --delay 50 "$@"
}

# Statuses of the last run, one a line, in order.
statuses() { sed -n 's/^status: //p' "$SETUP_LOG"; }

expect_status() {
  [[ "$SETUP_STATUS" == "$1" ]] || { cat "$SETUP_LOG" >&2; fail "exit status $SETUP_STATUS, expected $1"; }
}

# Registry text of the local machine as the .reg file holds it (backslashes doubled).
hklm_has() { grep -sqF -- "$1" "$HKLM"; }
