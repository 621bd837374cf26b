#!/usr/bin/env bash
# Every C++ source the repository tracks is formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/../.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
echo "clang-format: $(git ls-files '*.cpp' '*.h' | wc -l) files formatted"
