#!/usr/bin/env bash
# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer, in a build
# folder of its own (./build-sanitize). -O1 keeps the build and the run short; the benchmarks
# are left out. Any report of either sanitizer fails the test that made it.
set -euo pipefail
cd "$(dirname "$0")/.."
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}"
TIDEWELL_BUILD_DIR=build-sanitize bash scripts/test.sh \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DTIDEWELL_SANITIZE=address,undefined -DTIDEWELL_BUILD_BENCH=OFF
