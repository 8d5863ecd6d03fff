#!/usr/bin/env bash
# The 32-bit Orvanta.scr where Wine reports Windows 98 to it, under the Japanese code page, so
# that its A calls convert through code page 932: /s comes up full screen and shows picture 1;
# without PASSWORD.CPL the first input ends it, with or without a password in use; with a
# password service of ours, a refused close keeps it and movement is measured from there; /c
# shows the settings dialog with its picture and credit; /a asks MPR's password change. Every
# run is traced, and none may call a 9x stub from the saver's image.
. "$(dirname "$0")/saver-lib.sh"
size=${1:-1024x768}
e2e_begin "$size"
saver=$ORVANTA_BIN/Orvanta.scr
caption='Orvantaスクリーンセーバー'
wine_env_win98 Orvanta.scr
relay_begin
frame=$WINE_RUN_DIR/frame.png

full_screen() { [ "$(wndctl rect "$(saver_window)" | cut -d' ' -f1-4)" = "0 0 ${size%x*} ${size#*x}" ]; }
# The 4:3 screen holds the 4:3 picture whole.
picture1_shown() {
  capture "$frame" && [ "$(region_like "$frame" 0 0 "${size%x*}" "${size#*x}" "$ORVANTA_ROOT/resources/saver/pic1.jpg")" -le 8 ]
}

run_and_press_key() {
  relay_wine "$saver" /s &
  local pid=$!
  wait_until 30 has_saver_window || { kill $pid; return 1; }
  xdotool key a
  wait_exit $pid 10
}

relay_wine "$saver" /s &
pid=$!
e2e_require "/s: the saver window comes up" wait_until 30 has_saver_window
e2e_check "/s: it covers the screen" full_screen
e2e_check "/s: picture 1 stands" wait_until 30 picture1_shown
xdotool key a
e2e_check "no password in use: a key ends the saver" wait_exit $pid 10
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveUsePassword /t REG_DWORD /d 1 /f >/dev/null 2>&1
e2e_check "password in use, no PASSWORD.CPL: the saver starts and a key ends it" run_and_press_key

# A password service of ours that refuses the first close and allows the next: a refusal keeps
# the saver, and movement is then measured from where the cursor was at the refusal.
cp "$E2E_TOOLS/PASSWORD.CPL" "$WINEPREFIX/drive_c/windows/system32/PASSWORD.CPL"
calls=$WINEPREFIX/drive_c/password-calls.txt
call_count() { [ -f "$calls" ] && wc -l <"$calls" || echo 0; }
calls_are() { [ "$(call_count)" -eq "$1" ]; }

xdotool mousemove 200 200
relay_wine "$saver" /s &
pid=$!
e2e_check "with a password service: the saver comes up" wait_until 30 has_saver_window
xdotool mousemove 206 200
e2e_check "a movement asks the password service once" wait_until 10 calls_are 1
e2e_check "a refused close keeps the saver" stays_for 2 process_alive $pid
e2e_check "no second call meanwhile" calls_are 1
xdotool mousemove 209 201
e2e_check "4 pixels from where the close was refused stays" stays_for 2 calls_are 1
xdotool mousemove 210 201
e2e_check "5 pixels from there asks again" wait_until 10 calls_are 2
e2e_check "an allowed close ends the saver" wait_exit $pid 10

relay_wine "$saver" /c &
pid=$!
id=$(wait_window "$caption" 30)
e2e_check "/c: the settings dialog comes up with its caption" test -n "$id"
e2e_check "/c: it holds OK, the picture and the credit line" \
  test "$(window_children "$id" | awk -F'\t' '{ print $2 }' | tr '\n' ' ')" = "Button Static Static "
e2e_check "/c: the credit reads in Japanese" \
  grep -qxF '(C) Orvanta 制作グループ' <<<"$(window_children "$id" | awk -F'\t' '{ print $4 }')"
e2e_check "/c: the picture is there, 400 x 300" test "$(wndctl picture "$id" | cut -d' ' -f3-4)" = "400 300"
window_shot saver-settings-9x "$caption"
focus "^$caption\$" && xdotool key Return
e2e_check "/c: Enter ends it" wait_exit $pid 10

# MPR's password change, ours in place of Wine's.
cp "$E2E_TOOLS/MPR.DLL" "$WINEPREFIX/drive_c/windows/system32/mpr.dll"
start_host 300 200
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mpr=n" relay_wine "$saver" /a "$host_window" &
pid=$!
e2e_check "/a: ends once the password change returns" wait_exit $pid 20
e2e_check "/a: asked MPR for the screen saver's password, owned by the named window" \
  test "$(tr -d '\r' <"$WINEPREFIX/drive_c/mpr-calls.txt" 2>/dev/null)" = "SCRSAVE 1"
wndctl post "$host_window" 16 0 0
wait_exit $host_pid 10 >/dev/null

e2e_check "no run called a 9x stub from the saver's image" relay_check "$saver"
