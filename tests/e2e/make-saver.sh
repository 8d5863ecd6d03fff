#!/usr/bin/env bash
# Owns: scripts/make-saver from end to end (the description's rules are the native table's).
# A saver made from generated photos (a landscape JPEG, a portrait JPEG stored sideways with
# EXIF orientation 6 and a GPS position under a name like a template, a PNG, a Display P3 JPEG, a
# HEIC turned by its container, a WebP; beside them files a folder copied from a Mac or Windows
# holds), installed silently beside the default saver: full screen its photos stand in order and
# the portrait upright (green band on top), its pictures carry no metadata, the P3 red comes out
# as the sRGB red it is, the HEIC is turned once; its uninstall names the default saver again.
# A bad description, and a folder of bad photos: a message naming file (and line, or why),
# exit status 1, nothing written.
# A folder that is not the maker's as --out: refused and untouched. A second run in the tree
# waits for the first.
. "$(dirname "$0")/saver-lib.sh"
. "$ORVANTA_ROOT/tests/tools/photo-fixtures.sh"
e2e_begin 1024x768

SYSTEM32=$WINEPREFIX/drive_c/windows/system32
DESKTOP_KEY='HKCU\Control Panel\Desktop'
ID=E2eMade              # 8.3: its short path is its path
work=$(mktemp -d)
frame=$work/frame.png
# Keeps the run's status for e2e_end.
cleanup() { local rc=$?; rm -rf "$work"; return $rc; }
trap 'cleanup; e2e_end' EXIT

registered() { wine reg query "$DESKTOP_KEY" /v SCRNSAVE.EXE 2>/dev/null | tr -d '\r' | awk '$1 == "SCRNSAVE.EXE" { print $3 }'; }
names() { [ "$(registered)" = "$1" ]; }

# The photos, each of its own colours; the portrait as a phone stores it: turned a quarter to
# the left, with the tag that turns it back.
mkdir "$work/photos"
convert -size 1600x1200 gradient:navy-skyblue -fill yellow -draw 'circle 800,600 800,900' "$work/photos/a-landscape.jpg"
convert -size 900x1200 gradient:maroon-pink -fill lime -draw 'rectangle 0,0 899,149' "$work/portrait-upright.png"
convert "$work/portrait-upright.png" -rotate -90 "$work/sideways.jpg"
"$ORVANTA_ROOT/tests/tools/add-exif" "$work/sideways.jpg" "$work/photos/b%02d-portrait.jpg" 6
convert -size 1200x900 pattern:checkerboard -fill darkgreen -colorize 40 "$work/photos/c-plain.png"
# A browser shows this P3 red as sRGB (230,20,20); its numbers are (211,51,39).
convert -size 800x600 'xc:rgb(230,20,20)' "$work/red.png"
display_p3 "$work/red.png" "$work/photos/d-display-p3.jpg"
turned_heic "$work/portrait-upright.png" "$work/photos/e-turned.heic"
cwebp -quiet "$work/photos/c-plain.png" -o "$work/photos/f-plain.webp"
printf 'junk' | tee "$work/photos/._a-landscape.jpg" "$work/photos/.DS_Store" "$work/photos/Thumbs.db" >/dev/null
printf '%s\n' '[saver]' 'name=E2E Made Saver' "id=$ID" 'credit=Photos (C) 2026 E2E' '[show]' 'hold=3' \
  'order=listed' 'fit=fit' '[photos]' 'photos/' >"$work/saver.ini"

make_saver() { "$ORVANTA_ROOT/scripts/make-saver" "$@" >"$work/make.log" 2>&1; }
e2e_require "make-saver makes the saver" make_saver "$work/saver.ini" --out "$work/dist"
dist=$work/dist

e2e_check "the files beside the photos are skipped, and said so" grep -q 'skipped 3 files' "$work/make.log"

# Its pictures as the saver holds them.
for i in 2 4 5 6; do wrestool -x --raw -t JPEG -n $i "$dist/x86_64/$ID.scr" >"$work/$i.jpg"; done
no_metadata() { ! grep -qaE 'Exif|GPS|ICC_PROFILE|http://ns.adobe' "$1" && [ -z "$(identify -format '%[EXIF:*]%c' "$1")" ]; }
e2e_check "the portrait's picture holds no metadata" no_metadata "$work/2.jpg"
e2e_check "the portrait's picture stands upright" test "$(identify -format '%[fx:h>w]' "$work/2.jpg")" = 1
near() {                # near PICTURE "R G B": its middle within 8 of each
  vips getpoint "$1" "$(($(vipsheader -f width "$1") / 2))" "$(($(vipsheader -f height "$1") / 2))" |
    awk -v want="$2" '{ split(want, w, " "); for (i = 1; i <= 3; i++) if ($i - w[i] > 8 || w[i] - $i > 8) exit 1 }'
}
e2e_check "the Display P3 photo is converted to sRGB" near "$work/4.jpg" "230 20 20"
e2e_check "and loses its profile" no_metadata "$work/4.jpg"
band_on_top() { convert "$1" -crop 100%x10%+0+0 +repage "$work/band.png" && near "$work/band.png" "0 255 0"; }
e2e_check "the HEIC stands upright, turned once" test "$(identify -format '%[fx:h>w]' "$work/5.jpg")" = 1
e2e_check "with its band on top" band_on_top "$work/5.jpg"
e2e_check "and holds no metadata" no_metadata "$work/5.jpg"
e2e_check "the WebP is taken" test "$(identify -format '%m %w' "$work/6.jpg")" = "JPEG 1200"
e2e_check "every picture is a baseline JPEG" \
  test "$(identify -format '%[interlace]\n' "$work/2.jpg" "$work/4.jpg" "$work/5.jpg" "$work/6.jpg" | sort -u)" = None
e2e_check "the sums hold" eval '(cd "$dist" && sha256sum --quiet -c SHA256SUMS)'

# Beside the default saver.
e2e_check "the default saver installs" test "$(exit_code "Z:${ORVANTA_BIN//\//\\}\\installer.exe" /S)" = 0
e2e_check "the made saver installs" test "$(exit_code "Z:${dist//\//\\}\\x86_64\\installer.exe" /S)" = 0
e2e_check "both savers are there" test -f "$SYSTEM32/Orvanta.scr" -a -f "$SYSTEM32/$ID.scr"
e2e_check "the made saver is named" names "C:\\windows\\system32\\$ID.scr"

# Full screen: a 4:3 photo fills the screen, the portrait stands in the middle, 576 x 768.
standing() {            # standing X W PICTURE
  capture "$frame" && [ "$(region_like "$frame" "$1" 0 "$2" 768 "$3")" -le 8 ]
}
green_band_on_top() {
  local band
  band=$(/usr/bin/convert "$frame" -crop 576x60+224+10 +repage -scale '1x1!' -format '%[fx:int(255*g)] %[fx:int(255*r)]' info:)
  [ "${band% *}" -ge 160 ] && [ "${band#* }" -le 100 ]
}
start_saver() {
  xdotool mousemove 100 100
  wine "C:\\windows\\system32\\$ID.scr" /s &
  saver_pid=$!
  wait_until 20 has_saver_window
}
e2e_require "the made saver comes up full screen" start_saver
e2e_check "photo 1 stands" wait_until 20 standing 0 1024 "$work/photos/a-landscape.jpg"
cp "$frame" "$E2E_SHOTS/make-saver-1.png"
e2e_check "photo 2 stands upright" wait_until 20 standing 224 576 "$work/portrait-upright.png"
e2e_check "with its band on top" green_band_on_top
cp "$frame" "$E2E_SHOTS/make-saver-2.png"
e2e_check "photo 3 stands" wait_until 20 standing 0 1024 "$work/photos/c-plain.png"
cp "$frame" "$E2E_SHOTS/make-saver-3.png"
xdotool key space
e2e_check "a key ends it" wait_until 20 process_gone "$saver_pid"

# Its uninstall names the default saver again and leaves its file.
e2e_check "the made saver uninstalls" \
  test "$(exit_code "\"C:\\Program Files\\$ID\\uninstall.exe\"" /uninstall /S)" = 0
e2e_check "its saver is gone" wait_until 20 test ! -e "$SYSTEM32/$ID.scr"
e2e_check "the default saver is named again" names 'C:\windows\system32\Orvanta.scr'
e2e_check "and is there" test -f "$SYSTEM32/Orvanta.scr"

# A bad description.
printf '%s\n' '[saver]' 'name=Bad' 'id=no spaces' '[photos]' 'photos/' >"$work/bad.ini"
make_saver "$work/bad.ini" --out "$work/bad"
status=$?
e2e_check "a bad description fails with status 1" test "$status" = 1
e2e_check "naming its file and line" grep -q "bad.ini:3: id" "$work/make.log"
e2e_check "and writes nothing" test ! -e "$work/bad"

# A folder of bad photos: each named with why, and nothing written.
mkdir -p "$work/bad-photos/folder.jpg"
head -c 30000 "$work/photos/a-landscape.jpg" >"$work/bad-photos/cut-short.jpg"
: >"$work/bad-photos/empty.png"
echo 'not a photo' >"$work/bad-photos/text.jpg"
ln -s nowhere.jpg "$work/bad-photos/dangling.jpg"
convert -size 64x64 xc:red "gif:$work/bad-photos/gif.webp"
cp "$work/photos/c-plain.png" "$work/bad-photos/good.png"
printf '%s\n' '[saver]' 'name=Bad Photos' 'id=BadPhoto' '[photos]' 'bad-photos/' >"$work/bad-photos.ini"
make_saver "$work/bad-photos.ini" --out "$work/bad"
status=$?
e2e_check "bad photos fail with status 1" test "$status" = 1
refused() { grep -qF "$work/bad-photos/$1: $2" "$work/make.log"; }
e2e_check "a photo cut short is refused" refused cut-short.jpg 'is cut short or its data is corrupt'
e2e_check "an empty file is refused" refused empty.png 'is empty'
e2e_check "a file that is no image is refused" refused text.jpg 'is not an image'
e2e_check "a dangling link is refused" refused dangling.jpg 'is a link to nothing'
e2e_check "a folder named like a photo is refused" refused folder.jpg 'is a folder'
e2e_check "another kind of image is refused by name" refused gif.webp 'is a GIF image'
e2e_check "and nothing is written" test ! -e "$work/bad"

# --out naming someone's folder: refused before any photo is read, every file as it was, and
# nothing left beside it.
check_foreign_out_refused() {
  local foreign=$work/foreign before status
  mkdir -p "$foreign/sub"
  echo 'notes of mine' >"$foreign/notes.txt"
  cp "$work/photos/a-landscape.jpg" "$foreign/sub/"
  listing() { (cd "$foreign" && find . -printf '%p %s %T@\n' | LC_ALL=C sort && find . -type f -exec sha256sum {} + | LC_ALL=C sort); }
  before=$(listing)
  make_saver "$work/saver.ini" --out "$foreign"
  status=$?
  e2e_check "a non-empty folder not made by the maker is refused as --out" test "$status" = 1
  e2e_check "saying why" grep -q "is not empty and not an earlier output of $ID" "$work/make.log"
  e2e_check "and is left as it was" test "$(listing)" = "$before"
  e2e_check "with nothing beside it" test -z "$(find "$work" -maxdepth 1 -name '.make-saver*' -print -quit)"
}

# A second run while the tree's lock is held says that it waits, and goes on once it is free.
check_second_run_waits() {
  local pid status
  exec 8>"$ORVANTA_ROOT/build/make-saver.lock"
  flock 8
  make_saver "$work/bad.ini" --out "$work/bad" 8>&- &
  pid=$!
  e2e_check "a second run says it waits" wait_until 120 grep -q "waiting for another run in this tree" "$work/make.log"
  e2e_check "and waits" kill -0 "$pid"
  exec 8>&-
  wait "$pid"
  status=$?
  e2e_check "it goes on when the first ends" grep -q "bad.ini:3: id" "$work/make.log"
  e2e_check "to its own outcome" test "$status" = 1
}
check_foreign_out_refused
check_second_run_waits
