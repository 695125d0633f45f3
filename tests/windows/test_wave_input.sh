#!/usr/bin/env bash
# Wave input under Wine records a private PulseAudio server's sine, fails cleanly when it dies.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
run_wave() {
  SYLVARINE_WAVE_SERVER=$1 "$SYLVARINE_WINE_RUN" "$SYLVARINE_WINE_PREFIX" \
    "$SYLVARINE_BIN/windows_platform_tests.exe" --gtest_filter=WaveInput.KeepsThePromisesOfTheCaptureDevice
}

start_sound_server pulseaudio
# Made by the server itself: a client that plays it would drop pieces on a busy machine.
pactl load-module module-sine sink=testsink frequency=1000 >/dev/null
SYLVARINE_WAVE_MARKER="Z:$E2E_TMP/measuring" run_wave dies >"$E2E_TMP/dies.log" 2>&1 & dies=$!
wait_for 30 test -f "$E2E_TMP/measuring" || fail "no measurement: $(cat "$E2E_TMP/dies.log")"
kill_sound_server
wait "$dies" || fail "no sine, or the dead server was not a failed call: $(cat "$E2E_TMP/dies.log")"

run_wave none || fail "no clean failure without a server"
echo PASS
