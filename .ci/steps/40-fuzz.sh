#!/usr/bin/env bash
# A bounded fuzzing run of the whole conversion; fails on any crash, sanitizer report or broken rule.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash fuzz/run-fuzzer.sh "${TRAVIX_FUZZ_SECONDS:-60}"
