#!/usr/bin/env bash
# Builds, then runs every test under CTest headless, with HOME and the XDG folders in a
# throw-away folder so no test touches the user's own files. TIDEWELL_BUILD_DIR and the
# arguments pass through to scripts/build.sh. A build that registers no test is a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh "$@"
# Every translation file must match the texts of the sources, placeholders included.
python3 scripts/check_translations.py
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/run"
chmod 700 "$scratch/run"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
       XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen
cd "${TIDEWELL_BUILD_DIR:-build}"
ctest --output-on-failure --no-tests=error -j"${TIDEWELL_JOBS:-$(nproc)}" --timeout 600
