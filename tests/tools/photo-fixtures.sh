# Photos as today's phones store them, made from plain ones for the maker's test and bench
# (sourced; needs libvips, ImageMagick and heif-enc).

# display_p3 IN OUT.jpg: OUT holds IN's sRGB colours in Display P3, with the profile embedded,
# as an iPhone stores a photo (converted by lcms within libvips).
display_p3() {
  vips icc_transform "$1" "$2[Q=95]" p3 --input-profile srgb
}

# turned_heic IN OUT.heic: OUT is IN stored a quarter turn to the left by heif-enc, with the
# container's rotation that stands it up again and, inside, an EXIF orientation 6 of its own
# that must not be applied a second time.
turned_heic() {
  local tools
  tools=$(dirname "${BASH_SOURCE[0]}")
  convert "$1" -rotate -90 "$2.sideways.jpg"
  "$tools/add-exif" "$2.sideways.jpg" "$2.tagged.jpg" 6
  heif-enc -q 90 -p preset=ultrafast -o "$2.sideways.heic" "$2.tagged.jpg" >/dev/null
  "$tools/heif-turn" "$2.sideways.heic" "$2" 3
  rm -f "$2.sideways.jpg" "$2.tagged.jpg" "$2.sideways.heic"
}
