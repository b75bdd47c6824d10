#!/usr/bin/env bash
# Builds the fuzzers (the checked build in build-asan, with clang) and runs
# each for as long as asked, one after the other.
# Usage: tools/fuzz.sh [seconds] [target...]
#   seconds  how long each fuzzer runs (default 60)
#   target   the fuzzers to run (default: every one; `ctest --test-dir
#            build-asan -L fuzz -N` lists them)
# Every input in tests/fuzz/corpus/<target>/ is tried first. New inputs that
# reach new code are kept in build-asan/fuzz/<target>/corpus/ and tried again
# on the next run; an input that crashes a fuzzer is kept as
# build-asan/fuzz/<target>/crash-<hash> (or leak-, timeout-, oom-), and the
# script ends with a list of them and how to replay one. Once the fault is
# mended, copy the input into tests/fuzz/corpus/<target>/, where the tests
# replay it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
if [[ $# -gt 0 && $1 =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi

build=build-asan
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DSUJINOSHIMA_FUZZ=ON >/dev/null

if [[ $# -gt 0 ]]; then
    targets=("$@")
else
    mapfile -t targets < <(ctest --test-dir "$build" -L fuzz -N | sed -n 's/^ *Test *#[0-9]*: *//p')
fi
if [[ ${#targets[@]} -eq 0 ]]; then
    echo "No fuzzers to run (none in tests/fuzz/CMakeLists.txt?)" >&2
    exit 1
fi
build_args=()
for target in "${targets[@]}"; do build_args+=(--target "$target"); done
cmake --build "$build" -j"$(nproc)" "${build_args[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"

summary=()
failed=0
for target in "${targets[@]}"; do
    work="$build/fuzz/$target"
    mkdir -p "$work/corpus"
    corpora=("$work/corpus")
    [[ -d tests/fuzz/corpus/$target ]] && corpora+=("tests/fuzz/corpus/$target")
    log="$work/last-run.log"
    echo "== $target: ${seconds}s"
    # The whole output goes to the log; the start, the end and any finding
    # to the terminal.
    set +e
    "$build/fuzz/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/" "${corpora[@]}" 2>&1 | tee "$log" \
        | grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)'
    status=${PIPESTATUS[0]}
    set -e
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    kept=$(find "$work/corpus" -type f | wc -l)
    if [[ $status -ne 0 ]]; then
        failed=1
        summary+=("$target: FAILED after ${runs:-?} runs (exit $status), see $log")
    else
        summary+=("$target: ${runs:-?} runs, no failure, $kept inputs kept")
    fi
done

echo
echo "== Fuzzing, ${seconds}s each"
printf '%s\n' "${summary[@]}"
mapfile -t findings < <(find "$build/fuzz" -maxdepth 2 -type f \
                          \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \))
if [[ ${#findings[@]} -gt 0 ]]; then
    echo
    echo "Failing inputs kept (replay one with: $build/fuzz/bin/<target> <file>):"
    printf '  %s\n' "${findings[@]}"
fi
exit $failed
