#!/usr/bin/env bash
# The Debian package of this build passes lintian; apt installs it into a clean Debian 12
# root with its dependencies from the mirror; there osctool paints as the build's own and
# F1 opens the installed help page, named only by the package's machine-wide registry
# layer; the purge leaves none of its files.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
cd "$E2E_TMP"
root="$E2E_TMP/root"
# The clean root is made while the package is.
mmdebstrap --variant=minbase --mode=root --dpkgopt=force-unsafe-io --skip=cleanup/apt/lists \
  bookworm "$root" >root.log 2>&1 &
making_root=$!
E2E_PIDS+=("$making_root")
cpack -G DEB --config "$SYLVARINE_BUILD/CPackConfig.cmake" -B package >cpack.log 2>&1 ||
  fail "cpack: $(tail -5 cpack.log)"
deb=$(echo package/sylvarine_*_amd64.deb)
lintian --fail-on error "$deb" >lintian.log 2>&1 || fail "lintian: $(cat lintian.log)"
wait "$making_root" || fail "no clean root: $(tail -5 root.log)"
mkdir -m 700 "$root/run/person"
start_xvfb 1024x768x24
# A command in the root, with a /proc of its own and of this environment only the display.
in_root=(unshare --mount --propagation private sh -c 'mount -t proc proc "$0/proc" && exec chroot "$0" "$@"'
  "$root" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME=/root LC_ALL=C.UTF-8 DISPLAY="$DISPLAY"
  XDG_RUNTIME_DIR=/run/person ASAN_OPTIONS="$ASAN_OPTIONS" DEBIAN_FRONTEND=noninteractive)
cp "$deb" "$SYLVARINE_SOURCE/analyser/resources/example.osc" "$root/tmp/"
"${in_root[@]}" apt-get install -y --no-install-recommends "/tmp/${deb#package/}" >apt.log 2>&1 ||
  fail "apt install: $(tail -5 apt.log)"

"${in_root[@]}" osctool render /tmp/example.osc --display spectrograph --out /tmp/installed.png ||
  fail "the installed osctool does not paint"
"$SYLVARINE_BIN/osctool" render "$root/tmp/example.osc" --display spectrograph --out built.png
[[ $(compare -metric AE "$root/tmp/installed.png" built.png null: 2>&1) == 0 ]] ||
  fail "the installed osctool paints otherwise than the build's"

# The stand-in browser is the root's desktop handler for HTML.
printf '#!/bin/sh\nprintf "%%s\\n" "$#" "$@" >/tmp/browser.args\n' >"$root/usr/local/bin/browser"
chmod +x "$root/usr/local/bin/browser"
mkdir -p "$root/root/.local/share/applications"
printf '[Desktop Entry]\nType=Application\nName=Browser\nExec=browser %%u\n' \
  >"$root/root/.local/share/applications/browser.desktop"
"${in_root[@]}" xdg-mime default browser.desktop text/html
# The root has no sound card: the analyser says so, then F1.
start_program app.log "${in_root[@]}" sylvarine
ANALYSER_PID=$E2E_LAST_PID
wait_for_analyser_window
xdotool key --clearmodifiers F1
wait_for 20 test -s "$root/tmp/browser.args" || fail "F1 started no browser; log: $(cat app.log)"
[[ $(cat "$root/tmp/browser.args") == $'1\n/usr/share/sylvarine/help.htm' ]] ||
  fail "the browser got: $(cat "$root/tmp/browser.args")"
cmp -s "$root/usr/share/sylvarine/help.htm" "$SYLVARINE_SOURCE/analyser/resources/help/help.htm" ||
  fail "the installed help.htm is not the program's"
grep "message:" app.log | grep -v "message: Impossible d'ouvrir l'interface audio" &&
  fail "unexpected message: $(cat app.log)"

"${in_root[@]}" dpkg -L sylvarine >files.txt
"${in_root[@]}" apt-get purge -y sylvarine >purge.log 2>&1 || fail "apt purge: $(tail -5 purge.log)"
while read -r path; do
  [[ -d $root$path || ! -e $root$path ]] || fail "$path stayed after the purge"
done <files.txt
for folder in /usr/share/sylvarine /usr/share/corvane-machine /usr/share/doc/sylvarine; do
  [[ ! -e $root$folder ]] || fail "$folder stayed after the purge"
done
echo PASS
