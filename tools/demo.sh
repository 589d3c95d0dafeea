#!/bin/sh
# Sets up, builds and starts Quenda on the simulated phone with its sample data. Quenda keeps
# its settings in build/demo, so the user's own settings stay untouched. Without a display it
# runs under Xvfb and saves a screenshot of the connected window.
# Usage: tools/demo.sh [SCENARIO]   (default simphone/data/demo.json, the Trium Mars; the modems
# and handsets of other makers are in simphone/data/handsets)
set -eu
scenario=$(realpath "${1:-$(dirname "$0")/../simphone/data/demo.json}")
cd "$(dirname "$0")/.."
root=$(pwd)
extra=""
[ -n "${DISPLAY:-}" ] || extra="xvfb xauth imagemagick fonts-dejavu-core"
# Only what the demo runs; the tests are built by tools/test.sh.
tools/setup.sh --quiet --target quenda --target quenda-simphone qt6-translations-l10n $extra

demo="$root/build/demo"
mkdir -p "$demo/config/Quenda" "$demo/data" "$demo/runtime"
chmod 700 "$demo/runtime"
export XDG_CONFIG_HOME="$demo/config" XDG_DATA_HOME="$demo/data" XDG_RUNTIME_DIR="$demo/runtime"

build/simphone/quenda-simphone --scenario "$scenario" >"$demo/phone.out" &
phone=$!
trap 'kill $phone 2>/dev/null' EXIT INT TERM
for _ in $(seq 50); do [ -s "$demo/phone.out" ] && break; sleep 0.1; done
device=$(head -n 1 "$demo/phone.out")
[ -n "$device" ] || { echo "The simulated phone did not start." >&2; exit 1; }
echo "Simulated phone started on $device"

conf="$demo/config/Quenda/Quenda.conf"
if [ -f "$conf" ] && grep -q '^device1=' "$conf"; then
    sed -i "s|^device1=.*|device1=$device|" "$conf"
elif [ -f "$conf" ] && grep -q '^\[Config\]' "$conf"; then
    sed -i "/^\[Config\]/a device1=$device" "$conf"
else
    printf '[Config]\ndevice1=%s\n' "$device" >>"$conf"
fi

# The sample melody files, unless the user has picked a folder of their own in the demo.
grep -q '^path=' "$conf" || sed -i "/^\[Config\]/a path=$root/simphone/data/melodies" "$conf"

if [ -n "${DISPLAY:-}" ]; then
    echo "Starting Quenda (build/app/quenda); it finds the phone by itself. Close its window to end the demo."
    build/app/quenda
else
    shot="$root/build/demo/quenda.png"
    echo "No display: running under Xvfb; the screenshot goes to $shot"
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
        build/app/quenda & app=\$!
        sleep 6
        import -window root '$shot'
        kill \$app" 
    echo "Screenshot of the connected window: $shot"
fi
