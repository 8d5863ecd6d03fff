# Sourced by scripts/bench.d/*.sh: timing a process and comparing figures.

# process_median_ms N command...: the median wall time of N runs of the command, in ms.
process_median_ms() {
  local n=$1 start i times=()
  shift
  for ((i = 0; i < n; ++i)); do
    start=$(date +%s%N)
    "$@"
    times+=($(($(date +%s%N) - start)))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((n + 1) / 2))p" | awk '{ printf "%.3f", $1 / 1e6 }'
}

ratio() {               # ratio A B: A / B to two places
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}
