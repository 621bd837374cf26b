#!/usr/bin/env bash
# Runs the conversion fuzz target for SECONDS (default 60) and fails on any finding.
# Builds the fuzz preset (clang, libFuzzer, ASan, UBSan) first if needed. New inputs go to a
# working corpus in the build folder, so the committed seed corpus stays as it is; a finding is
# saved under build-fuzz/findings/ — fix it, then keep it in fuzz/regressions/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 >/dev/null

work="$build/corpus-work"
findings="$build/findings"
log="$build/fuzz.log"
mkdir -p "$work" "$findings"
# The target writes two small files per run; a memory file system keeps that off the disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

status=0
"$build/fuzz/travix_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$work" fuzz/corpus fuzz/regressions >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
echo "fuzzer: ${executions:-?} executions in ${seconds} s (log: $log)"
if [ "$status" -ne 0 ] || grep -q -E '^(==[0-9]+==ERROR|SUMMARY: |travix rule broken)' "$log"; then
    tail -n 60 "$log"
    echo "fuzzer: FINDING, input saved in $findings/" >&2
    exit 1
fi
