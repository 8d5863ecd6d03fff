# The maker's photo normalisation (maker/normalise-photo: orientation, reduction to 3840, no
# metadata) per 12-megapixel photo, against ImageMagick alone turning and reducing the same
# photos; both as processes, over an upright JPEG, one stored sideways (EXIF 6) and a PNG.
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../../.." && pwd)}
. "$root/tests/bench/bench.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -seed 1 -size 4000x3000 plasma:navy-orange -quality 92 "$work/upright.jpg"
convert "$work/upright.jpg" -rotate -90 "$work/turned.jpg"
"$root/tests/tools/add-exif" "$work/turned.jpg" "$work/sideways.jpg" 6
convert "$work/upright.jpg" "$work/photo.png"
photos=("$work/upright.jpg" "$work/sideways.jpg" "$work/photo.png")

ours() { for p in "${photos[@]}"; do "$root/maker/normalise-photo" "$p" "$work/out.jpg" 3840; done; }
theirs() { for p in "${photos[@]}"; do convert "$p" -auto-orient -resize '3840x3840>' -strip "$work/out.jpg"; done; }
ours_ms=$(process_median_ms 3 ours)
theirs_ms=$(process_median_ms 3 theirs)
per_photo() { awk -v ms="$1" -v n=${#photos[@]} 'BEGIN { printf "%.2f s", ms / n / 1000 }'; }
echo "| normalise a 12-megapixel photo (JPEG, JPEG with EXIF 6, PNG) vs ImageMagick turning and reducing alone (median of 3) | $(per_photo "$ours_ms") | $(per_photo "$theirs_ms") | $(ratio "$ours_ms" "$theirs_ms") | |"
