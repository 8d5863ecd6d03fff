# The show's timer steps on full-screen windows of three sizes, next to a HALFTONE stretch per
# step; our picture scaler against a HALFTONE stretch, preparing a picture for 1920x1080 and
# 3840x2160; a soak of 2,000 picture changes; the decode of a picture in-process vs djpeg of
# the same file as a process.
# per width
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../../.." && pwd)}
build=${ORVANTA_BENCH_BUILD:-$root/build/windows}
bench=$build/bench/slideshow-bench.exe
. "$root/tests/bench/bench.sh"

for screen in 1024x768 1920x1080 3840x2160; do
  ORVANTA_SCREEN=$screen "$root/tests/tools/wine-run" "$bench" | tr -d '\r'
done

"$root/tests/tools/wine-run" "$bench" scale | tr -d '\r'

"$root/tests/tools/wine-run" "$bench" soak 2000 | tr -d '\r'

ours=$("$root/tests/tools/wine-run" "$bench" decode | tr -d '\r')
theirs=$(process_median_ms 21 djpeg -outfile /dev/null "$root/resources/saver/pic1.jpg")
ratio=$(ratio "$ours" "$theirs")
echo "| decode picture 1: LoadJpegResource in-process vs djpeg as a process (median of 21) | $ours ms | $theirs ms | $ratio | |"
