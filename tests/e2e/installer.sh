#!/usr/bin/env bash
# The installer from end to end in a fresh prefix: title, install with Enter, the success box,
# the installed file and its registration, no temporary file left (not even an interrupted
# install's), a second install, the About box, Escape; a failing install; the caption of a
# renamed copy. Saves screenshots of the main dialog and both message boxes. With E2E_WOW64
# set, a 32-bit installer in a 64-bit prefix must put the saver where a 64-bit desktop finds it.
. "$(dirname "$0")/saver-lib.sh"
e2e_begin 1280x1024

TITLE='Orvantaスクリーンセイバーインストーラー'
SUCCESS='インストールに成功しました。'
FAILURE='インストールに失敗しました。'
ABOUT='installerのﾊﾞｰｼﾞｮﾝ情報'
SYSTEM32=$WINEPREFIX/drive_c/windows/system32
DESKTOP_KEY='HKCU\Control Panel\Desktop'
# Where a program of the installer's width keeps its folder and its uninstall entry.
case "$ORVANTA_WINEARCH:${E2E_WOW64:-}" in
  win64:1) PROGRAM_FILES='Program Files (x86)' REG_VIEW=/reg:32 ;;
  win32:*) PROGRAM_FILES='Program Files' REG_VIEW=/reg:32 ;;
  *) PROGRAM_FILES='Program Files' REG_VIEW=/reg:64 ;;
esac
# 8.3-valid already, so the short form is the path itself.
SHORT_PATH='C:\windows\system32\Orvanta.scr'

# press TITLE KEY: focuses the window titled TITLE and presses KEY (two commands, since the
# window may be gone before a chained xdotool would let go of it).
press() { focus "^$1\$" && xdotool key "$2"; }

box_text() { window_children "$(window_id "$1")" | awk -F'\t' '$1 == 65535 { print $4 }'; }
box_says() { [ "$(box_text "$1")" = "$2" ]; }
buttons_ready() {
  local children
  children=$(window_children "$(window_id "$TITLE")")
  grep -qP '^1\tButton\t1\t' <<<"$children" && grep -qP '^2\tButton\t1\t' <<<"$children"
}
registered() { wine reg query "$DESKTOP_KEY" /v SCRNSAVE.EXE 2>/dev/null | tr -d '\r' | awk '$1 == "SCRNSAVE.EXE" { print $2, $3 }'; }
active() { wine reg query "$DESKTOP_KEY" /v ScreenSaveActive 2>/dev/null | tr -d '\r' | awk '$1 == "ScreenSaveActive" { print $3 }'; }
forget_registration() { wine reg delete "$DESKTOP_KEY" /v SCRNSAVE.EXE /f >/dev/null 2>&1 || true; }
no_temp_files() { [ -z "$(find "$SYSTEM32" -maxdepth 1 -iname 'orv*.tmp')" ]; }

# install_once CAPTION TEXT [SHOT]: Enter on the main dialog, the box CAPTION says TEXT, Enter
# dismisses it and the main dialog is ready again.
install_once() {
  e2e_check "Enter starts an install" press "$TITLE" Return
  e2e_check "a box captioned '$1' appears" wait_until 30 has_window "$1"
  e2e_check "it says $2" box_says "$1" "$2"
  [ -z "${3:-}" ] || window_shot "$3" "$1"
  e2e_check "Enter dismisses the box" press "$1" Return
  e2e_check "the box is gone" wait_until 20 no_window "$1"
  e2e_check "both buttons work again" wait_until 20 buttons_ready
}

# leave PID [CODE]: Escape ends the program at once, with no message; the exit code is the
# outcome of the last install (default 0).
leave() {
  local rc=0
  e2e_check "Escape ends the program" press "$TITLE" Escape
  wait_exit "$1" 20 || rc=$?
  e2e_check "it exits with ${2:-0} and no box holds it" [ "$rc" -eq "${2:-0}" ]
}

echo "# install, install again, leave"
# What an install that ended half-way would have left.
echo half >"$SYSTEM32/orv1A2B.tmp"
wine reg add "$DESKTOP_KEY" /v ScreenSaveActive /d 0 /f >/dev/null 2>&1
wine "$ORVANTA_BIN/installer.exe" &
pid=$!
e2e_require "the main dialog comes up with its title as text" wait_until 30 has_window "$TITLE"
e2e_check "both buttons are enabled" buttons_ready
window_shot installer-main "$TITLE"
install_once installer "$SUCCESS" installer-success
e2e_check "the installed saver is the built one, byte for byte" cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/Orvanta.scr"
e2e_check "SCRNSAVE.EXE holds the short path as REG_SZ" [ "$(registered)" = "REG_SZ $SHORT_PATH" ]
e2e_check "no temporary file of ours is left in the system directory" no_temp_files
e2e_check "the saver is left active" [ "$(active)" = 1 ]
e2e_check "the uninstall entry is written" \
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanta' /v UninstallString $REG_VIEW
e2e_check "the uninstaller is in place" [ -f "$WINEPREFIX/drive_c/$PROGRAM_FILES/Orvanta/uninstall.exe" ]
if [ -n "${E2E_WOW64:-}" ]; then
  e2e_check "under WOW64 nothing went to syswow64" [ ! -e "$WINEPREFIX/drive_c/windows/syswow64/Orvanta.scr" ]
  # Started by the registered path the way the desktop does: Wine looks for it in the native
  # system directory.
  wine "$SHORT_PATH" /s &
  saver_pid=$!
  e2e_check "the registered saver starts from there" wait_until 20 has_saver_window
  xdotool key space
  e2e_check "a key ends it" wait_exit $saver_pid 20
fi
rm -f "$SYSTEM32/Orvanta.scr"
install_once installer "$SUCCESS"
e2e_check "the second install wrote the saver again" cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/Orvanta.scr"
e2e_check "system command 31 opens the About box" wndctl post "$(window_id "$TITLE")" 0x112 31 0
e2e_check "the About box comes up" wait_until 20 has_window "$ABOUT"
e2e_check "Enter closes it" press "$ABOUT" Return
e2e_check "the About box is gone" wait_until 20 no_window "$ABOUT"
leave $pid

echo "# a failing install registers nothing"
rm -f "$SYSTEM32/Orvanta.scr"
mkdir "$SYSTEM32/Orvanta.scr"
forget_registration
wine "$ORVANTA_BIN/installer.exe" &
pid=$!
e2e_check "the main dialog comes up" wait_until 30 has_window "$TITLE"
install_once installer "$FAILURE" installer-failure
e2e_check "nothing is registered" [ -z "$(registered)" ]
leave $pid 1
rmdir "$SYSTEM32/Orvanta.scr"

echo "# a renamed copy captions its boxes with its own name"
cp "$ORVANTA_BIN/installer.exe" "$WINEPREFIX/drive_c/Orvanta-Setup.exe"
wine 'C:\Orvanta-Setup.exe' &
pid=$!
e2e_check "the main dialog comes up" wait_until 30 has_window "$TITLE"
install_once Orvanta-Setup "$SUCCESS"
e2e_check "replacing the saver left no copy of the old one" no_temp_files
leave $pid
echo "screenshots: $E2E_SHOTS/installer-main.png, installer-success.png, installer-failure.png"
