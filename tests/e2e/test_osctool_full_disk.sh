#!/usr/bin/env bash
# Every output osctool writes (snapshot, WAV, CSV, PNG, PDF) on a full file system: exit
# status 1, the system's reason in one line, no file made, an existing file left whole and no
# temporary file behind. The file system is a small tmpfs, which only root may mount.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"
[[ $(id -u) == 0 ]] || { echo "SKIP: mounting a small tmpfs needs root"; exit 77; }
disk="$E2E_TMP/disk"
mkdir "$disk" && mount -t tmpfs -o size=1m tmpfs "$disk" || { echo "SKIP: cannot mount a tmpfs here"; exit 77; }
trap 'umount "$disk"; e2e_cleanup' EXIT
LC_ALL=C awk 'BEGIN { for (k = 0; k < 4000; k++) printf "%c%c", 128 + 90 * sin(k / 7), 128 - 90 * sin(k / 7) }' >sine.raw
"$OSCTOOL" from-raw sine.raw sine.osc >/dev/null || fail "from-raw failed"

write() {  # write OUTPUT: the command that makes OUTPUT
  case $1 in
    *.osc) "$OSCTOOL" from-raw sine.raw "$1" ;;
    *.wav | *.csv) "$OSCTOOL" export sine.osc "$1" ;;
    *) "$OSCTOOL" render sine.osc --display offset --out "$1" ;;
  esac
}
outputs=(kept.csv kept.osc kept.pdf kept.png kept.wav)
for output in "${outputs[@]}"; do
  write "$disk/$output" >/dev/null && cp "$disk/$output" "good-$output" || fail "no $output on a free disk"
done
dd if=/dev/zero of="$disk/filler" bs=4096 2>/dev/null || true
(($(df --output=avail "$disk" | tail -1) == 0)) || fail "the disk is not full: $(df "$disk")"
for output in "${outputs[@]}"; do
  for target in "new-$output" "$output"; do
    status=0
    write "$disk/$target" >out.txt 2>err.txt || status=$?
    [[ $status == 1 && ! -s out.txt && $(wc -l <err.txt) == 1 ]] && grep -q "No space left on device" err.txt ||
      fail "$target: exit status $status, stderr: $(cat err.txt)"
  done
  cmp -s "$disk/$output" "good-$output" || fail "the existing $output was damaged"
done
[[ $(ls -A "$disk" | tr '\n' ' ') == "filler ${outputs[*]} " ]] || fail "files left behind: $(ls -A "$disk")"
echo PASS
