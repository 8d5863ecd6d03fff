#!/usr/bin/env bash
# Orvanta.scr /s where Wine reports the 9x family to it: without PASSWORD.CPL the first input
# ends the saver, with or without a screen saver password in use.
. "$(dirname "$0")/../../scripts/lib/e2e.sh"
e2e_begin 1024x768
wine reg add 'HKCU\Software\Wine\AppDefaults\Orvanta.scr' /v Version /d win98 /f >/dev/null 2>&1

saver_window() {
  wndctl list | awk -F'\t' '$1 !~ /^ / && $4 == 1 && $3 ~ /^OrvWnd/ { print $1; exit }'
}
has_saver_window() { [ -n "$(saver_window)" ]; }

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
