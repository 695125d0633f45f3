#!/usr/bin/env bash
# Renders every display of a snapshot to PNG files: render_example.sh OSCTOOL SNAPSHOT OUTDIR
set -euo pipefail
osctool=$1 snapshot=$2 out=$3
mkdir -p "$out"
for display in offset overlay sum difference lissajous vumeters bargraphs spectrograph; do
  "$osctool" render "$snapshot" --display "$display" --out "$out/$display.png"
  echo "$out/$display.png"
done
