#!/usr/bin/env bash
# A saver made with six pictures (one colour each) shown in a shuffled order, started again and
# again: within a few starts two of them open on different pictures.
#   saver-order.sh WIDTHxHEIGHT PICTURE...
. "$(dirname "$0")/saver-lib.sh"
size=$1
shift
e2e_begin "$size"
cw=${size%x*} ch=${size#*x}
work=$(mktemp -d)
e2e_require "a shuffled saver with the six pictures is made" make_picture_saver Shuffled 'hold=1\norder=shuffle\n' "$@"

# first_picture: the saver started, then the first of the pictures the centre shows (1 to 6).
lit() { first=$(colour_at $((cw / 2)) $((ch / 2))) && [ "$first" -ge 1 ] 2>/dev/null; }
first_picture() {
  xdotool mousemove 100 100
  wine "$saver" /s &
  local pid=$!
  first=""
  wait_until 30 lit
  xdotool key a
  wait_exit $pid 10 >/dev/null
  [ "$first" -ge 1 ] 2>/dev/null
}

firsts=()
differ() {
  local n
  for ((n = 0; n < 6; ++n)); do
    first_picture || return 1
    firsts+=("$first")
    [ "${firsts[0]}" != "$first" ] && return 0
  done
  return 1
}
e2e_check "two starts open on different pictures within six" differ
echo "first pictures: ${firsts[*]}"
rm -rf "$work"
