#!/usr/bin/env bash
# Memcheck over the unit, black-box and fault tests and the fuzz corpus replay, in the ci build.
# Children are traced, so every travix process the black-box tests start runs under memcheck too;
# each process writes its own log, and any log without a clean error summary fails the step.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake --preset ci >/dev/null
cmake --build --preset ci -j2

logs="$PWD/build-ci/valgrind"
rm -rf "$logs"
mkdir -p "$logs"
memcheck=(valgrind --error-exitcode=1 --leak-check=full --show-leak-kinds=definite,indirect,possible
          --errors-for-leak-kinds=definite,indirect,possible --track-origins=yes
          --trace-children=yes --log-file="$logs/%p.log")
status=0
"${memcheck[@]}" build-ci/tests/travix_unit_tests --gtest_brief=1 || status=1
"${memcheck[@]}" build-ci/tests/travix_blackbox_tests --gtest_brief=1 || status=1
"${memcheck[@]}" build-ci/tests/travix_fault_tests --gtest_brief=1 || status=1
"${memcheck[@]}" build-ci/fuzz/travix_fuzz_replay fuzz/corpus fuzz/regressions >/dev/null || status=1

processes=$(ls "$logs" | wc -l)
unclean=$(grep -L 'ERROR SUMMARY: 0 errors' "$logs"/*.log || true)
if [ -n "$unclean" ]; then
    for log in $unclean; do
        echo "== $log"
        cat "$log"
    done
    status=1
fi
echo "valgrind: $processes processes checked"
exit "$status"
