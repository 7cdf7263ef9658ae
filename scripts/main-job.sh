#!/bin/sh
# The main job: builds everything, prepares the Wine prefix of the build tree
# with the sample printer installed in Wine's spooler, and shows through the
# driver host the plug-in's signature and version and the sample model's
# default private record, field by field.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SX_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/build.sh"

export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
"$ROOT/scripts/wine-setup.sh" "$WINEPREFIX" "$BUILD/win/bin"
/usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" show
/usr/lib/wine/wineserver -w
