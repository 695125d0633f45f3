#!/usr/bin/env bash
# setup.exe under Wine, in a prefix of this test's own, as a person uses the Windows medium
# unpacked from its zip: the install with the proposed destination (the dialog answered by
# keys) and what it leaves (files, registry, removal list, log and shortcut bytes); the
# analyser started from its shortcut's target opening its help page; the uninstall from
# the removal list while the analyser runs, and through "UninstallString" once it ended;
# a bad script and a missing source file.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
export WINEPREFIX="$E2E_TMP/prefix" WINEDEBUG=-all
readonly WINE_SERVER=/usr/lib/wine/wineserver
trap '"$WINE_SERVER" -k 2>/dev/null || true; "$WINE_SERVER" -w 2>/dev/null || true; e2e_cleanup' EXIT
wine_run() { "$SYLVARINE_WINE_RUN" "$WINEPREFIX" "$@" 2>/dev/null | tr -d '\r'; }
probe() { wine_run "$SHELL_PROBE" "$@"; }
start_xvfb
wine_run cmd /c exit || fail "no Wine prefix"

MEDIUM="$E2E_TMP/medium"
mkdir "$MEDIUM" && (cd "$MEDIUM" && cmake -E tar xf "$SETUP_ZIP") || fail "cannot unpack $SETUP_ZIP"
# The script's header entries: product, language, mode, destination key, destination.
mapfile -t ENTRY < <(iconv -f cp1252 -t utf-8 "$MEDIUM/setup.inf" | grep -o '<[^>]*>' | tr -d '<>')
PRODUCT=${ENTRY[0]} KEY=${ENTRY[3]} DEST=${ENTRY[4]}
WINDIR=$(wine_run cmd /c 'echo %SystemRoot%')
shell_folder() {
  wine_run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' /v "$1" |
    sed -n "s/^ *$1 *REG_SZ *//p"
}
PROGRAMS=$(shell_folder Programs) DESKTOP=$(shell_folder Desktop)
reg_value() { wine_run reg query "HKLM\\$1" /v "$2" | sed -n "s/^ *$2 *REG_SZ *//p"; }
host_of() { local path=${1#C:\\}; echo "$WINEPREFIX/drive_c/${path//\\//}"; }
# The analyser opens its pages with the program registered for them: Notepad here.
wine_run reg add 'HKLM\Software\Classes\.htm' /ve /d htmlfile /f >/dev/null
wine_run reg add 'HKLM\Software\Classes\htmlfile\shell\open\command' /ve /f \
  /d "$WINDIR\\notepad.exe %1" >/dev/null

RUNS=0
# Starts a Windows program in DIR with its output in a fresh LOG: start_in DIR PROGRAM [ARGS...]
start_in() {
  local dir=$1; shift
  RUNS=$((RUNS + 1)) LOG="$E2E_TMP/run$RUNS.log"
  (cd "$dir" && exec "$SYLVARINE_WINE_RUN" "$WINEPREFIX" "$@") >"$LOG" 2>&1 &
  PID=$!
  E2E_PIDS+=("$PID")
}
lines() { tr -d '\r' <"$LOG"; }
wait_line() { wait_for 60 bash -c "tr -d '\r' <'$LOG' | grep -qxF -- \"\$0\"" "$1" || { lines >&2; fail "never saw: $1"; }; }
wait_end() {
  wait_for 60 bash -c "! kill -0 $PID" || fail "setup did not end"
  STATUS=0
  wait "$PID" || STATUS=$?
  [[ $STATUS == "$1" ]] || { lines >&2; fail "exit status $STATUS, expected $1"; }
}
press_in() {
  local id
  id=$(wait_for_window "$1" 60) || { lines >&2; fail "no window \"$1\""; }
  xdotool key --window "$id" "$2"
}
last_status() { lines | sed -n 's/^status: //p' | tail -1; }

# ---- The install, with the proposed destination.
start_in "$MEDIUM" setup.exe
wait_line "destination: $DEST"
# The window in the core's green, its platform line inside the screen at the bottom right.
screenshot "$E2E_TMP/screen.png"
read -r width height < <(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x\([0-9]*\) .*/\1 \2/p')
[[ $(pixel_at 100 $((height - 100)) "$E2E_TMP/screen.png") == 0,128,0 ]] || fail "the window is not green"
white_in() {  # white_in HEIGHT TOP: 1 when the rows TOP.. of the bottom right hold white
  convert "$E2E_TMP/screen.png" -crop "300x$1+$((width - 300))+$2" +repage \
    -format '%[fx:maxima.r > 0.9 && maxima.b > 0.9]' info:
}
[[ $(white_in 28 $((height - 30))) == 1 && $(white_in 2 $((height - 2))) == 0 ]] ||
  fail "the platform line is not whole on the screen"
press_in 'Corvane ...' Return
wait_end 0
[[ $(last_status) == "$PRODUCT installé ." ]] || fail "install did not finish: $(last_status)"
for file in sylvarine.exe help.htm connect.htm; do
  cmp -s "$MEDIUM/$file" "$(host_of "$DEST$file")" || fail "$file not installed"
done
[[ $(reg_value "$KEY" DestinationPath) == "$DEST" ]] || fail "no DestinationPath $DEST"
REMOVAL="Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$PRODUCT"
UNINSTALL="\"$WINDIR\\CRVunins.exe\" \"${DEST}uninst.inf\""
[[ $(reg_value "$REMOVAL" UninstallString) == "$UNINSTALL" ]] || fail "UninstallString differs"
[[ $(reg_value "$REMOVAL" DisplayName) == "$PRODUCT" ]] || fail "DisplayName differs"
wine_run uninstaller --list | grep -cxF "$PRODUCT|||$PRODUCT" >/dev/null || fail "not in the removal list"
cmp -s "$MEDIUM/setup.exe" "$(host_of "$WINDIR\\CRVunins.exe")" || fail "no uninstaller copy"

GROUP_LINK="$PROGRAMS\\$PRODUCT\\$PRODUCT.lnk" HELP_LINK="$PROGRAMS\\$PRODUCT\\Aide de $PRODUCT.lnk"
DESKTOP_LINK="$DESKTOP\\$PRODUCT.lnk"
RECORDS=("${DEST}sylvarine.exe" "${DEST}help.htm" "${DEST}connect.htm" "$GROUP_LINK" "$HELP_LINK"
  "$DESKTOP_LINK")
{
  printf 'CRV\r\n\r\nThis file was created by Corvane.\r\nDo not modify this file. It contains'
  printf ' information about the uninstallation of a program.\r\n\r\n'
  printf '<%s>\r\n' "$PRODUCT" "${ENTRY[1]}" UNINSTAL "$KEY" .. .. ..
  printf '<SCRIPT>'
  printf '\r\n<DELETE><%s>' "${RECORDS[@]}"
  printf '\r\n<ENDSCRIPT>\r\n\r\n\r\n\r\n'
} >"$E2E_TMP/uninst.inf"
cmp "$E2E_TMP/uninst.inf" "$(host_of "${DEST}uninst.inf")" || fail "the log's bytes differ"

# A shortcut's bytes, in hex, from the target's long path and the system's short path.
hex() { printf '%s' "$1" | od -An -tx1 -v | tr -d ' \n'; }
zeros() { printf "%0$(($1 * 2))d" 0; }
le16() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }
shortcut_hex() {
  local long=$1 short=$2 items="" size=47 i n type
  local -a L S
  IFS='\' read -ra L <<<"${long#*\\}"
  IFS='\' read -ra S <<<"${short#*\\}"
  for i in "${!L[@]}"; do
    n=$((${#L[i]} + ${#S[i]} + 16)) type=31
    size=$((size + n))
    [[ ${S[i]} == *.* ]] && type=32
    items+=$(le16 $n)${type}00$(zeros 10)$(hex "${L[i]}")00$(hex "${S[i]}")00
  done
  echo "4c0000000114020000000000c0000000000000460b00000020000000$(zeros 48)$(le16 $size)"`
    `"14001f0fe04fd020ea3a6910a2d808002b30309d190023$(hex "${short:0:3}")00$(zeros 18)$items$(zeros 50)"
}
for pair in "$GROUP_LINK|sylvarine.exe" "$HELP_LINK|help.htm" "$DESKTOP_LINK|sylvarine.exe"; do
  link=${pair%|*} target=$DEST${pair#*|}
  short=$(probe short "$target")
  [[ $(od -An -tx1 -v "$(host_of "$link")" | tr -d ' \n') == "$(shortcut_hex "$target" "$short")" ]] ||
    fail "$link differs from a shortcut to $target ($short)"
  seen=$(probe link "$link")
  echo "IShellLink on $link: $seen"
  [[ ${seen#* } == "$target" ]] || fail "the shell resolves $link to ${seen#* }"
done

# ---- The analyser, started from its shortcut's target, finds its help page.
TARGET=$(probe link "$DESKTOP_LINK")
start_program "$E2E_TMP/sylvarine.log" "$SYLVARINE_WINE_RUN" "$WINEPREFIX" "${TARGET#* }"
ANALYSER=$E2E_LAST_PID
close_box "Ouverture de l'interface audio."
press_in 'Sans titre - Sylvarine' F1
wait_for_window 'help.htm - Notepad' 60 >/dev/null || fail "no help page shown"
# Its one argument is the page in the stored destination.
opened=$(for f in /proc/[0-9]*/cmdline; do tr '\0' '\n' <"$f" 2>/dev/null | grep -A1 'notepad\.exe$' || true; done)
[[ $opened == *$'\n'"${DEST}help.htm"* ]] || fail "help page not opened from $DEST: $opened"

# ---- The removal list uninstalls while the analyser runs: its file stays, and is named.
start_in "$E2E_TMP" uninstaller --remove "$PRODUCT"
wait_line "message: Etes-vous sur de vouloir supprimer $PRODUCT de votre ordinateur ?"
press_in 'Corvane...' Return
wait_line "message: Ces fichiers n'ont pas pu être supprimés : ${DEST}sylvarine.exe"
press_in 'Corvane...' Return
wait_line 'status: Quitter...'
[[ -f $(host_of "${DEST}sylvarine.exe") && -f $(host_of "${DEST}uninst.inf") ]] ||
  fail "the log or the file in use went"
[[ ! -e $(host_of "${DEST}help.htm") ]] || fail "the free files stayed"
wine_run uninstaller --list | grep -cxF "$PRODUCT|||$PRODUCT" >/dev/null || fail "the removal entry went"

# ---- Once the analyser has ended, "UninstallString" removes what the log lists.
kill "$ANALYSER"
wait_for 30 bash -c "! kill -0 $ANALYSER" || fail "the analyser did not end"
program=${UNINSTALL#\"} program=${program%%\"*} log=${UNINSTALL#*\" \"}
start_in "$E2E_TMP" "$program" "${log%\"}"
wait_line "message: Etes-vous sur de vouloir supprimer $PRODUCT de votre ordinateur ?"
press_in 'Corvane...' Return
wait_end 0
[[ $(last_status) == "$PRODUCT désinstallé." ]] || fail "uninstall did not finish"
for record in "${RECORDS[@]}" "${DEST}uninst.inf"; do
  [[ ! -e $(host_of "$record") ]] || fail "$record stayed"
done
wine_run uninstaller --list | grep -cF "$PRODUCT" >/dev/null && fail "still in the removal list"
[[ $(reg_value "$KEY" DestinationPath) == "$DEST" ]] || fail "DestinationPath went"

# ---- A bad script and a missing source file: their messages, then exit status 1.
refused() {
  start_in "$E2E_TMP/$1" setup.exe
  press_in 'Corvane ...' Return
  wait_line "message: $2"
  press_in 'Corvane...' Return
  wait_end 1
  [[ $(last_status) == Quitter... ]] || fail "$1 did not quit"
}
cp -a "$MEDIUM" "$E2E_TMP/bad" && sed -i 's/<COPYREP><help/<COPYREPP><help/' "$E2E_TMP/bad/setup.inf"
refused bad 'Erreur de script !'
cp -a "$MEDIUM" "$E2E_TMP/missing" && rm "$E2E_TMP/missing/help.htm"
refused missing "Un fichier n'a pas été trouvé !"
echo PASS
