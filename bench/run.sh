#!/usr/bin/env bash
# Times travix on large generated definition files against the limit set by the disk: reading the
# definition file and writing the MIB bytes, `cat big.def >/dev/null; cat big.mib >copy.mib`.
# The two are run alternately; the report gives the median of each, their ratio, the MB/s of MIB
# output and travix's peak resident memory.
#
#   bench/run.sh [RECORDS ...]          default: 10000 1000000
#
# BENCH_REPEATS (default 11) sets how often each is timed, BENCH_BUILD_DIR (default build-bench)
# where the release build goes, BENCH_WORK_DIR (default inside it) where the files go.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
work=${BENCH_WORK_DIR:-$build/bench-data}
repeats=${BENCH_REPEATS:-11}
seed=1
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 1000000)

if [ ! -x /usr/bin/time ]; then
    echo "bench/run.sh needs /usr/bin/time (Debian package time; bash .ci/install-deps)" >&2
    exit 1
fi

echo "Building a release binary in $build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTRAVIX_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target travix generate_definitions >/dev/null
travix=$build/travix
generate=$build/bench/generate_definitions
mkdir -p "$work"
cd "$work"

# Address-space randomisation spreads the peak resident memory of one and the same run over a
# few hundred KiB; with a fixed layout fewer values are left (see the RSS runs below).
fixed_layout=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
    fixed_layout=(setarch "$(uname -m)" -R)
fi

nanoseconds() { date +%s%N; }
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
seconds() { awk -v ns="$1" 'BEGIN { printf "%.3f", ns / 1e9 }'; }

first() { printf '%s\n' "$@" | sort -n | head -n 1; }
last() { printf '%s\n' "$@" | sort -n | tail -n 1; }
megabytes() { awk -v b="$(wc -c <"$1")" 'BEGIN { printf "%.2f", b / 1e6 }'; }

declare -A limit_median travix_median
for records in "${sizes[@]}"; do
    def=big-$records.def
    mib=big-$records.mib
    echo "Generating $records records (seed $seed) and timing"
    "$generate" "$records" "$seed" >"$def"
    # The first conversion makes the MIB file the limit copies and warms the page cache for both.
    "$travix" "$def" "$mib" >console-$records.txt
    if ! grep -q "^Lines processed: $records"$'\r'"\$" console-$records.txt; then
        echo "travix did not process all $records records; see $work/console-$records.txt" >&2
        exit 1
    fi
    cat "$mib" >copy.mib

    # Each timed command overwrites a file of the same size that it wrote before (as a build
    # regenerating its MIB does), and starts with nothing left to write back from the one before.
    limit_times=()
    travix_times=()
    for ((i = 0; i < repeats; i++)); do
        sync
        start=$(nanoseconds)
        cat "$def" >/dev/null
        cat "$mib" >copy.mib
        end=$(nanoseconds)
        limit_times+=($((end - start)))

        sync
        start=$(nanoseconds)
        "$travix" "$def" "$mib" >/dev/null
        end=$(nanoseconds)
        travix_times+=($((end - start)))
    done
    rm -f copy.mib
    limit_median[$records]=$(median "${limit_times[@]}")
    travix_median[$records]=$(median "${travix_times[@]}")
done

# Peak RSS and CPU time in runs of their own, the sizes taking turns. The peak of one and the
# same run takes one of a few values some hundred KiB apart, whatever the size (how much of the
# shared C library and the stack ends up mapped); growth with the input would show as a least
# value at a larger size above the most at a smaller one.
echo "Measuring peak RSS and CPU time"
declare -A rss_runs user_runs sys_runs
for ((i = 0; i < repeats; i++)); do
    for records in "${sizes[@]}"; do
        "${fixed_layout[@]}" /usr/bin/time -f '%M %U %S' -o usage.txt \
            "$travix" "big-$records.def" "big-$records.mib" >/dev/null
        read -r rss user system <usage.txt
        rss_runs[$records]+=" $rss"
        user_runs[$records]+=" $user"
        sys_runs[$records]+=" $system"
    done
done
rm -f usage.txt

echo
echo "travix against the limit (cat the definition file to /dev/null, cat the MIB file to a copy):"
echo "medians of $repeats alternating runs each; CPU time and peak RSS from $repeats more runs;"
echo "$(nproc) cores, $(uname -sr)"
[ ${#fixed_layout[@]} -eq 0 ] || echo "(peak RSS measured with address-space randomisation off)"
printf '%9s %7s %7s %8s %9s %6s %9s %7s %7s %16s\n' records "def MB" "MIB MB" "limit s" \
    "travix s" ratio "MIB MB/s" "user s" "sys s" "RSS KiB min/med/max"
missed=()
previous_rss_max=
for records in "${sizes[@]}"; do
    limit=${limit_median[$records]}
    took=${travix_median[$records]}
    read -r -a rss_values <<<"${rss_runs[$records]}"
    read -r -a user_times <<<"${user_runs[$records]}"
    read -r -a sys_times <<<"${sys_runs[$records]}"
    rss_min=$(first "${rss_values[@]}")
    rss_max=$(last "${rss_values[@]}")
    ratio=$(awk -v a="$took" -v b="$limit" 'BEGIN { printf "%.2f", a / b }')
    mib_bytes=$(wc -c <"big-$records.mib")
    rate=$(awk -v bytes="$mib_bytes" -v ns="$took" 'BEGIN { printf "%.0f", bytes / 1e6 / (ns / 1e9) }')
    printf '%9s %7s %7s %8s %9s %6s %9s %7s %7s %16s\n' "$records" \
        "$(megabytes "big-$records.def")" "$(megabytes "big-$records.mib")" \
        "$(seconds "$limit")" "$(seconds "$took")" "$ratio" "$rate" \
        "$(median "${user_times[@]}")" "$(median "${sys_times[@]}")" \
        "$rss_min/$(median "${rss_values[@]}")/$rss_max"

    if [ "$rss_max" -ge 4096 ]; then
        missed+=("peak RSS up to $rss_max KiB at $records records, not under 4 MiB")
    fi
    if [ -n "$previous_rss_max" ] && [ "$rss_min" -gt "$previous_rss_max" ]; then
        missed+=("peak RSS grows: at least $rss_min KiB at $records records, at most $previous_rss_max before")
    fi
    previous_rss_max=$rss_max
done
if awk -v r="$ratio" 'BEGIN { exit !(r > 2) }'; then
    missed+=("travix takes $ratio times the limit at ${sizes[-1]} records, target 2")
fi
echo "Targets: at most 2 times the limit at the largest size, no growth of the peak RSS with the"
echo "size, under 4 MiB."
if [ ${#missed[@]} -eq 0 ]; then
    echo "All met."
else
    printf 'Missed: %s\n' "${missed[@]}"
fi
