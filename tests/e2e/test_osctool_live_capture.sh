#!/usr/bin/env bash
# osctool capture records from the sound card as the analyser does: a 1 kHz sine played
# through a private PulseAudio server measures 1000 Hz with its peak-to-peak; without a
# server it says there is no sound device, exit 3, and nothing is written; a series reports
# each block as it comes, and an interval it cannot keep is refused.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"

no_capture() {  # no_capture WHAT STATUS OUTPUT COMMAND...: STATUS, one line, OUTPUT not written
  local what=$1 expected=$2 output=$3 status=0; shift 3
  "$@" >out.txt 2>err.txt || status=$?
  [[ $status == "$expected" ]] || fail "$what: exit status $status"
  [[ $(wc -l <err.txt) == 1 ]] || fail "$what: stderr was: $(cat err.txt)"
  [[ ! -s out.txt ]] || fail "$what: printed $(cat out.txt)"
  [[ ! -e $output ]] || fail "$what: $output was written"
}

# No sound server: ALSA's "default" cannot open.
PULSE_SERVER="unix:$E2E_TMP/nowhere" no_capture "no server" 3 none.osc "$OSCTOOL" capture none.osc
grep -qx "osctool: no sound device: neither the sound server nor ALSA's \"default\" capture device can be opened" err.txt ||
  fail "not the no-device message: $(cat err.txt)"
no_capture "missing folder" 1 nowhere/a.osc "$OSCTOOL" capture nowhere/a.osc
no_capture "bad count" 2 c.osc "$OSCTOOL" capture c.osc --count 0

start_sound_server pulseaudio
# A steady sine, playing before the capture starts.
play_signal 1000
wait_for 20 bash -c '[[ -n $(pactl list short sink-inputs) ]]' || fail "the sine does not play"

"$OSCTOOL" capture sine.osc --frames-after-start >report.txt 2>err.txt || fail "capture failed: $(cat err.txt)"
[[ ! -s err.txt ]] || fail "capture complained: $(cat err.txt)"
[[ $(stat -c %s sine.osc) == 64176 ]] || fail "snapshot size $(stat -c %s sine.osc)"
[[ $(jq -c '{framesAfterStart}' report.txt) == '{"framesAfterStart":4000}' ]] ||
  fail "report: $(cat report.txt)"
[[ $(jq -c 'del(.framesAfterStart)' report.txt) == "$("$OSCTOOL" trigger sine.osc)" ]] ||
  fail "the report is not the snapshot's trigger: $(cat report.txt)"

"$OSCTOOL" measure sine.osc >sine.json || fail "measure failed"
for channel in right left; do
  # The player's 16-bit peaks of 0.8 full scale become the bytes 25 and 230: values -102..103.
  jq -e ".channels.$channel | (.frequency.value - 1000 | fabs) < 10 and
         (.peakToPeak.value - 205 | fabs) <= 3" sine.json >/dev/null ||
    fail "$channel: $(jq -c ".channels.$channel | {frequency, peakToPeak}" sine.json)"
done

# Numbered snapshots, one report line each, each in the pipe as soon as its block is saved:
# the first comes while the third block is still seconds away.
no_capture "an interval that cannot be kept" 2 fast-0001.osc "$OSCTOOL" capture fast.osc --count 2 --interval 449
grep -q "at least 450 ms" err.txt || fail "the refused interval is not explained: $(cat err.txt)"
"$OSCTOOL" capture many.osc --count 3 --interval 1000 | {
  read -r first && jq -e .triggerFound <<<"$first" >/dev/null && [[ -s many-0001.osc && ! -e many-0003.osc ]] ||
    fail "the first report \"$first\" came with: $(ls many*)"
  cat >many.txt
} || fail "capture --count failed"
[[ $(wc -l <many.txt) == 2 && -s many-0002.osc && -s many-0003.osc && ! -e many.osc ]] ||
  fail "capture --count 3 wrote: $(ls many*)"
"$OSCTOOL" measure many-0002.osc | jq -e '(.channels.left.frequency.value - 1000 | fabs) < 10' >/dev/null ||
  fail "the second numbered snapshot is not the sine"

# PipeWire, the desktop's default server: through its PulseAudio service, then through
# ALSA's own PipeWire plugin.
kill_sound_server
rm -f "$XDG_RUNTIME_DIR/pulse/native"
start_sound_server pipewire
play_signal 1000
wait_for_playing
for path in pulse-plugin pipewire-plugin; do
  [[ $path == pipewire-plugin ]] && use_pipewire_alsa_plugin
  "$OSCTOOL" capture "$path.osc" >/dev/null 2>err.txt || fail "$path: capture failed: $(cat err.txt)"
  "$OSCTOOL" measure "$path.osc" |
    jq -e '[.channels.right, .channels.left] | all((.frequency.value - 1000 | fabs) < 10)' >/dev/null ||
    fail "$path: the capture is not the sine"
done
echo PASS
