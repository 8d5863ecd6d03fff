#!/usr/bin/env bash
# Orvanta.scr /s on a screen of the given size: the black start, picture 1 standing with its
# bands, a dissolve under way, picture 2 after the next slide-in; then what ends it: a mouse
# movement beyond 4 pixels (not 4 itself), a key, a mouse button.
#   saver-fullscreen.sh WIDTHxHEIGHT
. "$(dirname "$0")/saver-lib.sh"
size=${1:-1920x1080}
e2e_begin "$size"
cw=${size%x*} ch=${size#*x}
pics=$ORVANTA_ROOT/resources/saver

# Where a 1024 x 768 picture lands: largest fit, centred.
dw=$cw dh=$((cw * 768 / 1024))
if [ $dh -gt $ch ]; then dh=$ch dw=$((ch * 1024 / 768)); fi
x0=$(((cw - dw) / 2)) y0=$(((ch - dh) / 2))
shot=$E2E_SHOTS/saver-$size
frame=$(mktemp -d)/frame.png

start_saver() {
  xdotool mousemove 100 100
  wine "$ORVANTA_BIN/Orvanta.scr" /s &
  saver_pid=$!
  wait_until 20 has_saver_window
}

all_black() {
  capture "$frame" && [ "$(region_max "$frame" 0 0 "$cw" "$ch")" -eq 0 ]
}

bands_black() {         # bands_black FILE
  [ $x0 -eq 0 ] && return 0
  [ "$(region_max "$1" 0 0 $x0 "$ch")" -eq 0 ] &&
    [ "$(region_max "$1" $((x0 + dw)) 0 $((cw - x0 - dw)) "$ch")" -eq 0 ]
}

# picture_in FILE PICTURE: the picture fills its place, the bands beside it are black.
picture_in() {
  [ "$(region_lit "$1" $x0 $y0 $dw $dh)" -ge 97 ] && bands_black "$1" &&
    [ "$(region_like "$1" $x0 $y0 $dw $dh "$2")" -le 8 ]
}

picture_standing() { capture "$frame" && picture_in "$frame" "$1"; }

# The first column of the middle row of FILE that is not black; -1 when the row is all black.
first_lit_column() {
  /usr/bin/convert "$1" -crop "${cw}x1+0+$((ch / 2))" -depth 8 txt:- 2>/dev/null |
    awk -F'[,:]' 'NR > 1 && $0 !~ /#000000/ { print $1; found = 1; exit } END { if (!found) print -1 }'
}

# A picture on its way in: black from the left edge to well right of its place.
sliding() {
  local x
  x=$(first_lit_column "$1") && [ "$x" -gt $((x0 + dw / 10)) ]
}

dissolving() {
  local lit
  lit=$(region_lit "$1" $x0 $y0 $dw $dh) && [ "$lit" -ge 10 ] && [ "$lit" -le 90 ]
}

# The dissolve (1.65 s) and the slide (0.55 s) are too short for a screenshot per poll: one
# recording from the hold of picture 1 into the 10 s hold of picture 2 keeps every frame
# between. It stops once the screen has stood still for 5 s, or after 60 s.
recording=$(mktemp -d)
record_show() { wndctl record "Z:$recording" 60000 5000 >/dev/null; }
frames() { ls "$recording"/*.bmp 2>/dev/null; }

# first_frame TEST [AFTER]: the first recorded frame past AFTER for which TEST holds.
first_frame() {
  local f
  for f in $(frames); do
    [[ -z "${2:-}" || "$f" > "$2" ]] && "$1" "$f" && { echo "$f"; return 0; }
  done
  return 1
}

# last_frame TEST AFTER: the last recorded frame past AFTER for which TEST holds.
last_frame() {
  local f
  for f in $(frames | tac); do
    [[ "$f" > "$2" ]] || return 1
    "$1" "$f" && { echo "$f"; return 0; }
  done
  return 1
}

e2e_require "the saver window comes up" start_saver
e2e_check "the show starts black" wait_until 10 all_black
cp "$frame" "$shot-1-black.png"
e2e_check "picture 1 stands at x=$x0 with black bands" wait_until 10 picture_standing "$pics/pic1.jpg"
cp "$frame" "$shot-2-picture1.png"
e2e_check "picture 1 is not picture 2" test "$(region_like "$frame" $x0 $y0 $dw $dh "$pics/pic2.jpg")" -gt 8
e2e_check "the show moves on after the hold and comes to rest again" record_show
# The recording ends inside the hold of picture 2, so its last frame shows that hold.
last=$(frames | tail -1)
e2e_check "picture 2 stands after its slide ($(frames | wc -l) frames)" picture_in "$last" "$pics/pic2.jpg"
/usr/bin/convert "$last" "$shot-5-picture2.png"
dissolve=$(first_frame dissolving) && /usr/bin/convert "$dissolve" "$shot-3-dissolve.png"
e2e_check "a dissolve follows the hold" test -n "$dissolve"
# The slide's frames are the last ones before the hold: look from the end.
slide=$(last_frame sliding "$dissolve") && /usr/bin/convert "$slide" "$shot-4-slide.png"
e2e_check "picture 2 slides in from the right" test -n "$slide"
[ "$E2E_FAILURES" -eq 0 ] || { rm -rf "$shot-recording"; cp -r "$recording" "$shot-recording"; }
/usr/bin/convert "$shot-3-dissolve.png" "$shot-4-slide.png" "$shot-2-picture1.png" "$shot-5-picture2.png" \
  -resize 480x -bordercolor gray50 -border 2 +append "$shot-strip.png"

xdotool mousemove 103 101
e2e_check "a movement of 4 pixels leaves it running" stays_for 2 process_alive $saver_pid
xdotool mousemove 104 101
e2e_check "a movement of 5 pixels ends it" wait_exit $saver_pid 10

e2e_require "the saver starts again" start_saver
xdotool key a
e2e_check "a key ends it" wait_exit $saver_pid 10

e2e_require "the saver starts again" start_saver
xdotool click 1
e2e_check "a mouse button ends it" wait_exit $saver_pid 10
rm -rf "$recording" "$(dirname "$frame")"
