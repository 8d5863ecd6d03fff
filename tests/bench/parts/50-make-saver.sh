# The maker's photos: maker/normalise-photo per 12-megapixel photo (upright JPEG, one stored
# sideways with EXIF 6, a Display P3 JPEG, a PNG, a HEIC turned by its container), reduced to
# 3840, wall time and peak memory (median of 3), against vipsthumbnail and ImageMagick's convert
# alone turning and reducing the same files; then make-saver end to end over a folder of 200
# such photos (photos and both pairs), and its photos alone on every core.
root=${ORVANTA_ROOT:-$(cd "$(dirname "$0")/../../.." && pwd)}
. "$root/tests/bench/bench.sh"
. "$root/tests/tools/photo-fixtures.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -seed 1 -size 4000x3000 plasma:navy-orange -quality 92 "$work/upright.jpg"
convert "$work/upright.jpg" -rotate -90 "$work/turned.jpg"
"$root/tests/tools/add-exif" "$work/turned.jpg" "$work/sideways.jpg" 6
display_p3 "$work/upright.jpg" "$work/display-p3.jpg"
convert "$work/upright.jpg" "$work/photo.png"
turned_heic "$work/upright.jpg" "$work/photo.heic"

# measured N command...: "SECONDS CPU MB", the median wall time, processor time (user and
# system, which a busy machine inflates less) and peak resident memory of N runs (the largest
# process of each run: /usr/bin/time counts waited-for children).
measured() {
  local n=$1 i
  shift
  for ((i = 0; i < n; ++i)); do
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null 2>&1 && cat "$work/time"
  done >"$work/times"
  echo "$(cut -d ' ' -f 1 "$work/times" | median) $(awk '{ print $2 + $3 }' "$work/times" | median)" \
    "$(($(cut -d ' ' -f 4 "$work/times" | median) / 1024))"
}
for kind in upright.jpg sideways.jpg display-p3.jpg photo.png photo.heic; do
  photo=$work/$kind
  read -r ours_s ours_cpu ours_mb < <(measured 3 "$root/maker/normalise-photo" "$photo" "$work/out.jpg" 3840)
  read -r vips_s vips_cpu vips_mb < <(measured 3 vipsthumbnail "$photo" -s 3840 -o "$work/vips.jpg")
  read -r im_s im_cpu im_mb < <(measured 3 convert "$photo" -auto-orient -resize '3840x3840>' -strip "$work/im.jpg")
  echo "| normalise a 12-megapixel photo ($kind) to 3840 px: wall time (processor time), peak memory, median of 3 | $ours_s s ($ours_cpu s), $ours_mb MB | vipsthumbnail $vips_s s ($vips_cpu s), $vips_mb MB; convert $im_s s ($im_cpu s), $im_mb MB | $(ratio "$ours_s" "$vips_s") of vipsthumbnail, $(ratio "$ours_s" "$im_s") of convert | ≤ 0.5 s, ≤ 100 MB |"
done

# 200 photos, 40 of each kind, in a saver of 1280-px pictures.
mkdir "$work/folder"
for ((i = 0; i < 200; ++i)); do
  kinds=(upright.jpg sideways.jpg display-p3.jpg photo.png photo.heic)
  ln "$work/${kinds[i % 5]}" "$work/folder/$(printf '%03d' "$i")-${kinds[i % 5]}"
done
printf '%s\n' '[saver]' 'name=Bench Photos' 'id=BenchPho' '[show]' 'hold=10' 'order=listed' 'fit=fit' 'maxsize=1280' '[photos]' 'folder/' >"$work/bench.ini"
photos() {
  local i=0 f
  for f in "$work"/folder/*; do printf '%s\0%s\0' "$((++i))" "$f"; done |
    xargs -0 -n 2 -P "$(nproc)" bash -c 'exec "$0" "$3" "$1/$2.jpg" 1280' "$root/maker/normalise-photo" "$work/out"
}
make_saver() { "$root/scripts/make-saver" "$work/bench.ini" --out "$work/dist" >"$work/make.log" 2>&1 || cat "$work/make.log" >&2; }
mkdir "$work/out"
photos_ms=$(process_median_ms 1 photos)
make_ms=$(process_median_ms 1 make_saver)
echo "| make-saver over a folder of 200 12-megapixel photos (JPEG, sideways JPEG, P3 JPEG, PNG, HEIC) to 1280 px, end to end (photos and both pairs) | $(awk -v ms="$make_ms" 'BEGIN { printf "%.0f s", ms / 1000 }') | its photos alone on $(nproc) cores: $(awk -v ms="$photos_ms" 'BEGIN { printf "%.0f s", ms / 1000 }') | $(ratio "$make_ms" "$photos_ms") | |"
