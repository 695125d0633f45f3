#!/usr/bin/env bash
# A file missing from the medium ends the install at that copy: message, "Exit...",
# status 1, and no log or registration written.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
start_xvfb
set_entry instal autoinstal
set_entry FR EN
rm "$MEDIUM/connect.htm"

start_in "$MEDIUM" ./setup
wait_line "message: Can't find a file !"
press_in 'Corvane...' Return
wait_end
expect_status 1
statuses | tail -2 | head -1 | grep -qxF 'connect.htm' || fail "did not stop at the missing file"
statuses | tail -1 | grep -qxF 'Exit...' || fail "last status is not Exit..."
[[ -f "$INSTALLED/help.htm" ]] || fail "the copies before the missing file must stay"
[[ ! -e "$INSTALLED/uninst.inf" ]] || fail "an abandoned install wrote its log"
hklm_has 'UninstallString' && fail "an abandoned install registered itself"
echo PASS
