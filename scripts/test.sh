#!/usr/bin/env bash
# Every test: installs what is missing, builds the native and the sanitizer presets, runs CTest on both.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
for preset in native asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
