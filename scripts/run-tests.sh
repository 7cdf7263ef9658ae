#!/bin/sh
# Builds everything and runs every native and Wine test through ctest.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${SX_BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/build.sh"
ctest --test-dir "$BUILD" --output-on-failure
