#!/usr/bin/env bash
# Sets up, builds and runs every test: a compile of the whole tree with clang, a bounded
# fuzz run of the text readers, then the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
# The tree builds with clang as with g++, tests included, and without a warning.
CC=clang CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-clang -j"$(nproc)"
scripts/fuzz.sh build-fuzz
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build -j"$(nproc)" --output-on-failure --timeout 600
