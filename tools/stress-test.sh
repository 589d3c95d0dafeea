#!/bin/sh
# Runs every test while two busy loops keep both cores loaded, as on a busy CI machine.
# Usage: tools/stress-test.sh [ctest options...]
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh --quiet desktop-file-utils

busy() { while :; do :; done; }
busy &
first=$!
busy &
second=$!
trap 'kill $first $second 2>/dev/null' EXIT INT TERM

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd build
ctest --output-on-failure "$@"
