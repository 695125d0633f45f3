#!/usr/bin/env bash
# Update re-runs the copies over the recorded installation and leaves its log alone.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
start_xvfb
set_entry instal autoinstal
run_quiet "$MEDIUM" ./setup
expect_status 0
cp "$INSTALLED/uninst.inf" "$E2E_TMP/uninst.first"

echo "damaged" >"$INSTALLED/help.htm"
rm "$INSTALLED/connect.htm"
echo "<p>nouvelle page</p>" >>"$MEDIUM/help.htm"
set_entry autoinstal update
run_quiet "$MEDIUM" ./setup
expect_status 0
cmp -s "$MEDIUM/help.htm" "$INSTALLED/help.htm" || fail "help.htm not copied again"
cmp -s "$MEDIUM/connect.htm" "$INSTALLED/connect.htm" || fail "connect.htm not copied again"
cmp -s "$E2E_TMP/uninst.first" "$INSTALLED/uninst.inf" || fail "update rewrote the log"
statuses | head -2 | tail -1 | grep -qxF 'Mise à jour...' || fail "no update status"
statuses | tail -1 | grep -qxF 'Sylvarine à jour .' || fail "no final update status"
statuses | grep -qxF 'CRVunins.exe' && fail "update must not register the uninstaller"
echo PASS
