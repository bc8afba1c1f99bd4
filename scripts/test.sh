#!/usr/bin/env bash
# Every test: installs what is missing, builds the native and sanitizer presets (asan, tsan) and the 32-bit
# Windows preset, and runs CTest on each (the Windows tests under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/install-windows-deps.sh
for preset in native asan tsan windows; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
