#!/usr/bin/env bash
# Sets up, builds and packs Orvalen as a Debian package: orvalen_<version>_<arch>.deb in
# the build folder (build/, or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
scripts/setup.sh
scripts/build.sh "$dir"
(cd "$dir" && cpack -G DEB)
