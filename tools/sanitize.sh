#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer into build-sanitize/ and runs
# the whole suite on both database engines. The first error ends its test
# with the report.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-sanitize"

"$root/tools/install-deps.sh"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPURCHASING_BUILD_BENCH=OFF \
  -DCMAKE_CXX_COMPILER="${CXX:-$(command -v clang++ || command -v c++)}" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
exec "$root/tools/run-tests.sh" "$build" "$@"
