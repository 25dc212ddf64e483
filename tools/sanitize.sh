#!/usr/bin/env bash
# Builds Tavrin with AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitize/ and
# runs the whole test suite there. Any report fails the test that caused it. The fuzz targets
# have their own sanitized build; the monkey runs on this build from .ci/run
# (TAVRIN_EXE=build-sanitize/tavrin tools/monkey.sh), with fewer actions than its ctest. The
# only suppressions, in tools/sanitize/, are for system libraries, each with its reason. Extra
# arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh test
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    >/dev/null
cmake --build build-sanitize -j2

supp=$root/tools/sanitize
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$supp/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=suppressions=$supp/ubsan.supp:print_stacktrace=1:halt_on_error=1
# Sanitized programs are slower: the end-to-end tests allow them more time.
export E2E_TIMEOUT_SCALE=${E2E_TIMEOUT_SCALE:-3}
cd build-sanitize
ctest --output-on-failure -j2 -LE 'fuzz|monkey' --timeout 900 "$@"
