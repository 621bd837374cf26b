#!/usr/bin/env bash
# Reproducible builds: with SOURCE_DATE_EPOCH set, g++ and clang each give a byte-identical
# travix from two different build directories, and the banner shows that moment, not today.
set -euo pipefail
cd "$(dirname "$0")/../.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export SOURCE_DATE_EPOCH=1337598630 # 2012-05-21 11:10:30 UTC
expected=$'\r\nTRAVIX Ver 2.10  May 21 2012 11:10:30 \r'

for compiler in g++ clang++; do
    for copy in first second-place; do
        cmake -S . -B "$scratch/$compiler/$copy" -DCMAKE_CXX_COMPILER="$compiler" \
            -DTRAVIX_TESTS=OFF -DTRAVIX_WERROR=ON >/dev/null
        cmake --build "$scratch/$compiler/$copy" --target travix -j2 >/dev/null
    done
    first="$scratch/$compiler/first/travix"
    if ! cmp "$first" "$scratch/$compiler/second-place/travix"; then
        echo "$compiler: two builds of travix differ" >&2
        exit 1
    fi
    banner=$("$first" | head -n 2)
    if [ "$banner" != "$expected" ]; then
        echo "$compiler: banner is '$banner', expected '$expected'" >&2
        exit 1
    fi
    if strings -a "$first" | grep -F -e "$PWD" -e "$scratch"; then
        echo "$compiler: travix holds a path of the build machine" >&2
        exit 1
    fi
    echo "$compiler: identical binaries, banner from SOURCE_DATE_EPOCH ($(sha256sum < "$first" | cut -c1-16))"
done
