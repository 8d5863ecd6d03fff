# Savers made with other pictures and options (copies of Orvanta.scr with their resources
# replaced, a hold of 1 s): the shipped four filling the screen, 100 pictures of 3840x2160
# fitted and filling, and 100 photos of 8192x5464 fitted, /s on one 1920x1080 and one 3840x2160 screen for 14 s (four picture
# changes), next to a trivial window program in the same run: the longest time either window
# keeps a WM_NULL sent every 2 ms waiting, and peak private memory.
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../../.." && pwd)}
build=${ORVANTA_BENCH_BUILD:-$root/build/windows}
export E2E_TOOLS=$build/tests/e2e-tools
. "$root/tests/tools/e2e.sh"
. "$root/tests/bench/bench.sh"
probe=$build/bench/stall-probe.exe
run_ms=14000
work=$(mktemp -d)
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }

# The shipped photographs blown up to 3840x2160 and to 8192x5464, each 25 times over.
shipped=() uhd=() large=()
for n in 1 2 3 4; do
  shipped+=("$(winpath "$root/resources/saver/pic$n.jpg")")
  convert "$root/resources/saver/pic$n.jpg" -resize '3840x2160!' -quality 90 "$work/uhd$n.jpg"
  convert "$root/resources/saver/pic$n.jpg" -resize '8192x5464!' -quality 75 "$work/large$n.jpg"
done
for ((i = 0; i < 100; ++i)); do
  uhd+=("$(winpath "$work/uhd$((i % 4 + 1)).jpg")")
  large+=("$(winpath "$work/large$((i % 4 + 1)).jpg")")
done

# make_saver NAME FIT PICTURE...: a copy of the saver with these pictures, fitted or filling.
make_saver() {
  local name=$1 fit=$2
  shift 2
  printf 'hold=1\nfit=%s\n' "$fit" >"$work/$name.txt"
  wine "$E2E_TOOLS/set-pictures.exe" "$(winpath "$build/bin/Orvanta.scr")" "$(winpath "$work/$name.scr")" \
    "$(winpath "$work/$name.txt")" "$@" >/dev/null 2>&1
}

for layout in ${ORVANTA_BENCH_LAYOUTS:-1920x1080 3840x2160}; do
  (
    e2e_begin "$layout" >/dev/null
    make_saver shipped-fill fill "${shipped[@]}"
    make_saver uhd100-fit fit "${uhd[@]}"
    make_saver uhd100-fill fill "${uhd[@]}"
    make_saver large100-fit fit "${large[@]}"
    for saver in ${ORVANTA_BENCH_SAVERS:-shipped-fill uhd100-fit uhd100-fill large100-fit}; do
      saver_beside_trivial "$work/$saver.scr" "$saver\.scr /s" $run_ms
      case $saver in
      shipped-fill) what="the shipped 4 pictures, fill" ;;
      uhd100-fit) what="100 pictures of 3840x2160, fit" ;;
      uhd100-fill) what="100 pictures of 3840x2160, fill" ;;
      large100-fit) what="100 photos of 8192x5464, fit" ;;
      esac
      goal=""
      [ $saver = large100-fit ] && goal="<= $([ "$layout" = 1920x1080 ] && echo 16 || echo 48) MB"
      echo "| saver made with $what, hold 1 s, /s at $layout for $((run_ms / 1000)) s: longest wait for WM_NULL (every 2 ms) vs a trivial window program's (at s) | ${saver_stall:-?} ms (${saver_at:-?}) | ${host_stall:-?} ms (${host_at:-?}) | $(ratio "${saver_stall:-0}" "${host_stall:-1}") | |"
      echo "| the same run: peak private memory of the saver beyond the trivial program | $(((saver_private - trivial_private) / 1024)) MB | $((trivial_private / 1024)) MB | | $goal |"
    done
  )
done
rm -rf "$work"
