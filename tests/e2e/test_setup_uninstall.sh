#!/usr/bin/env bash
# The registered uninstaller, started on the log as the removal list names it:
# No removes nothing (and ends as no success), Yes removes every recorded file, the log and the registration.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
start_xvfb
set_entry instal autoinstal
run_quiet "$MEDIUM" ./setup
expect_status 0

# "C:\WINDOWS\CRVunins.exe" "C:\Program Files\Sylvarine\uninst.inf", as the registry holds it.
command=$(tr -d '\r' <"$HKLM" | sed -n 's/^"UninstallString"="\(.*\)"$/\1/p' | sed 's/\\\\/\\/g; s/\\"/"/g')
[[ "$command" == "\"C:\\WINDOWS\\CRVunins.exe\" \"${DESTINATION}uninst.inf\"" ]] ||
  fail "unexpected UninstallString: $command"
log_argument=${command#*\" \"}
log_argument=${log_argument%\"}
uninstaller="$DRIVE_C/WINDOWS/CRVunins.exe"
recorded=("$INSTALLED/sylvarine" "$INSTALLED/help.htm" "$INSTALLED/connect.htm"
  "$DRIVE_C/WINDOWS/Start Menu/Programs/Sylvarine/Sylvarine.lnk"
  "$DRIVE_C/WINDOWS/Start Menu/Programs/Sylvarine/Aide de Sylvarine.lnk"
  "$DRIVE_C/WINDOWS/Desktop/Sylvarine.lnk")
# Anywhere but the medium, whose setup.inf would win over the argument.
elsewhere="$E2E_TMP/elsewhere"
mkdir -p "$elsewhere"

start_in "$elsewhere" "$uninstaller" "$log_argument"
wait_line 'message: Etes-vous sur de vouloir supprimer Sylvarine de votre ordinateur ?'
press_in 'Corvane...' Escape
wait_end
expect_status 1  # nothing was uninstalled
for file in "${recorded[@]}" "$INSTALLED/uninst.inf"; do
  [[ -f "$file" ]] || fail "No removed $file"
done
hklm_has 'CurrentVersion\Uninstall\Sylvarine]' || fail "No removed the registration"

start_in "$elsewhere" "$uninstaller" "$log_argument"
wait_line 'message: Etes-vous sur de vouloir supprimer Sylvarine de votre ordinateur ?'
press_in 'Corvane...' Return
wait_end
expect_status 0
for file in "${recorded[@]}" "$INSTALLED/uninst.inf"; do
  [[ ! -e "$file" ]] || fail "Yes left $file"
done
hklm_has 'CurrentVersion\Uninstall\Sylvarine]' && fail "Yes left the registration"
hklm_has '"UninstallString"' && fail "Yes left the UninstallString"
statuses | grep -qxF "${DESTINATION}sylvarine" || fail "no status for a deleted file"
statuses | tail -1 | grep -qxF 'Sylvarine désinstallé.' || fail "no final status"
# What is never recorded stays.
[[ -d "$INSTALLED" && -f "$uninstaller" ]] || fail "directories and the uninstaller must stay"
hklm_has "\"DestinationPath\"=\"$DESTINATION_REG\"" || fail "DestinationPath must stay"
echo PASS
