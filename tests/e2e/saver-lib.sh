# Sourced by the saver's end-to-end tests: the harness, and how to find the saver's windows.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/e2e.sh"

# The saver's windows are of the class that AfxRegisterWndClass names "OrvWnd:...".
saver_window() {
  wndctl list | awk -F'\t' '$1 !~ /^ / && $4 == 1 && $3 ~ /^OrvWnd/ { print $1; exit }'
}
has_saver_window() { [ -n "$(saver_window)" ]; }
no_saver_window() { [ -z "$(saver_window)" ]; }
