#!/bin/sh
# Random operations of every kind against the simulated phone on a troubled line, for MINUTES
# (default 20), checking after each that the phone and Quenda's files hold what was reported.
# Usage: tools/soak.sh [MINUTES] [SEED]
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh --quiet --target quenda-soak
export XDG_CONFIG_HOME="$(mktemp -d)" XDG_DATA_HOME="$(mktemp -d)"
exec build/tools/soak/quenda-soak "${1:-20}" ${2:-}
