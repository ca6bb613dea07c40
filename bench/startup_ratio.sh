#!/usr/bin/env bash
# Whole-process start-up, from spawn to the first idle event loop, of the application beside
# a bare frame with the same Qt modules and one hidden chart window. The two programs run
# alternately (bench/startup_pairs); the medians of the pairs and their ratio are printed.
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

"$build/bench/startup_pairs" "$work/app/orvalen_first_idle" "$work/bare/bare_frame" "$pairs"
