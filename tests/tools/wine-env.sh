# Sourced by wine-run and the end-to-end tests: a virtual display and a fresh Wine
# prefix for one run, torn down by process id. Nothing here sleeps a fixed time.

ORVANTA_ROOT=${ORVANTA_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
ORVANTA_WINE_DIR=${ORVANTA_WINE_DIR:-$ORVANTA_ROOT/build/wine}

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine's ANSI code page follows it: 932 by default, 1252 with ORVANTA_LC_CTYPE=en_US.UTF-8 (or
# C.UTF-8).
export LC_CTYPE=${ORVANTA_LC_CTYPE:-ja_JP.UTF-8}
unset LC_ALL

# ORVANTA_WINEARCH picks the prefix: win64 (default; runs 32-bit programs too, under WOW64) or
# win32 (as a 32-bit Windows).
ORVANTA_WINEARCH=${ORVANTA_WINEARCH:-win64}

# On a machine that runs 64-bit code only, Wine runs through its 64-bit loader and no 32-bit
# program runs at all (scripts/test then skips the x86 pair's tier).
if ! "$ORVANTA_ROOT/tests/tools/runs-32bit-code"; then
  ORVANTA_64BIT_ONLY=1
  export PATH=$ORVANTA_ROOT/tests/tools/wine64-only:$PATH
fi

# A prefix that 64-bit Wine made before the 32-bit half was installed has no syswow64 and
# cannot run 32-bit programs: such a template is not reused.
wine_env_runs_x86() {
  [ "$ORVANTA_WINEARCH" = win32 ] || [ -n "${ORVANTA_64BIT_ONLY:-}" ] || [ -f "$1/drive_c/windows/syswow64/kernel32.dll" ]
}

# Make the template prefix once per architecture; later runs copy it (wineboot costs seconds,
# a copy ~0.5 s).
wine_env_template() {
  local tmpl=$ORVANTA_WINE_DIR/template-$ORVANTA_WINEARCH
  if [ -n "${ORVANTA_64BIT_ONLY:-}" ] && [ "$ORVANTA_WINEARCH" = win32 ]; then
    echo "wine-env: this machine runs no 32-bit code, so no 32-bit Wine prefix can be made" >&2
    return 1
  fi
  mkdir -p "$ORVANTA_WINE_DIR"
  (
    flock 9
    [ -f "$tmpl/.ready" ] && wine_env_runs_x86 "$tmpl" && exit 0
    rm -rf "$tmpl"
    mkdir -p "$tmpl"
    export WINEPREFIX=$tmpl WINEARCH=$ORVANTA_WINEARCH
    wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits ~2 s whenever a captioned window hides.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    if ! wine_env_runs_x86 "$tmpl"; then
      echo "wine-env: $tmpl cannot run 32-bit programs: install wine32:i386 (scripts/setup)" >&2
      exit 1
    fi
    touch "$tmpl/.ready"
  ) 9>"$ORVANTA_WINE_DIR/template-$ORVANTA_WINEARCH.lock"
}

# wine_env_start [WIDTHxHEIGHT | WxH,WxH,...]: sets WINEPREFIX, DISPLAY, XVFB_PID for this run.
# Several sizes make one monitor each, left to right with their tops aligned (Xephyr heads
# inside an Xvfb that holds them all, white where no monitor is).
wine_env_start() {
  local screen=${1:-1920x1080}
  wine_env_template || return 1
  WINE_RUN_DIR=$(mktemp -d "$ORVANTA_WINE_DIR/run.XXXXXX")
  export WINEPREFIX=$WINE_RUN_DIR/prefix
  cp -a "$ORVANTA_WINE_DIR/template-$ORVANTA_WINEARCH" "$WINEPREFIX"

  case $screen in
  *,*)
    wine_env_x "$WINE_RUN_DIR/display" Xvfb -screen 0 "$(layout_bounds "$screen")x24" || return 1
    XVFB_PID=$X_PID
    # Wine reads the heads through Xinerama, one monitor each, only when told not to use XRandR.
    sed -i '/^\[Software\\\\Wine\\\\X11 Driver\]/,/^$/ s/^"Managed"="N"$/&\n"UseXRandR"="N"/' "$WINEPREFIX/user.reg"
    # shellcheck disable=SC2046
    DISPLAY=:$X_DISPLAY wine_env_x "$WINE_RUN_DIR/heads" Xephyr $(layout_screens "$screen") +xinerama -wr || return 1
    XEPHYR_PID=$X_PID
    ;;
  *)
    wine_env_x "$WINE_RUN_DIR/display" Xvfb -screen 0 "${screen}x24" || return 1
    XVFB_PID=$X_PID
    ;;
  esac
  export DISPLAY=:$X_DISPLAY
}

# wine_env_x FIFO SERVER ARGS...: starts an X server; sets X_PID and X_DISPLAY (its number).
wine_env_x() {
  local fifo=$1
  shift
  mkfifo "$fifo"
  "$@" -displayfd 3 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  X_PID=$!
  if ! read -r -t 20 X_DISPLAY <"$fifo"; then
    echo "wine-env: $1 did not start" >&2
    kill "$X_PID" 2>/dev/null
    wine_env_stop
    return 1
  fi
}

# layout_bounds WxH,WxH,...: the size of the screen that holds the heads side by side.
layout_bounds() {
  echo "$1" | tr ',' '\n' | awk -Fx '{ w += $1; if ($2 > h) h = $2 } END { print w "x" h }'
}

# layout_heads WxH,WxH,...: one head a line, "X Y W H", left to right.
layout_heads() {
  echo "$1" | tr ',' '\n' | awk -Fx '{ print x + 0, 0, $1, $2; x += $1 }'
}

layout_screens() {
  layout_heads "$1" | while read -r x y w h; do echo "-screen ${w}x${h}+$x+$y"; done
}

# wine_env_win98 PROGRAM.EXE: Wine reports Windows 98 to programs of that name.
wine_env_win98() {
  wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$1" /v Version /d win98 /f >/dev/null 2>&1
}

wine_env_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k 2>/dev/null || true
    timeout 20 wineserver -w 2>/dev/null || true
  fi
  if [ -n "${XEPHYR_PID:-}" ]; then
    kill "$XEPHYR_PID" 2>/dev/null || true
    wait "$XEPHYR_PID" 2>/dev/null || true
    XEPHYR_PID=
  fi
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
  if [ -n "${WINE_RUN_DIR:-}" ]; then
    [ -n "${ORVANTA_KEEP_PREFIX:-}" ] || rm -rf "$WINE_RUN_DIR"
    WINE_RUN_DIR=
  fi
}
