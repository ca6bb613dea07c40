#!/usr/bin/env bash
# Whole-process start-up, from exec to the first idle event loop, of the application beside
# a bare frame with the same Qt modules and one hidden chart window. The two programs run
# alternately; the medians of the pairs and their ratio are printed.
#   bench/startup_ratio.sh [build folder] [pairs]
set -euo pipefail

build=${1:-build}
pairs=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Each program runs from a folder of its own, the application with its template beside it.
mkdir -p "$work/app" "$work/bare"
cp "$build/bench/orvalen_first_idle" "$build/VORN.mdb" "$work/app/"
cp "$build/bench/bare_frame" "$work/bare/"
# Nothing of the user's own settings or files is read or written.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} HOME="$work" XDG_RUNTIME_DIR="$work" \
    XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"

run_ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

# One unmeasured run of each fills the file cache.
"$work/app/orvalen_first_idle" >/dev/null 2>&1
"$work/bare/bare_frame" >/dev/null 2>&1

app=()
bare=()
for ((i = 0; i < pairs; ++i)); do
    app+=("$(run_ms "$work/app/orvalen_first_idle")")
    bare+=("$(run_ms "$work/bare/bare_frame")")
done

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {
    print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
app_us=$(median "${app[@]}")
bare_us=$(median "${bare[@]}")
awk -v a="$app_us" -v b="$bare_us" -v n="$pairs" 'BEGIN {
    printf "start-up to first idle, median of %d pairs: application %.1f ms, bare frame %.1f ms, ratio %.2f\n",
        n, a / 1000, b / 1000, a / b }'
