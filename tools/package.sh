#!/bin/sh
# Builds the Debian package build/quenda_<version>_<arch>.deb from the install rules, its
# dependencies found from the binaries, and prints its path.
# Usage: tools/package.sh            then: sudo apt install ./build/quenda_*.deb
set -eu
cd "$(dirname "$0")/.."
# dpkg-shlibdeps comes with dpkg-dev; cpack asks file(1) which files are programs.
tools/setup.sh --quiet dpkg-dev file >&2
cd build
cpack -G DEB -B "$(pwd)" >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
echo "$(pwd)/$(ls -t quenda_*.deb | head -n 1)"
