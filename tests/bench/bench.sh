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

# saver_beside_trivial SAVER PATTERN MS: SAVER /s on the current display for MS ms next to a trivial
# window program (PATTERN finds the saver's process); sets saver_stall, saver_at, host_stall,
# host_at (the longest wait for a WM_NULL sent every 2 ms, and when it began) and saver_private,
# trivial_private (peak private memory, kB). Needs $E2E_TOOLS and $probe.
saver_beside_trivial() {
  local saver=$1 pattern=$2 ms=$3 host started pid saver_probe host_probe host_peak
  wine "$E2E_TOOLS/preview-host.exe" 600 600 >/dev/null &
  host=$!
  # Up before the saver: a window that came later would take the activation, which ends it.
  wait_until 40 has_window Preview
  wine "$saver" /s &
  started=$!
  wait_until 40 wine_pid "$pattern" >/dev/null
  pid=$(wine_pid "$pattern")
  wine "$probe" OrvWnd $((ms / 1000)) >"$WINE_RUN_DIR/saver.stall" &
  saver_probe=$!
  wine "$probe" PreviewHost $((ms / 1000)) >"$WINE_RUN_DIR/host.stall" &
  host_probe=$!
  peak_private "$(wine_pid 'preview-host\.exe')" $((ms + 2000)) >"$WINE_RUN_DIR/host.private" &
  host_peak=$!
  saver_private=$(peak_private "$pid" $((ms + 2000)))
  wait $saver_probe $host_probe $host_peak
  trivial_private=$(cat "$WINE_RUN_DIR/host.private")
  kill "$pid" $host 2>/dev/null
  wait $started $host 2>/dev/null
  wait_until 10 eval "! wine_pid '$pattern' >/dev/null"
  read -r saver_stall _ saver_at <"$WINE_RUN_DIR/saver.stall"
  read -r host_stall _ host_at <"$WINE_RUN_DIR/host.stall"
}
