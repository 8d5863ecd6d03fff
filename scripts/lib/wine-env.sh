# Sourced by scripts/wine-run and the end-to-end tests: a virtual display and a fresh Wine
# prefix for one run, torn down by process id. Nothing here sleeps a fixed time.

ORVANTA_ROOT=${ORVANTA_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
ORVANTA_WINE_DIR=${ORVANTA_WINE_DIR:-$ORVANTA_ROOT/build/wine}

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_CTYPE=ja_JP.UTF-8
unset LC_ALL

# Make the template prefix once; later runs copy it (wineboot costs seconds, a copy ~0.5 s).
wine_env_template() {
  local tmpl=$ORVANTA_WINE_DIR/template
  mkdir -p "$ORVANTA_WINE_DIR"
  (
    flock 9
    [ -f "$tmpl/.ready" ] && exit 0
    rm -rf "$tmpl"
    mkdir -p "$tmpl"
    WINEPREFIX=$tmpl wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits ~2 s whenever a captioned window hides.
    WINEPREFIX=$tmpl wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    WINEPREFIX=$tmpl wineserver -w
    touch "$tmpl/.ready"
  ) 9>"$ORVANTA_WINE_DIR/template.lock"
}

# wine_env_start [WIDTHxHEIGHT]: sets WINEPREFIX, DISPLAY, XVFB_PID for this run.
wine_env_start() {
  local screen=${1:-1920x1080}
  wine_env_template || return 1
  WINE_RUN_DIR=$(mktemp -d "$ORVANTA_WINE_DIR/run.XXXXXX")
  export WINEPREFIX=$WINE_RUN_DIR/prefix
  cp -a "$ORVANTA_WINE_DIR/template" "$WINEPREFIX"

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
