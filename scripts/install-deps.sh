#!/bin/sh
# Installs the Debian packages the build, the tests and the screenshots need.
# Does nothing when they are all present already.
set -e
PACKAGES="cmake ninja-build g++ mingw-w64 wine64 xvfb imagemagick googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-wine fonts-noto-cjk"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
