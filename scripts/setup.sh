#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, then configures and
# builds into build/. Used by run.sh, test.sh and CI.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev libgl-dev libsqlite3-dev libicu-dev fonts-noto-cjk xauth xvfb desktop-file-utils)
if [ "$(id -u)" -eq 0 ]; then
  apt_get() { apt-get "$@"; }
else
  apt_get() { sudo apt-get "$@"; }
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${CI:-}" = "true" ] || [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt_get update -qq
  apt_get install -y -qq "${packages[@]}" >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXSSJ_WERROR="${XSSJ_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
