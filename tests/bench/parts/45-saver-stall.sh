# Orvanta.scr /s over two full cycles (26 s) on one 1920x1080 screen, one 3840x2160 screen and two
# monitors (1920x1080 beside 1280x1024), next to a trivial window program in the same run: the
# longest time either window keeps a WM_NULL sent every 2 ms waiting, and peak private memory.
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../../.." && pwd)}
build=${ORVANTA_BENCH_BUILD:-$root/build/windows}
export E2E_TOOLS=$build/tests/e2e-tools
. "$root/tests/tools/e2e.sh"
. "$root/tests/bench/bench.sh"
probe=$build/bench/stall-probe.exe
cycles_ms=26000

for layout in ${ORVANTA_BENCH_LAYOUTS:-1920x1080 3840x2160 1920x1080,1280x1024}; do
  (
    e2e_begin "$layout" >/dev/null
    saver_beside_trivial "$build/bin/Orvanta.scr" 'Orvanta\.scr /s' $cycles_ms
    goal=""
    [ "$layout" = 3840x2160 ] && goal="<= 16 ms, <= 2x"
    echo "| Orvanta.scr /s at $layout, two cycles: longest wait for WM_NULL (every 2 ms) vs a trivial window program's (at s) | ${saver_stall:-?} ms (${saver_at:-?}) | ${host_stall:-?} ms (${host_at:-?}) | $(ratio "${saver_stall:-0}" "${host_stall:-1}") | $goal |"
    goal=""
    [ "$layout" = 1920x1080 ] && goal="<= 16 MB"
    echo "| the same run: peak private memory of Orvanta.scr beyond the trivial program | $(((saver_private - trivial_private) / 1024)) MB | $((trivial_private / 1024)) MB | | $goal |"
  )
done
