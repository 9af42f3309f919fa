#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need; does nothing
# when they are all present already.
set -euo pipefail
packages=(cmake ninja-build g++ libgtest-dev qt6-base-dev qt6-serialport-dev qt6-multimedia-dev
          xvfb xauth socat fonts-wqy-microhei locales)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
