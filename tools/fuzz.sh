#!/bin/sh
# Runs one libFuzzer harness for a number of seconds on its seeds (tests/fuzz/seeds/TARGET).
# Usage: tools/fuzz.sh TARGET SECONDS    TARGET: replyparser, framing, listing, contactfile, settings, vcard, rtttl, pdu
set -eu
cd "$(dirname "$0")/.."
[ $# -eq 2 ] || { echo "usage: $0 TARGET SECONDS" >&2; exit 2; }
target=$1
seconds=$2
[ -d "tests/fuzz/seeds/$target" ] || { echo "no such target: $target" >&2; exit 2; }

tools/setup.sh clang libclang-rt-14-dev >/dev/null
flags="-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENDA_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz --target "fuzz_$target"

# New inputs the fuzzer finds go to a corpus of its own; the seeds stay as committed.
corpus="build-fuzz/corpus/$target"
mkdir -p "$corpus"
export QT_QPA_PLATFORM=offscreen
exec "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -timeout=10 "$corpus" "tests/fuzz/seeds/$target"
