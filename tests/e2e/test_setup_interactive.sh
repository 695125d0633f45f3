#!/usr/bin/env bash
# An interactive install takes the typed destination (a final "\" added); the
# second install of the same product proposes the destination the first stored.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
start_xvfb

start_in "$MEDIUM" ./setup
wait_line 'destination: C:\Sylvarine\'
press_in 'Corvane ...' ctrl+a
xdotool type --delay 30 'C:\Essai'
xdotool key Return
wait_end
expect_status 0
hklm_has '"DestinationPath"="C:\\Essai\\"' || fail "typed destination not stored with its final \\"
[[ -f "$DRIVE_C/Essai/sylvarine" && -f "$DRIVE_C/Essai/uninst.inf" ]] || fail "nothing installed in C:\\Essai"
[[ ! -e "$DRIVE_C/Sylvarine" ]] || fail "the proposal was used instead of the answer"

start_in "$MEDIUM" ./setup
wait_line 'destination: C:\Essai\'
press_in 'Corvane ...' Return
wait_end
expect_status 0
statuses | grep -qxF 'Sylvarine installé .' || fail "second install did not finish"
echo PASS
