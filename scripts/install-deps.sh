#!/usr/bin/env bash
# Installs the Debian packages the native build and its tests need, when they are missing.
# Idempotent; run as root.
set -euo pipefail

packages=(
  build-essential   # g++, make
  cmake             # >= 3.25
  pkg-config
  libgtest-dev      # GoogleTest
  libgmock-dev
  libbenchmark-dev  # Google Benchmark
  libogg-dev        # ostrel: the Ogg container under Vorbis
  libvorbis-dev     # ostrel: vorbisfile decoding; vorbisenc for the example tune and test fixtures
  libasound2-dev    # platform: the sound-card output of the software DirectSound (ALSA)
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "install-deps: all packages present"
fi
