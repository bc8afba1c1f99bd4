#!/usr/bin/env bash
# The main job: installs what is missing, builds the native preset, runs the plug-in host on its scene and
# plays the example tune through ostrel into a WAV file.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native
build/native/tools/warloom-host
build/native/tools/ostrel-play --out build/ostrel-example.wav build/native/examples/ostrel_example.ogg
echo "ostrel-play: the example tune as played is in build/ostrel-example.wav"
