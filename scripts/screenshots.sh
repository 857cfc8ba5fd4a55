#!/usr/bin/env bash
# Saves a PNG of every window and page the screenshot driver reaches, under Xvfb, at scale 1
# (1920 wide) and scale 2 (3840 wide), in English and Arabic:  scripts/screenshots.sh OUT
# Pictures land in OUT/<language>-<scale>/. Builds first when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:?usage: scripts/screenshots.sh OUT}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
[ -x build/bin/tidewell_screens ] || bash scripts/build.sh
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/run" && chmod 700 "$scratch/run"
export XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=xcb TIDEWELL_AUDIO_OUTPUT=null
display=97
for size in 1920x1080:1 3840x2160:2; do
  geometry="${size%%:*}"; scale="${size##*:}"
  Xvfb ":$display" -screen 0 "${geometry}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  for lang in en ar; do
    DISPLAY=":$display" ./build/bin/tidewell_screens "$out/$lang-$scale" "$lang" "${SCENES:-}"
  done
  kill "$xvfb"; wait "$xvfb" 2>/dev/null || true
  display=$((display + 1))
done
echo "screenshots in $out"
