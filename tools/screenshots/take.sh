#!/bin/sh
# Takes the screenshots under a virtual X server into docs/screenshots (or the folder given).
# Needs the build in build/ (tools/setup.sh) and the packages xvfb, xauth, fonts-dejavu-core.
set -eu
cd "$(dirname "$0")/../.."
build=${BUILD:-build}
out=${1:-docs/screenshots}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
chmod 700 "$tmp"
# Root may open any file; without that right a locked device shows the permission hint.
drop=""
[ "$(id -u)" -ne 0 ] || ! command -v setpriv >/dev/null || drop="setpriv --bounding-set=-dac_override,-dac_read_search"
XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" $drop "$build/tools/screenshots/quenda-screenshots" "$out"
