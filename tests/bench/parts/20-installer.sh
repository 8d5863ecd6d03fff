# The installer unpacking its shipped member vs unzip -p of the same archive, and the sizes of
# both programs.
# per width
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../../.." && pwd)}
build=${ORVANTA_BENCH_BUILD:-$root/build/windows}
. "$root/tests/bench/bench.sh"
zip=$build/installer/payload.zip
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ours=$("$root/tests/tools/wine-run" "$build/bench/install-bench.exe" "Z:$zip" "Z:$work" | tr -d '\r')
unzip_member() { unzip -p "$zip" Orvanta.scr >"$work/unzip.scr"; }
theirs=$(process_median_ms 21 unzip_member)
ratio=$(ratio "$ours" "$theirs")
echo "| unpack the shipped Orvanta.scr: installer's extraction in-process vs unzip -p as a process (median of 21) | $ours ms | $theirs ms | $ratio | <= 1.2 |"
for program in installer.exe Orvanta.scr; do
  echo "| size of $program | $(stat -c %s "$build/bin/$program") bytes | | | |"
done
