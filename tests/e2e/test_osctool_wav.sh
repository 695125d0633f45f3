#!/usr/bin/env bash
# osctool from-wav: 4000 frames of a recording become the snapshot that from-raw makes of
# the bytes an 8-bit unsigned sound card would have delivered; bad input exits 1 (a file) or
# 2 (the command line), one line on stderr, and writes nothing.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"

# Raw signed 16-bit samples on stdin to capture bytes: floor(s / 256) + 128.
s16_to_capture_bytes() {
  od -An -v -t d2 -w2 | LC_ALL=C awk '{
    s = $1 + 0; q = int(s / 256); if (s < 0 && q * 256 != s) q--;
    printf "%c", q + 128 }'
}

# Each byte twice, as a mono recording reaches both channels.
duplicate_bytes() {
  od -An -v -t u1 -w1 | LC_ALL=C awk '{ printf "%c%c", $1, $1 }'
}

# same_as_raw WHAT RECORDING RAW [OPTIONS...]: from-wav of RECORDING equals from-raw of RAW.
same_as_raw() {
  local what=$1 recording=$2 raw=$3; shift 3
  [[ $(stat -c %s "$raw") == 8000 ]] || fail "$what: expected capture is $(stat -c %s "$raw") bytes"
  local from_raw from_wav
  from_raw=$("$OSCTOOL" from-raw "$raw" "$what-raw.osc") || fail "$what: from-raw failed"
  from_wav=$("$OSCTOOL" from-wav "$recording" "$what-wav.osc" "$@" 2>"$what-err.txt") ||
    fail "$what: from-wav failed: $(cat "$what-err.txt")"
  [[ $from_wav == "$from_raw" ]] || fail "$what: from-wav said $from_wav, from-raw $from_raw"
  cmp -s "$what-raw.osc" "$what-wav.osc" || fail "$what: the snapshots differ"
}

# Rounding at the edges: every sample below a multiple of 256 rounds down.
edges=(0 -1 255 256 -256 -257 32767 -32768 127 -129)
for ((frame = 0; frame < 4000; frame++)); do
  left=${edges[frame % ${#edges[@]}]} right=${edges[(frame + 3) % ${#edges[@]}]}
  printf "%s\n%s\n" "$left" "$right"
done | LC_ALL=C awk '{ v = $1 + 0; if (v < 0) v += 65536; printf "%c%c", v % 256, int(v / 256) }' >edges.s16
sox -D -t raw -r 44100 -e signed -b 16 -c 2 edges.s16 edges.wav
expected=(128 127 128 129 127 126 255 0 128 127)
for ((frame = 0; frame < 4000; frame++)); do
  printf "%d\n%d\n" "${expected[frame % 10]}" "${expected[(frame + 3) % 10]}"
done | LC_ALL=C awk '{ printf "%c", $1 }' >edges.raw
same_as_raw edges edges.wav edges.raw
[[ ! -s edges-err.txt ]] || fail "a 44100 Hz recording warned: $(cat edges-err.txt)"

# A 16-bit stereo recording, taken from a later frame.
sox -D -n -r 44100 -c 2 -b 16 stereo.wav synth 0.5 sine 440 sine 1250 vol 0.7
sox -D stereo.wav -t raw -e signed -b 16 stereo.s16 trim 1000s 4000s
s16_to_capture_bytes <stereo.s16 >stereo.raw
same_as_raw stereo stereo.wav stereo.raw --start 1000
[[ ! -s stereo-err.txt ]] || fail "stereo warned: $(cat stereo-err.txt)"
# The default start is frame 0, and the last whole buffer is still taken.
sox -D stereo.wav -t raw -e signed -b 16 - trim 0s 4000s | s16_to_capture_bytes >first.raw
same_as_raw first stereo.wav first.raw
sox -D stereo.wav -t raw -e signed -b 16 - trim 18050s 4000s | s16_to_capture_bytes >last.raw
same_as_raw last stereo.wav last.raw --start 18050

# 8-bit mono at 48 kHz: converted anyway, both channels alike, one warning line.
sox -D -n -r 48000 -c 1 -b 8 -e unsigned mono.wav synth 0.2 square 300 vol 0.5
sox -D mono.wav -t raw -e unsigned -b 8 - trim 0s 4000s | duplicate_bytes >mono.raw
same_as_raw mono mono.wav mono.raw
[[ $(wc -l <mono-err.txt) == 1 ]] && grep -q "48000 Hz.*44100 Hz" mono-err.txt ||
  fail "48 kHz warning: $(cat mono-err.txt)"

# More than two channels: the first two are used; another format reads the same.
sox -D -n -r 44100 -c 3 -b 16 three.wav synth 0.2 sine 500 sine 900 sine 2000
sox -D three.wav -t raw -e signed -b 16 - remix 1 2 trim 0s 4000s | s16_to_capture_bytes >three.raw
same_as_raw three three.wav three.raw
sox -D stereo.wav stereo.flac
same_as_raw flac stereo.flac stereo.raw --start 1000
sox -D stereo.wav -b 24 stereo24.wav
same_as_raw 24-bit stereo24.wav stereo.raw --start 1000
# Floating-point samples are full scale at 1.0, not at 32767.
sox -D stereo.wav -e floating-point -b 32 stereo-float.wav
same_as_raw float stereo-float.wav stereo.raw --start 1000
sox -D stereo.wav -e floating-point -b 64 stereo-double.wav
same_as_raw double stereo-double.wav stereo.raw --start 1000

# Floating-point samples beyond full scale saturate: mono -2.0, 2.0, 0.5, ...
le32() { printf "%08x" "$1" | sed -E 's/(..)(..)(..)(..)/\\x\4\\x\3\\x\2\\x\1/'; }
{
  printf "RIFF$(le32 16036)WAVEfmt $(le32 16)\x03\x00\x01\x00$(le32 44100)$(le32 176400)"
  printf "\x04\x00\x20\x00data$(le32 16000)"
  for ((frame = 0; frame < 4000; frame += 4)); do
    printf '\x00\x00\x00\xc0\x00\x00\x00\x40\x00\x00\x00\x3f\x00\x00\x00\xbf'
  done
} >loud.wav
for ((frame = 0; frame < 4000; frame += 4)); do printf '%s\n' 0 0 255 255 192 192 64 64; done |
  LC_ALL=C awk '{ printf "%c", $1 }' >loud.raw
same_as_raw loud loud.wav loud.raw

# Status 2 for a wrong command line, 1 for a file.
usage_errors="negative start|word start|fractional start|start without value|missing output"
expect_refusal() {  # expect_refusal WHAT OUT COMMAND...: its status, one line on stderr, OUT untouched
  local what=$1 out=$2 status=0 expected=1; shift 2
  [[ $what =~ ^($usage_errors)$ ]] && expected=2
  "$@" >out.txt 2>err.txt || status=$?
  [[ $status == "$expected" ]] || fail "$what: exit status $status"
  [[ $(wc -l <err.txt) == 1 ]] || fail "$what: stderr was: $(cat err.txt)"
  [[ ! -s out.txt ]] || fail "$what: printed $(cat out.txt)"
  [[ ! -e $out ]] || cmp -s "$out" kept.osc || fail "$what: $out was written"
}
cp first-raw.osc kept.osc
sox -D -n -r 44100 -c 2 -b 16 short.wav synth 3999s sine 440
echo "not a recording" >text.wav
mkdir folder.wav
expect_refusal "short recording" short.osc "$OSCTOOL" from-wav short.wav short.osc
cp kept.osc existing.osc
expect_refusal "short over an existing snapshot" existing.osc "$OSCTOOL" from-wav short.wav existing.osc
expect_refusal "start past the last buffer" existing.osc \
  "$OSCTOOL" from-wav stereo.wav existing.osc --start 18051
expect_refusal "negative start" start.osc "$OSCTOOL" from-wav stereo.wav start.osc --start=-1
expect_refusal "word start" start.osc "$OSCTOOL" from-wav stereo.wav start.osc --start ten
expect_refusal "fractional start" start.osc "$OSCTOOL" from-wav stereo.wav start.osc --start 1.5
expect_refusal "huge start" start.osc \
  "$OSCTOOL" from-wav stereo.wav start.osc --start 9223372036854775807
expect_refusal "start without value" start.osc "$OSCTOOL" from-wav stereo.wav start.osc --start
expect_refusal "not a recording" text.osc "$OSCTOOL" from-wav text.wav text.osc
expect_refusal "missing recording" missing.osc "$OSCTOOL" from-wav missing.wav missing.osc
expect_refusal "a folder" folder.osc "$OSCTOOL" from-wav folder.wav folder.osc
expect_refusal "missing output" stereo.osc "$OSCTOOL" from-wav stereo.wav
expect_refusal "unwritable output" none "$OSCTOOL" from-wav stereo.wav no/such/dir.osc
# The too-short refusal wins over the rate warning.
sox -D -n -r 48000 -c 1 -b 8 short48.wav synth 100s sine 440
expect_refusal "short 48 kHz recording" short48.osc "$OSCTOOL" from-wav short48.wav short48.osc
echo "PASS"
