#!/usr/bin/env bash
# Both dialogs at 100 % and 150 % (LogPixels 96 and 144): the picture is 400 x 300 and
# 600 x 450, whole, at the top left, taking the same share of the client area, and shows the
# picture; a preview inside a host that knows nothing of DPI still fills the host.
. "$(dirname "$0")/saver-lib.sh"
e2e_begin 1920x1080
saver=$ORVANTA_BIN/Orvanta.scr
picture=$ORVANTA_ROOT/resources/saver/dialog.bmp
WM_CLOSE=16

set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# share PART WHOLE: PART as a percentage of WHOLE, to a tenth.
share() { echo $(($1 * 1000 / $2)); }

# check_dialog NAME TITLE DPI WIDTH HEIGHT PROGRAM...: the picture control of the program's
# dialog; leaves its shares of the client area in $shares.
check_dialog() {
  local name=$1 title=$2 dpi=$3 width=$4 height=$5 id place frame
  shift 5
  "$@" &
  local pid=$!
  id=$(wait_window "$title") || { e2e_fail "$name at $dpi: no dialog"; kill $pid; return; }
  read -r -a place <<<"$(wndctl picture "$id")"
  e2e_check "$name at $dpi: the picture is ${width}x$height at the top left" \
    test "${place[*]:0:4}" = "0 0 $width $height"
  e2e_check "$name at $dpi: the client area holds it whole" \
    test "${place[2]}" -le "${place[4]}" -a "${place[3]}" -le "${place[5]}"
  shares="$(share "${place[2]}" "${place[4]}") $(share "${place[3]}" "${place[5]}")"
  frame=$(mktemp --suffix=.png)
  shows_picture() {
    capture "$frame" && [ "$(region_like "$frame" "${place[6]}" "${place[7]}" "$width" "$height" "$picture")" -le 3 ]
  }
  e2e_check "$name at $dpi: it shows the picture" wait_until 10 shows_picture
  rm -f "$frame"
  window_shot "$name-dpi$dpi" "$title"
  wndctl post "$id" $WM_CLOSE 0 0
  wait_exit $pid 10 >/dev/null
}

# near A B: two shares within 3 percentage points.
near() { [ $(($1 > $2 ? $1 - $2 : $2 - $1)) -le 30 ]; }

set_dpi 96
check_dialog saver-settings 'Orvantaスクリーンセーバー' 96 400 300 wine "$saver"
read -r width_share height_share <<<"$shares"
set_dpi 144
check_dialog saver-settings 'Orvantaスクリーンセーバー' 144 600 450 wine "$saver"
read -r width_share_144 height_share_144 <<<"$shares"
same_place() { near "$width_share" "$width_share_144" && near "$height_share" "$height_share_144"; }
e2e_check "settings at 144: the picture takes the client area's share it takes at 96" same_place
check_dialog installer 'Orvantaスクリーンセイバーインストーラー' 144 600 450 wine "$ORVANTA_BIN/installer.exe"

# The host's window is DPI-unaware: sizes in its terms and ours differ at 144.
start_preview "$saver" 152 112 unaware
e2e_check "/p at 144 in a DPI-unaware host: the saver window comes up" wait_until 20 child_of_host
host_client=$(wndctl rect "$parent" | cut -d' ' -f5-6)
e2e_check "/p at 144 in a DPI-unaware host: it fills the client area" \
  test "$(wndctl rect "$child" | cut -d' ' -f5-6)" = "$host_client"
wndctl post "$parent" $WM_CLOSE 0 0
wait_exit $pid 10 >/dev/null
wait_exit $host_pid 10 >/dev/null
