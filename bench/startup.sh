#!/usr/bin/env bash
# Start-up time (process start to the title window painted) and peak memory of dokasuka2, next to
# a bare Qt window, measured side by side in one run under Xvfb. Prints both and their ratios.
#
#   bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}

scripts/ensure-packages.sh xvfb xauth >/dev/null
cmake --preset default -DDOKASUKA_BENCH=ON >/dev/null
cmake --build --preset default --target dokasuka2 minimal_window >/dev/null

display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1

# One run: milliseconds from the exec to the first paint, and peak resident KiB.
measure() {
  local start out shown peak
  start=$(date +%s%N)
  out=$(DISPLAY=$display DOKASUKA2_EXIT_WHEN_SHOWN=1 "$@")
  shown=$(sed -n 's/.*shown_ns=\([0-9]*\).*/\1/p' <<<"$out")
  peak=$(sed -n 's/.*peak_kib=\([0-9]*\).*/\1/p' <<<"$out")
  echo "$(( (shown - start) / 1000 )) $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

game_t=() game_m=() base_t=() base_m=()
for _ in $(seq "$runs"); do
  # Alternate the two so that any drift of the machine hits both alike.
  read -r t m < <(measure build/default/bench/minimal_window); base_t+=("$t"); base_m+=("$m")
  read -r t m < <(measure build/default/dokasuka2); game_t+=("$t"); game_m+=("$m")
done

gt=$(printf '%s\n' "${game_t[@]}" | median); bt=$(printf '%s\n' "${base_t[@]}" | median)
gm=$(printf '%s\n' "${game_m[@]}" | median); bm=$(printf '%s\n' "${base_m[@]}" | median)
printf 'runs: %d each, alternating, medians\n' "$runs"
printf '%-22s %12s %14s\n' "" "start-up" "peak memory"
awk -v gt="$gt" -v bt="$bt" -v gm="$gm" -v bm="$bm" 'BEGIN {
  printf "%-22s %9.1f ms %10.1f MiB\n", "bare Qt window", bt / 1000, bm / 1024
  printf "%-22s %9.1f ms %10.1f MiB\n", "dokasuka2 title", gt / 1000, gm / 1024
  printf "%-22s %11.2fx %13.2fx\n", "ratio", gt / bt, gm / bm
}'
