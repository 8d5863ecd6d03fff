# Inflating the shipped saver through the archive reader vs one zlib call.
# per width
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../../.." && pwd)}
build=${ORVANTA_BENCH_BUILD:-$root/build/windows}
member=$build/bin/Orvanta.scr
"$root/tests/tools/wine-run" "$build/bench/archive-bench.exe" "Z:$member" | tr -d '\r'
