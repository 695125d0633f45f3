#!/usr/bin/env bash
# Every osctool command that reads a file refuses a FIFO or a device at once, with one
# line and exit status 1, and writes nothing: none of them waits for a writer.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"
mkfifo pipe.osc
ln -s pipe.osc link.osc
cp "$SYLVARINE_SOURCE/analyser/resources/example.osc" real.osc

refused() {  # refused INPUT COMMAND ARGS...: INPUT stands first among the arguments
  local input=$1 status=0; shift
  local command=$1; shift
  # A blocking open would hang here; the deadline turns that into a failure.
  timeout 20 "$OSCTOOL" "$command" "$input" "$@" >out.txt 2>err.txt || status=$?
  [[ $status == 1 ]] || fail "$command $input: exit status $status"
  [[ $(wc -l <err.txt) == 1 ]] || fail "$command $input: stderr was: $(cat err.txt)"
  grep -q "not a regular file" err.txt ||
    fail "$command $input: the reason is not given: $(cat err.txt)"
  [[ ! -s out.txt ]] || fail "$command $input: printed $(head -c 200 out.txt)"
}
for input in pipe.osc link.osc /dev/zero; do
  refused "$input" spectrum
  refused "$input" trigger
  refused "$input" measure
  refused "$input" export out.csv
  refused "$input" render --display offset --out out.png
  refused "$input" from-raw out.osc
  refused "$input" from-wav out.osc
done
[[ ! -e out.csv && ! -e out.png && ! -e out.osc ]] || fail "a refused command wrote a file"
# A link to a real snapshot is still read.
ln -s real.osc good.osc
"$OSCTOOL" trigger good.osc >/dev/null || fail "a link to a snapshot was refused"
echo PASS
