#!/usr/bin/env bash
# A saver made with six pictures of other sizes and shapes (one colour each) and a hold of one
# second, /s on a screen of the given size: the pictures stand one after another in their
# order, each fitted on its own, and the show comes back to the first.
#   saver-pictures.sh WIDTHxHEIGHT PICTURE...
. "$(dirname "$0")/saver-lib.sh"
size=$1
shift
e2e_begin "$size"
cw=${size%x*} ch=${size#*x}
work=$(mktemp -d)
e2e_require "a saver with the six pictures is made" make_picture_saver Pictures 'hold=1\n' "$@"

# The pictures the centre of the screen shows, each once as it comes, until seven have come.
shown=""
follow_show() {
  local last="" n=0 now
  local deadline=$((SECONDS + 60))
  while [ $n -lt 7 ] && [ $SECONDS -lt $deadline ]; do
    now=$(colour_at $((cw / 2)) $((ch / 2)))
    case $now in
    [1-6])
      if [ "$now" != "$last" ]; then
        shown+="$now " last=$now n=$((n + 1))
        # The portrait stands between black side bands, the panorama between bands above and below.
        [ "$now" = 2 ] && side=$(colour_at 10 $((ch / 2)))
        [ "$now" = 3 ] && top=$(colour_at $((cw / 2)) 10)
      fi
      ;;
    esac
  done
  [ "$shown" = "1 2 3 4 5 6 1 " ]
}

start_saver() {
  xdotool mousemove 100 100
  wine "$saver" /s &
  saver_pid=$!
  wait_until 20 has_saver_window
}
e2e_require "the saver window comes up" start_saver
e2e_check "the pictures stand in order and the show returns to the first" follow_show
echo "shown: $shown"
e2e_check "the portrait stands between black bands at the sides" test "${side:-}" = 0
e2e_check "the panorama stands between black bands above and below" test "${top:-}" = 0
xdotool key a
e2e_check "a key ends it" wait_exit $saver_pid 10
rm -rf "$work"
