#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize and
# runs the whole suite there. Any report fails the run.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh >/dev/null
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-sanitize
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitize
ctest --output-on-failure
