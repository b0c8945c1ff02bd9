#!/usr/bin/env bash
# Builds everything and runs every test headless, then each fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
rm -rf build/test-env
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)
scripts/fuzz.sh
