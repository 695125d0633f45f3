#!/usr/bin/env bash
# An automatic install needs no answer: every file, link, log and registration is
# in place, the statuses come in order, and the installed analyser starts. Each
# status repaints only the status line: the last one shows exactly as a window that
# painted it whole shows it.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
start_xvfb

# First the reference: the same text as the first status of a window painted whole (an
# unknown mode keeps it up), taken once its status line is painted and the picture settled.
reference="$E2E_TMP/reference"
cp -a "$MEDIUM" "$reference"
# The script is Windows-1252: "é" is the byte E9.
sed -i "s/^<Sylvarine>/<Sylvarine install$(printf '\xe9') .>/; s/<instal>/<rien>/" "$reference/setup.inf"
start_in "$reference" ./setup
wait_line 'status: Sylvarine installé .'
wait_for 20 xdotool search --onlyvisible --name '^Corvane\.\.\.  For' || fail "no reference window"
window=$(xdotool search --onlyvisible --name '^Corvane\.\.\.  For' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
screenshot "$E2E_TMP/whole.png" status_painted
kill "$SETUP_PID"
wait_end
band="${WIDTH}x120+$X+$((Y + HEIGHT / 2 - 60))"
band_of() { convert "$1" -crop "$band" +repage rgb:- | md5sum; }
whole_band=$(band_of "$E2E_TMP/whole.png")
# The install's last status, painted over the ones before it, comes to show the same band
# while it stays up (2 seconds).
final_shows_whole() { import -window root "$E2E_TMP/final.png" && [[ $(band_of "$E2E_TMP/final.png") == "$whole_band" ]]; }

set_entry instal autoinstal
start_in "$MEDIUM" ./setup
wait_line 'status: Sylvarine installé .'
wait_for 20 final_shows_whole || fail "the last status line differs from a whole paint of it"
wait_end
expect_status 0

expected_statuses="Sylvarine
HKEY_LOCAL_MACHINE
Copie des fichiers...
sylvarine
help.htm
connect.htm
Création des informations de désinstallation...
Création des informations de désinstallation...
CRVunins.exe
Création des informations de désinstallation...
Sylvarine installé ."
[[ "$(statuses)" == "$expected_statuses" ]] || { statuses >&2; fail "statuses out of order"; }

for file in sylvarine help.htm connect.htm; do
  cmp -s "$MEDIUM/$file" "$INSTALLED/$file" || fail "$file not installed whole"
done
[[ -x "$INSTALLED/sylvarine" ]] || fail "the installed analyser lost its executable bit"
cmp -s "$MEDIUM/setup" "$DRIVE_C/WINDOWS/CRVunins.exe" || fail "no uninstaller copy"
[[ -x "$DRIVE_C/WINDOWS/CRVunins.exe" ]] || fail "the uninstaller is not executable"
[[ -f "$DRIVE_C/WINDOWS/Start Menu/Programs/Sylvarine/Sylvarine.lnk" ]] || fail "no group link"
[[ -f "$DRIVE_C/WINDOWS/Desktop/Sylvarine.lnk" ]] || fail "no desktop link"

# The desktop link, byte for byte: header, item list (My Computer, C:\, the folder,
# the program, each with its long name as the script spells it and its short name).
zeros() { head -c "$1" /dev/zero; }
{
  printf '\x4c\0\0\0\x01\x14\x02\0\0\0\0\0\xc0\0\0\0\0\0\0\x46\x0b\0\0\0\x20\0\0\0'
  zeros 48
  printf '\x96\0\x14\0\x1f\x0f\xe0\x4f\xd0\x20\xea\x3a\x69\x10\xa2\xd8\x08\0\x2b\x30\x30\x9d'
  printf '\x19\0\x23C:\\\0'
  zeros 18
  printf '\x25\0\x31\0'; zeros 10; printf 'Program Files\0PROGRA~1\0'
  printf '\x21\0\x31\0'; zeros 10; printf 'Sylvarine\0SYLVAR~1\0'
  printf '\x21\0\x31\0'; zeros 10; printf 'sylvarine\0SYLVAR~1\0'
  zeros 50
} >"$E2E_TMP/expected.lnk"
cmp "$E2E_TMP/expected.lnk" "$DRIVE_C/WINDOWS/Desktop/Sylvarine.lnk" || fail "desktop link bytes differ"

hklm_has "\"DestinationPath\"=\"$DESTINATION_REG\"" || fail "no DestinationPath"
hklm_has "\"UninstallString\"=\"\\\"C:\\\\WINDOWS\\\\CRVunins.exe\\\" \\\"${DESTINATION_REG}uninst.inf\\\"\"" ||
  fail "no UninstallString"
hklm_has '"DisplayName"="Sylvarine"' || fail "no DisplayName"

log=$(tr -d '\r' <"$INSTALLED/uninst.inf")
for path in "${DESTINATION}sylvarine" "${DESTINATION}help.htm" "${DESTINATION}connect.htm" \
  'C:\WINDOWS\Start Menu\Programs\Sylvarine\Sylvarine.lnk' 'C:\WINDOWS\Desktop\Sylvarine.lnk'; do
  grep -qxF "<DELETE><$path>" <<<"$log" || fail "uninst.inf does not record $path"
done
grep -qF 'CRVunins' <<<"$log" && fail "the uninstaller must not be recorded for removal"

# The installed analyser starts and runs (ended by us, or ending on its own without fault).
analyser_status=0
timeout 5 "$INSTALLED/sylvarine" >"$E2E_TMP/analyser.log" 2>&1 || analyser_status=$?
[[ $analyser_status == 0 || $analyser_status == 124 ]] ||
  { cat "$E2E_TMP/analyser.log" >&2; fail "the installed analyser failed with $analyser_status"; }
echo PASS
