#!/usr/bin/env bash
# Fuzzes the content file readers and the effects' check with libFuzzer.
#
#   tools/fuzz.sh SECONDS [TARGET...]   run each target (text board quiz wave) for SECONDS
#   tools/fuzz.sh --build               only build them
#
# The targets are built with clang, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz/ (or $FUZZ_BUILD_DIR), apart from the program's own build. Each run starts from
# tests/fuzz/seeds/TARGET and tests/fuzz/regressions/TARGET (every input that ever failed) and
# keeps what it learns in build-fuzz/corpus/TARGET. A failing input is saved under
# build-fuzz/artifacts/TARGET/: fix the fault, then add the input to the regressions.
# Exits 77 (skipped, for ctest) when clang or libFuzzer is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
fuzz=$root/tests/fuzz
all_targets=(text board quiz wave)

usage() {
    echo "usage: $0 SECONDS [TARGET...] | $0 --build   (targets: ${all_targets[*]})" >&2
    exit 2
}

have_libfuzzer() {
    command -v clang++ >/dev/null || return 1
    echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
        clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o "$build/probe" 2>/dev/null
}

build_targets() {
    mkdir -p "$build"
    if ! have_libfuzzer; then
        echo "fuzz: clang++ with libFuzzer is missing (tools/install-deps.sh fuzz)" >&2
        exit 77
    fi
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # The test suite may start several runs at once: one builds, the others wait.
    (
        flock 9
        [ -f "$build/CMakeCache.txt" ] ||
            cmake -S "$fuzz/targets" -B "$build" -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
                >/dev/null
        cmake --build "$build" -j2 >/dev/null
    ) 9>"$build/.lock"
}

# The figures of a run, from libFuzzer's final report.
summary() {
    local target=$1 log=$2 runs cov features corpus
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    read -r cov features corpus < <(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$log" | tail -n 1 |
        sed -E 's/.*cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+).*/\1 \2 \3/')
    echo "fuzz $target: ${runs:-?} executions, coverage ${cov:-?} edges, ${features:-?} features, corpus ${corpus:-?} inputs"
}

run_target() {
    local target=$1 seconds=$2 log status=0
    local corpus=$build/corpus/$target artifacts=$build/artifacts/$target/
    mkdir -p "$corpus" "$artifacts" "$fuzz/regressions/$target"
    log=$build/$target.log
    # Content files are a few KiB; 16 KiB inputs reach every rule of the readers.
    "$build/fuzz_$target" -max_total_time="$seconds" -max_len=16384 -timeout=10 \
        -rss_limit_mb=2048 -error_exitcode=1 -timeout_exitcode=1 -print_final_stats=1 \
        -artifact_prefix="$artifacts" "$corpus" "$fuzz/seeds/$target" \
        "$fuzz/regressions/$target" >"$log" 2>&1 || status=$?
    summary "$target" "$log"
    if [ "$status" != 0 ]; then
        tail -n 40 "$log" >&2
        echo "fuzz $target FAILED (status $status); the input is in $artifacts:" >&2
        ls -t "$artifacts" | head -n 3 >&2
        echo "after the fix, copy it to tests/fuzz/regressions/$target/" >&2
    fi
    return "$status"
}

[ $# -ge 1 ] || usage
if [ "$1" = --build ]; then
    build_targets
    exit 0
fi
[[ $1 =~ ^[0-9]+$ ]] || usage
seconds=$1
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
for target in "${targets[@]}"; do
    [[ " ${all_targets[*]} " == *" $target "* ]] || usage
done
build_targets
failed=0
for target in "${targets[@]}"; do
    run_target "$target" "$seconds" || failed=1
done
exit "$failed"
