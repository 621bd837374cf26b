#!/usr/bin/env bash
# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer, by g++ and by
# clang. The black-box tests run the sanitized binary, so a finding there fails its exit status.
set -euo pipefail
cd "$(dirname "$0")/../.."
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for preset in sanitize sanitize-clang; do
    echo "-- $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j2
    ctest --preset "$preset" -j2
done
