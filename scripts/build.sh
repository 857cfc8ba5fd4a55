#!/usr/bin/env bash
# Configures and builds the whole tree into ./build (Release, warnings on).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTIDEWELL_WERROR=ON
cmake --build build -j"$(nproc)"
