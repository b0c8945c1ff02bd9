#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: fuzz targets skipped"
  exit 0
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTAVRI_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_targets
for target in build-fuzz/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  echo "fuzzing $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 "$corpus" >"build-fuzz/$name.log" 2>&1 ||
    { tail -n 40 "build-fuzz/$name.log"; echo "$name found a fault"; exit 1; }
done
echo "fuzzing: all targets ran clean"
