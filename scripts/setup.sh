#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the missing Debian packages, then
# configures and builds teaser.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# install_missing_packages [LIST]: the packages named in LIST, by default
# scripts/debian-packages.txt.
install_missing_packages() {
  local list=${1:-$root/scripts/debian-packages.txt}
  local wanted missing=()
  wanted=$(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$list")
  for package in $wanted; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Installing missing Debian packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  # Recommends stay out: they would pull in the large FluidR3 SoundFont.
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR [CMAKE_OPTION...]: builds in $root/DIR.
configure_and_build() {
  local build_dir="$root/$1"
  shift
  cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$build_dir"
}
