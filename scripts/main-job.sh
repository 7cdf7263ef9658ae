#!/bin/sh
# The main job: builds everything, prepares the Wine prefix of the build tree
# with the sample printer installed in Wine's spooler, and shows through the
# driver host the plug-in's signature and version and the sample model's
# default private record, field by field. Then it opens the document
# properties of the sample printer: on the given display for the user to
# work with; without one (or with SX_SCREENSHOTS=1) under a virtual display,
# once per language, saving every page and sub-dialog into out/docprops/LANG/,
# and the dialogs that only other page layouts reach (print position, Office
# Color Details, special toner) into out/docprops/LANG/variant-pages/.
# The printer properties follow: the sample printer was installed through
# the initialisation event (its installable options come from the options
# file its installer leaves), and the detection button asks the printer
# through the detection libraries' stand-ins, here answering as a fully
# equipped printer; one screenshot per language goes into
# out/prnprops/LANG/. Last it draws every dialog template in each language
# into out/resources/LANG.png, and saves the English document pages once
# more at 150% scaling into out/docprops/en_US-144dpi/.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SX_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/build.sh"

export WINEPREFIX="$BUILD/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
"$ROOT/scripts/wine-setup.sh" "$WINEPREFIX" "$BUILD/win/bin"
/usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" show
/usr/lib/wine/wineserver -w

# One page through the spooler into out/print/page.ps: the plug-in hands the
# printing application's name to the printer side, and the host reads it back
# by the job's object names as the printer side does.
mkdir -p "$ROOT/out/print"
/usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" print --out "Z:$ROOT/out/print/page.ps"
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

DOCPROPS="$ROOT/out/docprops"
if [ -n "$DISPLAY" ] && [ "${SX_SCREENSHOTS:-0}" != 1 ]; then
    on_display /usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" docprops
else
    for locale in en_US es_ES zh_TW de_DE fr_FR it_IT ko_KR pt_BR zh_CN; do
        rm -rf "$DOCPROPS/$locale"
        LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 on_display \
            /usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" docprops --screenshots "Z:$DOCPROPS/$locale"
        # The print position, Office Color Details and special toner dialogs,
        # reached through page layouts that carry their buttons.
        LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 on_display \
            /usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" docprops --variant-pages \
            --installed VXSpecialTonerInstalled=White --screenshots "Z:$DOCPROPS/$locale/variant-pages"
    done
fi

# What the fully equipped printer reports to the detection libraries.
ANSWERS="$BUILD/printer-answers.ans"
printf '[Default]\r\nInstalled=127\r\nRandom Access Memory=2048\r\nSD Card=1\r\nPunchType=2\r\nSpotColor=1\r\n' >"$ANSWERS"
export SX_PRINTER_ANSWERS="Z:$ANSWERS"
PRNPROPS="$ROOT/out/prnprops"
if [ -n "$DISPLAY" ] && [ "${SX_SCREENSHOTS:-0}" != 1 ]; then
    on_display /usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" prnprops
else
    for locale in en_US es_ES zh_TW de_DE fr_FR it_IT ko_KR pt_BR zh_CN; do
        rm -rf "$PRNPROPS/$locale"
        LANG=$locale.UTF-8 LC_ALL=$locale.UTF-8 on_display \
            /usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" prnprops --detect --screenshots "Z:$PRNPROPS/$locale"
    done
fi

# The English pages once more at 150% scaling (144 dots per inch).
if [ -z "$DISPLAY" ] || [ "${SX_SCREENSHOTS:-0}" = 1 ]; then
    rm -rf "$DOCPROPS/en_US-144dpi"
    LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 "$ROOT/scripts/at-dpi.sh" 144 sh -c '
        if [ -n "$DISPLAY" ]; then "$@"; else xvfb-run -a -s "-screen 0 1600x1200x24" "$@"; fi
        status=$?; /usr/lib/wine/wineserver -w; exit $status' at_dpi \
        /usr/lib/wine/wine64 "$BUILD/win/bin/drvhost.exe" docprops --screenshots "Z:$DOCPROPS/en_US-144dpi"
fi
