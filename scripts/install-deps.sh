#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test VelnoriaLM.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # window toolkit, sound output, decoding, resampling, GIF encoding
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libsdl2-dev libsndfile1-dev libsoxr-dev libgif-dev
  # the default UI font (metric-compatible with the small sans serif the layout was drawn for),
  # and fontconfig's headers: start-up reads the font configuration ahead of the toolkit
  fonts-liberation fontconfig libfontconfig-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  # end-to-end: a real X server, a real sound server, clicks and screenshots
  xvfb xdotool x11-utils x11-apps imagemagick pulseaudio pulseaudio-utils sox
  # benchmarks: sox's own PulseAudio output, the peer the program is measured against
  libsox-fmt-pulse
  # reliability: which programs a session starts and which files it writes
  strace
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
