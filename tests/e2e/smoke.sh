#!/usr/bin/env bash
# The harness itself: a window program of ours comes up on the virtual display, a key press
# reaches it and it ends.
. "$(dirname "$0")/../tools/e2e.sh"
e2e_begin 1024x768

wine "$E2E_TOOLS/smoke-window.exe" &
pid=$!
e2e_check "the smoke window comes up" wait_until 20 has_window Smoke
xdotool search --sync --onlyvisible --name '^Smoke$' windowfocus --sync key space
e2e_check "a key press ends it with exit code 0" wait_exit $pid 20
screenshot smoke-after
