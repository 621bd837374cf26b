#!/usr/bin/env bash
# The benchmark script end to end at a small size, once per measurement: it builds, generates,
# converts and reports. The full run (10,000 and 1,000,000 records) is bench/run.sh without
# arguments and takes a minute or two, too long and too noisy for CI.
set -euo pipefail
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
BENCH_REPEATS=1 BENCH_BUILD_DIR="$scratch/build" bash bench/run.sh 500 5000 | tee "$scratch/report.txt"
grep -q '^ *5000 ' "$scratch/report.txt"
