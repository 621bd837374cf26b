#!/usr/bin/env bash
# The benchmark script end to end at small sizes, three times per measurement: it builds,
# generates, converts and reports. The full run (10,000 and 1,000,000 records) is bench/run.sh
# without arguments and too noisy for CI. Both sizes fill the input and output buffers (64 and
# 256 KiB): below that, a smaller peak RSS is only buffer pages never touched.
set -euo pipefail
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
BENCH_REPEATS=3 BENCH_BUILD_DIR="$scratch/build" bash bench/run.sh 5000 20000 | tee "$scratch/report.txt"
grep -q '^ *20000 ' "$scratch/report.txt"
