# Orvanta.scr /s as a whole program at 1920x1080, next to a trivial window program of ours in
# the same run: CPU over one full cycle, peak private memory, time to the first drawn step.
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${ORVANTA_BENCH_BUILD:-$root/build/windows}
export E2E_TOOLS=$build/tests/e2e-tools
. "$root/scripts/lib/e2e.sh"
. "$root/scripts/lib/bench.sh"
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

# One full cycle (dissolve 1.65 s, slide 0.55 s, hold 10 s) with nothing else on screen.
start=$(now_ms)
wine "$saver" /s &
started=$!
wait_until 20 wine_pid 'Orvanta\.scr /s' >/dev/null
pid=$(wine_pid 'Orvanta\.scr /s')
x_before=$(cpu_ticks "$XVFB_PID")
saver_private=$(peak_private $pid 12200)
cpu=$(cpu_ticks $pid)
x_cpu=$(($(cpu_ticks "$XVFB_PID") - x_before))
wall=$(($(now_ms) - start))
kill "$pid" 2>/dev/null
wait $started 2>/dev/null
echo "| Orvanta.scr /s, one full cycle (12.2 s) at 1920x1080: CPU of the saver process (start-up included), share of one core | $(awk -v c="$cpu" -v t="$ticks" -v w="$wall" 'BEGIN { printf "%.1f%%", 100 * c / t / (w / 1000) }') | | | <= 3% |"
echo "| the same cycle: CPU of the X server (Xvfb) drawing it, share of one core | $(awk -v c="$x_cpu" -v t="$ticks" -v w="$wall" 'BEGIN { printf "%.1f%%", 100 * c / t / (w / 1000) }') | | | |"
echo "| the same cycle: peak private memory of Orvanta.scr beyond a trivial window program | $(((saver_private - trivial_private) / 1024)) MB | $((trivial_private / 1024)) MB | | <= 16 MB |"
