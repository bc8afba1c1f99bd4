#!/usr/bin/env bash
# The main job: installs what is missing, builds the native preset and runs the plug-in host on its scene.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native
build/native/tools/warloom-host
