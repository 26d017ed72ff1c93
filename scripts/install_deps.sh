#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those still missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool
    python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
