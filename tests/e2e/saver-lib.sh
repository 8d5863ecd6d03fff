# Sourced by the saver's end-to-end tests: the harness, and how to find the saver's windows.
. "$(dirname "${BASH_SOURCE[0]}")/../tools/e2e.sh"

# The saver's windows are of the class that AfxRegisterWndClass names "OrvWnd:...".
saver_window() {
  wndctl list | awk -F'\t' '$1 !~ /^ / && $4 == 1 && $3 ~ /^OrvWnd/ { print $1; exit }'
}
has_saver_window() { [ -n "$(saver_window)" ]; }
no_saver_window() { [ -z "$(saver_window)" ]; }

# start_host W H [unaware]: a window of ours with a W x H client area; its handle in host_window,
# its process in host_pid.
start_host() {
  coproc host { wine "$E2E_TOOLS/preview-host.exe" "$@"; }
  host_pid=$host_PID
  read -r -t 20 host_window <&"${host[0]}"
  host_window=${host_window%$'\r'}
}

# start_preview SAVER W H [unaware]: the saver's /p inside a new host; sets parent (the host's
# window), host_pid and pid (the saver's).
start_preview() {
  local saver=$1
  shift
  start_host "$@"
  parent=$host_window
  wine "$saver" /p "$parent" &
  pid=$!
}
child_of_host() { child=$(wndctl child "$parent" OrvWnd) && [ -n "$child" ]; }

# make_picture_saver NAME SHOW-OPTIONS PICTURE...: $saver, a saver NAME.scr in $work made of the
# built one with these pictures and options (the SHOW resource's lines).
make_picture_saver() {
  local name=$1 options=$2 picture args=()
  shift 2
  saver=$work/$name.scr
  printf '%b' "$options" >"$work/show.txt"
  for picture in "$@"; do args+=("Z:${picture//\//\\}"); done
  wine "$E2E_TOOLS/set-pictures.exe" "Z:${ORVANTA_BIN//\//\\}\\Orvanta.scr" "Z:${saver//\//\\}" \
    "Z:${work//\//\\}\\show.txt" "${args[@]}"
}

# colour_at X Y: which of the six one-colour test pictures (red, lime, blue, yellow, magenta,
# cyan) the pixel shows (1 to 6), 0 for black, - for another.
colour_at() {
  import -display "$DISPLAY" -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\)).*/\1 \2 \3/p' | awk '
      function near(v, w) { return v - w < 48 && w - v < 48 }
      { split("255 0 0 0 255 0 0 0 255 255 255 0 255 0 255 0 255 255", c, " ")
        if ($1 + $2 + $3 < 48) { print 0; exit }
        for (i = 0; i < 6; ++i)
          if (near($1, c[3 * i + 1]) && near($2, c[3 * i + 2]) && near($3, c[3 * i + 3])) { print i + 1; exit }
        print "-" }'
}
