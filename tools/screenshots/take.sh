#!/bin/sh
# Takes the screenshots under a virtual X server into docs/screenshots (or the folder given):
# in English at scale 1, the German set into de/, and the Phonebook tab at scale 2.
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
# The window sizes itself to the screen: the same screen, scaled, for every set.
shoot() {
    XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=xcb \
        xvfb-run -a -s "-screen 0 $2x24" $drop "$build/tools/screenshots/quenda-screenshots" "$1"
}
LANGUAGE=en QT_SCALE_FACTOR=1 shoot "$out" 1280x1024
LANGUAGE=de QT_SCALE_FACTOR=1 shoot "$out/de" 1280x1024
LANGUAGE=en QT_SCALE_FACTOR=2 shoot "$tmp/scale-2" 2560x2048
cp "$tmp/scale-2/tab-2-phonebook.png" "$out/tab-2-phonebook@2x.png"
