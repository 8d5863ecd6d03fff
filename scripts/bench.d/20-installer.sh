# The installer unpacking its shipped member vs unzip -p of the same archive, and the sizes of
# both programs.
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${ORVANTA_BENCH_BUILD:-$root/build/windows}
zip=$build/installer/Orvanta.zip
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ours=$("$root/scripts/wine-run" "$build/bench/install-bench.exe" "Z:$zip" "Z:$work" | tr -d '\r')
times=()
for _ in $(seq 21); do
  start=$(date +%s%N)
  unzip -p "$zip" Orvanta.scr >"$work/unzip.scr"
  times+=($(( $(date +%s%N) - start )))
done
theirs=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 11p | awk '{ printf "%.3f", $1 / 1e6 }')
ratio=$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / b }')
echo "| unpack the shipped Orvanta.scr: installer's extraction in-process vs unzip -p as a process (median of 21) | $ours ms | $theirs ms | $ratio | <= 1.2 |"
for program in installer.exe Orvanta.scr; do
  echo "| size of $program | $(stat -c %s "$build/bin/$program") bytes | | | |"
done
