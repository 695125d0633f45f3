#!/usr/bin/env bash
# A live 1 kHz sine through PipeWire, the desktop's default server, reached both through its
# PulseAudio service and through ALSA's own PipeWire plugin: the spectrograph's block peaks
# at bin 41.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
start_xvfb 1024x768x24
start_sound_server pipewire
play_signal 1000
wait_for_playing
for server in pipewire pipewire-alsa; do
  [[ $server == pipewire-alsa ]] && use_pipewire_alsa_plugin
  start_analyser "$server.log"
  wait_for_analyser_window
  screenshot scope.png
  menu_keys alt+d s  # Mode > Spectrographe
  wait_for_view_change scope.png 0 0 800 480 || fail "$server: the spectrograph did not show"
  screenshot empty.png
  menu_keys alt+m a  # Mesure > Marche
  # The first collected block repaints the spectrograph with its spectra.
  wait_for_view_change empty.png 0 0 800 480 || fail "$server: no block was shown"
  menu_keys alt+m r  # Mesure > Arrêt
  save_new_document "$E2E_TMP/$server"
  spectrum=$("$SYLVARINE_BIN/osctool" spectrum "$server.osc") || fail "$server: spectrum failed"
  echo "$spectrum" | jq -e '[.display[0] | to_entries | max_by(.value) | .key] == [41]' >/dev/null ||
    fail "$server: the right channel does not peak at bin 41: $spectrum"
  grep -q "message:" "$server.log" && fail "$server: unexpected message: $(grep message: "$server.log")"
  menu_keys alt+f q
  wait_for_exit "$ANALYSER_PID" 10 || fail "$server: Quitter did not end the program"
done
echo PASS
