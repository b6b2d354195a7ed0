#!/usr/bin/env bash
# Installs the build and test dependencies that are missing (Debian).
# Usage: scripts/deps.sh [--no-recommends] [extra-package ...]
set -euo pipefail

recommends=()
if [ "${1:-}" = "--no-recommends" ]; then
  recommends=(--no-install-recommends)
  shift
fi
packages=(g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev pkg-config "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${recommends[@]}" "${missing[@]}" >/dev/null
fi
