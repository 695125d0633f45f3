#!/usr/bin/env bash
# Every output osctool writes (snapshot, WAV, CSV, PNG, PDF) on a full file system: exit
# status 1, the system's reason in one line, no file made, an existing file left whole and no
# temporary file behind. The file system is a small tmpfs, which only root may mount.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"
[[ $(id -u) == 0 ]] || { echo "SKIP: mounting a small tmpfs needs root"; exit 77; }
disk="$E2E_TMP/disk"
mkdir "$disk"
mount -t tmpfs -o size=1m tmpfs "$disk" || { echo "SKIP: cannot mount a tmpfs here"; exit 77; }
trap 'umount "$disk"; e2e_cleanup' EXIT

LC_ALL=C awk 'BEGIN { for (k = 0; k < 4000; k++) printf "%c%c", 128 + 90 * sin(k / 7), 128 - 90 * sin(k / 7) }' >sine.raw
"$OSCTOOL" from-raw sine.raw sine.osc >/dev/null || fail "from-raw failed"
"$OSCTOOL" export sine.osc sine.wav || fail "export failed"

write() {  # write OUTPUT: the command that makes OUTPUT
  case $1 in
    *.osc) "$OSCTOOL" from-raw sine.raw "$1" ;;
    *.wav) "$OSCTOOL" export sine.osc "$1" --bits 16 ;;
    *.csv) "$OSCTOOL" export sine.osc "$1" ;;
    *.png | *.pdf) "$OSCTOOL" render sine.osc --display offset --out "$1" ;;
  esac
}
outputs=(kept.osc kept.wav kept.csv kept.png kept.pdf)
for output in "${outputs[@]}"; do
  write "$disk/$output" >/dev/null || fail "writing $output on a free disk failed"
  cp "$disk/$output" "good-$output"
done
# Fill the disk.
dd if=/dev/zero of="$disk/filler" bs=4096 2>/dev/null || true
(($(df --output=avail "$disk" | tail -1) == 0)) || fail "the disk is not full: $(df "$disk")"

no_space() {  # no_space WHAT COMMAND...: status 1 and the system's reason in one line
  local what=$1 status=0; shift
  "$@" >out.txt 2>err.txt || status=$?
  [[ $status == 1 ]] || fail "$what: exit status $status"
  [[ $(wc -l <err.txt) == 1 ]] && grep -q "No space left on device" err.txt ||
    fail "$what: stderr was: $(cat err.txt)"
  [[ ! -s out.txt ]] || fail "$what: printed $(cat out.txt)"
}
for output in "${outputs[@]}"; do
  no_space "new $output" write "$disk/new-$output"
  [[ ! -e $disk/new-$output ]] || fail "a truncated $output was left"
  no_space "over $output" write "$disk/$output"
  cmp -s "$disk/$output" "good-$output" || fail "the existing $output was damaged"
done
no_space "from-wav" "$OSCTOOL" from-wav sine.wav "$disk/kept.osc"
cmp -s "$disk/kept.osc" good-kept.osc || fail "from-wav damaged the existing snapshot"
[[ $(ls -A "$disk" | sort | tr '\n' ' ') == "filler kept.csv kept.osc kept.pdf kept.png kept.wav " ]] ||
  fail "files left behind: $(ls -A "$disk")"
echo PASS
