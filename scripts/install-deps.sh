#!/bin/sh
# Installs the Debian packages the build, the tests and the screenshots need.
# Does nothing when they are all present already.
set -e
PACKAGES="cmake ninja-build g++ mingw-w64 wine64 xvfb imagemagick googletest libgtest-dev libgmock-dev libbenchmark-dev fonts-wine fonts-noto-cjk clang libclang-rt-14-dev"
# The help compiler (chmcmd) of the model's compiled help file.
PACKAGES="$PACKAGES fp-utils"
# The foreign printer descriptions of the sample test. Their driver program
# needs only its own dependencies (python3, xz-utils), not the print system
# the package recommends.
LEAN_PACKAGES="openprinting-ppds"

missing_of() {
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || printf ' %s' "$p"
    done
}
missing=$(missing_of $PACKAGES)
missing_lean=$(missing_of $LEAN_PACKAGES)
[ -z "$missing$missing_lean" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing$missing_lean"
$SUDO apt-get update -q
if [ -n "$missing" ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
fi
if [ -n "$missing_lean" ]; then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing_lean
fi
