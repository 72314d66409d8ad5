#!/usr/bin/env bash
# Installs what building and testing need on a fresh Debian 12 machine (as root, or with sudo).
# Packages that are already there are not fetched again.
set -euo pipefail
packages=(cmake make g++ g++-mingw-w64-x86-64 mingw-w64-tools googletest wine wine64 fonts-wine
          xvfb xauth xdotool imagemagick clang libclang-rt-14-dev lld zip
          osslsigncode openssl bc)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=""
  [ "$(id -u)" -eq 0 ] || as_root="sudo"
  $as_root apt-get update
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y --no-install-recommends "${missing[@]}"
fi
