#!/usr/bin/env bash
# Without "setup.inf" in the working directory or at the argument's path, the
# installer says so in both languages, shows "Exit..." and ends with status 1; so
# does a machine directory that cannot be made.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
source "$SYLVARINE_SOURCE/tests/e2e/setup_lib.sh"
start_xvfb
empty="$E2E_TMP/empty"
mkdir -p "$empty"
bilingual="message: Can't find setup information file ! / Impossible de trouver le fichier d'informations !"

# No argument, or one naming a file that opens but is no script.
printf '<Sylvarine><FR><instal>' >"$empty/nosignature.inf"
for argument in "" "$empty/nosignature.inf"; do
  start_in "$empty" "$MEDIUM/setup" ${argument:+"$argument"}
  wait_line "$bilingual"
  press_in 'Corvane...' Return
  wait_end
  expect_status 1
  statuses | tail -1 | grep -qxF 'Exit...' || fail "last status is not Exit..."
done

# An argument that cannot be opened ends the program at start-up, before any script is read.
absent="Z:${empty//\//\\}\\absent.inf"
start_in "$empty" "$MEDIUM/setup" "\"$empty/absent.inf\""
wait_line "message: Can't open $absent ! / Impossible d'ouvrir $absent !"
press_in 'Corvane...' Return
wait_end
expect_status 1
[[ -z "$(statuses)" ]] || fail "statuses shown although the program ended at start-up"

# A machine directory that cannot be made is told, with its cause, before anything else.
blocked="$E2E_TMP/blocked"
: >"$blocked"
XDG_DATA_HOME="$blocked" start_in "$MEDIUM" ./setup
wait_line "message: The machine directory cannot be used ! / Le répertoire de la machine est inutilisable ! $blocked/corvane-machine: Not a directory"
press_in 'Corvane...' Return
wait_end
expect_status 1
echo PASS
