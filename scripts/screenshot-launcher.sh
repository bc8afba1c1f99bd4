#!/usr/bin/env bash
# Takes the picture of the launcher's dialog shown in README.md: builds launcher.exe with the windows
# preset, runs it under Wine on a private X display, and writes docs/launcher.png.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-windows-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target launcher launcher_snapshot

# A prefix of its own, so that the fonts below do not change what the tests see.
export WINEPREFIX="$PWD/build/windows/screenshot-prefix" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
cmake -DPREFIX="$WINEPREFIX" -P tests/windows/make_prefix.cmake
# Wine's own Tahoma (the dialog font) and Marlett (the caption buttons), from Debian's fonts-wine.
cp /usr/share/wine/fonts/{marlett,tahoma,tahomabd}.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

# A Wine desktop window draws the dialog's frame and caption, which no window manager does under Xvfb.
bitmap=build/windows/launcher.bmp
rm -f "$bitmap"
tests/windows/with_display.sh wine explorer /desktop=launcher,640x360 build/windows/bin/launcher_snapshot.exe "$bitmap"
[ -s "$bitmap" ] || { echo "screenshot-launcher: no picture was taken" >&2; exit 1; }
mkdir -p docs
python3 scripts/bmp-to-png.py "$bitmap" docs/launcher.png
echo "screenshot-launcher: docs/launcher.png"
