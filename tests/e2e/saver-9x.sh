#!/usr/bin/env bash
# Orvanta.scr /s where Wine reports the 9x family to it: without PASSWORD.CPL the first input
# ends the saver, with or without a screen saver password in use.
. "$(dirname "$0")/saver-lib.sh"
e2e_begin "${1:-1024x768}"
wine reg add 'HKCU\Software\Wine\AppDefaults\Orvanta.scr' /v Version /d win98 /f >/dev/null 2>&1

run_and_press_key() {
  wine "$ORVANTA_BIN/Orvanta.scr" /s &
  local pid=$!
  wait_until 20 has_saver_window || { kill $pid; return 1; }
  xdotool key a
  wait_exit $pid 10
}

e2e_check "9x, no password in use: a key ends the saver" run_and_press_key
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveUsePassword /t REG_DWORD /d 1 /f >/dev/null 2>&1
e2e_check "9x, password in use, no PASSWORD.CPL: the saver starts and a key ends it" run_and_press_key

# A password service of ours that refuses the first close and allows the next: a refusal keeps
# the saver, and movement is then measured from where the cursor was at the refusal.
cp "$E2E_TOOLS/PASSWORD.CPL" "$WINEPREFIX/drive_c/windows/system32/PASSWORD.CPL"
calls=$WINEPREFIX/drive_c/password-calls.txt
call_count() { [ -f "$calls" ] && wc -l <"$calls" || echo 0; }
calls_are() { [ "$(call_count)" -eq "$1" ]; }

xdotool mousemove 200 200
wine "$ORVANTA_BIN/Orvanta.scr" /s &
pid=$!
e2e_check "9x with a password service: the saver comes up" wait_until 20 has_saver_window
xdotool mousemove 206 200
e2e_check "a movement asks the password service once" wait_until 10 calls_are 1
e2e_check "a refused close keeps the saver" stays_for 2 process_alive $pid
e2e_check "no second call meanwhile" calls_are 1
xdotool mousemove 209 201
e2e_check "4 pixels from where the close was refused stays" stays_for 2 calls_are 1
xdotool mousemove 210 201
e2e_check "5 pixels from there asks again" wait_until 10 calls_are 2
e2e_check "an allowed close ends the saver" wait_exit $pid 10
