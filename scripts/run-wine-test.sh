#!/bin/sh
# Runs one Windows test program under Wine, inside a private virtual display
# when no display is given, and waits for the Wine server so that the next
# program starts from a quiet prefix.
set -e
WINE=/usr/lib/wine/wine64
if [ -z "$DISPLAY" ] && command -v xvfb-run >/dev/null 2>&1; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
status=0
$WINE "$@" || status=$?
/usr/lib/wine/wineserver -w
exit $status
