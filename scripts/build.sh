#!/usr/bin/env bash
# Configures and builds the whole tree (Release, warnings on) into ./build, or into the folder
# TIDEWELL_BUILD_DIR names; further arguments go to CMake's configure step and win over these.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${TIDEWELL_BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTIDEWELL_WERROR=ON "$@"
cmake --build "$dir" -j"${TIDEWELL_JOBS:-$(nproc)}"
