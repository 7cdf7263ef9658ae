#!/bin/sh
# Builds everything and prints the benchmark figures: the native record
# operations (Google Benchmark), then one table for every Wine program, each
# figure with its reference and their ratio: the plug-in's DevMode entry
# against the driver's own lookups, the option-tree walk against its
# per-item budget, the opening of the document sheet (and of the same pages
# with inert procedures) against an empty sheet, the printer properties
# against an empty compstui sheet, the watermark preview against its
# targets and a plain render, the job-start document event against its
# platform work and the overlay store against the profile calls it makes.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SX_BUILD_DIR:-$ROOT/build}
BIN=$BUILD/win/bin
"$ROOT/scripts/build.sh"
"$BUILD/native_bench"

export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
"$ROOT/scripts/wine-setup.sh" "$WINEPREFIX" "$BIN" >/dev/null
# The first program prints the table's header, the others their rows alone.
/usr/lib/wine/wine64 "$BIN/devmode_bench.exe"
/usr/lib/wine/wineserver -w
export SX_BENCH_ROWS_ONLY=1
# The sheets and the preview need a display; scripts/run-wine-test.sh
# provides a virtual one.
"$ROOT/scripts/run-wine-test.sh" "$BIN/optiontree_bench.exe"
"$ROOT/scripts/run-wine-test.sh" "$BIN/printer_sheet_bench.exe"
"$ROOT/scripts/run-wine-test.sh" "$BIN/watermark_preview_bench.exe"
/usr/lib/wine/wine64 "$BIN/docevent_bench.exe"
/usr/lib/wine/wine64 "$BIN/overlay_bench.exe"
/usr/lib/wine/wineserver -w
