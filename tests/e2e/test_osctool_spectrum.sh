#!/bin/bash
# osctool spectrum on a snapshot of the 8-sample triangle (right channel, left silent).
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
osctool="$SYLVARINE_BIN/osctool"
snapshot="$E2E_TMP/triangle.osc"

# Right, left, sum, difference: 4011 little-endian 32-bit values each.
perl -e 'my @t = (0, 5, 10, 5, 0, -5, -10, -5);
  my @right = map { $t[$_ % 8] } 0 .. 4010;
  print pack("l<*", @right, (0) x 4011, @right, @right);' >"$snapshot"
[[ $(stat -c %s "$snapshot") == 64176 ]] || fail "snapshot has the wrong size"

# Bin K of channel C (0 right, 1 left) of the array NAME: bin_of JSON NAME C K
bin_of() {
  local rest=${1#*\"$2\":[[}
  local channels=${rest%%]]*}
  local channel
  if [[ $3 == 0 ]]; then channel=${channels%%]*}; else channel=${channels#*],[}; fi
  local -a bins
  IFS=, read -ra bins <<<"$channel"
  [[ ${#bins[@]} == 100 ]] || fail "channel $3 of $2 has ${#bins[@]} bins"
  echo "${bins[$4]}"
}

once=$("$osctool" spectrum "$snapshot" --compression off) || fail "spectrum failed"
[[ $(bin_of "$once" integrated 0 55) == 310 ]] || fail "first run: $once"
[[ $(bin_of "$once" display 0 55) == 310 ]] || fail "compression off: $once"
[[ $(bin_of "$once" integrated 1 55) == 0 ]] || fail "silent left channel: $once"

[[ $(jq .schemaVersion <<<"$once") == 1 ]] || fail "schema version: $once"
twice=$("$osctool" spectrum "$snapshot" --runs 2 --integration short --compression off)
[[ $(bin_of "$twice" integrated 0 55) == 465 ]] || fail "second run: $twice"

# Defaults are Courte and Commune: 465 stays below 512, so the divisor is 1.
defaults=$("$osctool" spectrum "$snapshot" --runs 2)
[[ $(bin_of "$defaults" display 0 55) == 465 ]] || fail "defaults: $defaults"

raw=$("$osctool" spectrum "$snapshot" --runs 3 --integration off)
[[ $(bin_of "$raw" integrated 0 55) == 310 ]] || fail "integration off: $raw"

# Every error is one line on stderr, with nothing on stdout; status 1 for a file that is
# not a snapshot, else 2.
head -c 1000 "$snapshot" >"$E2E_TMP/short.osc"
for args in "$E2E_TMP/missing.osc" "$E2E_TMP/short.osc" "$snapshot --runs 0" \
  "$snapshot --runs many" "$snapshot --integration forever" "$snapshot --compression some" \
  "$snapshot --colour red" ""; do
  status=0 expected=2
  [[ $args == *missing.osc || $args == *short.osc ]] && expected=1
  # shellcheck disable=SC2086
  "$osctool" spectrum $args >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
  [[ $status == "$expected" ]] || fail "\"$args\" gave status $status"
  [[ $(wc -l <"$E2E_TMP/err") == 1 && ! -s "$E2E_TMP/out" ]] || fail "\"$args\": $(cat "$E2E_TMP/err")"
done
# --with-frequencies: what each bin stands for, the spectra unchanged. The triangle's
# period of 8 samples is where its largest bin takes its lengths from; bin 41 takes 40..44
# samples, the sines of periods from 40 up to 45 samples: 44100 / 45 to 44100 / 40 Hz.
with=$("$osctool" spectrum "$snapshot" --compression off --with-frequencies) || fail "--with-frequencies failed"
[[ $(jq -c 'del(.bins)' <<<"$with") == "$(jq -c . <<<"$once")" ]] || fail "--with-frequencies changed the spectra"
[[ $(jq '.bins | length' <<<"$with") == 100 ]] || fail "not 100 bins"
[[ $(jq -c '.bins[41]' <<<"$with") == '{"bin":41,"frequencyHigh":1102.5,"frequencyLow":980,"periodLongest":44,"periodShortest":40}' ]] ||
  fail "bin 41: $(jq -c '.bins[41]' <<<"$with")"
peak=$(jq '.integrated[0] | index(max)' <<<"$with")
jq -e ".bins[$peak] | .periodShortest <= 8 and 8 <= .periodLongest" <<<"$with" >/dev/null ||
  fail "the largest bin $peak does not take a period of 8"
[[ $(jq -c '.bins[56] | [.periodShortest, .filledFrom]' <<<"$with") == '[null,[55,57]]' ]] || fail "bin 56"
echo "PASS"
