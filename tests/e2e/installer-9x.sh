#!/usr/bin/env bash
# The 32-bit installer where Wine reports Windows 98 to it (and to its uninstaller), under the
# Japanese code page: the main dialog's Japanese title and texts, an install that writes the
# saver and [boot] SCRNSAVE.EXE of system.ini, a failed reinstall that keeps the saver there,
# and /uninstall /S putting back what system.ini named before. Then a saver that cannot be left
# to the restart keeps its name, and one held through an uninstall is taken back by a reinstall
# and survives the restart. Every run is traced, the uninstaller's cleanup copy too, and none
# may make a call that the 9x family refuses from the installer's image.
. "$(dirname "$0")/../tools/e2e.sh"
e2e_begin 1280x1024

TITLE='Orvantaスクリーンセイバーインストーラー'
SUCCESS='インストールに成功しました。'
FAILURE='インストールに失敗しました。'
SYSTEM32=$WINEPREFIX/drive_c/windows/system32
SYSTEM_INI=$WINEPREFIX/drive_c/windows/system.ini
FOLDER=$WINEPREFIX/drive_c/'Program Files'/Orvanta
ENTRY_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvanta'
OTHER_SAVER='C:\windows\system32\other.scr'
wine_env_win98 installer.exe
wine_env_win98 uninstall.exe
relay_begin

boot_value() { tr -d '\r' <"$SYSTEM_INI" | awk -F= '/^\[/ { on = (tolower($0) == "[boot]") } on && $1 == "SCRNSAVE.EXE" { print $2 }'; }
is() { [ "$1" = "$2" ]; }
press() { focus "^$1\$" && xdotool key "$2"; }
box_text() { window_children "$(window_id "$1")" | awk -F'\t' '$1 == 65535 { print $4 }'; }
child_texts() { window_children "$(window_id "$TITLE")" | awk -F'\t' '{ print $4 }' | tr '\n' '|'; }
display_name() {
  wine reg query "$ENTRY_KEY" /v DisplayName 2>/dev/null | tr -d '\r' | iconv -f CP932 -t UTF-8 |
    awk '$1 == "DisplayName" { print $3 }'
}
no_temp_files() { [ -z "$(find "$SYSTEM32" -maxdepth 1 -iname 'orv*.tmp')" ]; }
# The uninstall's whole exit code (3010 is more than a Unix status keeps).
uninstall_code() { relay_wine "$E2E_TOOLS/exit-code.exe" '"C:\Program Files\Orvanta\uninstall.exe"' /uninstall /S | tr -d '\r'; }
silent_install() { relay_wine "$ORVANTA_BIN/installer.exe" /S; }

# install_and_answer TEXT: Enter on the main dialog; a box says TEXT and Enter dismisses it.
install_and_answer() {
  e2e_check "Enter starts an install" press "$TITLE" Return
  e2e_check "a box appears" wait_until 60 has_window installer
  e2e_check "it says $1" box_says "$1"
  e2e_check "Enter dismisses it" press installer Return
  e2e_check "the box is gone" wait_until 20 no_window installer
}
box_says() { [ "$(box_text installer)" = "$1" ]; }

# A saver that is there: an uninstall names none that is not.
: >"$WINEPREFIX/drive_c/windows/system32/other.scr"
printf '[boot]\r\nSCRNSAVE.EXE=%s\r\n' "$OTHER_SAVER" >"$SYSTEM_INI"
relay_wine "$ORVANTA_BIN/installer.exe" &
pid=$!
e2e_require "the main dialog comes up with its Japanese title" wait_until 60 has_window "$TITLE"
e2e_check "its buttons and text read in Japanese" \
  grep -qF '|インストール|終了|スクリーンセーバーをインストールします。' <<<"|$(child_texts)"
window_shot installer-main-9x "$TITLE"
install_and_answer "$SUCCESS"
e2e_check "the installed saver is the built one" cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/Orvanta.scr"
e2e_check "[boot] SCRNSAVE.EXE names it" is "$(boot_value)" 'C:\windows\system32\Orvanta.scr'
e2e_check "nothing went to the registry's SCRNSAVE.EXE" \
  eval '! wine reg query "HKCU\\Control Panel\\Desktop" /v SCRNSAVE.EXE >/dev/null 2>&1'
e2e_check "the uninstall entry's name was written in Japanese" is "$(display_name)" 'Orvantaスクリーンセイバー'
e2e_check "the uninstaller is in Program Files" cmp -s "$ORVANTA_BIN/installer.exe" "$FOLDER/uninstall.exe"

echo "# a reinstall that cannot register keeps the saver there"
# An earlier build of ours, told apart by what follows its image.
{ cat "$ORVANTA_BIN/Orvanta.scr"; echo 'the saver from before'; } >"$WINE_RUN_DIR/before.scr"
cp "$WINE_RUN_DIR/before.scr" "$SYSTEM32/Orvanta.scr"
cp "$SYSTEM_INI" "$WINE_RUN_DIR/system.ini"
rm "$SYSTEM_INI" && mkdir "$SYSTEM_INI"
install_and_answer "$FAILURE"
e2e_check "the saver from before is still there" cmp -s "$WINE_RUN_DIR/before.scr" "$SYSTEM32/Orvanta.scr"
e2e_check "no temporary file of ours is left" no_temp_files
rmdir "$SYSTEM_INI" && cp "$WINE_RUN_DIR/system.ini" "$SYSTEM_INI"
e2e_check "Escape ends the program" press "$TITLE" Escape
e2e_check "it exits 1, the last install having failed" eval 'rc=0; wait_exit '$pid' 20 || rc=$?; [ $rc -eq 1 ]'

echo "# the quiet uninstall"
# Its cleanup copy runs under a temporary name, which no setting of a program's name reaches:
# from here on Wine reports Windows 98 to every program of the prefix.
wine reg add 'HKCU\Software\Wine' /v Version /d win98 /f >/dev/null 2>&1
relay_wine "$FOLDER/uninstall.exe" /uninstall /S &
pid=$!
e2e_check "it exits 0" eval 'rc=0; wait_exit '$pid' 30 || rc=$?; [ $rc -eq 0 ]'
e2e_check "[boot] SCRNSAVE.EXE names the saver from before again" is "$(boot_value)" "$OTHER_SAVER"
e2e_check "the saver file is gone" [ ! -e "$SYSTEM32/Orvanta.scr" ]
e2e_check "the uninstaller's folder goes" wait_until 30 eval '[ ! -e "$FOLDER" ]'

echo "# a saver that cannot be left to the restart keeps its name"
e2e_check "a silent install exits 0" silent_install
# Read-only, it can be renamed but not deleted; WININIT.INI cannot be written.
chmod a-w "$SYSTEM32/Orvanta.scr"
mkdir "$WINEPREFIX/drive_c/windows/WININIT.INI"
e2e_check "the uninstall exits 1" is "$(uninstall_code)" 1
e2e_check "the saver is still there under its name" cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/Orvanta.scr"
e2e_check "where [boot] SCRNSAVE.EXE names it" is "$(boot_value)" 'C:\windows\system32\Orvanta.scr'
rmdir "$WINEPREFIX/drive_c/windows/WININIT.INI"
chmod u+w "$SYSTEM32/Orvanta.scr"

echo "# a saver held through an uninstall, a reinstall, then the restart"
e2e_require "the saver is held as a running one is" hold_file 'C:\windows\system32\Orvanta.scr'
e2e_check "the uninstall that leaves the saver to the restart exits 3010" is "$(uninstall_code)" 3010
e2e_check "the saver is let go" release_file
e2e_check "the cleanup copy removes the uninstaller" wait_until 30 eval '[ ! -e "$FOLDER/uninstall.exe" ]'
e2e_check "the reinstall exits 0" silent_install
wine reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1
e2e_check "the restart runs" timeout 120 wineboot -r
e2e_check "after the restart the reinstalled saver is there" cmp -s "$ORVANTA_BIN/Orvanta.scr" "$SYSTEM32/Orvanta.scr"
e2e_check "and [boot] SCRNSAVE.EXE names it" is "$(boot_value)" 'C:\windows\system32\Orvanta.scr'
e2e_check "and the programs list's uninstaller is there" cmp -s "$ORVANTA_BIN/installer.exe" "$FOLDER/uninstall.exe"

e2e_check "no run made a call that 9x refuses from the installer's image" \
  relay_check "$ORVANTA_BIN/installer.exe" uninstall.exe 'orv[0-9A-Fa-f]*\.tmp'

