#!/usr/bin/env bash
# Sets up, builds and redraws the README's pictures under docs/screenshots:
# the pages at 100 %, and again at 125 % and 150 % to check the layout.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --build build -j"$(nproc)" --target xssj-screenshots
build/tools/xssj-screenshots docs/screenshots
for percent in 125 150; do
    build/tools/xssj-screenshots "docs/screenshots/scale-$percent" --scale "${percent:0:1}.${percent:1}"
done
