#!/usr/bin/env bash
# osctool from-raw and trigger: a raw capture becomes a snapshot, and both
# report the trigger the acquisition would find; bad input exits 1 (a file) or 2 (the
# command line) and writes nothing.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"

value_at() {  # value_at FILE BYTE_OFFSET: one little-endian 32-bit value
  od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' '
}

# Frames 0..499 at byte 127 (sum 0), then byte 77 (sum -100): trigger at sample 500.
{ head -c 1000 /dev/zero | tr '\0' '\177'; head -c 7000 /dev/zero | tr '\0' 'M'; } >step.raw
out=$("$OSCTOOL" from-raw step.raw step.osc) || fail "from-raw failed"
[[ $(tr -d ' ' <<<"$out") == '{"schemaVersion":1,"triggerFound":1,"triggerOffset":200}' ]] || fail "from-raw said: $out"
[[ $(stat -c %s step.osc) == 64176 ]] || fail "snapshot size $(stat -c %s step.osc)"
[[ $(value_at step.osc $((499 * 4))) == 0 ]] || fail "right[499]"
[[ $(value_at step.osc $((16044 + 500 * 4))) == -50 ]] || fail "left[500]"
[[ $(value_at step.osc $((32088 + 500 * 4))) == -100 ]] || fail "sum[500]"
[[ $(value_at step.osc $((32088 + 4000 * 4))) == 0 ]] || fail "sum[4000] not kept at zero"
out=$("$OSCTOOL" trigger step.osc) || fail "trigger failed"
[[ $(tr -d ' ' <<<"$out") == '{"schemaVersion":1,"triggerFound":1,"triggerOffset":200}' ]] || fail "trigger said: $out"

# Silence never crosses -60.
head -c 8000 /dev/zero | tr '\0' '\200' >silence.raw
out=$("$OSCTOOL" from-raw silence.raw silence.osc) || fail "from-raw of silence failed"
[[ $(tr -d ' ' <<<"$out") == '{"schemaVersion":1,"triggerFound":0,"triggerOffset":0}' ]] || fail "silence: $out"

expect_refusal() {  # expect_refusal WHAT COMMAND...: status 2 for a wrong command line, else 1
  local what=$1 status=0 expected=1; shift
  [[ $what =~ ^(missing output|bad option|output is the input)$ ]] && expected=2
  "$@" >out.txt 2>err.txt || status=$?
  [[ $status == "$expected" ]] || fail "$what: exit status $status"
  [[ $(wc -l <err.txt) == 1 ]] || fail "$what: stderr was: $(cat err.txt)"
  [[ ! -s out.txt ]] || fail "$what: printed $(cat out.txt)"
}
head -c 7999 step.raw >short.raw
cat step.raw step.raw >long.raw
expect_refusal "short raw" "$OSCTOOL" from-raw short.raw short.osc
expect_refusal "long raw" "$OSCTOOL" from-raw long.raw long.osc
expect_refusal "missing raw" "$OSCTOOL" from-raw missing.raw missing.osc
expect_refusal "missing output" "$OSCTOOL" from-raw step.raw
expect_refusal "short snapshot" "$OSCTOOL" trigger short.raw
expect_refusal "bad option" "$OSCTOOL" trigger --level 3 step.osc
[[ ! -e short.osc && ! -e long.osc && ! -e missing.osc ]] || fail "a refused capture wrote a snapshot"
# An output that is the input, under its name or through a link, is refused; nothing changes.
ln -s step.raw raw-link.osc && ln -s step.osc same.csv && cp step.raw raw.kept && cp step.osc osc.kept
for args in "from-raw step.raw step.raw" "from-raw step.raw raw-link.osc" "from-wav step.raw raw-link.osc" \
  "export step.osc same.csv"; do
  expect_refusal "output is the input" "$OSCTOOL" $args
done
cmp -s step.raw raw.kept && cmp -s step.osc osc.kept || fail "an input was overwritten"
echo "PASS"
