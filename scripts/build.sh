#!/bin/sh
# Installs what is missing, then configures and builds both halves (the
# native library with its tests and benchmarks, and the cross build of the
# plug-in, the driver host, the side libraries and the Wine tests).
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SX_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD"
