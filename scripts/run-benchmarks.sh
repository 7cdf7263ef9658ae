#!/bin/sh
# Builds everything and prints the benchmark figures: the native record
# operations (Google Benchmark), the plug-in's DevMode entry under Wine
# against the driver's own lookups, and the option-tree walk and the opening
# of the Job Options page against an empty sheet.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SX_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/build.sh"
"$BUILD/native_bench"

export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
"$ROOT/scripts/wine-setup.sh" "$WINEPREFIX" "$BUILD/win/bin" >/dev/null
/usr/lib/wine/wine64 "$BUILD/win/bin/devmode_bench.exe"
/usr/lib/wine/wineserver -w
# The sheet needs a display; scripts/run-wine-test.sh provides a virtual one.
"$ROOT/scripts/run-wine-test.sh" "$BUILD/win/bin/optiontree_bench.exe"
"$ROOT/scripts/run-wine-test.sh" "$BUILD/win/bin/watermark_preview_bench.exe"
/usr/lib/wine/wine64 "$BUILD/win/bin/docevent_bench.exe"
/usr/lib/wine/wine64 "$BUILD/win/bin/overlay_bench.exe"
/usr/lib/wine/wineserver -w
