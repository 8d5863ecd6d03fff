# Orvanta.scr /s as a whole program at 1920x1080, next to a trivial window program of ours in
# the same run: CPU over one full cycle (at 3840x2160 too), peak private memory, time to the
# first drawn step; and the show with the display reported off.
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../../.." && pwd)}
build=${ORVANTA_BENCH_BUILD:-$root/build/windows}
export E2E_TOOLS=$build/tests/e2e-tools
. "$root/tests/tools/e2e.sh"
. "$root/tests/bench/bench.sh"
e2e_begin 1920x1080 >/dev/null
saver=$build/bin/Orvanta.scr
ticks=$(getconf CLK_TCK)

# pixels_at X Y: the 8 x 8 pixels there as hex colours, one a line.
pixels_at() {
  import -display "$DISPLAY" -window root -crop "8x8+$1+$2" -depth 8 txt:- 2>/dev/null | sed -n 's/.* \(#[0-9A-F]\{6\}\) .*/\1/p'
}
host_shown() { pixels_at 300 300 | grep -qv '#000000'; }
cells_drawn() { pixels_at 300 300 | grep -q '#000000'; }

# The trivial program: from its start to its window drawn on the black screen.
trivial_ms=() saver_ms=()
for _ in 1 2 3 4 5; do
  start=$(now_ms)
  wine "$E2E_TOOLS/preview-host.exe" 600 600 >/dev/null &
  host=$!
  wait_until 20 host_shown
  trivial_ms+=($(($(now_ms) - start)))
  [ ${#trivial_ms[@]} -eq 1 ] && trivial_private=$(peak_private "$(wine_pid 'preview-host\.exe')" 3000)
  # The saver over that white window: from its start to the first black cells of its dissolve.
  start=$(now_ms)
  wine "$saver" /s &
  pid=$!
  wait_until 20 cells_drawn
  saver_ms+=($(($(now_ms) - start)))
  kill "$(wine_pid 'Orvanta\.scr /s')" $pid $host 2>/dev/null
  wait $pid $host 2>/dev/null
  wait_until 10 eval '! wine_pid "Orvanta\.scr /s" >/dev/null'
done
t=$(printf '%s\n' "${trivial_ms[@]}" | median) s=$(printf '%s\n' "${saver_ms[@]}" | median)
echo "| Orvanta.scr /s: start to first drawn step vs a trivial window program's start to its window drawn (median of 5) | $s ms | $t ms | $(ratio "$s" "$t") | |"

# One full cycle (dissolve 1.65 s, slide 0.55 s, hold 10 s) with nothing else on screen, at
# the screen's size, after the start-up and the opening dissolve (3 s): any 12.2 s of the show
# hold one preparation, dissolve, slide and hold. Peak memory from the start; its row only
# where the trivial program was measured beside it.
# cycle SIZE CPU-GOAL
cycle() {
  local started pid x_before start_private saver_private cpu x_cpu start wall
  wine "$saver" /s &
  started=$!
  wait_until 20 wine_pid 'Orvanta\.scr /s' >/dev/null
  pid=$(wine_pid 'Orvanta\.scr /s')
  start_private=$(peak_private $pid 3000)
  x_before=$(cpu_ticks "$XVFB_PID") cpu=$(cpu_ticks $pid) start=$(now_ms)
  saver_private=$(peak_private $pid 12200)
  cpu=$(($(cpu_ticks $pid) - cpu))
  x_cpu=$(($(cpu_ticks "$XVFB_PID") - x_before))
  wall=$(($(now_ms) - start))
  [ "$start_private" -gt "$saver_private" ] && saver_private=$start_private
  kill "$pid" 2>/dev/null
  wait $started 2>/dev/null
  echo "| Orvanta.scr /s, one full cycle (12.2 s) at $1 after its start: CPU of the saver process, share of one core | $(awk -v c="$cpu" -v t="$ticks" -v w="$wall" 'BEGIN { printf "%.1f%%", 100 * c / t / (w / 1000) }') | | | $2 |"
  echo "| the same cycle: CPU of the X server (Xvfb) drawing it, share of one core | $(awk -v c="$x_cpu" -v t="$ticks" -v w="$wall" 'BEGIN { printf "%.1f%%", 100 * c / t / (w / 1000) }') | | | |"
  [ "$1" = 1920x1080 ] &&
    echo "| the same run: peak private memory of Orvanta.scr from its start beyond a trivial window program | $(((saver_private - trivial_private) / 1024)) MB | $((trivial_private / 1024)) MB | | <= 16 MB |"
  return 0
}
cycle 1920x1080 "<= 1%"
(
  e2e_begin 3840x2160 >/dev/null
  cycle 3840x2160 "<= 2%"

  # 30 s with the display reported off (the bench program's own show, full screen), beside the
  # trivial window program idle in the same 30 s: timer steps, and CPU as a share of one core.
  wine "$E2E_TOOLS/preview-host.exe" 600 600 >/dev/null &
  host=$!
  wait_until 20 has_window Preview
  host_pid=$(wine_pid 'preview-host\.exe')
  host_before=$(cpu_ticks "$host_pid") start=$(now_ms)
  read -r steps off_ms < <(wine "$build/bench/slideshow-bench.exe" off 30 | tr -d '\r')
  host_cpu=$(($(cpu_ticks "$host_pid") - host_before)) wall=$(($(now_ms) - start))
  kill $host 2>/dev/null
  wait $host 2>/dev/null
  saver_share=$(awk -v m="${off_ms:-0}" 'BEGIN { printf "%.2f", m / 300 }')
  # The trivial program's time includes the bench program's start-up.
  host_share=$(awk -v c="$host_cpu" -v t="$ticks" -v w="$wall" 'BEGIN { printf "%.2f", 100 * c / t / (w / 1000) }')
  echo "| display reported off for 30 s at 3840x2160: timer steps taken, and CPU of the show's process vs the idle trivial window program's in the same time, share of one core | ${steps:-?} steps, ${saver_share}% | ${host_share}% | | 0 steps, alike |"
)
