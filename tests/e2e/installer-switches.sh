#!/usr/bin/env bash
# The installer's switches, exit codes, uninstall entry and uninstaller from end to end, one
# case per fresh prefix: installer-switches.sh CASE.
. "$(dirname "$0")/../tools/e2e.sh"
e2e_begin 1280x1024

TITLE='Orvantaスクリーンセイバーインストーラー'
SYSTEM32=$WINEPREFIX/drive_c/windows/system32
FOLDER=$WINEPREFIX/drive_c/'Program Files'/Orvanta
DESKTOP_KEY='HKCU\Control Panel\Desktop'
ENTRY_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanta'
RECORD_KEY='HKCU\Software\Orvanta'
POLICY_KEY='HKCU\Software\Policies\Microsoft\Windows\Control Panel\Desktop'
SHORT_PATH='C:\windows\system32\Orvanta.scr'
OTHER_SAVER='C:\windows\system32\other.scr'
TRACE=$WINE_RUN_DIR/trace.log

# value KEY NAME: "TYPE DATA" of a value, or nothing. The entry lives in the 64-bit view.
value() {
  wine reg query "$1" /v "$2" /reg:64 2>/dev/null | tr -d '\r' | iconv -f CP932 -t UTF-8 |
    awk -v n="$2" '$1 == n { sub(/^ *[^ ]+ +/, ""); sub(/ +/, " "); print }'
}
key_exists() { wine reg query "$1" /reg:64 >/dev/null 2>&1; }
key_gone() { ! key_exists "$1"; }
# Everything an install or uninstall may change, for "changes nothing" checks.
state() {
  local k
  for k in "$DESKTOP_KEY" "$ENTRY_KEY" "$RECORD_KEY"; do
    echo "[$k]"
    wine reg query "$k" /s /reg:64 2>/dev/null | tr -d '\r'
  done
  ls -la --time-style=+ "$SYSTEM32/Orvanta.scr" "$FOLDER" 2>&1
}
# The temporary copy that the uninstaller started to remove it, as a path here.
cleanup_copy() {
  local path
  path=$(grep -o 'CreateProcessInternalW app L"C:[^"]*" cmdline L".*/cleanup' "$TRACE" | head -n 1 |
    sed 's/.*app L"C:\\\\\(.*\)" cmdline.*/\1/')
  [ -z "$path" ] || echo "$WINEPREFIX/drive_c/${path//\\\\//}"
}
copy_gone() { [ -n "$COPY" ] && [ ! -e "$COPY" ]; }
# Wine names a process after its command line: the cleanup copy's holds "/cleanup N".
copy_running() { pgrep -f ' /cleanup ' >/dev/null; }
folder_gone() { [ ! -e "$FOLDER" ]; }

# traced ARGS...: runs the installer with window and process traces in $TRACE; returns its
# exit code. The desktop is up already, so every line traced is the installer's own.
traced() {
  wndctl list >/dev/null
  WINEDEBUG=+win,+process wine "$ORVANTA_BIN/installer.exe" "$@" 2>"$TRACE"
}
no_window_made() { ! grep -q 'WIN_CreateWindowEx' "$TRACE"; }
nothing_started() { ! grep -qi 'control\.exe' "$TRACE"; }

exits_with() {          # exits_with CODE PID
  local rc=0
  wait_exit "$2" 30 || rc=$?
  [ "$rc" -eq "$1" ]
}
is() { [ "$1" = "$2" ]; }

box_text() { window_children "$(window_id "$1")" | awk -F'\t' '$1 == 65535 { print $4 }'; }
# The saver from before is a file that is there: an uninstall names none that is not.
set_other_saver() { : >"$SYSTEM32/other.scr" && wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d "$OTHER_SAVER" /f >/dev/null 2>&1; }

# install_through_dialog PROGRAM CAPTION [TEXT]: installs with the dialog's button, traced,
# closes the success box captioned CAPTION (saying TEXT, the plain success by default), then
# leaves; the run must exit 0.
install_through_dialog() {
  wndctl list >/dev/null
  WINEDEBUG=+process wine "$1" 2>"$TRACE" &
  local pid=$! caption=$2 text=${3:-インストールに成功しました。}
  e2e_check "the main dialog comes up" wait_until 30 has_window "$TITLE"
  e2e_check "its install button is pressed" wndctl post "$(window_id "$TITLE")" 0x111 1 0
  e2e_check "the box says the install succeeded: $text" wait_until 30 eval \
    '[ "$(box_text "$caption")" = "$text" ]'
  e2e_check "Enter closes it" wndctl post "$(window_id "$caption")" 0x111 1 0
  e2e_check "the main dialog is ready again" wait_until 30 no_window "$caption"
  e2e_check "its exit button is pressed" wndctl post "$(window_id "$TITLE")" 0x111 2 0
  e2e_check "the run exits 0" exits_with 0 $pid
}

silent_install() {
  local rc=0
  traced /S || rc=$?
  e2e_check "a silent install exits 0" is "$rc" 0
}

# resource_text ID: the installer's string resource ID.
resource_text() { wndctl string "$(winepath -w "$ORVANTA_BIN/installer.exe")" "$1"; }

# run_entry_command NAME: starts the entry's command line in the background, traced.
run_entry_command() {
  local cmd
  cmd=$(value "$ENTRY_KEY" "$1" | sed 's/^REG_SZ //')
  eval "set -- $cmd"
  wndctl list >/dev/null
  WINEDEBUG=+process wine "$@" 2>"$TRACE" &
}

# the_uninstaller_is_gone: its folder and the temporary copy that removed it.
the_uninstaller_is_gone() {
  e2e_check "the uninstaller's folder goes" wait_until 30 folder_gone
  COPY=$(cleanup_copy)
  e2e_check "it was removed by a temporary copy ($COPY)" [ -n "$COPY" ]
  e2e_check "which goes too" wait_until 30 copy_gone
}

case "$1" in
silent)
  set_other_saver
  # As after choosing "(None)" in the control panel.
  wine reg add "$DESKTOP_KEY" /v ScreenSaveActive /d 0 /f >/dev/null 2>&1
  silent_install
  e2e_check "it made no window" no_window_made
  e2e_check "it started no EXECFILE" nothing_started
  e2e_check "the saver is the built one" cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/Orvanta.scr"
  e2e_check "SCRNSAVE.EXE names it" is "$(value "$DESKTOP_KEY" SCRNSAVE.EXE)" "REG_SZ $SHORT_PATH"
  e2e_check "ScreenSaveActive is 1" is "$(value "$DESKTOP_KEY" ScreenSaveActive)" "REG_SZ 1"
  e2e_check "the replaced saver is recorded" \
    is "$(value "$RECORD_KEY\\PreviousScreenSaver" SCRNSAVE.EXE)" "REG_SZ $OTHER_SAVER"
  e2e_check "the uninstaller is this installer" cmp -s "$ORVANTA_BIN/installer.exe" "$FOLDER/uninstall.exe"
  uninstaller='"C:\Program Files\Orvanta\uninstall.exe" /uninstall'
  size_kb=$(( ($(stat -c %s "$SYSTEM32/Orvanta.scr") + $(stat -c %s "$FOLDER/uninstall.exe") + 1023) / 1024 ))
  # The values themselves are the native table's; here what only the real entry shows: the
  # texts read back wide, the size of the files as installed, the command the next cases run.
  e2e_check "DisplayName" is "$(value "$ENTRY_KEY" DisplayName)" 'REG_SZ Orvantaスクリーンセイバー'
  e2e_check "Publisher" is "$(value "$ENTRY_KEY" Publisher)" 'REG_SZ Orvanta 制作グループ'
  e2e_check "EstimatedSize" is "$(value "$ENTRY_KEY" EstimatedSize)" "$(printf 'REG_DWORD 0x%x' "$size_kb")"
  e2e_check "UninstallString" is "$(value "$ENTRY_KEY" UninstallString)" "REG_SZ $uninstaller"
  echo "# a reinstall keeps the first record"
  silent_install
  e2e_check "the record still names the saver from before" \
    is "$(value "$RECORD_KEY\\PreviousScreenSaver" SCRNSAVE.EXE)" "REG_SZ $OTHER_SAVER"
  ;;
silent-fail)
  set_other_saver
  mkdir "$SYSTEM32/Orvanta.scr"
  before=$(state)
  rc=0
  traced /S || rc=$?
  e2e_check "a silent install onto a folder exits 1" is "$rc" 1
  e2e_check "it made no window" no_window_made
  e2e_check "it changed nothing" is "$(state)" "$before"
  ;;
switches)
  wine "$ORVANTA_BIN/installer.exe" /x &
  pid=$!
  e2e_check "an unknown switch brings a box" wait_until 30 has_window installer
  e2e_check "the box names the switches" grep -q '/uninstall /S' <<<"$(box_text installer)"
  window_shot installer-switches installer
  e2e_check "Enter closes it" wndctl post "$(window_id installer)" 0x111 1 0
  e2e_check "the run exits 3" exits_with 3 $pid
  rc=0
  traced /S /x || rc=$?
  e2e_check "silently, an unknown switch exits 3" is "$rc" 3
  e2e_check "with no window" no_window_made
  e2e_check "and installs nothing" [ ! -e "$SYSTEM32/Orvanta.scr" ]
  ;;
exit-button)
  wine "$ORVANTA_BIN/installer.exe" &
  pid=$!
  e2e_check "the main dialog comes up" wait_until 30 has_window "$TITLE"
  e2e_check "the exit button is pressed" wndctl post "$(window_id "$TITLE")" 0x111 2 0
  e2e_check "the run exits 2" exits_with 2 $pid
  e2e_check "nothing is installed" [ ! -e "$SYSTEM32/Orvanta.scr" ]
  ;;
uninstall-quiet)
  set_other_saver
  silent_install
  run_entry_command QuietUninstallString
  pid=$!
  e2e_check "the quiet uninstall exits 0" exits_with 0 $pid
  e2e_check "the saver from before is named again" is "$(value "$DESKTOP_KEY" SCRNSAVE.EXE)" "REG_SZ $OTHER_SAVER"
  e2e_check "the saver file is gone" [ ! -e "$SYSTEM32/Orvanta.scr" ]
  e2e_check "the entry is gone" key_gone "$ENTRY_KEY"
  e2e_check "the record is gone" key_gone "$RECORD_KEY"
  the_uninstaller_is_gone
  echo "# a second uninstall finds nothing"
  before=$(state)
  rc=0
  traced /uninstall /S || rc=$?
  e2e_check "it exits 4" is "$rc" 4
  e2e_check "with no window" no_window_made
  e2e_check "and changes nothing" is "$(state)" "$before"
  ;;
uninstall-interactive)
  silent_install
  run_entry_command UninstallString
  pid=$!
  e2e_check "the uninstaller asks first" wait_until 30 has_window uninstall
  e2e_check "whether to uninstall the product" \
    is "$(box_text uninstall)" 'Orvantaスクリーンセイバーをアンインストールしますか？'
  window_shot installer-uninstall-confirm uninstall
  e2e_check "No is answered" wndctl post "$(window_id uninstall)" 0x111 7 0
  e2e_check "a no exits 2" exits_with 2 $pid
  e2e_check "and leaves the saver" [ -f "$SYSTEM32/Orvanta.scr" ]
  e2e_check "and the entry" key_exists "$ENTRY_KEY"
  run_entry_command UninstallString
  pid=$!
  e2e_check "asked again" wait_until 30 has_window uninstall
  e2e_check "Yes is answered" wndctl post "$(window_id uninstall)" 0x111 6 0
  e2e_check "the outcome box says it is done" wait_until 30 eval \
    '[ "$(box_text uninstall)" = "アンインストールが完了しました。" ]'
  window_shot installer-uninstall-done uninstall
  e2e_check "Enter closes it" wndctl post "$(window_id uninstall)" 0x111 1 0
  e2e_check "the uninstall exits 0" exits_with 0 $pid
  e2e_check "no saver was there before: none is named" is "$(value "$DESKTOP_KEY" SCRNSAVE.EXE)" ""
  e2e_check "the saver file is gone" [ ! -e "$SYSTEM32/Orvanta.scr" ]
  the_uninstaller_is_gone
  ;;
restart)
  # An uninstall while the saver runs (the control panel's preview), a file of the user's in
  # our folder, a reinstall, then the restart: nothing of the reinstall may go with it.
  silent_install
  echo mine >"$FOLDER/notes.txt"
  e2e_require "the saver is held as a running one is" hold_file 'C:\windows\system32\Orvanta.scr'
  e2e_check "the uninstall that leaves the saver to the restart exits 3010" \
    is "$(exit_code '"C:\Program Files\Orvanta\uninstall.exe"' /uninstall /S)" 3010
  e2e_check "the saver is let go" release_file
  e2e_check "the uninstaller goes" wait_until 30 [ ! -e "$FOLDER/uninstall.exe" ]
  silent_install
  e2e_check "the restart runs" timeout 120 wineboot -r
  e2e_check "after the restart the reinstalled saver is there" cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/Orvanta.scr"
  e2e_check "and named" is "$(value "$DESKTOP_KEY" SCRNSAVE.EXE)" "REG_SZ $SHORT_PATH"
  e2e_check "its uninstaller is there" cmp -s "$ORVANTA_BIN/installer.exe" "$FOLDER/uninstall.exe"
  e2e_check "the user's file is there" [ -f "$FOLDER/notes.txt" ]
  ;;
pipe)
  # A deployment tool reads the uninstaller's output through a pipe: it must close as the
  # uninstaller ends, while the cleanup copy still waits for the uninstaller's file.
  silent_install
  e2e_require "the uninstaller's file is held" hold_file 'C:\Program Files\Orvanta\uninstall.exe'
  ( wine "$FOLDER/uninstall.exe" /uninstall /S | cat >/dev/null; touch "$WINE_RUN_DIR/eof" ) &
  e2e_check "the caller's pipe closes" wait_until 30 [ -e "$WINE_RUN_DIR/eof" ]
  e2e_check "while the copy still waits" copy_running
  e2e_check "the file is let go" release_file
  e2e_check "then the copy removes the uninstaller" wait_until 30 folder_gone
  ;;
execfile)
  # The script's EXECFILE starts once the success box is closed; a script without one starts
  # nothing. The copy without one is the built installer with its script replaced.
  sed '/^EXECFILE=/d' "$(dirname "$0")/../../resources/installer/install.txt" >"$WINE_RUN_DIR/no-exec.txt"
  e2e_require "an installer without EXECFILE is made" wine "$E2E_TOOLS/set-script.exe" \
    "$(winepath -w "$ORVANTA_BIN/installer.exe")" 'C:\no-exec.exe' "$(winepath -w "$WINE_RUN_DIR/no-exec.txt")"
  install_through_dialog 'C:\no-exec.exe' no-exec
  # Wine's loader may start the program itself through CreateProcess too (the 32-bit one does).
  e2e_check "it started no process but its own" \
    [ "$(grep -a 'CreateProcessInternalW app' "$TRACE" | grep -vc 'no-exec\.exe')" -eq 0 ]
  install_through_dialog "$ORVANTA_BIN/installer.exe" installer
  e2e_check "the built one starts its EXECFILE" eval '! nothing_started'
  ;;
policy)
  # "Force specific screen saver" with a timeout beside it: the saver and its entry go in place,
  # the user's values and the policy's stay as they are, no control panel opens, and the box and
  # the silent run's output say which saver the policy gives the desktop.
  set_other_saver
  wine reg add "$POLICY_KEY" /v SCRNSAVE.EXE /d 'C:\windows\system32\policy.scr' /f >/dev/null 2>&1
  wine reg add "$POLICY_KEY" /v ScreenSaveTimeOut /d 600 /f >/dev/null 2>&1
  policy_values() { wine reg query "$POLICY_KEY" /s /reg:64 2>/dev/null | tr -d '\r'; }
  user_values() { echo "$(value "$DESKTOP_KEY" SCRNSAVE.EXE)|$(value "$DESKTOP_KEY" ScreenSaveActive)"; }
  policy_before=$(policy_values) user_before=$(user_values)
  # IDS_POLICY_NAMES_SAVER, the policy's saver, IDS_POLICY_NAMES_SAVER_END.
  notice="$(resource_text 122)C:\windows\system32\policy.scr$(resource_text 123)"
  e2e_require "the policy's sentence is read from the installer" [ -n "$(resource_text 122)" ]
  install_through_dialog "$ORVANTA_BIN/installer.exe" installer "$notice"
  e2e_check "it started no EXECFILE" nothing_started
  e2e_check "the saver is the built one" cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/Orvanta.scr"
  e2e_check "its entry is written" key_exists "$ENTRY_KEY"
  e2e_check "the user's own values are as they were" is "$(user_values)" "$user_before"
  e2e_check "nothing is recorded to put back" key_gone "$RECORD_KEY"
  e2e_check "the policy's values are as they were" is "$(policy_values)" "$policy_before"
  rc=0
  wine "$ORVANTA_BIN/installer.exe" /S >"$WINE_RUN_DIR/silent.txt" 2>/dev/null || rc=$?
  e2e_check "a silent install exits 0" is "$rc" 0
  e2e_check "and writes the same sentence" is "$(tr -d '\r' <"$WINE_RUN_DIR/silent.txt" | iconv -f CP932 -t UTF-8)" "$notice"
  e2e_check "the user's values are still as they were" is "$(user_values)" "$user_before"
  ;;
second-run)
  wine "$ORVANTA_BIN/installer.exe" &
  pid=$!
  e2e_require "a first installer is up" wait_until 30 has_window "$TITLE"
  e2e_check "a second, silent run exits 5" is "$(exit_code "\"$(winepath -w "$ORVANTA_BIN/installer.exe")\"" /S)" 5
  e2e_check "and installs nothing" [ ! -e "$SYSTEM32/Orvanta.scr" ]
  wine "$ORVANTA_BIN/installer.exe" /uninstall &
  second=$!
  e2e_check "an interactive second run says why" wait_until 30 eval \
    '[ "$(box_text installer)" = "別のインストーラーかアンインストーラーが実行中です。終わってから、もう一度実行してください。" ]'
  e2e_check "Enter closes it" wndctl post "$(window_id installer)" 0x111 1 0
  e2e_check "that run exits 5" exits_with 5 $second
  e2e_check "the first one's exit button is pressed" wndctl post "$(window_id "$TITLE")" 0x111 2 0
  e2e_check "the first run exits 2" exits_with 2 $pid
  ;;
*)
  echo "usage: installer-switches.sh silent|silent-fail|switches|exit-button|uninstall-quiet|uninstall-interactive|restart|pipe|second-run|execfile|policy" >&2
  exit 2
  ;;
esac
