#!/usr/bin/env bash
# Owns: a saver made with language=en shows English, with its description's name and credit,
# whatever the system's locale. "make" makes it once into E2E_ENGLISH_DIST (the runs' fixture);
# "check", under the locale of ORVANTA_LC_CTYPE, installs it with the main dialog and reads the
# texts of that dialog, its outcome box and the saver's settings dialog. The texts' rules and
# the Japanese texts are the other runs'.
. "$(dirname "$0")/saver-lib.sh"
ID=E2eEn
NAME='Été à Nice'
CREDIT='Photos © 2026 Zoë Müller'
dist=$E2E_ENGLISH_DIST

if [ "${1:-}" = make ]; then
  rm -rf "$dist" "$dist.in"
  mkdir -p "$dist.in/photos"
  convert -size 800x600 gradient:navy-skyblue "$dist.in/photos/1.jpg"
  printf '%s\n' '[saver]' "name=$NAME" "id=$ID" "credit=$CREDIT" 'language=en' '[photos]' 'photos/' >"$dist.in/saver.ini"
  exec "$ORVANTA_ROOT/scripts/make-saver" "$dist.in/saver.ini" --out "$dist"
fi

e2e_begin 1024x768
TITLE="$NAME Setup"
NOTICE='This will install the screen saver on your computer. You need administrator rights to install it.'

WM_COMMAND=273 IDOK=1 IDCANCEL=2
# click TITLE ID: the window titled TITLE gets the command of its button ID, as a click sends it.
click() { local id; id=$(window_id "$1") && [ -n "$id" ] && wndctl post "$id" $WM_COMMAND "$2" 0; }
# child_texts TITLE: "id<TAB>class<TAB>text" of the window's children.
child_texts() { window_children "$(window_id "$1")" | cut -f1,2,4; }
exit_enabled() { window_children "$(window_id "$TITLE")" | grep -qP '^2\tButton\t1\t'; }
has_child() { grep -qxF -e "$(printf '%s\t%s\t%s' "$2" "$3" "$4")" <<<"$(child_texts "$1")"; }

wine "Z:${dist//\//\\}\\x86_64\\installer.exe" &
pid=$!
e2e_require "the main dialog comes up titled '$TITLE'" wait_until 30 has_window "$TITLE"
e2e_check "its install button reads &Install" has_child "$TITLE" 1 Button '&Install'
e2e_check "its exit button reads E&xit" has_child "$TITLE" 2 Button 'E&xit'
e2e_check "its notice is English" has_child "$TITLE" -1 Static "$NOTICE"
window_shot "english-installer-$LC_CTYPE" "$TITLE"
e2e_check "the install button starts an install" click "$TITLE" $IDOK
e2e_check "the outcome box appears" wait_until 30 has_window installer
e2e_check "it says the install worked" has_child installer 65535 Static 'The screen saver was installed successfully.'
e2e_check "OK dismisses it" click installer $IDOK
e2e_check "the main dialog is ready again" wait_until 20 exit_enabled
e2e_check "the exit button ends the installer" click "$TITLE" $IDCANCEL
e2e_check "with exit code 0" wait_exit "$pid" 20

wine "C:\\windows\\system32\\$ID.scr" /c &
pid=$!
e2e_require "the settings dialog comes up titled '$NAME'" wait_until 20 has_window "$NAME"
e2e_check "its button reads OK" has_child "$NAME" 1 Button OK
e2e_check "its credit line is the description's" has_child "$NAME" 65535 Static "$CREDIT"
window_shot "english-settings-$LC_CTYPE" "$NAME"
e2e_check "OK ends it" click "$NAME" $IDOK
e2e_check "and the saver" wait_until 20 process_gone "$pid"
