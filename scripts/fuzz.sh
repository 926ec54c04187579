#!/usr/bin/env bash
# Builds the libFuzzer programs with clang into build-fuzz/ and runs each for
# SECONDS (default 60), starting from the committed seed corpus. Prints the
# executions and findings of each target; exits 1 when anything was found
# (the inputs are kept in build-fuzz/findings/).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/setup.sh >/dev/null
command -v clang++ >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq clang >/dev/null; }
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXSSJ_FUZZ=ON >/dev/null
targets=(codec text_number text_date format_datetime capitals sort_keys)
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}" >/dev/null
mkdir -p build-fuzz/findings
found=0
printf '%-18s %12s %9s\n' target executions findings
for t in "${targets[@]}"; do
    work=build-fuzz/corpus/$t
    mkdir -p "$work"
    log=build-fuzz/$t.log
    build-fuzz/tests/fuzz/fuzz_$t "$work" tests/fuzz/corpus/$t -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/findings/$t- >"$log" 2>&1 || true
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    findings=$(find build-fuzz/findings -name "$t-*" | wc -l)
    found=$((found + findings))
    printf '%-18s %12s %9s\n' "$t" "${runs:-?}" "$findings"
done
[ "$found" -eq 0 ]
