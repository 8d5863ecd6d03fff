#!/usr/bin/env bash
# Orvanta.scr /s over several monitors (Xephyr heads side by side, a white desktop): one window
# over the virtual screen; on every monitor the picture fitted to it with black bands, the same
# picture on all, a dissolve under way on all at one moment, the next picture on all; a movement
# of 5 pixels and a key still end it.
#   saver-monitors.sh WxH,WxH,...
. "$(dirname "$0")/saver-lib.sh"
layout=$1
e2e_begin "$layout"
pics=$ORVANTA_ROOT/resources/saver
bounds=$(layout_bounds "$layout")
mapfile -t heads < <(layout_heads "$layout")
work=$(mktemp -d)
# A memory-mapped pixel cache: every check reads the whole capture again.
frame=$work/frame.mpc
shot=$E2E_SHOTS/saver-monitors-${layout//,/+}

# fit X Y W H: where a 1024 x 768 picture lands on that monitor, "X Y W H" on the screen.
fit() {
  local dw=$3 dh=$(($3 * 768 / 1024))
  if [ $dh -gt "$4" ]; then dh=$4 dw=$(($4 * 1024 / 768)); fi
  echo $(($1 + ($3 - dw) / 2)) $(($2 + ($4 - dh) / 2)) $dw $dh
}

# every_head CHECK: runs "CHECK X Y W H" for each monitor on the one capture in $frame.
every_head() {
  local head
  for head in "${heads[@]}"; do
    # shellcheck disable=SC2086
    "$1" $head || return 1
  done
}

head_white() { [ "$(region_max "$frame" "$@")" -eq 255 ] && [ "$(region_lit "$frame" "$@")" -eq 100 ]; }
# outside_black X Y W H PX PY PW PH: on the monitor X Y W H, everything but the picture's place
# PX PY PW PH is black.
outside_black() {
  [ "$(/usr/bin/convert "$frame" -crop "$3x$4+$1+$2" +repage -fill black \
    -draw "rectangle $(($5 - $1)),$(($6 - $2)) $(($5 - $1 + $7 - 1)),$(($6 - $2 + $8 - 1))" \
    -format '%[fx:int(255*maxima)]' info:)" -eq 0 ]
}

# head_standing X Y W H: picture $picture fills its place and everything else on the monitor
# is black: the bands beside it, and above and below it what the dissolve left, so nothing
# of the desktop shows.
head_standing() {
  local place
  place=$(fit "$@")
  # shellcheck disable=SC2086
  [ "$(region_lit "$frame" $place)" -ge 97 ] && outside_black "$@" $place &&
    [ "$(region_like "$frame" $place "$picture")" -le 8 ]
}

all_standing() { picture=$1 && capture "$frame" && every_head head_standing; }

start_saver() {
  xdotool mousemove 100 100
  wine "$ORVANTA_BIN/Orvanta.scr" /s &
  saver_pid=$!
  wait_until 20 has_saver_window
}

expected_monitors=$(for head in "${heads[@]}"; do read -r x y w h <<<"$head"; echo "$x $y $((x + w)) $((y + h))"; done
  echo "0 0 ${bounds%x*} ${bounds#*x}")
e2e_check "Wine sees one monitor per head" test "$(wndctl monitors)" = "$expected_monitors"
e2e_check "the desktop is white on every monitor" eval 'capture "$frame" && every_head head_white'

e2e_check "the saver window comes up" start_saver
e2e_check "one window covers the virtual screen" \
  test "$(wndctl rect "$(saver_window)")" = "0 0 ${bounds%x*} ${bounds#*x} ${bounds%x*} ${bounds#*x}"
e2e_check "picture 1 stands on every monitor, fitted, with black bands" wait_until 15 all_standing "$pics/pic1.jpg"
/usr/bin/convert "$frame" "$shot-1-picture1.png"

# An 8-row strip of every picture at one height, taken at one moment: the 8 x 8 pattern shows
# in it whole.
strips=() top=0 bottom=100000
for head in "${heads[@]}"; do
  # shellcheck disable=SC2086
  read -r px py pw ph <<<"$(fit $head)"
  [ $py -gt $top ] && top=$py
  [ $((py + ph)) -lt $bottom ] && bottom=$((py + ph))
done
for head in "${heads[@]}"; do
  # shellcheck disable=SC2086
  read -r px py pw ph <<<"$(fit $head)"
  strips+=("$px,$(((top + bottom) / 2)),$pw,8")
done
e2e_check "a dissolve is under way on every monitor at one moment" \
  wine "$E2E_TOOLS/screen-watch.exe" 15 "Z:${work//\//\\}\\dissolve.bmp" dissolve "${strips[@]}"
e2e_check "picture 2 stands on every monitor after the dissolve" wait_until 15 all_standing "$pics/pic2.jpg"
/usr/bin/convert "$frame" "$shot-3-picture2.png"

xdotool mousemove 104 101
e2e_check "a movement of 5 pixels ends it" wait_exit $saver_pid 10
e2e_check "the saver starts again" start_saver
xdotool key a
e2e_check "a key ends it" wait_exit $saver_pid 10
rm -rf "$work"
