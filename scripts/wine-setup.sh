#!/bin/sh
# Prepares the Wine prefix of the build tree: creates it on first use, keeps
# windows unmanaged (fast sheet closing under Xvfb), gives the dialog fonts
# readable CJK glyphs and installs the sample printer into Wine's spooler
# through the driver host.
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

# Wine maps "MS Shell Dlg" to its own Tahoma, whose font links supply CJK
# glyphs from PMingLiU, SimSun and Gulim. Debian's Wine does not find its
# Tahoma, and the linked faces are Windows fonts: without both, Chinese and
# Korean dialog texts come out as boxes. The prefix gets Wine's Tahoma and
# the linked faces are served by Noto Sans CJK. Debian's Wine does not find
# its Marlett either, whose glyphs draw the title bars' buttons (without it
# they show the letters "r", "0" and "1"): the prefix gets that too.
FONTS="$PREFIX/drive_c/windows/Fonts"
for font in tahoma.ttf tahomabd.ttf marlett.ttf; do
    if [ -f "/usr/share/wine/fonts/$font" ] && [ ! -f "$FONTS/$font" ]; then
        cp "/usr/share/wine/fonts/$font" "$FONTS/"
    fi
done
SUBSTITUTES='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
$WINE reg add "$SUBSTITUTES" /v PMingLiU /d "Noto Sans CJK TC" /f >/dev/null 2>&1
$WINE reg add "$SUBSTITUTES" /v SimSun /d "Noto Sans CJK SC" /f >/dev/null 2>&1
$WINE reg add "$SUBSTITUTES" /v Gulim /d "Noto Sans CJK KR" /f >/dev/null 2>&1
# Title bars use bold Tahoma, whose links Wine looks up under "Tahoma Bold"
# and only to font files it has: the bold Noto Sans CJK faces, in the order
# of the dialog font's links.
SYSTEM_LINKS='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
$WINE reg add "$SYSTEM_LINKS" /v "Tahoma Bold" /t REG_MULTI_SZ \
    /d 'NotoSansCJK-Bold.ttc,Noto Sans CJK TC\0NotoSansCJK-Bold.ttc,Noto Sans CJK SC\0NotoSansCJK-Bold.ttc,Noto Sans CJK KR' \
    /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
$WINE "$BIN/drvhost.exe" install
