#!/usr/bin/env bash
# Installs everything Tidewell needs to build, run and test on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build pkg-config git \
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools \
  qt6-l10n-tools qt6-translations-l10n libqt6svg6-dev libqt6opengl6-dev \
  libgl-dev libglx-dev libxkbcommon-dev libxcb1-dev \
  qt6-qpa-plugins \
  libsqlite3-dev libtag1-dev libchromaprint-dev libchromaprint-tools \
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev \
  libcurl4-openssl-dev libtinyxml2-dev libxml2-dev libexpat1-dev libxml2-utils \
  libgtest-dev libgmock-dev \
  p7zip-full ffmpeg sox \
  python3 python3-aiosmtpd openssl \
  dbus xvfb clang-format \
  fonts-dejavu-core fonts-droid-fallback \
  > /dev/null
