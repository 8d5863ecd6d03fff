# Inflating the shipped saver through the archive reader vs one zlib call.
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
member=$root/build/windows/bin/Orvanta.scr
"$root/scripts/wine-run" "$root/build/windows/bench/archive-bench.exe" "Z:$member" | tr -d '\r'
