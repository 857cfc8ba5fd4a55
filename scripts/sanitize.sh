#!/usr/bin/env bash
# Runs the tests under sanitizers, each in a build folder of its own; the benchmarks are left out.
#   scripts/sanitize.sh            AddressSanitizer and UndefinedBehaviorSanitizer over the whole
#                                  suite (./build-sanitize). Any report fails the test that made it.
#   scripts/sanitize.sh thread     ThreadSanitizer over the threaded suites (./build-tsan), slow:
#                                  not part of CI. TIDEWELL_TSAN_TESTS (a ctest -R pattern) narrows
#                                  or widens the set, TIDEWELL_TSAN_TARGETS builds only the named
#                                  test programs. Reports are collected in build-tsan/tsan-logs.
# -O1 keeps the build and the run short. Further arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-address}
[ $# -gt 0 ] && shift

if [ "$kind" != thread ]; then
    export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
    export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}"
    TIDEWELL_BUILD_DIR=build-sanitize exec bash scripts/test.sh \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DTIDEWELL_SANITIZE=address,undefined \
        -DTIDEWELL_BUILD_BENCH=OFF "$@"
fi

dir=build-tsan
cmake -S . -B "$dir" -G Ninja -DTIDEWELL_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DTIDEWELL_SANITIZE=thread -DTIDEWELL_BUILD_BENCH=OFF "$@"
# TIDEWELL_TSAN_TARGETS (space-separated) builds only those test programs, for a shorter round.
# shellcheck disable=SC2086
cmake --build "$dir" -j"${TIDEWELL_JOBS:-4}" ${TIDEWELL_TSAN_TARGETS:+--target $TIDEWELL_TSAN_TARGETS}
python3 scripts/check_translations.py

# Qt's QProcess starts children with clone(CLONE_VM | CLONE_VFORK), which ThreadSanitizer does not
# survive: a preloaded shim turns that clone into fork.
shim="$PWD/$dir/libvfork_as_fork.so"
cc -shared -fPIC -O1 -o "$shim" scripts/tsan/vfork_as_fork.c -ldl
# Qt's threads are detached and QThread::wait waits on Qt's own futex: a second shim shows the
# sanitizer that a thread's work is done once QThread::wait or isFinished says it has ended.
ended="$PWD/$dir/libqthread_end.so"
# shellcheck disable=SC2046
c++ -std=c++20 -shared -fPIC -O1 -o "$ended" scripts/tsan/qthread_end.cpp $(pkg-config --cflags --libs Qt6Core) -ldl
# A third shows it the posted events (queued signals and calls) and the pool's tasks: the poster or
# starter releases, the receiving or pooled thread acquires before it runs them.
handover="$PWD/$dir/libqt_handover.so"
# shellcheck disable=SC2046
c++ -std=c++20 -shared -fPIC -O1 -o "$handover" scripts/tsan/qt_handover.cpp $(pkg-config --cflags --libs Qt6Core) -ldl

logs="$PWD/$dir/tsan-logs"
rm -rf "$logs"
mkdir -p "$logs"
# Reports go to the logs and are judged below, not by the exit code of each test program.
export TSAN_OPTIONS="suppressions=$PWD/scripts/tsan/tsan.supp:log_path=$logs/report:halt_on_error=0:exitcode=0:second_deadlock_stack=1:history_size=7:report_signal_unsafe=0"
export LD_PRELOAD="$shim:$ended:$handover${LD_PRELOAD:+:$LD_PRELOAD}" QT_NO_GLIB=1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/run"
chmod 700 "$scratch/run"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
       XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen

# Every suite: nearly all of them start threads (workers, the thread pool, the libraries' own), and
# the GoogleTest cases are registered under their own names, so no name pattern picks them out.
tests=${TIDEWELL_TSAN_TESTS:-.}
status=0
(cd "$dir" && ctest --output-on-failure --no-tests=error -R "$tests" -j"${TIDEWELL_JOBS:-4}" --timeout 3000) || status=$?

# A race in which our code made either access is a fault to mend, unless a hand-over inside Qt
# orders it (listed with its rule); the rest are counted.
reports=$(cat "$logs"/report.* 2>/dev/null | grep -c '^WARNING: ThreadSanitizer' || true)
echo "ThreadSanitizer reports: $reports (in $logs)"
python3 scripts/tsan/summarize.py "$logs" "$PWD" || status=1
exit $status
