#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
XSSJ_WERROR=ON bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 600
