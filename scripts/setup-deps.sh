#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when missing.
set -euo pipefail
packages=(g++ cmake ninja-build libgtest-dev libgmock-dev clang libclang-rt-14-dev qt6-base-dev
  # Unicode case data for the UTF-8 text model
  libutf8proc-dev pkg-config
  # the install test (desktop entries, AppStream metadata, manual pages) and
  # the Debian package with its checks
  desktop-file-utils appstream groff-base man-db dpkg-dev debhelper lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
