# Sourced by the end-to-end tests: one fresh Wine prefix and virtual display per test, helpers
# to wait for conditions with deadlines, screenshots, and teardown by process id.
# Exit status: 0 when every check passed, 3 when some check failed, anything else when the
# run itself could not go on (no display, a program that did not come up).
set -u
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

E2E_FAILURES=0
E2E_TOOLS=${E2E_TOOLS:-}       # folder of wndctl.exe and the other helper programs
E2E_SHOTS=${E2E_SHOTS:-$ORVANTA_ROOT/build/screenshots}

e2e_begin() {           # e2e_begin [WIDTHxHEIGHT]
  wine_env_start "${1:-1920x1080}" || { echo "e2e: no display or prefix" >&2; exit 1; }
  trap e2e_end EXIT
  # Keep one wineserver alive for the whole test: every helper call then starts fast.
  wineserver -p
  mkdir -p "$E2E_SHOTS"
}

e2e_end() {
  local rc=$?
  wine_env_stop
  if [ "$E2E_FAILURES" -ne 0 ]; then
    echo "e2e: $E2E_FAILURES check(s) failed"
    exit 3
  fi
  exit $rc
}

e2e_fail() {
  echo "FAIL: $*" >&2
  E2E_FAILURES=$((E2E_FAILURES + 1))
}

e2e_check() {           # e2e_check "what" command...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else e2e_fail "$what"; fi
}

# e2e_require "what" command...: a check without which nothing after it means anything (a
# program that does not come up): the run ends there with status 1.
e2e_require() {
  local what=$1; shift
  if "$@"; then echo "ok: $what"; return; fi
  echo "FAIL: $what (the run cannot go on)" >&2
  E2E_FAILURES=0
  exit 1
}

# wait_until SECONDS command...: polls the command until it succeeds or the deadline passes.
wait_until() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

wndctl() {
  wine "$E2E_TOOLS/wndctl.exe" "$@" 2>/dev/null | tr -d '\r'
}

# window_id TITLE: the first visible top-level window whose title is exactly TITLE.
window_id() {
  wndctl list | awk -F'\t' -v t="$1" '$1 !~ /^ / && $4 == 1 && $5 == t { print $1; exit }'
}

# window_children HWND: the children of a visible top-level window as "id<TAB>class<TAB>enabled<TAB>text".
window_children() {
  wndctl list | awk -F'\t' -v h="$1" '$1 !~ /^ / { on = ($1 == h) } on && /^  / { sub(/^  /, ""); print }'
}

has_window() { [ -n "$(window_id "$1")" ]; }
no_window() { [ -z "$(window_id "$1")" ]; }

# wait_window TITLE [SECONDS]: prints the window's id once it is up.
wait_window() {
  wait_until "${2:-20}" has_window "$1" || return 1
  window_id "$1"
}

# focus TITLE-REGEX: gives the window the keyboard focus. Keys are then sent on their own:
# a key sent to a window that closes on it fails with BadWindow.
focus() {
  timeout 20 xdotool search --sync --onlyvisible --name "$1" windowfocus --sync >/dev/null
}

process_gone() { ! kill -0 "$1" 2>/dev/null; }

# wait_exit PID [SECONDS]: waits for a process we started and returns its exit code.
wait_exit() {
  wait_until "${2:-20}" process_gone "$1" || return 124
  wait "$1"
}

screenshot() {          # screenshot NAME: a PNG of the whole display under $E2E_SHOTS
  import -display "$DISPLAY" -window root "$E2E_SHOTS/$1.png"
}

# window_shot NAME TITLE: a PNG of just that window under $E2E_SHOTS.
window_shot() {
  local rect
  read -r -a rect <<<"$(wndctl rect "$(window_id "$2")")"
  import -display "$DISPLAY" -window root \
    -crop "$((rect[2] - rect[0]))x$((rect[3] - rect[1]))+${rect[0]}+${rect[1]}" +repage "$E2E_SHOTS/$1.png"
}

# The display as a PNG file, for several region checks on one moment.
capture() {             # capture FILE
  import -display "$DISPLAY" -window root "$1"
}

# region_max FILE X Y W H: the largest channel value (0-255) in the region.
region_max() {
  /usr/bin/convert "$1" -crop "$4x$5+$2+$3" +repage -format '%[fx:int(255*maxima)]' info:
}

# region_lit FILE X Y W H: the share (0-100) of the region's pixels that are not black.
region_lit() {
  /usr/bin/convert "$1" -crop "$4x$5+$2+$3" +repage -separate -evaluate-sequence max -threshold 0 \
    -format '%[fx:int(100*mean+0.5)]' info:
}

# region_like FILE X Y W H PICTURE: RMSE (0-100) between the region and PICTURE, both
# scaled down to 64 x 48, which tells the photographs apart while forgiving the scaling filter.
region_like() {
  local a b
  a=$(mktemp --suffix=.png) b=$(mktemp --suffix=.png)
  /usr/bin/convert "$1" -crop "$4x$5+$2+$3" +repage -resize '64x48!' "$a"
  /usr/bin/convert "$6" -resize '64x48!' "$b"
  compare -metric RMSE "$a" "$b" null: 2>&1 | sed -n 's/.*(\([0-9.e-]*\)).*/\1/p' | awk '{ print int($1 * 100 + 0.5) }'
  rm -f "$a" "$b"
}

# stays_for SECONDS command...: the command keeps succeeding for the whole period. Used only
# where a check is that something does not happen.
stays_for() {
  local deadline=$((SECONDS + $1)); shift
  while [ $SECONDS -lt $deadline ]; do
    "$@" || return 1
    sleep 0.1
  done
}

process_alive() { kill -0 "$1" 2>/dev/null; }

# exit_code ARGS...: runs the Windows command line of ARGS joined by spaces as they are (quote
# what needs quotes) to its end and prints the program's whole exit code (a Unix status keeps
# only the low byte). What the program writes to its output comes first: the code is the last line.
exit_code() {
  wine "$E2E_TOOLS/exit-code.exe" "$@" 2>/dev/null | tr -d '\r' | tail -n 1
}

# hold_file WINDOWS-PATH: holds the file open as the loader holds a running program, until
# release_file; returns once it is held.
hold_file() {
  rm -f "$WINEPREFIX/drive_c/release-hold"
  wine "$E2E_TOOLS/hold-file.exe" "$1" 'C:\release-hold' >"$WINE_RUN_DIR/hold.out" 2>/dev/null &
  HOLD_PID=$!
  wait_until 30 grep -q held "$WINE_RUN_DIR/hold.out"
}
release_file() {
  touch "$WINEPREFIX/drive_c/release-hold"
  wait_exit "$HOLD_PID" 30
}

# --- The 9x family (Wine's win98 mode: wine_env_win98).
# The relay check: programs started through relay_wine log every call into the system DLLs
# (Wine's +relay, narrowed by RelayInclude), where each module was loaded (+loaddll) and by
# which process (+pid); relay_check then fails on any call, made by the program's process from
# inside its own image, of a function that tests/loader/imports.tsv lists as a 9x stub, or of
# CreateFileA asking to share deletion, which the 9x family refuses.
# Processes the program starts (the control panel, the uninstaller's copy) inherit the tracing
# and are counted only where relay_check names them; Wine's own would inherit it too, so relay_begin starts them untraced first and keeps
# an untraced program up meanwhile.
relay_begin() {
  RELAY_DIR=$WINE_RUN_DIR/relay
  mkdir -p "$RELAY_DIR"
  wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /f \
    /d 'kernel32.*;kernelbase.*;user32.*;gdi32.*;advapi32.*;comctl32.*;shell32.*;ole32.*;oleaut32.*;msvcrt.*' \
    >/dev/null 2>&1
  wine "$E2E_TOOLS/wndctl.exe" hold 3600 &
  wndctl list >/dev/null
}

# relay_wine PROGRAM ARGS...: wine PROGRAM ARGS..., traced into a log of its own.
relay_wine() {
  WINEDEBUG=+pid,+relay,+loaddll wine "$@" 2>"$(mktemp -p "$RELAY_DIR" run.XXXXXX)"
}

# relay_check PROGRAM [NAME...]: the logged calls that 9x refuses whose return address lies in the
# PROGRAM's image, also where a copy of it ran under another NAME (a grep pattern); prints them
# when there are any.
relay_check() {
  local program=$1 stubs size log name loaded pid base found=0
  stubs=$(awk -F'\t' '!/^#/ && $4 == "stub" { printf "%s ", $2 }' "$ORVANTA_ROOT/tests/loader/imports.tsv")
  size=$(x86_64-w64-mingw32-objdump -p "$program" | awk '$1 == "SizeOfImage" { print $2 }')
  for log in "$RELAY_DIR"/run.*; do
    [ "${log%.stubs}" = "$log" ] || continue
    for name in "$(basename "$program")" "${@:2}"; do
      loaded=$(grep -a -m1 "trace:loaddll:.*Loaded L\"[^\"]*\\\\$name\" at " "$log")
      [ -n "$loaded" ] || continue
      pid=${loaded%%:*}
      base=$(sed 's/.*" at \([0-9a-fA-F]*\).*/\1/' <<<"$loaded")
      if grep -a "^$pid:[0-9a-f]*:Call " "$log" | awk -v stubs="$stubs" -v base="$base" -v size="$size" '
          function hex(h,   i, n) {
            for (i = 1; i <= length(h); i++) n = n * 16 + index("0123456789abcdef", substr(tolower(h), i, 1)) - 1
            return n
          }
          # FILE_SHARE_DELETE in the share mode, the argument after the path and the access.
          function shares_deletion(line,   a) {
            sub(/^[^(]*\([0-9a-f]+( "([^"\\]|\\.)*")?,/, "", line)
            split(line, a, ",")
            return int(hex(a[2]) / 4) % 2
          }
          BEGIN { n = split(stubs, s, " "); for (i = 1; i <= n; i++) stub[s[i]] = 1
                  lo = hex(base); hi = lo + hex(size) }
          { fn = $0; sub(/^.*:Call [^.]*\./, "", fn); sub(/\(.*/, "", fn)
            ret = $0; sub(/^.* ret=/, "", ret); match(ret, /^[0-9a-fA-F]+/); r = hex(substr(ret, 1, RLENGTH))
            refused = (fn in stub) || (fn == "CreateFileA" && shares_deletion($0))
            if (refused && r >= lo && r < hi) { print; bad = 1 } }
          END { exit !bad }' >"$log.stubs"; then
        echo "relay: $name made calls that 9x refuses ($log):" >&2
        sed 's/(.*) ret=/(...) ret=/' "$log.stubs" | sort -u | head -n 20 >&2
        found=1
      fi
    done
  done
  [ "$found" -eq 0 ]
}
