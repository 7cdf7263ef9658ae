#!/bin/sh
# The main job: builds everything, prepares the Wine prefix of the build tree
# with the sample printer installed in Wine's spooler, and shows through the
# driver host the plug-in's signature and version and the sample model's
# default private record, field by field; then draws every dialog template
# in each language into out/resources/LANG.png.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SX_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/build.sh"

export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
"$ROOT/scripts/wine-setup.sh" "$WINEPREFIX" "$BUILD/win/bin"
/usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" show
/usr/lib/wine/wineserver -w

# Dialogs need a display: a private virtual one when none is given. The
# Wine server is waited for while that display still stands.
on_display() {
    set -- sh -c '"$@"; status=$?; /usr/lib/wine/wineserver -w; exit $status' on_display "$@"
    if [ -n "$DISPLAY" ]; then "$@"; else xvfb-run -a -s "-screen 0 1024x768x24" "$@"; fi
}
SHEETS="$ROOT/out/resources"
mkdir -p "$SHEETS"
on_display /usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" contact-sheets "Z:$SHEETS"
