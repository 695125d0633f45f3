#!/usr/bin/env bash
# osctool's manual page is installed, man reads it without a warning, it names every
# command and every option that the commands' --help lists, and the version it is the
# manual of is the one osctool --version gives.
source "$SYLVARINE_SOURCE/tests/e2e/lib.sh"
OSCTOOL="$SYLVARINE_BIN/osctool"
cd "$E2E_TMP"
prefix="$E2E_TMP/prefix"
cmake --install "$SYLVARINE_BUILD" --prefix "$prefix" >install.log 2>&1 ||
  fail "cmake --install failed: $(tail -3 install.log)"
page="$prefix/share/man/man1/osctool.1"
[[ -f $page ]] || fail "no manual page at $page"

LC_ALL=C.UTF-8 man --warnings -l "$page" >/dev/null 2>warnings.txt || fail "man cannot read the page"
[[ ! -s warnings.txt ]] || fail "man warns: $(cat warnings.txt)"
LC_ALL=C.UTF-8 MANWIDTH=250 man -l "$page" >manual.txt

[[ $("$OSCTOOL" --version) == "osctool $(sed -n 's/^\.TH .*"Sylvarine \([0-9.]*\)".*/\1/p' "$page")" ]] &&
  grep -qF -- "--version" manual.txt || fail "--version and the manual disagree: $("$OSCTOOL" --version)"

commands=$("$OSCTOOL" --help | grep -oE 'osctool [a-z][a-z-]+' | cut -d' ' -f2 | sort -u)
[[ $(wc -w <<<"$commands") == 8 ]] || fail "osctool --help lists: $commands"
for command in $commands; do
  grep -qE "^ +$command( |\$)" manual.txt || fail "the manual does not describe $command"
  "$OSCTOOL" "$command" --help >help.txt || fail "$command --help failed"
  head -1 help.txt | grep -q "^Usage: osctool $command " || fail "$command --help: $(head -1 help.txt)"
  for option in $(grep -oE -- '--[a-z][a-z-]+' help.txt | sort -u); do
    [[ $option == --help || $option == --help-all ]] && continue
    grep -qF -- "$option" manual.txt || fail "the manual does not name $command $option"
  done
done
echo PASS
