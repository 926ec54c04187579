#!/usr/bin/env bash
# Sets up, builds and makes the Debian package build/xssj_<version>_amd64.deb,
# which installs the program into /opt/xssj with a menu entry.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
(cd build && cpack -G DEB)
ls build/xssj_*.deb
