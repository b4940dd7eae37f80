#!/usr/bin/env bash
# Installs every Debian package Varnel needs to build, test and run.
# Idempotent: when everything is already installed, apt is not called at all.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-qpa-plugins libgl-dev
  liblhasa-dev lhasa
  libcurl4-openssl-dev libssl-dev
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
