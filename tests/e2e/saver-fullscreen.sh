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
work=$(mktemp -d)
frame=$work/frame.png

start_saver() {
  xdotool mousemove 100 100
  wine "$ORVANTA_BIN/Orvanta.scr" /s &
  saver_pid=$!
  wait_until 20 has_saver_window
}

all_black() {
  capture "$frame" && [ "$(region_max "$frame" 0 0 "$cw" "$ch")" -eq 0 ]
}

bands_black() {
  [ $x0 -eq 0 ] && return 0
  [ "$(region_max "$frame" 0 0 $x0 "$ch")" -eq 0 ] &&
    [ "$(region_max "$frame" $((x0 + dw)) 0 $((cw - x0 - dw)) "$ch")" -eq 0 ]
}

# picture_standing PICTURE: the picture fills its place, the bands beside it are black.
picture_standing() {
  capture "$frame" && [ "$(region_lit "$frame" $x0 $y0 $dw $dh)" -ge 97 ] && bands_black &&
    [ "$(region_like "$frame" $x0 $y0 $dw $dh "$1")" -le 8 ]
}

# The dissolve (1.65 s) and the slide (0.5 s) are too short for screenshots taken one after
# another: helpers of ours watch a strip through the picture's place for each, from the
# moment picture 1 stands, and write the screen as they caught it.
watch_for() {           # watch_for dissolve|slide: starts the watcher, its pid in watcher_RULE
  local bmp=$work/$1.bmp
  wine "$E2E_TOOLS/screen-watch.exe" 30 "Z:${bmp//\//\\}" "$1" "$x0,$((y0 + dh / 2)),$dw,8" &
  printf -v "watcher_$1" %s $!
}
caught() {              # caught dissolve|slide: the watcher saw it; its capture is $frame
  local pid=watcher_$1
  wait "${!pid}" && /usr/bin/convert "$work/$1.bmp" "$frame"
}

e2e_require "the saver window comes up" start_saver
e2e_check "the show starts black" wait_until 10 all_black
cp "$frame" "$shot-1-black.png"
e2e_check "picture 1 stands at x=$x0 with black bands" wait_until 10 picture_standing "$pics/pic1.jpg"
cp "$frame" "$shot-2-picture1.png"
e2e_check "picture 1 is not picture 2" test "$(region_like "$frame" $x0 $y0 $dw $dh "$pics/pic2.jpg")" -gt 8
watch_for dissolve
watch_for slide
e2e_check "a dissolve follows the hold" caught dissolve
cp "$frame" "$shot-3-dissolve.png"
e2e_check "picture 2 slides in from the right" caught slide
cp "$frame" "$shot-4-slide.png"
e2e_check "picture 2 stands after its slide" wait_until 10 picture_standing "$pics/pic2.jpg"
cp "$frame" "$shot-5-picture2.png"
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
rm -rf "$work"
