# Sourced by scripts/wine-run and the end-to-end tests: a virtual display and a fresh Wine
# prefix for one run, torn down by process id. Nothing here sleeps a fixed time.

ORVANTA_ROOT=${ORVANTA_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
ORVANTA_WINE_DIR=${ORVANTA_WINE_DIR:-$ORVANTA_ROOT/build/wine}

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_CTYPE=ja_JP.UTF-8
unset LC_ALL

# ORVANTA_WINEARCH picks the prefix: win64 (default; runs 32-bit programs too, under WOW64) or
# win32 (as a 32-bit Windows).
ORVANTA_WINEARCH=${ORVANTA_WINEARCH:-win64}

# A prefix that 64-bit Wine made before the 32-bit half was installed has no syswow64 and
# cannot run 32-bit programs: such a template is not reused.
wine_env_runs_x86() {
  [ "$ORVANTA_WINEARCH" = win32 ] || [ -f "$1/drive_c/windows/syswow64/kernel32.dll" ]
}

# Make the template prefix once per architecture; later runs copy it (wineboot costs seconds,
# a copy ~0.5 s).
wine_env_template() {
  local tmpl=$ORVANTA_WINE_DIR/template-$ORVANTA_WINEARCH
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

# wine_env_start [WIDTHxHEIGHT]: sets WINEPREFIX, DISPLAY, XVFB_PID for this run.
wine_env_start() {
  local screen=${1:-1920x1080}
  wine_env_template || return 1
  WINE_RUN_DIR=$(mktemp -d "$ORVANTA_WINE_DIR/run.XXXXXX")
  export WINEPREFIX=$WINE_RUN_DIR/prefix
  cp -a "$ORVANTA_WINE_DIR/template-$ORVANTA_WINEARCH" "$WINEPREFIX"

  local fifo=$WINE_RUN_DIR/display
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local n
  if ! read -r -t 20 n <"$fifo"; then
    echo "wine-env: Xvfb did not start" >&2
    wine_env_stop
    return 1
  fi
  export DISPLAY=:$n
}

wine_env_stop() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k 2>/dev/null || true
    timeout 20 wineserver -w 2>/dev/null || true
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
