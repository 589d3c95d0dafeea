#!/bin/sh
# Sets up, builds and runs every test, headless.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh desktop-file-utils
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd build
ctest --output-on-failure
