#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each one for a
# fixed time on its seed corpus. Any crash, hang or sanitizer report fails the run.
#   bash scripts/fuzz.sh                 30 seconds per target
#   FUZZ_SECONDS=300 bash scripts/fuzz.sh
# Target fuzz_<name> starts from fuzz/corpus/<name>/; the corpus is copied to a
# scratch folder first, so new inputs and crash files never land in the repository.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

seconds=${FUZZ_SECONDS:-30}
build_dir=build-fuzz
jobs=$(nproc 2>/dev/null || echo 2)

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DFUZZ=ON -DBUILD_GUI=OFF \
    -DBUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=ON
cmake --build "$build_dir" --parallel "$jobs"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

targets=("$build_dir"/bin/fuzz_*)
if [ ! -x "${targets[0]}" ]; then
    echo "fuzz.sh: no fuzz targets were built" >&2
    exit 1
fi

status=0
for target in "${targets[@]}"; do
    target=$(realpath "$target")
    name=$(basename "$target")
    name=${name#fuzz_}
    work="$scratch/$name"
    mkdir -p "$work/corpus" "$work/artifacts"
    if [ -d "fuzz/corpus/$name" ]; then
        cp -R "fuzz/corpus/$name/." "$work/corpus/"
    fi
    # libFuzzer reports every new input; keep that in a log and show it only when
    # something went wrong. -timeout: one input running longer counts as a hang.
    log="$work/fuzz.log"
    if (cd "$work" && "$target" -max_total_time="$seconds" -timeout=10 \
            -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
            -artifact_prefix="$work/artifacts/" "$work/corpus") >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz.sh: $name: ${runs:-?} inputs in ${seconds}s, no failure"
    else
        tail -n 60 "$log" >&2
        echo "fuzz.sh: $name failed; the input that did it:" >&2
        ls -l "$work/artifacts" >&2
        for artifact in "$work/artifacts"/*; do
            [ -f "$artifact" ] && od -c "$artifact" | head -20 >&2
        done
        status=1
    fi
done
exit $status
