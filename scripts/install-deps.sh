#!/usr/bin/env bash
# Installs the Debian packages that building and testing fr need, where they are missing.
# Usage: install-deps.sh build|test|bench
set -euo pipefail

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev)
test_packages=(libgtest-dev googletest xvfb xdotool x11-utils xauth imagemagick
               libacl1-dev acl attr clang libclang-rt-14-dev)
bench_packages=(libgtest-dev ripgrep sd hyperfine time)

packages=("${build_packages[@]}")
[[ "${1:-build}" == test ]] && packages+=("${test_packages[@]}")
[[ "${1:-build}" == bench ]] && packages+=("${bench_packages[@]}")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
