#!/usr/bin/env bash
# Sets up, builds and runs every test: the test suite headless, then a bounded fuzz run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build -j"$(nproc)" --output-on-failure --timeout 600
if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh build-fuzz
fi
