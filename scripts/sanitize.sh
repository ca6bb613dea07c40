#!/usr/bin/env bash
# Builds the application and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (g++) into build-asan/ (or the folder given) and runs the whole headless test suite: not
# the desktop tests, whose X libraries report faults of their own (a string read past its
# end in libxkbcommon-x11, a block libdbus never frees).
# Usage: scripts/sanitize.sh [build-dir]
# Exits non-zero when the build fails, a test fails, or a sanitizer reports anything:
# a memory error, undefined behaviour or a leak.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-asan}"

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

CXX="${CXX:-g++}" cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVALEN_SANITIZE=ON -DORVALEN_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

# Any report ends the test program with a failure; leaks are checked when it ends.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" -j"$(nproc)" --output-on-failure --timeout 600 -LE desktop
