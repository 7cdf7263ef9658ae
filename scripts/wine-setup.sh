#!/bin/sh
# Prepares the Wine prefix of the build tree: creates it on first use, keeps
# windows unmanaged (fast sheet closing under Xvfb) and installs the sample
# printer into Wine's spooler through the driver host.
# Usage: wine-setup.sh PREFIX BIN_DIR
set -e
PREFIX=$1
BIN=$2
WINE=/usr/lib/wine/wine64
export WINEPREFIX="$PREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="

if [ ! -f "$PREFIX/system.reg" ]; then
    mkdir -p "$PREFIX"
    $WINE wineboot -i >/dev/null 2>&1 || true
fi
$WINE reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
$WINE "$BIN/drvhost.exe" install
