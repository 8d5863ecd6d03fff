#!/usr/bin/env bash
# Orvanta.scr's other run modes: the preview inside a window of ours, the settings dialog
# (/c and no switch), the 800 x 600 test window (/l), the password change (/a), switches
# that make nothing (/x, a lone /, /p naming no window), and each mode started with the
# command lines that the desktop uses.
. "$(dirname "$0")/saver-lib.sh"
size=${1:-1024x768}
e2e_begin "$size"
saver=$ORVANTA_BIN/Orvanta.scr
caption='Orvantaスクリーンセーバー'
WM_CLOSE=16 WM_SYSCOMMAND=274 SC_CLOSE=61536

# --- preview: a child filling the host's client area, deaf to input, gone with its host
start_preview "$saver" 152 112
e2e_check "/p: the saver window is a child of the preview window" wait_until 20 child_of_host
e2e_check "/p: it fills the client area, 152 x 112" test "$(wndctl rect "$child" | awk '{ print $5 "x" $6 }')" = 152x112
focus '^Preview$' && xdotool key a click 1
xdotool mousemove 300 300
e2e_check "/p: input leaves it running" stays_for 2 process_alive $pid
wndctl post "$parent" $WM_CLOSE 0 0
e2e_check "/p: it ends with its parent" wait_exit $pid 10
wait_exit $host_pid 10 >/dev/null

wine "$saver" /p 1234567 &
pid=$!
e2e_check "/p naming no window: the program ends at once" wait_exit $pid 10
e2e_check "/p naming no window: no window appeared" no_saver_window

# --- settings dialog: Enter, Escape and the close box each end it and the program
dialog_closes_with() {   # dialog_closes_with ARGS -- how
  local args=$1 how=$2 id
  wine "$saver" $args &
  local pid=$!
  id=$(wait_window "$caption") || { kill $pid; return 1; }
  case $how in
    enter) focus "^$caption\$" && xdotool key Return ;;
    escape) focus "^$caption\$" && xdotool key Escape ;;
    close) wndctl post "$id" $WM_SYSCOMMAND $SC_CLOSE 0 ;;
  esac
  wait_exit $pid 10
}
e2e_check "no switch: the settings dialog ends with Enter" dialog_closes_with "" enter
e2e_check "/c: the settings dialog ends with Escape" dialog_closes_with /c escape
e2e_check "/c: the settings dialog ends with the close box" dialog_closes_with /c close

wine "$saver" &
pid=$!
id=$(wait_window "$caption")
e2e_check "the dialog holds OK, the picture and the credit line" \
  test "$(window_children "$id" | awk -F'\t' '{ print $2 }' | tr '\n' ' ')" = "Button Static Static "
window_shot "saver-settings-$size" "$caption"
e2e_check "without a switch the dialog has no owner" test "$(wndctl info "$id" | cut -f1)" = 0
wndctl post "$id" $WM_CLOSE 0 0
wait_exit $pid 10 >/dev/null

# /c belongs to the window that was in the foreground, which takes no input meanwhile.
start_host 300 200
owner=$host_window
focus '^Preview$'
wine "$saver" /c &
pid=$!
id=$(wait_window "$caption")
e2e_check "/c: the dialog belongs to the foreground window" test "$(wndctl info "$id" | cut -f1)" = "$owner"
e2e_check "/c: the owner is disabled meanwhile" test "$(wndctl info "$owner" | cut -f2)" = 0
wndctl post "$id" $WM_CLOSE 0 0
wait_exit $pid 10 >/dev/null
e2e_check "/c: the owner is enabled again" test "$(wndctl info "$owner" | cut -f2)" = 1
wndctl post "$owner" $WM_CLOSE 0 0
wait_exit $host_pid 10 >/dev/null

# --- /l: an 800 x 600 window titled ScreenSaver that input does not close
wine "$saver" /l &
pid=$!
id=$(wait_window ScreenSaver)
e2e_check "/l: the test window comes up" test -n "$id"
e2e_check "/l: it is 800 x 600 at the top left" test "$(wndctl rect "$id" | cut -d' ' -f1-4)" = "0 0 800 600"
focus '^ScreenSaver$' && xdotool key a
xdotool mousemove 400 300 click 1 mousemove 500 400
e2e_check "/l: input leaves it running" stays_for 2 process_alive $pid
screenshot "saver-windowed-$size"
wndctl post "$id" $WM_SYSCOMMAND $SC_CLOSE 0
e2e_check "/l: SC_CLOSE closes it and ends the program" wait_exit $pid 10

# --- switches that make nothing, and the password change without its service
for args in /x / -1; do
  wine "$saver" $args &
  pid=$!
  e2e_check "$args: the program ends at once" wait_exit $pid 10
  e2e_check "$args: no window appeared" no_saver_window
done
wine "$saver" /a 1234 &
pid=$!
e2e_check "/a: ends without a crash where the password service is missing" wait_exit $pid 10

# --- as the desktop starts it: the registered path quoted and in capitals, /c:N, /p N
cp "$saver" "$WINEPREFIX/drive_c/windows/system32/Orvanta.scr"
desktop='"C:\WINDOWS\SYSTEM32\ORVANTA.SCR"'
exit_code "$desktop" /S >/dev/null &
pid=$!
e2e_check "$desktop /S: the show fills the screen" wait_until 20 eval \
  '[ "$(wndctl rect "$(saver_window)" | cut -d" " -f5)x$(wndctl rect "$(saver_window)" | cut -d" " -f6)" = "$size" ]'
xdotool key space
e2e_check "$desktop /S: a key ends it" wait_exit $pid 20
start_host 300 200
parent=$host_window
exit_code "$desktop" "/c:$parent" >/dev/null &
pid=$!
id=$(wait_window "$caption")
e2e_check "/c:N: the settings dialog belongs to window N" test "$(wndctl info "$id" | cut -f1)" = "$parent"
wndctl post "$id" $WM_CLOSE 0 0
wait_exit $pid 10 >/dev/null
exit_code "$desktop" /p "$parent" >/dev/null &
pid=$!
e2e_check "/p N: the preview is a child of window N" wait_until 20 child_of_host
wndctl post "$parent" $WM_CLOSE 0 0
e2e_check "/p N: it ends with its parent" wait_exit $pid 10
wait_exit $host_pid 10 >/dev/null
