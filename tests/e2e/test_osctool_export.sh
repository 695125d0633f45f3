#!/usr/bin/env bash
# osctool export: WAV files carry the captured bytes (from-wav gives the snapshot back),
# CSV files the stored values; out-of-range values clip with a warning; bad input exits 1 (a
# file) or 2 (the command line) with one line and writes nothing.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"

# Every byte value on both channels, in a pattern that differs between them.
LC_ALL=C awk 'BEGIN { for (k = 0; k < 4000; k++) printf "%c%c", k % 256, (k * 7 + 3) % 256 }' >all.raw
"$OSCTOOL" from-raw all.raw all.osc >/dev/null || fail "from-raw failed"

for bits in 8 16; do
  "$OSCTOOL" export all.osc "all-$bits.wav" --bits "$bits" 2>err.txt || fail "export --bits $bits failed"
  [[ ! -s err.txt ]] || fail "export --bits $bits warned: $(cat err.txt)"
  soxi "all-$bits.wav" >info.txt
  grep -q "Channels *: 2" info.txt && grep -q "Sample Rate *: 44100" info.txt &&
    grep -q "Precision *: $bits-bit" info.txt && grep -q "Duration.*= 4000 samples" info.txt ||
    fail "the $bits-bit WAV is not as said: $(cat info.txt)"
  "$OSCTOOL" from-wav "all-$bits.wav" "back-$bits.osc" >/dev/null || fail "from-wav of the $bits-bit WAV"
  cmp -s all.osc "back-$bits.osc" || fail "the $bits-bit WAV does not give the snapshot back"
done
# 8-bit: the sample bytes are the captured bytes themselves, left first.
sox all-8.wav -t raw data.raw
cmp -s all.raw data.raw || fail "the 8-bit WAV does not hold the captured bytes"

# CSV: header, 4011 rows, values as stored, time with three decimals.
"$OSCTOOL" export all.osc all.csv || fail "CSV export failed"
[[ $(head -1 all.csv) == "index,time_ms,right,left,sum,difference" ]] || fail "CSV header: $(head -1 all.csv)"
[[ $(wc -l <all.csv) == 4012 ]] || fail "CSV has $(wc -l <all.csv) lines"
[[ $(sed -n 4002p all.csv) == "4000,90.703,0,0,0,0" ]] || fail "CSV row 4000: $(sed -n 4002p all.csv)"
# Back to the snapshot's four sections, in file order (right, left, sum, difference).
od -An -v -t d4 -w4 all.osc | tr -d ' ' >stored.txt
for column in 3 4 5 6; do tail -n +2 all.csv | cut -d, -f"$column"; done >parsed.txt
cmp -s stored.txt parsed.txt || fail "the CSV values differ from the snapshot's"
LC_ALL=C awk -F, 'NR > 1 && $2 != sprintf("%.3f", $1 / 44.1) { exit 1 }' all.csv || fail "CSV times"

"$OSCTOOL" export all.osc part.csv --range 10:12 || fail "CSV export of a range failed"
[[ $(tail -n +2 part.csv | cut -d, -f1 | tr '\n' ' ') == "10 11 12 " ]] || fail "CSV range rows"

# Values no sound card delivers: clipped to the byte range and counted.
cp all.osc odd.osc
printf '\xe8\x03\x00\x00' | dd of=odd.osc bs=1 seek=0 conv=notrunc status=none      # right[0] = 1000
printf '\x0c\xfe\xff\xff' | dd of=odd.osc bs=1 seek=16044 conv=notrunc status=none  # left[0] = -500
"$OSCTOOL" export odd.osc odd.wav 2>err.txt || fail "export of odd values failed"
grep -q "warning: 2 values outside the capture range -127..128 were clipped" err.txt ||
  fail "no clipping warning: $(cat err.txt)"
sox odd.wav -t raw odd.raw
[[ $(od -An -t u1 -N 2 odd.raw | tr -s ' ') == " 0 255" ]] || fail "clipped bytes: $(od -An -t u1 -N 2 odd.raw)"

expect_refusal() {  # expect_refusal WHAT OUTPUT COMMAND...: its status, one line, OUTPUT not written
  local what=$1 output=$2 status=0 expected=2; shift 2
  [[ $what =~ ^(short snapshot|unwritable output)$ ]] && expected=1
  "$@" >out.txt 2>err.txt || status=$?
  [[ $status == "$expected" ]] || fail "$what: exit status $status"
  [[ $(wc -l <err.txt) == 1 ]] || fail "$what: stderr was: $(cat err.txt)"
  [[ ! -e $output ]] || fail "$what: $output was written"
}
head -c 1000 all.osc >short.osc
expect_refusal "short snapshot" short.wav "$OSCTOOL" export short.osc short.wav
expect_refusal "unknown format" all.mp3 "$OSCTOOL" export all.osc all.mp3
expect_refusal "empty range" empty.csv "$OSCTOOL" export all.osc empty.csv --range 5:4
expect_refusal "unwritable output" nowhere/all.wav "$OSCTOOL" export all.osc nowhere/all.wav
expect_refusal "bad bits" bits.wav "$OSCTOOL" export all.osc bits.wav --bits 24
expect_refusal "bits for CSV" bits.csv "$OSCTOOL" export all.osc bits.csv --bits 16
ls ./*.tmp ./.*.wav* ./.*.csv* 2>/dev/null && fail "a temporary file was left behind"
echo PASS
