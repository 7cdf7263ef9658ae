#!/bin/sh
# Runs a command with the Wine prefix ($WINEPREFIX) at another screen
# resolution in dots per inch (144 is Windows' 150% scaling), and puts the
# prefix back to its 96 afterwards, whatever the command's outcome. Wine reads
# the resolution when a process starts, so the Wine server is waited for on
# both sides.
# Usage: at-dpi.sh DPI COMMAND [ARGUMENTS...]
set -e
DPI=$1
shift
WINE=/usr/lib/wine/wine64
KEY='HKCU\Control Panel\Desktop'
restore() {
    $WINE reg delete "$KEY" /v LogPixels /f >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w
}
trap restore EXIT
$WINE reg add "$KEY" /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
"$@"
