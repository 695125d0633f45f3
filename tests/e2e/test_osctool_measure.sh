#!/usr/bin/env bash
# osctool measure: the figures of snapshots made from known signals (a sine in opposite
# phase on the two channels, silence), a range, and bad input refused with one line.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"

# 4000 frames, left then right: left = 128 + A sin around silence's byte, right its opposite.
sine_capture() {  # sine_capture HZ AMPLITUDE
  LC_ALL=C awk -v hz="$1" -v a="$2" 'BEGIN {
    pi = atan2(0, -1)
    for (k = 0; k < 4000; k++) {
      s = a * sin(2 * pi * hz * k / 44100)
      printf "%c%c", int(128.5 + s), int(128.5 - s)
    } }'
}
figure() { jq -r "$2" "$1"; }
near() {  # near WHAT VALUE EXPECTED TOLERANCE
  LC_ALL=C awk -v v="$2" -v e="$3" -v t="$4" 'BEGIN { d = v - e; exit !(d <= t && -d <= t) }' ||
    fail "$1 is $2, expected $3 +- $4"
}

sine_capture 1000 100 >sine.raw
"$OSCTOOL" from-raw sine.raw sine.osc >/dev/null || fail "from-raw failed"
"$OSCTOOL" measure sine.osc >sine.json || fail "measure failed"
for channel in right left; do
  near "$channel frequency" "$(figure sine.json ".channels.$channel.frequency.value")" 1000 10
  [[ $(figure sine.json ".channels.$channel.peakToPeak.value") == 200 ]] || fail "$channel peak-to-peak"
  [[ $(figure sine.json ".channels.$channel.frequency.unit") == Hz ]] || fail "$channel frequency unit"
  near "$channel level" "$(figure sine.json ".channels.$channel.level.value")" 0 0.01
  near "$channel AC RMS" "$(figure sine.json ".channels.$channel.rmsAc.value")" 70.71 0.5
done
near "difference peak-to-peak" "$(figure sine.json .channels.difference.peakToPeak.value)" 400 1
near "difference level" "$(figure sine.json .channels.difference.level.value)" 6.02 0.05
[[ $(figure sine.json .channels.sum.frequency.value) == null ]] || fail "the sum of opposite phases has a frequency"
near "phase" "$(figure sine.json '.pair.phase.value | fabs')" 180 2
near "level difference" "$(figure sine.json .pair.levelDifference.value)" 0 0.01
[[ $(figure sine.json '.range | "\(.first):\(.last):\(.count)"') == 0:3999:4000 ]] || fail "default range"

# One schema version, one spelling of each unit, and the level against full scale as well.
[[ $(figure sine.json .schemaVersion) == 1 ]] || fail "schema version $(figure sine.json .schemaVersion)"
[[ $(jq -c '[.. | .unit? // empty] | unique' sine.json) == '["%","Hz","dB","dBFS","deg","sample"]' ]] ||
  fail "units: $(jq -c '[.. | .unit? // empty] | unique' sine.json)"
near "right level in dBFS" "$(figure sine.json .channels.right.levelDbfs.value)" -2.14 0.01
[[ $(figure sine.json .channels.sum.levelDbfs.fullScale) == 256 ]] || fail "the sum's full scale"
"$OSCTOOL" measure sine.osc --range 100:199 >part.json || fail "measure --range failed"
[[ $(figure part.json .range.count) == 100 ]] || fail "range count"

head -c 8000 /dev/zero | tr '\0' '\200' >silence.raw
"$OSCTOOL" from-raw silence.raw silence.osc >/dev/null || fail "from-raw of silence failed"
"$OSCTOOL" measure silence.osc >silence.json || fail "measure of silence failed"
[[ $(figure silence.json .channels.right.frequency.value) == null ]] || fail "silence has a frequency"
# Silence is the capture's zero: no level at all.
[[ $(figure silence.json .channels.left.level.value) == null ]] || fail "silence has a level"
[[ $(figure silence.json .pair.phase.value) == null ]] || fail "silence has a phase"

expect_refusal() {  # expect_refusal WHAT COMMAND...: its status, one line on stderr, nothing on stdout
  local what=$1 status=0 expected=2; shift
  [[ $what =~ ^(short snapshot|a WAV recording)$ ]] && expected=1
  "$@" >out.txt 2>err.txt || status=$?
  [[ $status == "$expected" ]] || fail "$what: exit status $status"
  [[ $(wc -l <err.txt) == 1 ]] || fail "$what: stderr was: $(cat err.txt)"
  [[ ! -s out.txt ]] || fail "$what: printed $(head -c 200 out.txt)"
}
head -c 64175 sine.osc >short.osc
# A recording, long enough to pass for a snapshot, is told for what it is.
sox -D -n -r 44100 -c 2 -b 16 long.wav synth 1 sine 440
expect_refusal "a WAV recording" "$OSCTOOL" measure long.wav
grep -q "long.wav is a WAV recording, not a snapshot: \"osctool from-wav\"" err.txt ||
  fail "the recording is not named as such: $(cat err.txt)"
cat sine.osc sine.osc >double.osc
"$OSCTOOL" measure double.osc >/dev/null 2>err.txt || fail "a long snapshot was refused"
grep -q "warning: double.osc is longer than a snapshot: only its first 64176 bytes are read" err.txt ||
  fail "no warning for a long snapshot: $(cat err.txt)"
expect_refusal "short snapshot" "$OSCTOOL" measure short.osc
expect_refusal "empty range" "$OSCTOOL" measure sine.osc --range 10:9
expect_refusal "range past the end" "$OSCTOOL" measure sine.osc --range 0:4011
expect_refusal "malformed range" "$OSCTOOL" measure sine.osc --range 5
expect_refusal "two files" "$OSCTOOL" measure sine.osc sine.osc
"$OSCTOOL" measure --help | grep -q "rmsAc .*sqrt" || fail "measure --help does not say how RMS is computed"
echo PASS
