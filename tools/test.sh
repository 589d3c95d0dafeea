#!/bin/sh
# Sets up, builds and runs every test, headless.
set -eu
cd "$(dirname "$0")/.."
# The accessibility test reads the window through AT-SPI on a display of its own (Xvfb); the
# notification and accessibility tests start session buses of their own.
tools/setup.sh desktop-file-utils appstream xvfb xauth dbus-daemon at-spi2-core qt6-translations-l10n
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
cd build
ctest --output-on-failure
