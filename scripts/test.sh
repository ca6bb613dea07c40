#!/usr/bin/env bash
# Sets up, builds and runs every test: a bounded fuzz run of the text readers, then the
# whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
scripts/fuzz.sh build-fuzz
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build -j"$(nproc)" --output-on-failure --timeout 600
