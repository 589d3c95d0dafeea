#!/bin/sh
# Installs what building and testing need on Debian 12, only what is missing, and builds.
# Usage: tools/setup.sh [--quiet] [--target NAME]... [extra packages...]
#   --quiet        one line per stage; the full output goes to build/setup.log
#   --target NAME  build only this target (and what it needs); repeatable; default: everything
set -eu
cd "$(dirname "$0")/.."

quiet=""
targets=""
while [ $# -gt 0 ]; do
    case "$1" in
    --quiet) quiet=1; shift ;;
    --target) targets="$targets --target $2"; shift 2 ;;
    *) break ;;
    esac
done

mkdir -p build
log=build/setup.log
: >"$log"
# Runs a stage; quietly, its output goes to the log and only a failure shows it.
stage() {
    what=$1
    shift
    if [ -z "$quiet" ]; then
        "$@"
        return
    fi
    echo "$what..."
    if ! "$@" >>"$log" 2>&1; then
        echo "$what failed; the last lines of $log:" >&2
        tail -n 20 "$log" >&2
        echo "Full log: $(pwd)/$log" >&2
        exit 1
    fi
}

packages="g++ cmake ninja-build qt6-base-dev qt6-serialport-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools $*"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
install_missing() {
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
if [ -n "$missing" ]; then
    [ -n "$quiet" ] || echo "Installing:$missing"
    stage "Installing$missing" install_missing
fi

stage "Configuring" cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# shellcheck disable=SC2086 # the targets are separate words
names=$(echo $targets | sed 's/--target //g')
stage "Building${names:+ $names}" cmake --build build $targets
