#!/bin/bash
# osctool render of known snapshots, checked by pixels at computed coordinates:
# one picture per display family and one printed page.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
osctool="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"

# A snapshot of constant channels: snapshot FILE RIGHT LEFT (sum and difference follow).
snapshot() {
  perl -e 'my ($r, $l) = @ARGV; print pack("l<*", ($r) x 4011, ($l) x 4011,
    ($r + $l) x 4011, ($r - $l) x 4011);' "$2" "$3" >"$1"
}
# A 1 kHz sine, right 100 and left 60 in amplitude, around the silence level 1.
perl -e 'my (@r, @l);
  for my $n (0 .. 4010) { my $s = sin(2 * 3.14159265358979 * 1000 * $n / 44100);
    push @r, int(100 * $s + 1000.5) - 999; push @l, int(60 * $s + 1000.5) - 999; }
  print pack("l<*", @r, @l, map({ $r[$_] + $l[$_] } 0 .. 4010), map({ $r[$_] - $l[$_] } 0 .. 4010));' \
  >sine.osc
snapshot flat.osc 40 -40
snapshot levels.osc 100 0

render() { "$osctool" render "$@" 2>>render.log || fail "osctool render $*: $(tail -1 render.log)"; }

# expect_pixel IMAGE X Y R,G,B WHAT
expect_pixel() {
  local got
  got=$(pixel_at "$2" "$3" "$1")
  [[ $got == "$4" ]] || fail "$5: pixel ($2, $3) of $(basename "$1") is $got, not $4"
}
# A colour somewhere in a strip: expect_in_strip IMAGE X Y WIDTH HEIGHT HEX WHAT
expect_in_strip() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- | grep -ci "#$6" >/dev/null ||
    fail "$7: no #$6 in the ${4}x$5 strip at ($2, $3) of $(basename "$1")"
}

grey=192,192,192 red=255,0,0 yellow=255,255,0 green=0,255,0 white=255,255,255

# Oscilloscope, offset layout: right +40 flat on y 160, left -40 on y 280, in the profile's
# default colours, 2 units thick; the zone bar of the right scale at x1; grey margins.
render flat.osc --display offset --out offset.png
for x in 23 100 300 515; do
  expect_pixel offset.png "$x" 160 "$red" "right trace"
  expect_pixel offset.png "$x" 280 "$yellow" "left trace"
done
expect_pixel offset.png 100 200 "$white" "trace area"
expect_pixel offset.png 5 5 "$grey" "scope margin"
expect_pixel offset.png 523 30 "$yellow" "zone bar 20-49"
expect_pixel offset.png 523 100 "$green" "zone bar 49-191"
expect_pixel offset.png 523 240 "$red" "zone bar 220-261"
expect_pixel offset.png 523 300 "$white" "no zone bar below 261 (erased background)"
expect_in_strip offset.png 45 60 1 40 000000 "dotted grid line at x 45"

# The gain scales the traces (+40 x 2 below 120), and a hidden grid leaves the area white.
render flat.osc --display offset --gain 2 --grid off --out gain2.png
expect_pixel gain2.png 300 200 "$red" "right trace at gain 2"
convert gain2.png -crop 1x40+45+60 +repage -depth 8 txt:- | grep -ci "#000000" >/dev/null &&
  fail "hidden grid still drawn at x 45"
expect_pixel gain2.png 523 300 "$yellow" "zone bar of gain 2 (262-320)"

# --side left only matters in the offset layout: the overlay keeps the centred scale.
render flat.osc --display overlay --side left --out overlay.png
expect_pixel overlay.png 300 260 "$red" "overlay right trace"
expect_pixel overlay.png 300 180 "$yellow" "overlay left trace"
expect_pixel overlay.png 523 100 "$red" "centred scale's zone bar (79-120)"

# A larger window: button face right of x 800 and below y 500; sum trace (0) in blue.
render flat.osc --display sum --size 1000x700 --out sum.png
expect_pixel sum.png 300 220 0,0,255 "sum trace on the zero line"
face=$(pixel_at 900 650 sum.png)
[[ $face == "$(pixel_at 400 550 sum.png)" && $face != "$grey" ]] ||
  fail "button face below 500 and right of 800: $face"
[[ $(identify -format %wx%h sum.png) == 1000x700 ]] || fail "--size is the picture size"

# VU meters: right peak 100 ends on the start of red (667, 140), left peak 0 on x 67.
render levels.osc --display vumeters --out vumeters.png
expect_pixel vumeters.png 5 5 "$grey" "VU background"
expect_pixel vumeters.png 150 150 "$green" "left strip green"
expect_pixel vumeters.png 230 150 "$yellow" "left strip yellow"
expect_pixel vumeters.png 300 150 "$red" "left strip red"
expect_in_strip vumeters.png 629 217 5 3 000000 "right needle half-way to (667, 140)"
expect_in_strip vumeters.png 129 217 5 3 000000 "left needle half-way to (67, 140)"

# Bar graphs: peak 0 lights the bottom 18 units, peak 100 up to the yellow-red boundary.
render levels.osc --display bargraphs --out bargraphs.png
expect_pixel bargraphs.png 195 390 "$green" "left bar lit bottom"
expect_pixel bargraphs.png 195 300 "$white" "left bar masked"
expect_pixel bargraphs.png 595 300 "$green" "right bar green"
expect_pixel bargraphs.png 595 200 "$yellow" "right bar yellow"
expect_pixel bargraphs.png 595 150 "$white" "right bar masked above 178"

# Spectrograph of 1 kHz: the peak of both curves at bin 41, x = 50 + 410.
render sine.osc --display spectrograph --out spectrograph.png
expect_in_strip spectrograph.png 455 100 11 1 FF0000 "channel 1 peak at bin 41"
expect_in_strip spectrograph.png 455 480 11 1 FFFF00 "channel 2 peak at bin 41"
expect_pixel spectrograph.png 300 269 "$red" "channel 1 baseline (270) away from the peak"

# The running prompt: the panel's last line asks for the right button.
render flat.osc --display offset --running --out running.png
cmp -s running.png offset.png && fail "--running changes nothing on screen"

# Printed page: no margins or panel, every unit 3 x 3 device pixels from the page margin.
render flat.osc --display offset --printer --out page.pdf
pdftoppm -r 300 -png -singlefile page.pdf page || fail "pdftoppm"
origin=59  # 5 mm at 300 dpi
at() { echo $((origin + 3 * $1)) $((origin + 3 * $2)); }
expect_pixel page.png $(at 100 159) "$red" "printed right trace"
expect_pixel page.png $(at 300 279) "$yellow" "printed left trace"
expect_pixel page.png $(at 5 5) "$white" "no margin colour on paper"
expect_pixel page.png $(at 650 100) "$white" "no panel on paper"
expect_pixel page.png $(at 523 30) "$yellow" "printed zone bar"
expect_pixel page.png $(at 523 100) "$green" "printed zone bar"

# Bad arguments: one line, exit status 2, nothing written.
"$osctool" render flat.osc --display scope --out bad.png 2>err.txt && fail "bad --display accepted" || (($? == 2)) || fail "bad --display: not status 2"
grep -q -- "--display must be" err.txt || fail "unclear message: $(cat err.txt)"
[[ ! -e bad.png ]] || fail "a picture was written for bad arguments"

# Without a session's runtime directory (cron, ssh) a render says nothing on stderr.
env -u XDG_RUNTIME_DIR "$osctool" render flat.osc --display offset --out quiet.png 2>quiet.txt ||
  fail "render without XDG_RUNTIME_DIR failed: $(cat quiet.txt)"
[[ ! -s quiet.txt ]] || fail "render without XDG_RUNTIME_DIR said: $(cat quiet.txt)"

# A snapshot shows as just opened: no trigger searched, the "Synchronisation" box empty;
# --triggered searches it as a capture would (the sine crosses upwards), and the box lights.
render sine.osc --display offset --out opened.png
render sine.osc --display offset --triggered --out triggered.png
expect_pixel opened.png 577 347 $white "sync box of a file just opened"
expect_pixel triggered.png 577 347 $red "sync box after a trigger search"
head -c 100 flat.osc >short.osc
"$osctool" render short.osc --display offset --out bad.png 2>err.txt && fail "short file accepted" || (($? == 1)) || fail "short file: not status 1"
[[ ! -e bad.png ]] || fail "a picture was written for a short snapshot"
echo "render pictures: all checks passed"
