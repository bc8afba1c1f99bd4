#!/usr/bin/env bash
# Cross-builds libogg and libvorbis (with vorbisfile) for 32-bit Windows from Debian's source packages,
# as static libraries, into a prefix in the build tree. A prefix already built is reused.
#   build-windows-codecs.sh [PREFIX]   (default: build/windows/codecs)
set -euo pipefail
cd "$(dirname "$0")/.."

prefix=$(realpath -m "${1:-build/windows/codecs}")
host=i686-w64-mingw32
if [ -f "$prefix/lib/libvorbisfile.a" ] && [ -f "$prefix/lib/libogg.a" ]; then
  echo "build-windows-codecs: $prefix is built"
  exit 0
fi

sources="$prefix/src"
mkdir -p "$sources"
(cd "$sources" && [ -d libogg-* ] || apt-get source -qq libogg) >/dev/null
(cd "$sources" && [ -d libvorbis-* ] || apt-get source -qq libvorbis) >/dev/null

build() {
  local dir=${1%/}; shift
  (cd "$dir" &&
    { [ -x configure ] || autoreconf -fi >/dev/null; } &&
    ./configure -q --host=$host --prefix="$prefix" --enable-static --disable-shared "$@" &&
    make -s -j2 && make -s install) >"$dir.log" 2>&1 || { echo "build-windows-codecs: $dir failed, see $dir.log"; exit 1; }
}
build "$(ls -d "$sources"/libogg-*/ | head -n1)"
PKG_CONFIG_PATH="$prefix/lib/pkgconfig" CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib" \
  build "$(ls -d "$sources"/libvorbis-*/ | head -n1)" --disable-docs --disable-examples
echo "build-windows-codecs: built into $prefix"
