#!/usr/bin/env bash
# Sets everything up, builds, and starts the program on the xssj.db beside it
# (build/src/app/xssj.db), created with a small demo shop when absent.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
program_dir=build/src/app
db="$program_dir/xssj.db"
[ -f "$db" ] || build/tools/xssj-newdb "$db" --demo
if [ -x "$program_dir/xssj" ]; then
  exec "$program_dir/xssj"
fi
echo "数据库已就绪：$db"
