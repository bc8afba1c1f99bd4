#!/usr/bin/env bash
# Installs what the windows build and its tests need, when it is missing: the MinGW-w64 compilers for
# 32-bit Windows, 32-bit Wine (which needs the i386 architecture), Xvfb for windows under a display,
# and the tools that fetch and unpack Debian's codec sources. Idempotent; run as root.
set -euo pipefail

packages=(
  g++-mingw-w64-i686     # i686-w64-mingw32-g++ and the Win32 headers and import libraries
  binutils-mingw-w64-i686
  wine                   # the wine loader
  wine32:i386            # 32-bit Wine for the PE32 programs and tests
  xvfb                   # a display for Wine's windows
  python3                # draws the launcher's picture and icon at build time; the screenshot's PNG
  fonts-wine             # Wine's own Tahoma and Marlett, for the launcher's screenshot
  xauth
  dpkg-dev               # apt-get source unpacks with dpkg-source
  autoconf automake libtool make   # the codecs' build systems
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
((${#missing[@]})) || { echo "install-windows-deps: all packages present"; exit 0; }

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
# The codecs are built from Debian's own source packages.
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > /etc/apt/sources.list.d/debian-src.sources
fi
echo "install-windows-deps: installing ${missing[*]}"
apt-get -o DPkg::Lock::Timeout=600 update -qq
apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
