#!/usr/bin/env bash
# The live signal is the sound of this moment: noise, then silence, then a sine that
# starts before the click; the first block shown is the sine, about 800 ms after the click.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
start_xvfb 1024x768x24
start_sound_server pulseaudio
start_analyser app.log
wait_for_analyser_window

# The scenario's own timeline: 2 s of noise, then 3 s with nothing playing.
sox -n -r 44100 -c 2 -b 16 noise.wav synth 2 whitenoise vol 0.8
paplay --latency-msec=20 -d testsink noise.wav || fail "the noise did not play"
sleep 3
play_signal 1000
wait_for_playing

click_view 270 220 1
clicked_at=$(date +%s%N)
wait_for 20 trace_shows_signal || fail "no trace after the click"
elapsed_ms=$((($(date +%s%N) - clicked_at) / 1000000))
click_view 270 220 3
echo "first block after $elapsed_ms ms"
# 800 ms is the promise; a sanitized build on a busy machine gets some slack.
((elapsed_ms < ${E2E_FIRST_BLOCK_LIMIT_MS:-3000})) || fail "the first block took $elapsed_ms ms"

save_new_document "$E2E_TMP/first"
"$SYLVARINE_BIN/osctool" measure first.osc >measure.json || fail "measure failed"
for channel in right left; do
  hz=$(jq ".channels.$channel.frequency.value" measure.json)
  swing=$(jq ".channels.$channel.peakToPeak.value" measure.json)
  awk -v f="$hz" 'BEGIN {exit !(f > 990 && f < 1010)}' ||
    fail "$channel: the first block is not the sine ($hz Hz)"
  awk -v s="$swing" 'BEGIN {exit !(s > 150)}' ||
    fail "$channel: the first block is not the sine (swing $swing)"
done
grep -q "message:" app.log && fail "unexpected message: $(grep message: app.log)"
echo PASS
