#!/usr/bin/env bash
# Times the real setup (window, statuses and all) copying 1000 files of 1 to 20 KB
# and one of 9 MB, beside `cp -r` of the same files. A script holds at most 2500
# entries, so the copies take two runs: an autoinstal with half the small files and
# the large one, then an update with the other half. Each run's two 2-second pauses
# are subtracted. Needs xvfb-run and GNU time.
#   bench/setup_copy_timing.sh BUILD/bin/setup [RUNS] [WIDTHxHEIGHT]
set -euo pipefail
setup=$(realpath "${1:?usage: $0 SETUP [RUNS] [WIDTHxHEIGHT]}")
runs=${2:-5}
screen=${3:-1920x1080}
pauses=4.0  # per run: 2 s before the mode, 2 s after its last status

# TMPDIR=/dev/shm measures without the disk file system's own noise.
work=$(mktemp -d "${TMPDIR:-/tmp}/setup-timing.XXXXXX")
trap 'rm -rf "$work"' EXIT
medium="$work/medium"
mkdir -p "$medium"
cp "$setup" "$medium/setup"
to_windows() { printf 'Z:%s' "$1" | tr / '\\'; }
# Every run writes into folders never used before: inodes freed a moment earlier make
# the file system slow to create files, and that would count against whoever follows.
install_head() { printf 'CRV<Bench><EN><autoinstal><Software\\Bench><%s><nosystem><nodepend><SCRIPT>' "$(to_windows "$work/dest$1/")"; }
install=""
update="CRV<Bench><EN><update><Software\\Bench><..><nosystem><nodepend><SCRIPT>"
for i in $(seq 0 999); do
  name=$(printf 'file%04d.dat' "$i")
  head -c $((1024 + (i * 7919) % 19457)) /dev/urandom >"$medium/$name"
  if ((i < 500)); then install+="<COPYREP><$name><$name><DEL>"; else update+="<COPYREP><$name><$name><DEL>"; fi
done
head -c 9000000 /dev/urandom >"$medium/large.dat"
install+="<COPYREP><large.dat><large.dat><DEL><ENDSCRIPT>"
update+="<ENDSCRIPT>"

median() { sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# One run of setup on SCRIPT with the private HOME of run N; prints "wall user system peak_kB".
run_setup() {
  printf '%s' "$1" >"$medium/setup.inf"
  (cd "$medium" && HOME="$work/home$2" XDG_DATA_HOME="$work/home$2/data" XDG_CONFIG_HOME="$work/home$2/config" \
    xvfb-run -a -s "-screen 0 ${screen}x24" /usr/bin/time -o "$work/time" -f '%e %U %S %M' ./setup \
    >"$work/setup.log" 2>&1) || { cat "$work/setup.log" >&2; exit 1; }
  cat "$work/time"
}

copy_work=() cpu=() peak=() cp_times=() cp_peak=()
for run in $(seq "$runs"); do
  read -r wall1 user1 sys1 peak1 < <(run_setup "$(install_head "$run")$install" "$run")
  read -r wall2 user2 sys2 peak2 < <(run_setup "$update" "$run")
  copy_work+=("$(awk -v a="$wall1" -v b="$wall2" -v p="$pauses" 'BEGIN {print a + b - 2 * p}')")
  cpu+=("$(awk -v a="$user1" -v b="$sys1" -v c="$user2" -v d="$sys2" 'BEGIN {print a + b + c + d}')")
  peak+=("$((peak1 > peak2 ? peak1 : peak2))")
  /usr/bin/time -o "$work/time" -f '%e %M' cp -r "$medium" "$work/cp$run"
  read -r cp_wall cp_kb <"$work/time"
  cp_times+=("$cp_wall") cp_peak+=("$cp_kb")
done
for run in $(seq "$runs"); do
  [[ $(ls "$work/dest$run" | wc -l) == 1002 ]] || { echo "destination $run is incomplete" >&2; exit 1; }
done

printf 'setup copy work  %.3f s median of %d runs (%s), CPU %.2f s, peak %d kB\n' \
  "$(printf '%s\n' "${copy_work[@]}" | median)" "$runs" "$(printf '%s ' "${copy_work[@]}")" \
  "$(printf '%s\n' "${cpu[@]}" | median)" "$(printf '%s\n' "${peak[@]}" | sort -n | tail -1)"
printf 'cp -r            %.3f s median (%s), peak %d kB\n' \
  "$(printf '%s\n' "${cp_times[@]}" | median)" "$(printf '%s ' "${cp_times[@]}")" \
  "$(printf '%s\n' "${cp_peak[@]}" | sort -n | tail -1)"
