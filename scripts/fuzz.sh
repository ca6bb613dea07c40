#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs the format fuzzer for a bounded time.
# Usage: scripts/fuzz.sh [build-dir]   (FUZZ_SECONDS overrides the 20 s run time)
# Exits non-zero when the build fails or the fuzzer finds a crash, leak or hang.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-20}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DORVALEN_FUZZ_ONLY=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target format_fuzz

# New inputs go to a working corpus in the build folder; the seeds stay as they are.
work="$build/corpus/format"
mkdir -p "$work" "$build/artifacts"
"$build/fuzz/format_fuzz" "$work" "$root/fuzz/corpus" \
    -max_total_time="$seconds" -timeout=10 -max_len=4096 \
    -artifact_prefix="$build/artifacts/" -print_final_stats=1
