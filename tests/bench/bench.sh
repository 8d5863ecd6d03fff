# Sourced by tests/bench/parts/*.sh: timing a process and comparing figures.

# process_median_ms N command...: the median wall time of N runs of the command, in ms.
process_median_ms() {
  local n=$1 start i times=()
  shift
  for ((i = 0; i < n; ++i)); do
    start=$(date +%s%N)
    "$@"
    times+=($(($(date +%s%N) - start)))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((n + 1) / 2))p" | awk '{ printf "%.3f", $1 / 1e6 }'
}

ratio() {               # ratio A B: A / B to two places
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
private_kb() { awk '/^Private_(Clean|Dirty):/ { n += $2 } END { print n }' "/proc/$1/smaps_rollup"; }

# peak_private PID MS: the largest private memory of a process, sampled every 0.1 s.
peak_private() {
  local peak=0 kb deadline=$(($(now_ms) + $2))
  while [ "$(now_ms)" -lt $deadline ] && kb=$(private_kb "$1" 2>/dev/null); do
    [ "$kb" -gt $peak ] && peak=$kb
    sleep 0.1
  done
  echo $peak
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# wine_pid PATTERN: the Linux pid of this prefix's Windows process whose command line matches
# PATTERN. `wine x.scr` runs the program as a child of start.exe, so $! is not it; a process
# counts once Wine has given it its Windows command line (a drive path first; through the 64-bit
# loader alone, the program's own Unix path first, where the launcher's starts with the loader).
wine_pid() {
  local p
  for p in $(pgrep -f "$1"); do
    tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null | grep -qE '^([A-Za-z]:\\|/[^ ]*\.(exe|scr) )' || continue
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && { echo "$p"; return 0; }
  done
  return 1
}
