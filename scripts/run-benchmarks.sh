#!/bin/sh
# Builds everything and prints the benchmark figures: the native record
# operations (Google Benchmark), then under Wine one table per program, each
# figure with its reference and their ratio: the plug-in's DevMode entry
# against the driver's own lookups, the option-tree walk against its
# per-item budget, and the opening of the Job Options page (and of the same
# pages with inert procedures) against an empty sheet.
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
